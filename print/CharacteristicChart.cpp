#include "print/CharacteristicChart.h"

#include "print/PrintSurface.h"
#include "print/ScaleSheet.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("ScaleSheet", source); }

const QColor kGrid(200, 200, 200);
const QColor kBandEdge(110, 110, 110);
const QColor kHatch(180, 180, 180);

// A whole number as the sheet writes its cells: no thousands' separator.
QString whole(double v) { return QString::number(qRound64(v)); }
} // namespace

double characteristic::axisEnd(const Characteristic &c)
{
    double top = std::max(100.0, c.nominal * 1.1);
    for (const CharacteristicPoint &p : c.points)
        top = std::max(top, p.bar * 1.05);
    const int step = axisStep(top, 6);
    return std::ceil(top / step) * step;
}

void printCharacteristic(PrintSurface &s, const Characteristic &c, const QRectF &area)
{
    using namespace characteristic;
    const QFont font = s.font();
    const QColor colour = s.foreColor();
    const double x0 = s.CurrentX(), y0 = s.CurrentY();

    s.FontName(QStringLiteral("Arial"));
    s.FontBold(false);
    s.FontSize(8);
    s.ForeColor(Qt::black);
    const double line = s.TextHeight();
    const QString yTitle = text(QT_TRANSLATE_NOOP("ScaleSheet", "Tensione (mV)"));
    const QString xTitle = text(QT_TRANSLATE_NOOP("ScaleSheet", "Pressione (bar)"));
    const double labels = s.TextWidth(QStringLiteral("5000")) + 100;
    const QRectF plot(area.left() + labels, area.top() + line * 1.5, area.width() - labels - 100,
                      area.height() - line * 5.5);
    const double xEnd = axisEnd(c);
    const auto xOf = [&](double bar) { return plot.left() + bar / xEnd * plot.width(); };
    const auto yOf = [&](double mv) { return plot.bottom() - mv / kTopMv * plot.height(); };

    // The grid, its labels and the axes' titles.
    const int xStep = axisStep(xEnd, 6);
    for (double bar = 0; bar <= xEnd + 0.5; bar += xStep) {
        if (bar > 0 && bar < xEnd - 0.5)
            s.Line(xOf(bar), plot.top(), xOf(bar), plot.bottom(), kGrid);
        const QString label = whole(bar);
        s.CurrentX(xOf(bar) - s.TextWidth(label) / 2);
        s.CurrentY(plot.bottom() + 40);
        s.Print(label, true);
    }
    for (double mv = 0; mv <= kTopMv + 0.5; mv += 1000) {
        if (mv > 0 && mv < kTopMv - 0.5)
            s.Line(plot.left(), yOf(mv), plot.right(), yOf(mv), kGrid);
        const QString label = whole(mv);
        s.CurrentX(plot.left() - 60 - s.TextWidth(label));
        s.CurrentY(yOf(mv) - line / 2);
        s.Print(label, true);
    }
    s.CurrentX(area.left());
    s.CurrentY(area.top());
    s.Print(yTitle, true);
    s.CurrentX(plot.center().x() - s.TextWidth(xTitle) / 2);
    s.CurrentY(plot.bottom() + 40 + line);
    s.Print(xTitle, true);

    // A line of the family at full scale fullScale, from 0 bar to the
    // axis's end or the top of the plot.
    const auto drawLine = [&](int fullScale, const QColor &pen) {
        const double end = std::min(xEnd, (kTopMv - c.zeroMv) * fullScale / c.spanMv);
        if (end > 0)
            s.Line(xOf(0), yOf(c.mvAt(0, fullScale)), xOf(end), yOf(c.mvAt(end, fullScale)), pen);
    };
    if (c.nominal > 0 && c.spanMv > 0) {
        if (c.tolerance > 0 && c.bandCentre - c.tolerance > 0) {
            // The band: the steeper edge is the lower full scale.
            const int low = c.bandCentre - c.tolerance, high = c.bandCentre + c.tolerance;
            const double end = std::min(xEnd, (kTopMv - c.zeroMv) * low / c.spanMv);
            for (double x = xOf(0) + 120; x < xOf(end); x += 120) {
                const double bar = (x - plot.left()) / plot.width() * xEnd;
                s.Line(x, yOf(c.mvAt(bar, high)), x, yOf(c.mvAt(bar, low)), kHatch);
            }
            drawLine(low, kBandEdge);
            drawLine(high, kBandEdge);
        }
        drawLine(c.nominal, Qt::black);
    }
    // The frame over the grid's ends.
    s.Line(plot.left(), plot.top(), plot.right(), plot.top(), Qt::black);
    s.Line(plot.right(), plot.top(), plot.right(), plot.bottom(), Qt::black);
    s.Line(plot.right(), plot.bottom(), plot.left(), plot.bottom(), Qt::black);
    s.Line(plot.left(), plot.bottom(), plot.left(), plot.top(), Qt::black);

    // The marks: a square, or a cross for a row outside its limits.
    const auto square = [&](double x, double y, const QColor &pen) {
        const double h = kMark / 2;
        s.Line(x - h, y - h, x + h, y - h, pen);
        s.Line(x + h, y - h, x + h, y + h, pen);
        s.Line(x + h, y + h, x - h, y + h, pen);
        s.Line(x - h, y + h, x - h, y - h, pen);
    };
    // Not judged (the zero row): a diamond, told apart from a square without colour.
    const auto diamond = [&](double x, double y, const QColor &pen) {
        const double h = kMark * 0.7;
        s.Line(x, y - h, x + h, y, pen);
        s.Line(x + h, y, x, y + h, pen);
        s.Line(x, y + h, x - h, y, pen);
        s.Line(x - h, y, x, y - h, pen);
    };
    const auto cross = [&](double x, double y, const QColor &pen) {
        const double h = kMark * 0.65;
        s.Line(x - h, y - h, x + h, y + h, pen);
        s.Line(x - h, y + h, x + h, y - h, pen);
    };
    bool within = false, outside = false, plain = false;
    for (const CharacteristicPoint &p : c.points) {
        const double x = xOf(p.bar), y = yOf(std::clamp(double(p.mv), 0.0, kTopMv));
        if (p.mark == CharacteristicPoint::Outside) {
            cross(x, y, verdictColor(Verdict::Red));
            outside = true;
        } else if (p.mark == CharacteristicPoint::Within) {
            square(x, y, verdictColor(Verdict::Green));
            within = true;
        } else {
            diamond(x, y, Qt::black);
            plain = true;
        }
    }

    // The legend, one line under the axis's title.
    double x = plot.left();
    const double y = plot.bottom() + 60 + line * 2.6;
    const auto entry = [&](const QString &label) {
        s.CurrentX(x);
        s.CurrentY(y - line / 2);
        s.ForeColor(Qt::black);
        s.Print(label, false);
        x = s.CurrentX() + 300;
    };
    if (c.nominal > 0) {
        s.Line(x, y, x + 300, y, Qt::black);
        x += 380;
        entry(text(QT_TRANSLATE_NOOP("ScaleSheet", "linea nominale a %1 bar")).arg(c.nominal));
        if (c.tolerance > 0 && c.bandCentre - c.tolerance > 0) {
            s.Line(x, y - 40, x + 300, y - 40, kBandEdge);
            s.Line(x, y + 40, x + 300, y + 40, kBandEdge);
            x += 380;
            entry(text(QT_TRANSLATE_NOOP("ScaleSheet", "fascia della media %1 bar ±%2 bar")).arg(c.bandCentre).arg(c.tolerance));
        }
    }
    enum Shape { Square, Cross, Diamond };
    const auto mark = [&](Shape shape, const QString &label) {
        const double at = x + kMark / 2;
        shape == Cross ? cross(at, y, Qt::black) : shape == Diamond ? diamond(at, y, Qt::black) : square(at, y, Qt::black);
        x += kMark + 80;
        entry(label);
    };
    if (within)
        mark(Square, text(QT_TRANSLATE_NOOP("ScaleSheet", "lettura entro i limiti")));
    if (outside)
        mark(Cross, text(QT_TRANSLATE_NOOP("ScaleSheet", "lettura fuori dai limiti")));
    // Not judged: the zero row of a check with a verdict, every reading of one without.
    if (plain)
        mark(Diamond, c.tolerance > 0 ? text(QT_TRANSLATE_NOOP("ScaleSheet", "lettura dello zero"))
                                      : text(QT_TRANSLATE_NOOP("ScaleSheet", "lettura")));

    s.FontName(font.family());
    s.FontSize(font.pointSizeF());
    s.FontBold(font.bold());
    s.FontItalic(font.italic());
    s.ForeColor(colour);
    s.CurrentX(x0);
    s.CurrentY(y0);
}

} // namespace dravino
