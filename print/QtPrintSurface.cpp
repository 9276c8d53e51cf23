#include "print/QtPrintSurface.h"

#include "print/PageImage.h"

#include <QFontMetricsF>

namespace dravino
{

QtPrintSurface::QtPrintSurface() = default;

QtPrintSurface::~QtPrintSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

double QtPrintSurface::toDevice(double twips) const
{
    return twips * kPageDpi / 1440.0;
}

bool QtPrintSurface::ensureBegun()
{
    if (m_painter.isActive())
        return true;
    m_pdf.clear();
    m_drawing.clear();
    m_out.close();
    m_out.setData(QByteArray());
    m_out.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_out);
    setUpPdfPage(*m_writer);
    // An archival document: PDF/A-1b, every font embedded.
    if (archival())
        m_writer->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    return m_painter.begin(m_writer.get());
}

void QtPrintSurface::newPage()
{
    if (ensureBegun())
        m_writer->newPage();
}

double QtPrintSurface::measure(const QFont &font, const QString &text) const
{
    const QFontMetricsF fm(font, &pdfMetricsDevice());
    return fm.horizontalAdvance(text) * 1440.0 / kPageDpi;
}

double QtPrintSurface::lineHeight(const QFont &font) const
{
    const QFontMetricsF fm(font, &pdfMetricsDevice());
    return fm.height() * 1440.0 / kPageDpi;
}

void QtPrintSurface::drawText(double x, double y, const QFont &font, const QColor &color, const QString &text)
{
    if (!ensureBegun())
        return;
    m_drawing.append({RecordedItem::Text, x, y, 0, 0, text, font, color, 0, {}, Page()});
    m_painter.setFont(font);
    m_painter.setPen(color);
    const QFontMetricsF fm(font, &pdfMetricsDevice());
    m_painter.drawText(QPointF(toDevice(x), toDevice(y) + fm.ascent()), text);
}

void QtPrintSurface::drawLine(double x1, double y1, double x2, double y2, const QColor &color)
{
    if (!ensureBegun())
        return;
    m_drawing.append({RecordedItem::Line, x1, y1, x2, y2, {}, {}, color, 0, {}, Page()});
    m_painter.setPen(QPen(color, 0));
    m_painter.drawLine(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)));
}

void QtPrintSurface::drawPicture(const QImage &image, double x, double y, double width, double height)
{
    if (!ensureBegun())
        return;
    m_drawing.append({RecordedItem::Picture, x, y, x + width, y + height, {}, {}, {}, 0, image, Page()});
    m_painter.drawImage(QRectF(toDevice(x), toDevice(y), toDevice(width), toDevice(height)), image);
}

void QtPrintSurface::endDocument()
{
    if (!m_painter.isActive())
        return;
    const bool ok = m_painter.end();
    m_writer.reset(); // writes the end of the PDF
    m_out.close();
    m_pdf = ok ? m_out.data() : QByteArray();
    m_drawn = std::move(m_drawing);
    m_drawing.clear();
}

QImage QtPrintSurface::render(double dpi) const
{
    return renderPages(m_drawn, dpi);
}

} // namespace dravino
