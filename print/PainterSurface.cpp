#include "print/PainterSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace dravino {

PainterSurface::PainterSurface(QPainter &painter)
    : m_painter(painter), m_perTwip(painter.device()->logicalDpiY() / 1440.0)
{
}

double PainterSurface::measure(const QFont &font, const QString &text) const
{
    return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) / m_perTwip;
}

double PainterSurface::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, m_painter.device()).height() / m_perTwip;
}

void PainterSurface::drawText(double x, double y, const QFont &font, const QColor &color, const QString &text)
{
    m_painter.setFont(font);
    m_painter.setPen(color);
    m_painter.drawText(QPointF(px(x), px(y) + QFontMetricsF(font, m_painter.device()).ascent()), text);
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &color)
{
    m_painter.setPen(QPen(color, 0));
    m_painter.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
}

void PainterSurface::drawPicture(const QImage &image, double x, double y, double width, double height)
{
    m_painter.drawImage(QRectF(px(x), px(y), px(width), px(height)), image);
}

} // namespace dravino
