#pragma once
// A print surface that draws straight onto a QPainter (a widget's), at the
// painter's device resolution: the window draws its charts with the very
// routine that prints them.

#include "print/PrintSurface.h"

class QPainter;

namespace dravino {

class PainterSurface final : public PrintSurface
{
public:
    // painter: begun on its device; twips are turned into its pixels.
    explicit PainterSurface(QPainter &painter);

protected:
    double measure(const QFont &font, const QString &text) const override;
    double lineHeight(const QFont &font) const override;
    void drawText(double x, double y, const QFont &font, const QColor &color, const QString &text) override;
    void drawLine(double x1, double y1, double x2, double y2, const QColor &color) override;
    void drawPicture(const QImage &image, double x, double y, double width, double height) override;
    void endDocument() override {}

private:
    double px(double twips) const { return twips * m_perTwip; }
    QPainter &m_painter;
    double m_perTwip;
};

} // namespace dravino
