#include "print/CalibrationChart.h"

#include "core/Characteristic.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("CalibrationCertificate", source); }

const QColor kGrid(200, 200, 200);
constexpr double kMark = 150;

// What each routine leaves as it found.
struct Kept {
    PrintSurface &s;
    QFont font;
    QColor colour;
    double x, y;
    explicit Kept(PrintSurface &surface)
        : s(surface), font(surface.font()), colour(surface.foreColor()), x(surface.CurrentX()), y(surface.CurrentY())
    {
    }
    ~Kept()
    {
        s.FontName(font.family());
        s.FontSize(font.pointSizeF());
        s.FontBold(font.bold());
        s.FontItalic(font.italic());
        s.ForeColor(colour);
        s.CurrentX(x);
        s.CurrentY(y);
    }
};

QString decimal(double v, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'f', decimals);
}

void triangle(PrintSurface &s, double x, double y, bool up)
{
    const double h = kMark * 0.6, dy = up ? -h : h;
    s.Line(x, y + dy, x + h, y - dy, Qt::black);
    s.Line(x + h, y - dy, x - h, y - dy, Qt::black);
    s.Line(x - h, y - dy, x, y + dy, Qt::black);
}

// A line from (x1, y1) to (x2, y2) in dashes of dash twips, gap apart.
void dashed(PrintSurface &s, double x1, double y1, double x2, double y2, double dash, double gap)
{
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0)
        return;
    const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
    for (double t = 0; t < length; t += dash + gap) {
        const double e = std::min(length, t + dash);
        s.Line(x1 + ux * t, y1 + uy * t, x1 + ux * e, y1 + uy * e, Qt::black);
    }
}

struct Plot {
    QRectF area;
    double xEnd, yLow, yHigh;
    double x(double v) const { return area.left() + v / xEnd * area.width(); }
    double y(double v) const { return area.bottom() - (v - yLow) / (yHigh - yLow) * area.height(); }
};

// The lines a legend of these entries (a sample's width, a label) takes
// across width, in the charts' font.
int legendLines(PrintSurface &s, double width, const std::vector<std::pair<double, QString>> &entries)
{
    s.FontName(QStringLiteral("Arial"));
    s.FontBold(false);
    s.FontItalic(false);
    s.FontSize(8);
    int lines = 1;
    double x = 0;
    for (const auto &[sample, label] : entries) {
        const double w = sample + 80 + s.TextWidth(label);
        if (x > 0 && x + w > width) {
            ++lines;
            x = 0;
        }
        x += w + 300;
    }
    return lines;
}

// The frame, the grid with its labels and the axes' titles; the plot inside.
Plot frame(PrintSurface &s, const QRectF &area, double xEnd, double yLow, double yHigh, double yStep, int yDecimals,
           const QString &xTitle, const QString &yTitle, int legendRows)
{
    s.FontName(QStringLiteral("Arial"));
    s.FontBold(false);
    s.FontItalic(false);
    s.FontSize(8);
    s.ForeColor(Qt::black);
    const double line = s.TextHeight();
    double labels = 0;
    for (double v = yLow; v <= yHigh + yStep / 2; v += yStep)
        labels = std::max(labels, s.TextWidth(decimal(v, yDecimals)));
    Plot p{QRectF(area.left() + labels + 120, area.top() + line * 1.5, area.width() - labels - 220,
                  area.height() - line * (3.2 + 1.4 * legendRows)),
           xEnd, yLow, yHigh};
    const int xStep = axisStep(xEnd, 6);
    for (double bar = 0; bar <= xEnd + 0.5; bar += xStep) {
        if (bar > 0 && bar < xEnd - 0.5)
            s.Line(p.x(bar), p.area.top(), p.x(bar), p.area.bottom(), kGrid);
        const QString label = QString::number(qRound64(bar));
        s.CurrentX(p.x(bar) - s.TextWidth(label) / 2);
        s.CurrentY(p.area.bottom() + 40);
        s.Print(label, true);
    }
    for (double v = yLow; v <= yHigh + yStep / 2; v += yStep) {
        if (v > yLow + yStep / 2 && v < yHigh - yStep / 2)
            s.Line(p.area.left(), p.y(v), p.area.right(), p.y(v), kGrid);
        const QString label = decimal(std::abs(v) < yStep / 1000 ? 0 : v, yDecimals);
        s.CurrentX(p.area.left() - 60 - s.TextWidth(label));
        s.CurrentY(p.y(v) - line / 2);
        s.Print(label, true);
    }
    s.CurrentX(area.left());
    s.CurrentY(area.top());
    s.Print(yTitle, true);
    s.CurrentX(p.area.center().x() - s.TextWidth(xTitle) / 2);
    s.CurrentY(p.area.bottom() + 40 + line);
    s.Print(xTitle, true);
    const QRectF r = p.area;
    s.Line(r.left(), r.top(), r.right(), r.top(), Qt::black);
    s.Line(r.right(), r.top(), r.right(), r.bottom(), Qt::black);
    s.Line(r.right(), r.bottom(), r.left(), r.bottom(), Qt::black);
    s.Line(r.left(), r.bottom(), r.left(), r.top(), Qt::black);
    return p;
}

