#include "print/PageImage.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace dravino {

namespace {
constexpr double kDeviceDpi = kPageDpi;
} // namespace

void setUpPdfPage(QPdfWriter &writer)
{
    writer.setResolution(kPageDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPageMarginPoints, kPageMarginPoints, kPageMarginPoints, kPageMarginPoints),
                                     QPageLayout::Point));
    writer.setTitle(QStringLiteral("Dravino"));
    writer.setCreator(QStringLiteral("Dravino"));
}

const QPaintDevice &pdfMetricsDevice()
{
    // Kept for the life of the program; it never draws.
    static QPdfWriter *writer = [] {
        auto *w = new QPdfWriter(new QBuffer);
        setUpPdfPage(*w);
        return w;
    }();
    return *writer;
}

void paintItems(QPainter &p, const QList<RecordedItem> &items)
{
    // Smooth letters, crisp one-pixel rules, as a PDF viewer shows them.
    p.setRenderHint(QPainter::TextAntialiasing);
    // A font's points resolve at the device's resolution, then the painter
    // scales them: on a device of another resolution than the PDF's, the
    // points are set so that the letters come out as large as on the PDF.
    const double deviceDpi = p.device() ? p.device()->logicalDpiY() : kDeviceDpi;
    const double fontScale = deviceDpi > 0 ? kDeviceDpi / deviceDpi : 1;
    const auto device = [](double twips) { return twips * kDeviceDpi / 1440.0; };
    for (const RecordedItem &i : items) {
        if (i.kind == RecordedItem::Text) {
            QFont font = i.font;
            if (fontScale != 1)
                font.setPointSizeF(font.pointSizeF() * fontScale);
            p.setFont(font);
            p.setPen(i.color);
            const QFontMetricsF fm(i.font, &pdfMetricsDevice());
            p.drawText(QPointF(device(i.x), device(i.y) + fm.ascent()), i.text);
        } else if (i.kind == RecordedItem::Picture) {
            p.drawImage(QRectF(device(i.x), device(i.y), device(i.x2 - i.x), device(i.y2 - i.y)), i.image);
        } else {
            p.setPen(QPen(i.color, 0));
            p.drawLine(QPointF(device(i.x), device(i.y)), QPointF(device(i.x2), device(i.y2)));
        }
    }
}

QImage renderPage(const QList<RecordedItem> &items, double dpi)
{
    // The page's size as the PDF gives it: A4 in whole points.
    const QSizeF a4 = QSizeF(QPageSize(QPageSize::A4).sizePoints()) / 72;
    QImage image(int(std::ceil(a4.width() * dpi)), int(std::ceil(a4.height() * dpi)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // Fonts resolve as on the PDF writer; the painter scales to the image.
    const int dotsPerMeter = qRound(kDeviceDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter p(&image);
    p.scale(dpi / kDeviceDpi, dpi / kDeviceDpi);
    const double margin = kPageMarginPoints * kDeviceDpi / 72;
    p.translate(margin, margin);
    paintItems(p, items);
    return image;
}

QImage renderPages(const QList<RecordedItem> &items, double dpi)
{
    const int pages = pagesOf(items);
    if (pages == 1)
        return renderPage(items, dpi);
    QList<QImage> drawn;
    for (int page = 0; page < pages; ++page)
        drawn << renderPage(itemsOfPage(items, page), dpi);
    const int gap = std::max(4, int(dpi / 8));
    QImage all(drawn.first().width(), int(drawn.size()) * (drawn.first().height() + gap) - gap, QImage::Format_RGB32);
    all.fill(QColor(128, 128, 128));
    all.setDotsPerMeterX(drawn.first().dotsPerMeterX());
    all.setDotsPerMeterY(drawn.first().dotsPerMeterY());
    QPainter p(&all);
    for (int page = 0; page < pages; ++page)
        p.drawImage(0, page * (drawn.first().height() + gap), drawn[page]);
    return all;
}

} // namespace dravino
