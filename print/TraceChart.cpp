#include "print/TraceChart.h"

#include "core/Characteristic.h"
#include "print/Footer.h"
#include "print/PrintSurface.h"
#include "print/Spreadsheet.h"
#include "print/ValueTable.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("TracePage", source); }

constexpr double kTopMv = 5000;
const QColor kGrid(205, 205, 205);
const QColor kOutOfRange(235, 190, 190); // the shading beyond the signal range
const QColor kLimit(200, 0, 0);
const QColor kZero(0, 120, 0);
const QColor kTraceLine(0, 0, 170);
const QColor kStale(140, 140, 140);
const QColor kSelection(0, 110, 200);
const QColor kCursor(170, 0, 170);
const QColor kMark(0, 100, 60);
const QColor kMarkFailed(200, 0, 0);

// mV and bar as the calculator writes them: no thousands' separator.
QString whole(double v)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(qRound64(v));
}
QString mvAndBar(double mv, const TraceSensor &sensor)
{
    return text(QT_TRANSLATE_NOOP("TracePage", "%1 mV (%2 bar)")).arg(whole(mv), whole(sensor.bar(mv)));
}
} // namespace

QString traceSeconds(double ms) { return text(QT_TRANSLATE_NOOP("TracePage", "%1 s")).arg(QLocale().toString(ms / 1000.0, 'f', 1)); }

TraceSpan traceAxis(const Trace &trace)
{
    if (trace.empty())
        return {0, 10000};
    const std::int64_t first = trace.samples().front().ms;
    return {first, std::max(trace.samples().back().ms, first + 10000)};
}

TraceSpan traceAxis(const TraceView &view)
{
    if (view.shown && view.shown->toMs > view.shown->fromMs)
        return *view.shown;
    return view.trace ? traceAxis(*view.trace) : TraceSpan{0, 10000};
}

namespace {
std::optional<TraceSpan> fitted(TraceSpan span, const TraceSpan &whole)
{
    const std::int64_t width = span.toMs - span.fromMs;
    if (width >= whole.toMs - whole.fromMs)
        return std::nullopt;
    if (span.fromMs < whole.fromMs)
        span = {whole.fromMs, whole.fromMs + width};
    if (span.toMs > whole.toMs)
        span = {whole.toMs - width, whole.toMs};
    return span;
}
} // namespace

std::optional<TraceSpan> traceZoom(const TraceView &view, double factor, double at)
{
    const TraceSpan axis = traceAxis(view);
    const TraceSpan whole = view.trace ? traceAxis(*view.trace) : axis;
    const double width = double(axis.toMs - axis.fromMs);
    const auto narrower = std::max(kNarrowestViewMs, std::int64_t(std::llround(width * factor)));
    at = std::clamp(at, 0.0, 1.0);
    const auto from = std::int64_t(std::llround(double(axis.fromMs) + at * width - at * double(narrower)));
    return fitted({from, from + narrower}, whole);
}

std::optional<TraceSpan> tracePan(const TraceView &view, double fraction)
{
    if (!view.shown || !view.trace)
        return view.shown;
    const TraceSpan axis = traceAxis(view);
    const auto by = std::int64_t(std::llround(double(axis.toMs - axis.fromMs) * fraction));
    return fitted({axis.fromMs + by, axis.toMs + by}, traceAxis(*view.trace));
}

TraceSpan traceCursorSpan(const TraceView &view)
{
    return view.selection ? *view.selection : traceAxis(view);
}

QRectF tracePlotArea(PrintSurface &s, const QRectF &area)
{
    s.FontName(QStringLiteral("Arial"));
    s.FontSize(8);
    const double line = s.TextHeight();
    const double left = s.TextWidth(QStringLiteral("5000")) + 150, right = s.TextWidth(QStringLiteral("-0000")) + 150;
    return QRectF(area.left() + left, area.top() + line * 1.5, area.width() - left - right, area.height() - line * 3.2);
}

