#pragma once
// A printed page driven like a pen plotter: the documents set a position in
// twips (1/1440 inch, origin at the printable area's top-left), a font and a
// colour, then print texts and draw lines. Printing a text either continues
// the line (x moves to the text's right end) or ends it (x back to 0, y one
// line of the current font lower). Subclasses only measure and draw.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "print/RecordedItem.h"

namespace dravino {

class PrintSurface
{
public:
    PrintSurface();
    virtual ~PrintSurface() = default;
    PrintSurface(const PrintSurface &) = delete;
    PrintSurface &operator=(const PrintSurface &) = delete;

    void FontName(const QString &face);
    void FontSize(double points);
    void FontBold(bool on);
    void FontItalic(bool on);
    void ForeColor(const QColor &color);
    void CurrentX(double twips) { m_x = twips; }
    void CurrentY(double twips) { m_y = twips; }
    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    double TextWidth(const QString &text) const { return measure(m_font, text); }
    // One line of the current font, as Print(..., true) advances.
    double TextHeight() const { return lineHeight(m_font); }
    void Print(const QString &text, bool endLine);
    void Line(double x1, double y1, double x2, double y2, const QColor &color);
    // image scaled into the box (twips), its proportions kept, centred.
    void PaintPicture(const QImage &image, double x, double y, double width, double height);
    // The next page of the document; the position goes back to its top.
    void NewPage();
    // The page the document draws on now (0 the first).
    int Page() const { return m_page; }
    // The document, written as a file, is archival (PDF/A-1b: its fonts
    // embedded): set before its first line.
    void Archival(bool on) { m_archival = on; }
    bool archival() const { return m_archival; }
    void EndDoc();

    // The last document ended, drawn as an image at dpi (the print
    // preview); a null image where the surface keeps no drawing.
    virtual QImage render(double dpi) const
    {
        Q_UNUSED(dpi);
        return {};
    }
    // The last document ended, as a PDF and as what it drew (for a printer
    // given drawing); empty where the surface makes no page to print.
    virtual QByteArray pdf() const { return {}; }
    virtual QList<RecordedItem> drawing() const { return {}; }

    const QFont &font() const { return m_font; }
    const QColor &foreColor() const { return m_color; }

protected:
    virtual double measure(const QFont &font, const QString &text) const = 0;
    virtual double lineHeight(const QFont &font) const = 0;
    virtual void drawText(double x, double y, const QFont &font, const QColor &color,
                          const QString &text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, const QColor &color) = 0;
    virtual void drawPicture(const QImage &image, double x, double y, double width, double height) = 0;
    virtual void newPage() {}
    virtual void endDocument() = 0;

private:
    QFont m_font;
    QColor m_color = Qt::black;
    double m_x = 0;
    double m_y = 0;
    int m_page = 0;
    bool m_archival = false;
};

// The x at which text ends at right; text wider than that starts at the margin.
inline double rightAlignedX(const PrintSurface &s, double right, const QString &text)
{
    const double x = right - s.TextWidth(text);
    return x > 0 ? x : 0;
}

// The face a document gets when it sets none: Arial (Liberation Sans on
// Linux), whose 12 pt line is 268 twips high, so a 45-row column fits.
QFont defaultPrintFont();

} // namespace dravino