// The legend's entries, left to right on one line under the plot; each
// draws its sample at x and returns its width.
class Legend
{
public:
    Legend(PrintSurface &s, const Plot &p, const QRectF &area) : m_s(s), m_left(area.left()), m_right(area.right()), m_x(area.left())
    {
        m_y = p.area.bottom() + 60 + s.TextHeight() * 2.6;
    }
    // (an entry that does not fit the line starts the next)
    template <typename Sample>
    void add(Sample sample, double width, const QString &label)
    {
        if (m_x > m_left && m_x + width + 80 + m_s.TextWidth(label) > m_right) {
            m_x = m_left;
            m_y += m_s.TextHeight() * 1.4;
        }
        sample(m_x, m_y);
        m_x += width + 80;
        m_s.CurrentX(m_x);
        m_s.CurrentY(m_y - m_s.TextHeight() / 2);
        m_s.Print(label, false);
        m_x = m_s.CurrentX() + 300;
    }

private:
    PrintSurface &m_s;
    double m_left, m_right, m_x, m_y;
};
} // namespace

CalibrationChart chartOf(const CalibrationRun &run, const CalibrationResult &result, const CalibrationLimits &limits)
{
    CalibrationChart c;
    c.plan = run.plan;
    for (int cycle = 0; cycle < run.plan.cycles; ++cycle)
        for (const Sweep s : {Sweep::Rising, Sweep::Falling})
            for (int p = 0; p < run.plan.points(); ++p)
                if (run.taken(p, s))
                    if (const auto &v = run.at(cycle, s, p))
                        c.readings.push_back({run.plan.pressure(p), *v, s});
    if (result.bestFitSlopeMvPerBar != 0)
        c.bestFit = Line{result.bestFitInterceptMv, result.bestFitSlopeMvPerBar};
    c.errorLimit = limits.error;
    if (result.acceptance == Acceptance::GuardBand && result.error.value)
        c.guard = result.error.expanded;
    return c;
}

void printCalibrationCharacteristic(PrintSurface &s, const CalibrationChart &c, const QRectF &area)
{
    const Kept kept(s);
    const CalibrationPlan &plan = c.plan;
    const double fs = plan.nominalFullScale;
    double low = std::min(0.0, double(plan.zeroMv)), high = plan.zeroMv + plan.spanMv;
    for (const auto &r : c.readings) {
        low = std::min(low, r.mv);
        high = std::max(high, r.mv);
    }
    const double yStep = axisStep(high - low, 5);
    low = std::floor(low / yStep) * yStep;
    high = std::ceil(high / yStep) * yStep;
    const double xEnd = std::ceil(fs / axisStep(fs, 6)) * axisStep(fs, 6);
    const QString nominal = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "caratteristica nominale"));
    const QString fitted = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "retta di miglior approssimazione"));
    const QString rising = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "salita"));
    const QString falling = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "discesa"));
    const int lines = legendLines(s, area.width(), {{300, nominal}, {300, fitted}, {kMark, rising}, {kMark, falling}});
    const Plot p = frame(s, area, xEnd, low, high, yStep, 0, text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Pressione di riferimento (bar)")),
                         text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Uscita (mV)")), lines);
    // The nominal line over the whole axis; the best fit over the points.
    s.Line(p.x(0), p.y(plan.nominalMv(0)), p.x(xEnd), p.y(plan.nominalMv(xEnd)), Qt::black);
    if (c.bestFit)
        dashed(s, p.x(0), p.y(c.bestFit->intercept), p.x(fs), p.y(c.bestFit->intercept + c.bestFit->slope * fs), 160, 100);
    for (const auto &r : c.readings)
        triangle(s, p.x(r.bar), p.y(r.mv), r.sweep == Sweep::Rising);
    Legend legend(s, p, area);
    legend.add([&](double x, double y) { s.Line(x, y, x + 300, y, Qt::black); }, 300, nominal);
    if (c.bestFit)
        legend.add([&](double x, double y) { dashed(s, x, y, x + 300, y, 110, 70); }, 300, fitted);
    legend.add([&](double x, double y) { triangle(s, x + kMark / 2, y, true); }, kMark, rising);
    legend.add([&](double x, double y) { triangle(s, x + kMark / 2, y, false); }, kMark, falling);
}

