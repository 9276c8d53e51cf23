#include "print/PrintSurface.h"

#include <algorithm>

namespace dravino {

QFont defaultPrintFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(12);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

PrintSurface::PrintSurface() : m_font(defaultPrintFont()) {}

void PrintSurface::FontName(const QString &face) { m_font.setFamily(face); }
void PrintSurface::FontSize(double points) { m_font.setPointSizeF(points); }
void PrintSurface::FontBold(bool on) { m_font.setBold(on); }
void PrintSurface::FontItalic(bool on) { m_font.setItalic(on); }
void PrintSurface::ForeColor(const QColor &color) { m_color = color; }

void PrintSurface::Print(const QString &text, bool endLine)
{
    if (!text.isEmpty())
        drawText(m_x, m_y, m_font, m_color, text);
    if (endLine) {
        m_x = 0;
        m_y += lineHeight(m_font);
    } else {
        m_x += measure(m_font, text);
    }
}

void PrintSurface::Line(double x1, double y1, double x2, double y2, const QColor &color)
{
    drawLine(x1, y1, x2, y2, color);
    m_x = x2;
    m_y = y2;
}

void PrintSurface::PaintPicture(const QImage &image, double x, double y, double width, double height)
{
    if (image.isNull() || width <= 0 || height <= 0)
        return;
    const QSizeF fitted = QSizeF(image.size()).scaled(width, height, Qt::KeepAspectRatio);
    drawPicture(image, x + (width - fitted.width()) / 2, y + (height - fitted.height()) / 2, fitted.width(), fitted.height());
}

void PrintSurface::NewPage()
{
    newPage();
    ++m_page;
    m_x = 0;
    m_y = 0;
}

void PrintSurface::EndDoc()
{
    endDocument();
    m_x = 0;
    m_y = 0;
    m_page = 0;
    m_archival = false;
}

QList<RecordedItem> itemsOfPage(const QList<RecordedItem> &items, int page)
{
    QList<RecordedItem> out;
    for (const RecordedItem &i : items)
        if (i.page == page)
            out << i;
    return out;
}

int pagesOf(const QList<RecordedItem> &items)
{
    int pages = 1;
    for (const RecordedItem &i : items)
        pages = std::max(pages, i.page + 1);
    return pages;
}

} // namespace dravino
