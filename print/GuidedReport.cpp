#include "print/GuidedReport.h"

#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("GuidedReport", source); }

// mV as the calculator writes them (no thousands' separator), seconds to a tenth.
QString whole(double v)
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(qRound64(v));
}
QString seconds(double ms) { return QLocale().toString(ms / 1000.0, 'f', 1); }
} // namespace

QString guidedLimitsName(const GuidedLimits &limits)
{
    // (the generic sets' names, kept as data in Italian, in the page's language)
    const QString name = QString::fromStdString(limits.name);
    return name.startsWith(QLatin1String("generico ")) ? text(QT_TRANSLATE_NOOP("GuidedReport", "generico %1")).arg(name.mid(9)) : name;
}

QString guidedLimitsWords(const GuidedLimits &limits)
{
    return text(QT_TRANSLATE_NOOP("GuidedReport", "Limiti: %1 (versione %2).")).arg(guidedLimitsName(limits)).arg(limits.version);
}

QString guidedOverallWords(GuidedStep::Outcome overall)
{
    return overall == GuidedStep::Pass   ? text(QT_TRANSLATE_NOOP("GuidedReport", "Esito della prova: CONFORME"))
         : overall == GuidedStep::Fail   ? text(QT_TRANSLATE_NOOP("GuidedReport", "Esito della prova: NON CONFORME"))
                                         : text(QT_TRANSLATE_NOOP("GuidedReport", "Esito della prova: NON VALUTABILE (un passo non si è potuto giudicare)"));
}

GuidedStepWords guidedStepWords(const GuidedStep &st, const GuidedLimits &limits, double ratio, std::int64_t first)
{
    GuidedStepWords w;
    QString measured;
    // A level judged at 5 V where the supply was measured: both said.
    const auto level = [ratio](double mv) {
        return ratio == 1 ? text(QT_TRANSLATE_NOOP("GuidedReport", "%1 mV")).arg(whole(mv))
                          : text(QT_TRANSLATE_NOOP("GuidedReport", "%1 mV (%2 mV a 5 V)")).arg(whole(mv), whole(mv * ratio));
    };
    switch (st.kind) {
    case GuidedStepKind::Rest:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Chiave inserita, motore spento"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "%1 ± %2 mV")).arg(whole(limits.restMv), whole(limits.restTolMv));
        measured = level(st.value);
        break;
    case GuidedStepKind::Supply:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Alimentazione 5 V"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "da %1 a %2 mV")).arg(whole(limits.supplyMinMv), whole(limits.supplyMaxMv));
        measured = text(QT_TRANSLATE_NOOP("GuidedReport", "%1 mV")).arg(whole(st.value));
        break;
    case GuidedStepKind::Crank:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Avviamento"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "al minimo entro %1 s")).arg(seconds(limits.crankMaxMs));
        measured = traceSeconds(st.value);
        break;
    case GuidedStepKind::Idle:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Minimo"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "da %1 a %2 mV, ondulazione fino a %3 mV"))
                       .arg(whole(limits.idleMinMv), whole(limits.idleMaxMv), whole(limits.rippleMaxMv));
        measured = text(QT_TRANSLATE_NOOP("GuidedReport", "%1, ondulazione %2 mV")).arg(level(st.value), whole(st.value2));
        break;
    case GuidedStepKind::Snap:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Colpo di acceleratore"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "picco almeno %1 mV, nessuna caduta oltre %2 mV in %3 ms"))
                       .arg(whole(limits.snapMinMv), whole(limits.dropoutMv), whole(limits.dropoutMs));
        measured = st.reason == GuidedStep::Dropout
            ? text(QT_TRANSLATE_NOOP("GuidedReport", "picco %1, caduta di %2 mV a %3 s"))
                  .arg(level(st.value), whole(st.value2), QLocale().toString(double(st.atMs - first) / 1000.0, 'f', 3))
            : text(QT_TRANSLATE_NOOP("GuidedReport", "picco %1")).arg(level(st.value));
        break;
    case GuidedStepKind::KeyOff:
        w.name = text(QT_TRANSLATE_NOOP("GuidedReport", "Chiave disinserita"));
        w.limits = text(QT_TRANSLATE_NOOP("GuidedReport", "allo zero (%1 mV) entro %2 s"))
                       .arg(whole(limits.restMv + limits.restTolMv), seconds(limits.decayMaxMs));
        measured = traceSeconds(st.value);
        break;
    }
    QString reason;
    switch (st.reason) {
    case GuidedStep::None:
    case GuidedStep::OutOfLimit:
    case GuidedStep::Dropout:
        break;
    case GuidedStep::TooShort:
        reason = text(QT_TRANSLATE_NOOP("GuidedReport", "la sua parte della traccia è troppo corta"));
        break;
    case GuidedStep::NotFound:
        reason = text(QT_TRANSLATE_NOOP("GuidedReport", "non si trova nella traccia"));
        break;
    case GuidedStep::EndsTooSoon:
        reason = text(QT_TRANSLATE_NOOP("GuidedReport", "la traccia finisce prima"));
        break;
    case GuidedStep::NoSupply:
        reason = text(QT_TRANSLATE_NOOP("GuidedReport", "nessuna lettura dell'alimentazione: scrivila in Alimentazione"));
        break;
    }
    // The verdict in a word; what was measured, or why nothing was, beside it.
    switch (st.outcome) {
    case GuidedStep::Pass:
        w.verdict = text(QT_TRANSLATE_NOOP("GuidedReport", "CONFORME"));
        break;
    case GuidedStep::Fail:
        w.verdict = text(QT_TRANSLATE_NOOP("GuidedReport", "NON CONFORME"));
        w.failed = true;
        if (st.reason == GuidedStep::Dropout)
            measured = text(QT_TRANSLATE_NOOP("GuidedReport", "%1: caduta del segnale (connettore?)")).arg(measured);
        break;
    case GuidedStep::WiringFault:
        w.verdict = text(QT_TRANSLATE_NOOP("GuidedReport", "GUASTO DI CABLAGGIO"));
        w.failed = true;
        measured = st.kind == GuidedStepKind::Supply
            ? text(QT_TRANSLATE_NOOP("GuidedReport", "%1: fuori dai limiti (centralina o cablaggio, non il sensore)")).arg(measured)
            : text(QT_TRANSLATE_NOOP("GuidedReport", "%1: fuori da 200-4800 mV (filo, massa o alimentazione, non il sensore)")).arg(measured);
        break;
    case GuidedStep::NotJudged:
        w.verdict = text(QT_TRANSLATE_NOOP("GuidedReport", "NON VALUTABILE"));
        measured = reason;
        break;
    case GuidedStep::Skipped:
        w.verdict = text(QT_TRANSLATE_NOOP("GuidedReport", "SALTATO"));
        measured = reason;
        break;
    }
    w.measured = measured;
    if (st.fromMs)
        w.part = text(QT_TRANSLATE_NOOP("GuidedReport", "da %1 a %2 s")).arg(seconds(double(*st.fromMs - first)), seconds(double(*st.toMs - first)));
    return w;
}

