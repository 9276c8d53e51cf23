#include "print/TraceChart.h"

#include "core/Characteristic.h"
#include "print/Footer.h"
#include "print/PrintSurface.h"
#include "print/Spreadsheet.h"
#include "print/ValueTable.h"

#include <QCoreApplication>
#include <QLocale>
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

QString whole(double v) { return QLocale().toString(qRound64(v)); }
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
    const TraceSpan axis = view.trace ? traceAxis(*view.trace) : TraceSpan{0, 10000};
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
    const int step = std::max(1, axisStep(span / 1000.0, 8)) * 1000;
    for (double ms = 0; ms <= span + 1; ms += step) {
        if (ms > 0 && ms < span)
            s.Line(xOf(axis.fromMs + ms), plot.top(), xOf(axis.fromMs + ms), plot.bottom(), kGrid);
        const QString t = QString::number(qRound64(ms / 1000));
        s.CurrentX(xOf(axis.fromMs + ms) - s.TextWidth(t) / 2);
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
    if (view.selection)
        for (const std::int64_t at : {view.selection->fromMs, view.selection->toMs})
            s.Line(xOf(double(at)), plot.top(), xOf(double(at)), plot.bottom(), kSelection);
    for (const auto &level : {view.cursorFrom, view.cursorTo})
        if (level)
            s.Line(plot.left(), yOf(*level), plot.right(), yOf(*level), kCursor);
    if (view.trace && view.cursorFrom && view.cursorTo)
        if (const auto c = view.trace->between(*view.cursorFrom, *view.cursorTo, view.selection ? view.selection->fromMs : INT64_MIN))
            for (const double at : {c->fromMs, c->toMs})
                s.Line(xOf(at), plot.top(), xOf(at), plot.bottom(), kCursor);

    // The trace: each column's lowest to highest reading, joined.
    if (view.trace && !view.trace->empty()) {
        const QColor pen = view.stale ? kStale : kTraceLine;
        const int columns = std::max(1, int(plot.width() / 15)); // a pixel's width on the screen
        const auto &samples = view.trace->samples();
        if (samples.size() <= std::size_t(columns)) {
            for (std::size_t i = 1; i < samples.size(); ++i)
                s.Line(xOf(double(samples[i - 1].ms)), yOf(samples[i - 1].mv), xOf(double(samples[i].ms)), yOf(samples[i].mv), pen);
            if (samples.size() == 1)
                s.Line(xOf(double(samples[0].ms)) - 20, yOf(samples[0].mv), xOf(double(samples[0].ms)) + 20, yOf(samples[0].mv), pen);
        } else {
            const auto cols = view.trace->columns(axis.fromMs, axis.toMs, columns);
            for (std::size_t i = 0; i < cols.size(); ++i) {
                const double x = xOf(double(cols[i].fromMs));
                s.Line(x, yOf(cols[i].min), x, yOf(cols[i].max) - 1, pen);
                if (i > 0)
                    s.Line(xOf(double(cols[i - 1].fromMs)), yOf((cols[i - 1].min + cols[i - 1].max) / 2), x,
                           yOf((cols[i].min + cols[i].max) / 2), pen);
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
    return text(QT_TRANSLATE_NOOP("TracePage", "Traccia: %1")).arg(traceStatsText(view.trace->stats(), view.sensor));
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
    const QString levels = text(QT_TRANSLATE_NOOP("TracePage", "Da %1 mV a %2 mV"))
                               .arg(whole(*view.cursorFrom), whole(*view.cursorTo));
    const auto c = view.trace->between(*view.cursorFrom, *view.cursorTo, view.selection ? view.selection->fromMs : INT64_MIN);
    if (!c)
        return text(QT_TRANSLATE_NOOP("TracePage", "%1: il segnale non passa da un livello all'altro.")).arg(levels);
    const double bar = view.sensor.bar(*view.cursorTo) - view.sensor.bar(*view.cursorFrom);
    const QString rate = c->seconds() > 0 ? QLocale().toString(bar / c->seconds(), 'f', 0) : QStringLiteral("--");
    return text(QT_TRANSLATE_NOOP("TracePage", "%1: %2, %3 bar/s")).arg(levels, traceSeconds(c->toMs - c->fromMs), rate);
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

void printTracePage(PrintSurface &s, const TracePage &page)
{
    constexpr double kLeft = 1000, kRight = 11100;
    printWorkshopBand(s, page.frame);
    const TraceView &v = page.view;
    s.FontName(QStringLiteral("Arial"));
    s.ForeColor(Qt::black);
    s.CurrentY(400);
    s.CurrentX(kLeft);
    s.FontSize(14);
    s.FontBold(true);
    s.Print(text(QT_TRANSLATE_NOOP("TracePage", "Traccia del sensore")), true);
    s.FontBold(false);
    s.FontSize(10);
    const QStringList about{
        text(QT_TRANSLATE_NOOP("TracePage", "Sensore %1, fondo scala %2 bar, zero %3 mV"))
            .arg(v.sensor.family == SensorType::BoschDelphiVdo ? QStringLiteral("Bosch/VDO/Delphi") : QStringLiteral("Denso"))
            .arg(v.sensor.fullScale).arg(v.sensor.zeroMv),
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
        out += csvLine({l.toString((t.ms - first) / 1000.0, 'f', 3), l.toString(t.mv, 'f', 1), l.toString(sensor.bar(t.mv), 'f', 0)},
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
        sheet.rows << QList<SheetCell>{(t.ms - first) / 1000.0, std::round(t.mv * 10) / 10, std::round(sensor.bar(t.mv))};
    return sheet;
}

} // namespace dravino