void printTraceChart(PrintSurface &s, const QRectF &area, const TraceView &view)
{
    const QRectF plot = tracePlotArea(s, area);
    const double line = s.TextHeight();
    s.ForeColor(Qt::black);
    s.FontBold(false);
    const TraceSpan axis = traceAxis(view);
    const double span = double(std::max<std::int64_t>(1, axis.toMs - axis.fromMs));
    const auto xOf = [&](double ms) { return plot.left() + (ms - axis.fromMs) / span * plot.width(); };
    const auto yOf = [&](double mv) { return plot.bottom() - std::clamp(mv, 0.0, kTopMv) / kTopMv * plot.height(); };

    // Beyond the signal's range, shaded; the family's zero and limit.
    for (double mv = 20; mv < kSignalLowMv; mv += 40)
        s.Line(plot.left(), yOf(mv), plot.right(), yOf(mv), kOutOfRange);
    for (double mv = kSignalHighMv + 20; mv < kTopMv; mv += 40)
        s.Line(plot.left(), yOf(mv), plot.right(), yOf(mv), kOutOfRange);
    const SensorFamily &family = dravino::family(view.sensor.family);
    // The grid, the mV on the left, their pressure on the right.
    for (double mv = 0; mv <= kTopMv; mv += 1000) {
        if (mv > 0 && mv < kTopMv)
            s.Line(plot.left(), yOf(mv), plot.right(), yOf(mv), kGrid);
        s.ForeColor(Qt::black);
        const QString m = QString::number(qRound(mv));
        s.CurrentX(plot.left() - 60 - s.TextWidth(m));
        s.CurrentY(yOf(mv) - line / 2);
        s.Print(m, true);
        s.CurrentX(plot.right() + 60);
        s.CurrentY(yOf(mv) - line / 2);
        s.Print(QString::number(qRound64(view.sensor.bar(mv))), true);
    }
    // The time from the trace's first reading, in seconds, to the step's
    // decimals (a view zoomed to a second is marked in tenths).
    const std::int64_t first = view.trace && !view.trace->empty() ? view.trace->samples().front().ms : axis.fromMs;
    const std::int64_t step = axisStep(span, 8);
    const int decimals = step >= 1000 ? 0 : step >= 100 ? 1 : step >= 10 ? 2 : 3;
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const std::int64_t fromStart = axis.fromMs - first;
    for (std::int64_t at = (fromStart >= 0 ? (fromStart + step - 1) / step : fromStart / step) * step; at <= axis.toMs - first; at += step) {
        const double x = xOf(double(first + at));
        if (x > plot.left() + 1 && x < plot.right() - 1)
            s.Line(x, plot.top(), x, plot.bottom(), kGrid);
        const QString t = l.toString(double(at) / 1000.0, 'f', decimals);
        s.CurrentX(x - s.TextWidth(t) / 2);
        s.CurrentY(plot.bottom() + 30);
        s.Print(t, true);
    }
    s.CurrentX(area.left());
    s.CurrentY(area.top());
    s.Print(text(QT_TRANSLATE_NOOP("TracePage", "Tensione (mV)")), false);
    const QString barTitle = text(QT_TRANSLATE_NOOP("TracePage", "Pressione (bar)"));
    s.CurrentX(area.right() - s.TextWidth(barTitle));
    s.Print(barTitle, true);
    const QString timeTitle = text(QT_TRANSLATE_NOOP("TracePage", "Tempo (s)"));
    s.CurrentX(plot.center().x() - s.TextWidth(timeTitle) / 2);
    s.CurrentY(plot.bottom() + 30 + line);
    s.Print(timeTitle, true);
    s.Line(plot.left(), yOf(family.voltageLimitMv), plot.right(), yOf(family.voltageLimitMv), kLimit);
    s.Line(plot.left(), yOf(view.sensor.zeroMv), plot.right(), yOf(view.sensor.zeroMv), kZero);

    // The selection's ends, the cursors' levels and their crossings.
    const auto inView = [&](double ms) { return ms >= double(axis.fromMs) && ms <= double(axis.toMs); };
    if (view.selection)
        for (const std::int64_t at : {view.selection->fromMs, view.selection->toMs})
            if (inView(double(at)))
                s.Line(xOf(double(at)), plot.top(), xOf(double(at)), plot.bottom(), kSelection);
    for (const auto &level : {view.cursorFrom, view.cursorTo})
        if (level)
            s.Line(plot.left(), yOf(*level), plot.right(), yOf(*level), kCursor);
    // The marked parts: their ends, and a bracket under the top with the
    // label (every other one a line lower, where parts meet).
    for (std::size_t i = 0; i < view.marks.size(); ++i) {
        const TraceMark &m = view.marks[i];
        const double a = xOf(double(m.fromMs)), b = xOf(double(m.toMs));
        if (b < plot.left() || a > plot.right())
            continue;
        const QColor c = m.failed ? kMarkFailed : kMark;
        for (const double x : {a, b})
            if (x >= plot.left() && x <= plot.right())
                s.Line(x, plot.top(), x, plot.bottom(), c);
        const double y = plot.top() + line * (1.2 + double(i % 2) * 1.1);
        const double from = std::max(a, plot.left()), to = std::min(b, plot.right());
        s.Line(from, y, to, y, c);
        s.ForeColor(c);
        s.FontBold(true);
        s.CurrentX((from + to) / 2 - s.TextWidth(m.label) / 2);
        s.CurrentY(y - line);
        s.Print(m.label, true);
        s.FontBold(false);
        s.ForeColor(Qt::black);
    }
    const TraceSpan looked = traceCursorSpan(view);
    if (view.trace && view.cursorFrom && view.cursorTo)
        if (const auto c = view.trace->between(*view.cursorFrom, *view.cursorTo, looked.fromMs, looked.toMs))
            for (const double at : {c->fromMs, c->toMs})
                if (inView(at))
                    s.Line(xOf(at), plot.top(), xOf(at), plot.bottom(), kCursor);

    // The trace: where the view holds fewer readings than columns, the
    // straight line between each two (cut at the view's edges); else each
    // column's lowest to highest reading, the line between columns from
    // one's last reading to the next one's first, as a scope's peak detect.
    if (view.trace && !view.trace->empty()) {
        const QColor pen = view.stale ? kStale : kTraceLine;
        const int columns = std::max(1, int(plot.width() / 15)); // a pixel's width on the screen
        const auto &samples = view.trace->samples();
        const auto at = [&](std::int64_t ms) {
            return std::size_t(std::lower_bound(samples.begin(), samples.end(), ms,
                                                [](const TraceSample &t, std::int64_t v) { return t.ms < v; })
                               - samples.begin());
        };
        const std::size_t begin = at(axis.fromMs), end = at(axis.toMs + 1);
        if (end - begin <= std::size_t(columns)) {
            const auto segment = [&](TraceSample a, TraceSample b) {
                const auto cut = [&](TraceSample &p, const TraceSample &q, std::int64_t edge) {
                    p.mv += (q.mv - p.mv) * double(edge - p.ms) / double(q.ms - p.ms);
                    p.ms = edge;
                };
                if (b.ms < axis.fromMs || a.ms > axis.toMs || b.ms == a.ms)
                    return;
                if (a.ms < axis.fromMs)
                    cut(a, b, axis.fromMs);
                if (b.ms > axis.toMs)
                    cut(b, a, axis.toMs);
                s.Line(xOf(double(a.ms)), yOf(a.mv), xOf(double(b.ms)), yOf(b.mv), pen);
            };
            for (std::size_t i = begin > 0 ? begin : 1; i < std::min(end + 1, samples.size()); ++i)
                segment(samples[i - 1], samples[i]);
            if (samples.size() == 1 && inView(double(samples[0].ms)))
                s.Line(xOf(double(samples[0].ms)) - 20, yOf(samples[0].mv), xOf(double(samples[0].ms)) + 20, yOf(samples[0].mv), pen);
        } else {
            const auto cols = view.trace->columns(axis.fromMs, axis.toMs, columns);
            for (std::size_t i = 0; i < cols.size(); ++i) {
                const double x = xOf(double(cols[i].fromMs));
                s.Line(x, yOf(cols[i].min), x, yOf(cols[i].max) - 1, pen);
                if (i > 0)
                    s.Line(xOf(double(cols[i - 1].fromMs)), yOf(cols[i - 1].last), x, yOf(cols[i].first), pen);
            }
        }
    }
    for (const auto &[x1, y1, x2, y2] : {std::array{plot.left(), plot.top(), plot.right(), plot.top()},
                                          {plot.right(), plot.top(), plot.right(), plot.bottom()},
                                          {plot.right(), plot.bottom(), plot.left(), plot.bottom()},
                                          {plot.left(), plot.bottom(), plot.left(), plot.top()}})
        s.Line(x1, y1, x2, y2, Qt::black);
    s.ForeColor(Qt::black);
}