std::vector<TraceMark> guidedMarks(const GuidedResult &result)
{
    std::vector<TraceMark> marks;
    for (std::size_t i = 0; i < result.steps.size(); ++i)
        if (const GuidedStep &st = result.steps[i]; st.fromMs)
            marks.push_back({*st.fromMs, *st.toMs, QString::number(i + 1),
                             st.outcome == GuidedStep::Fail || st.outcome == GuidedStep::WiringFault});
    return marks;
}

void printGuidedReport(PrintSurface &s, const GuidedSheet &sheet)
{
    constexpr double kLeft = 1000, kRight = 11100;
    const GuidedData &d = sheet.data;
    const TraceSensor sensor{d.family, d.fullScale, d.zeroMv};
    printTraceHeading(s, sheet.frame, text(QT_TRANSLATE_NOOP("GuidedReport", "Prova guidata del sensore")), sensor, kLeft, kRight);
    Trace capture;
    for (const TraceSample &t : d.capture)
        capture.add(t.ms, t.mv);
    const std::int64_t first = d.capture.empty() ? 0 : d.capture.front().ms;
    QStringList about{
        text(QT_TRANSLATE_NOOP("GuidedReport", "Provato il %1; la traccia dal %2, per %3"))
            .arg(printDateTime(sheet.now), printDateTime(d.started), traceSeconds(double(capture.durationMs()))),
        d.meter.isEmpty() ? QString() : text(QT_TRANSLATE_NOOP("GuidedReport", "Strumento: %1")).arg(d.meter),
        !d.supplyMv ? QString()
        : d.supplyChannel.isEmpty()
            ? text(QT_TRANSLATE_NOOP("GuidedReport", "Alimentazione misurata: %1 mV; i livelli giudicati come a 5 V")).arg(QString::number(qRound64(*d.supplyMv)))
            : text(QT_TRANSLATE_NOOP("GuidedReport", "Alimentazione dal canale %2: %1 mV; i livelli giudicati come a 5 V"))
                  .arg(QString::number(qRound64(*d.supplyMv)), d.supplyChannel),
        guidedLimitsWords(d.limits)};
    const std::pair<const char *, QString> jobs[] = {{QT_TRANSLATE_NOOP("GuidedReport", "Veicolo: %1"), sheet.job.vehicle},
                                                     {QT_TRANSLATE_NOOP("GuidedReport", "Cliente: %1"), sheet.job.customer},
                                                     {QT_TRANSLATE_NOOP("GuidedReport", "Commessa: %1"), sheet.job.job},
                                                     {QT_TRANSLATE_NOOP("GuidedReport", "Operatore: %1"), sheet.job.operatorName}};
    for (const auto &[words, value] : jobs)
        if (!value.trimmed().isEmpty())
            about << text(words).arg(value.trimmed());
    if (sheet.reprinted.isValid())
        about << text(QT_TRANSLATE_NOOP("GuidedReport", "Ristampa del %1")).arg(printDateTime(sheet.reprinted));
    for (const QString &l : about)
        if (!l.isEmpty()) {
            s.CurrentX(kLeft);
            printWrapped(s, l, kRight, 15000);
        }
    s.CurrentY(s.CurrentY() + 100);
    s.CurrentX(kLeft);
    s.FontSize(12);
    s.FontBold(true);
    s.ForeColor(d.result.overall == GuidedStep::Fail ? QColor(200, 0, 0) : QColor(Qt::black));
    s.Print(guidedOverallWords(d.result.overall), true);
    s.ForeColor(Qt::black);
    s.FontBold(false);

    // The capture judged, each step's part marked with its number.
    TraceView view;
    view.trace = &capture;
    view.sensor = sensor;
    view.marks = guidedMarks(d.result);
    const double top = s.CurrentY() + 200, height = 4600;
    if (capture.empty()) {
        s.FontSize(10);
        s.CurrentX(kLeft);
        s.CurrentY(top);
        s.Print(text(QT_TRANSLATE_NOOP("GuidedReport", "La traccia di questa prova non si è potuta leggere dall'archivio.")), true);
    } else
        printTraceChart(s, QRectF(kLeft - 50, top, kRight - kLeft + 50, height), view);

    // Each step: its number, name and verdict in bold (a failure in red);
    // what was measured, its part, its limits under it.
    s.CurrentY(top + height + 250);
    for (std::size_t i = 0; i < d.result.steps.size(); ++i) {
        const GuidedStepWords w = guidedStepWords(d.result.steps[i], d.limits, d.result.ratio, first);
        s.FontSize(10);
        s.FontBold(true);
        s.CurrentX(kLeft);
        s.Print(QStringLiteral("%1. %2: ").arg(i + 1).arg(w.name), false);
        s.ForeColor(w.failed ? QColor(200, 0, 0) : QColor(Qt::black));
        s.Print(w.verdict, true);
        s.ForeColor(Qt::black);
        s.FontBold(false);
        s.FontSize(9);
        QStringList under;
        if (!w.measured.isEmpty())
            under << text(QT_TRANSLATE_NOOP("GuidedReport", "misurato: %1")).arg(w.measured);
        if (!w.part.isEmpty())
            under << text(QT_TRANSLATE_NOOP("GuidedReport", "parte: %1")).arg(w.part);
        under << text(QT_TRANSLATE_NOOP("GuidedReport", "limiti: %1")).arg(w.limits);
        s.CurrentX(kLeft + 300);
        printWrapped(s, under.join(QStringLiteral("; ")), kRight, 15000);
        s.CurrentY(s.CurrentY() + 60);
    }
    s.FontSize(9);
    s.CurrentX(kLeft);
    s.CurrentY(std::max(s.CurrentY() + 200, 15300.0));
    printFooter(s, sheet.now, sheet.frame.web);
    s.EndDoc();
}

} // namespace dravino