void printCalibrationErrors(PrintSurface &s, const CalibrationChart &c, const QRectF &area)
{
    const Kept kept(s);
    const CalibrationPlan &plan = c.plan;
    const double fs = plan.nominalFullScale;
    // Errors in % of span: the readings' and the limit's, with room around.
    double extent = c.errorLimit + c.guard;
    for (const auto &r : c.readings)
        extent = std::max(extent, std::abs(plan.indicated(r.mv) - r.bar) * 100.0 / fs);
    extent *= 1.15;
    double step = 0.1;
    for (double candidate : {0.1, 0.2, 0.25, 0.5, 1.0, 2.0, 2.5, 5.0, 10.0, 20.0, 25.0, 50.0})
        if (extent / candidate <= 4) {
            step = candidate;
            break;
        }
    if (extent / step > 4)
        step = std::ceil(extent / 4);
    const double top = std::ceil(extent / step) * step;
    const double xEnd = std::ceil(fs / axisStep(fs, 6)) * axisStep(fs, 6);
    const int decimals = step < 1 ? 2 : 0;
    const bool guarded = c.guard > 0 && c.errorLimit > c.guard;
    const QString limit = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "limite ±%1 %")).arg(decimal(c.errorLimit, 2));
    const QString guard = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "limite meno U (banda di guardia)"));
    const QString rising = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "salita"));
    const QString falling = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "discesa"));
    std::vector<std::pair<double, QString>> entries{{300, limit}};
    if (guarded)
        entries.push_back({300, guard});
    entries.insert(entries.end(), {{kMark, rising}, {kMark, falling}});
    const Plot p = frame(s, area, xEnd, -top, top, step, decimals,
                         text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Pressione di riferimento (bar)")),
                         text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore (% del campo)")), legendLines(s, area.width(), entries));
    s.Line(p.area.left(), p.y(0), p.area.right(), p.y(0), Qt::black);
    for (double sign : {-1.0, 1.0}) {
        dashed(s, p.area.left(), p.y(sign * c.errorLimit), p.area.right(), p.y(sign * c.errorLimit), 220, 90);
        if (guarded)
            dashed(s, p.area.left(), p.y(sign * (c.errorLimit - c.guard)), p.area.right(), p.y(sign * (c.errorLimit - c.guard)), 30, 60);
    }
    for (const auto &r : c.readings)
        triangle(s, p.x(r.bar), p.y(std::clamp((plan.indicated(r.mv) - r.bar) * 100.0 / fs, -top, top)), r.sweep == Sweep::Rising);
    Legend legend(s, p, area);
    legend.add([&](double x, double y) { dashed(s, x, y, x + 300, y, 110, 50); }, 300, limit);
    if (guarded)
        legend.add([&](double x, double y) { dashed(s, x, y, x + 300, y, 25, 45); }, 300, guard);
    legend.add([&](double x, double y) { triangle(s, x + kMark / 2, y, true); }, kMark, rising);
    legend.add([&](double x, double y) { triangle(s, x + kMark / 2, y, false); }, kMark, falling);
}

} // namespace dravino