QString traceStatsText(const TraceStats &stats, const TraceSensor &sensor)
{
    if (!stats.count)
        return text(QT_TRANSLATE_NOOP("TracePage", "nessuna lettura"));
    return text(QT_TRANSLATE_NOOP("TracePage", "minimo %1, massimo %2, media %3; letture: %4"))
        .arg(mvAndBar(stats.min, sensor), mvAndBar(stats.max, sensor), mvAndBar(stats.mean, sensor), QLocale().toString(qulonglong(stats.count)));
}

QString traceWholeLine(const TraceView &view)
{
    QString line = text(QT_TRANSLATE_NOOP("TracePage", "Traccia: %1")).arg(traceStatsText(view.trace->stats(), view.sensor));
    if (const std::size_t dropped = view.trace->dropped())
        line += text(QT_TRANSLATE_NOOP("TracePage", "; le %1 letture più vecchie lasciate per stare nella memoria (la traccia ne tiene %2)"))
                    .arg(QLocale().toString(qulonglong(dropped)), QLocale().toString(qulonglong(view.trace->capacity())));
    return line;
}

QString traceSelectionLine(const TraceView &view)
{
    if (!view.selection || view.trace->empty())
        return {};
    const std::int64_t first = view.trace->samples().front().ms;
    return text(QT_TRANSLATE_NOOP("TracePage", "Selezione da %1 a %2: %3"))
        .arg(traceSeconds(double(view.selection->fromMs - first)), traceSeconds(double(view.selection->toMs - first)),
             traceStatsText(view.trace->stats(view.selection->fromMs, view.selection->toMs), view.sensor));
}

