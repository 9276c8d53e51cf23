#include "print/RecordingSurface.h"

#include "print/PageImage.h"

#include <QFontMetricsF>
#include <QImage>

namespace dravino {

namespace {
// A paint device at 1440 dpi, so that font metrics come out in twips.
const QImage &twipDevice()
{
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(1440 / 0.0254);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return image;
}
} // namespace

QImage RecordingSurface::render(double dpi) const
{
    QList<RecordedItem> last;
    for (const RecordedItem &i : m_items)
        if (i.document == m_ended - 1)
            last << i;
    return renderPages(last, dpi);
}

double RecordingSurface::measure(const QFont &font, const QString &text) const
{
    return QFontMetricsF(font, &twipDevice()).horizontalAdvance(text);
}

double RecordingSurface::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, &twipDevice()).height();
}

void RecordingSurface::drawText(double x, double y, const QFont &font, const QColor &color,
                                const QString &text)
{
    m_items.append({RecordedItem::Text, x, y, 0, 0, text, font, color, m_ended, {}, Page()});
}

void RecordingSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &color)
{
    m_items.append({RecordedItem::Line, x1, y1, x2, y2, {}, {}, color, m_ended, {}, Page()});
}

void RecordingSurface::drawPicture(const QImage &image, double x, double y, double width, double height)
{
    m_items.append({RecordedItem::Picture, x, y, x + width, y + height, {}, {}, {}, m_ended, image, Page()});
}

} // namespace dravino
