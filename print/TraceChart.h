#pragma once
// The sensor's trace as the trace window shows it and its page prints it,
// one routine for both: mV over time (left axis), the pressure those mV
// mean for the calculator's family, full scale and zero point (right
// axis); the bands a scope's guided test looks at (the signal range's
// ends at 200 and 4800 mV, shaded beyond; the family's voltage limit and
// zero point, as lines); a span selected, the two cursors' levels and
// where the signal crossed them. Lines and text only.
// Beside it the words both say: the statistics, the cursors' time and rate,
// a reading outside the signal's range.

#include "core/Trace.h"
#include "print/Workshop.h"

#include <QDateTime>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

namespace dravino {

class PrintSurface;
struct Spreadsheet;

struct TraceSensor {
    SensorType family = SensorType::BoschDelphiVdo;
    int fullScale = 2000;
    int zeroMv = 500;
    double bar(double mv) const { return tracePressure(family, fullScale, zeroMv, mv); }
};

struct TraceSpan {
    std::int64_t fromMs = 0, toMs = 0;
};

// A part of the trace marked with a label (a guided test's step), in red
// where it failed.
struct TraceMark {
    std::int64_t fromMs = 0, toMs = 0;
    QString label;
    bool failed = false;
};

struct TraceView {
    const Trace *trace = nullptr;
    TraceSensor sensor;
    std::optional<TraceSpan> shown;     // the time zoomed into (none: the whole trace)
    std::optional<TraceSpan> selection;
    std::optional<double> cursorFrom, cursorTo; // mV
    bool stale = false;                         // drawn grey: no reading for a while
    std::vector<TraceMark> marks;
};

// The time the chart spans: the whole trace, at least 10 s.
TraceSpan traceAxis(const Trace &trace);
// The time the view's chart spans: the time zoomed into, else the whole.
TraceSpan traceAxis(const TraceView &view);
// Where the cursors look for the signal's passage: the selection, else
// the time in view.
TraceSpan traceCursorSpan(const TraceView &view);
// The view zoomed by factor (below 1: in) about the moment a fraction at
// of its width from its left, or panned by a fraction of its width: kept
// within the whole trace and at least 100 ms wide; none (the whole trace)
// where it would take in all of it.
std::optional<TraceSpan> traceZoom(const TraceView &view, double factor, double at = 0.5);
std::optional<TraceSpan> tracePan(const TraceView &view, double fraction);
inline constexpr std::int64_t kNarrowestViewMs = 100;
void printTraceChart(PrintSurface &s, const QRectF &area, const TraceView &view);
// The chart's plotting rectangle inside area (what a click falls on).
QRectF tracePlotArea(PrintSurface &s, const QRectF &area);

// "min 498 mV (0 bar), max 3512 mV (1506 bar), media 1300 mV (400 bar), 624 letture"
QString traceStatsText(const TraceStats &stats, const TraceSensor &sensor);
// The cursors' words: the time from one level to the other, when the
// signal passed each, and the rate; or that it does not pass from one to
// the other.
QString traceCursorText(const TraceView &view);
// A reading outside the signal's range, told as the fault it means; empty
// within it.
QString traceSignalText(double mv, SensorType family);
// "Traccia: ..." with the whole trace's statistics (and the oldest
// readings let go, where any were); "Selezione da ... a
// ...: ..." with the span's (empty without one).
QString traceWholeLine(const TraceView &view);
QString traceSelectionLine(const TraceView &view);
// Seconds as the trace writes them ("12,4 s").
QString traceSeconds(double ms);

// A page's top: the workshop's band, the title, the sensor (its family,
// full scale and zero) wrapped up to right; the text then 10 points.
void printTraceHeading(PrintSurface &s, const PageFrame &frame, const QString &title, const TraceSensor &sensor, double left,
                       double right);

struct TracePage {
    TraceView view;
    PageFrame frame;
    QDateTime started; // the trace's first reading
    QDateTime now;     // printed
    QString meter;     // the multimeter, as it names itself
};
// Prints the page and ends the document.
void printTracePage(PrintSurface &s, const TracePage &page);

// The readings as a CSV file and as a spreadsheet: the time from the
// first (s, to the ms of its stamps), mV (to the µV, finer than any bench
// meter: a file read back is the capture), bar.
QByteArray traceCsv(const Trace &trace, const TraceSensor &sensor, QChar separator);
Spreadsheet traceSheet(const Trace &trace, const TraceSensor &sensor);

} // namespace dravino