QString traceCursorText(const TraceView &view)
{
    if (!view.cursorFrom || !view.cursorTo || !view.trace)
        return {};
    const TraceSpan looked = traceCursorSpan(view);
    const auto c = view.trace->between(*view.cursorFrom, *view.cursorTo, looked.fromMs, looked.toMs);
    const QString where = view.selection ? text(QT_TRANSLATE_NOOP("TracePage", "nella selezione"))
                                         : text(QT_TRANSLATE_NOOP("TracePage", "nella vista"));
    if (!c)
        return text(QT_TRANSLATE_NOOP("TracePage", "Da %1 mV a %2 mV: il segnale non passa da un livello all'altro %3."))
            .arg(whole(*view.cursorFrom), whole(*view.cursorTo), where);
    // The crossings named by their time from the trace's first reading.
    const double first = double(view.trace->samples().front().ms);
    const double bar = view.sensor.bar(*view.cursorTo) - view.sensor.bar(*view.cursorFrom);
    const QString rate = c->seconds() > 0 ? whole(bar / c->seconds()) : QStringLiteral("--");
    return text(QT_TRANSLATE_NOOP("TracePage", "Da %1 mV (passato a %2) a %3 mV (passato a %4) %5: %6, %7 bar/s"))
        .arg(whole(*view.cursorFrom), traceSeconds(c->fromMs - first), whole(*view.cursorTo), traceSeconds(c->toMs - first), where,
             traceSeconds(c->toMs - c->fromMs), rate);
}

QString traceSignalText(double mv, SensorType familyType)
{
    switch (signalLevel(mv, family(familyType).voltageLimitMv)) {
    case SignalLevel::BelowRange:
        return text(QT_TRANSLATE_NOOP("TracePage", "Segnale sotto 200 mV: filo del segnale interrotto o a massa, o sensore senza alimentazione."));
    case SignalLevel::AboveRange:
        return text(QT_TRANSLATE_NOOP("TracePage", "Segnale sopra 4800 mV: filo del segnale sull'alimentazione, o massa del sensore interrotta."));
    case SignalLevel::AboveLimit:
        return text(QT_TRANSLATE_NOOP("TracePage", "Segnale oltre il limite di tensione della famiglia (%1 mV).")).arg(family(familyType).voltageLimitMv);
    case SignalLevel::InRange:
        break;
    }
    return {};
}

void printTraceHeading(PrintSurface &s, const PageFrame &frame, const QString &title, const TraceSensor &sensor, double left,
                       double right)
{
    printWorkshopBand(s, frame);
    s.FontName(QStringLiteral("Arial"));
    s.ForeColor(Qt::black);
    s.CurrentY(400);
    s.CurrentX(left);
    s.FontSize(14);
    s.FontBold(true);
    s.Print(title, true);
    s.FontBold(false);
    s.FontSize(10);
    s.CurrentX(left);
    printWrapped(s,
                 text(QT_TRANSLATE_NOOP("TracePage", "Sensore %1, fondo scala %2 bar, zero %3 mV"))
                     .arg(sensor.family == SensorType::BoschDelphiVdo ? QStringLiteral("Bosch/VDO/Delphi") : QStringLiteral("Denso"))
                     .arg(sensor.fullScale)
                     .arg(sensor.zeroMv),
                 right, 15000);
}

void printTracePage(PrintSurface &s, const TracePage &page)
{
    constexpr double kLeft = 1000, kRight = 11100;
    const TraceView &v = page.view;
    printTraceHeading(s, page.frame, text(QT_TRANSLATE_NOOP("TracePage", "Traccia del sensore")), v.sensor, kLeft, kRight);
    const QStringList about{
        text(QT_TRANSLATE_NOOP("TracePage", "Dal %1, per %2"))
            .arg(printDateTime(page.started), traceSeconds(double(v.trace->durationMs()))),
        page.meter.isEmpty() ? QString() : text(QT_TRANSLATE_NOOP("TracePage", "Multimetro: %1")).arg(page.meter),
        traceWholeLine(v), traceSelectionLine(v), traceCursorText(v)};
    for (const QString &l : about)
        if (!l.isEmpty()) {
            s.CurrentX(kLeft);
            printWrapped(s, l, kRight, 15000);
        }
    // The chart down to the footer's room (a page of its own: it fits).
    const double top = s.CurrentY() + 300, height = std::max(3000.0, 15000 - top);
    printTraceChart(s, QRectF(kLeft - 50, top, kRight - kLeft + 50, height), v);
    s.FontSize(9);
    s.CurrentX(kLeft);
    s.CurrentY(top + height + 300);
    printFooter(s, page.now, page.frame.web);
    s.EndDoc();
}

QByteArray traceCsv(const Trace &trace, const TraceSensor &sensor, QChar separator)
{
    // Numbers as a spreadsheet of the window's language reads them: its
    // decimal separator, no thousands' one.
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    QString out = csvLine({text(QT_TRANSLATE_NOOP("TracePage", "Tempo (s)")), text(QT_TRANSLATE_NOOP("TracePage", "mV")),
                           text(QT_TRANSLATE_NOOP("TracePage", "bar"))},
                          separator);
    if (trace.empty())
        return csvFile(out);
    const std::int64_t first = trace.samples().front().ms;
    for (const TraceSample &t : trace.samples())
        out += csvLine({l.toString((t.ms - first) / 1000.0, 'f', 3), l.toString(t.mv, 'f', 3), l.toString(sensor.bar(t.mv), 'f', 0)},
                       separator);
    return csvFile(out);
}

Spreadsheet traceSheet(const Trace &trace, const TraceSensor &sensor)
{
    Spreadsheet sheet;
    sheet.name = text(QT_TRANSLATE_NOOP("TracePage", "Traccia"));
    sheet.columns = {{text(QT_TRANSLATE_NOOP("TracePage", "Tempo (s)"))}, {text(QT_TRANSLATE_NOOP("TracePage", "mV"))},
                     {text(QT_TRANSLATE_NOOP("TracePage", "bar"))}};
    const std::int64_t first = trace.empty() ? 0 : trace.samples().front().ms;
    for (const TraceSample &t : trace.samples())
        sheet.rows << QList<SheetCell>{(t.ms - first) / 1000.0, std::round(t.mv * 1000) / 1000, std::round(sensor.bar(t.mv))};
    return sheet;
}

} // namespace dravino
