#include "ui/printjob/PrintJob.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include "base/Workers.h"


namespace dravino
{

namespace
{

// The texts of the reports, in one translation context.
class PrintReportText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::PrintReport)
};

template <typename Result>
void runOffThread(std::function<Result()> work, QObject *context, std::function<void(const Result &)> done)
{
    giveUpPrintJobsAtTheEnd();
    offThread<Result>(context, std::move(work), std::move(done));
}

// CUPS's reasons a technician may meet, in the window's language; any other
// as CUPS gives it.
QString reasonText(const QString &reason)
{
    static const std::pair<const char *, const char *> known[] = {
        {"paused", QT_TRANSLATE_NOOP("dravino::PrintReport", "in pausa")},
        {"Paused", QT_TRANSLATE_NOOP("dravino::PrintReport", "in pausa")},
        {"offline-report", QT_TRANSLATE_NOOP("dravino::PrintReport", "non in linea")},
        {"media-empty", QT_TRANSLATE_NOOP("dravino::PrintReport", "carta esaurita")},
        {"media-jam", QT_TRANSLATE_NOOP("dravino::PrintReport", "carta inceppata")},
        {"door-open", QT_TRANSLATE_NOOP("dravino::PrintReport", "sportello aperto")},
        {"toner-empty", QT_TRANSLATE_NOOP("dravino::PrintReport", "toner esaurito")},
        {"marker-supply-empty", QT_TRANSLATE_NOOP("dravino::PrintReport", "inchiostro esaurito")},
        {"Rejecting Jobs", QT_TRANSLATE_NOOP("dravino::PrintReport", "rifiuta i lavori")},
        {"job-incoming", QT_TRANSLATE_NOOP("dravino::PrintReport", "la pagina non è arrivata per intero")},
        {"job-canceled", QT_TRANSLATE_NOOP("dravino::PrintReport", "la stampa è stata annullata")},
        {"job-aborted", QT_TRANSLATE_NOOP("dravino::PrintReport", "la stampa è stata interrotta")},
        {"client-error-not-found", QT_TRANSLATE_NOOP("dravino::PrintReport", "la stampante non esiste")},
        {"connection-refused", QT_TRANSLATE_NOOP("dravino::PrintReport", "rifiuta la connessione")},
        {"host-unreachable", QT_TRANSLATE_NOOP("dravino::PrintReport", "la rete non lo raggiunge")},
    };
    QStringList out;
    for (const QString &part : reason.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString said = part.trimmed();
        for (const auto &[cups, ours] : known)
            if (said == QLatin1String(cups) || said == QLatin1String(cups) + QLatin1String("-error")
                || said == QLatin1String(cups) + QLatin1String("-warning"))
                said = PrintReportText::tr(ours);
        out << said;
    }
    return out.join(QStringLiteral(", "));
}

// What the printer did not do, as one sentence; empty when there was no printer to ask.
QString printerPart(const PrintOutcome &o)
{
    const QString printer = o.device;
    // "su PDF", or "sulla stampante predefinita" where its name never came.
    const QString on = o.device.isEmpty() ? PrintReportText::tr("sulla stampante predefinita")
                                          : PrintReportText::tr("su %1").arg(o.device);
    QString reason = reasonText(o.printerReason);
    switch (o.printerFailure) {
    case CupsFailure::None:
    case CupsFailure::Cancelled:
        return {};
    case CupsFailure::Unreachable:
        // A library's "Success" or an empty reason adds nothing.
        if (reason.isEmpty() || reason == QLatin1String("Success") || reason == QLatin1String("successful-ok"))
            return PrintReportText::tr("Impossibile stampare %1: il server di stampa non è raggiungibile.").arg(on);
        return PrintReportText::tr("Impossibile stampare %1: il server di stampa non è raggiungibile (%2).").arg(on, reason);
    case CupsFailure::NoAnswer:
        return PrintReportText::tr("Impossibile stampare %1: il server di stampa non risponde.").arg(on);
    case CupsFailure::Refused:
        if (o.printerNotAccepting)
            return PrintReportText::tr("La stampante %1 non accetta stampe (%2): la pagina non è stata stampata.")
                .arg(printer, reason.isEmpty() ? PrintReportText::tr("rifiuta i lavori") : reason);
        // CUPS says "Success" of a request it gave no answer to.
        if (reason.isEmpty() || reason == QLatin1String("Success") || reason == QLatin1String("successful-ok"))
            reason = PrintReportText::tr("nessuna risposta valida dal server di stampa");
        return PrintReportText::tr("La stampa %1 non è riuscita: %2.").arg(on, reason);
    }
    return {};
}

} // namespace

void startPrintJob(PrintRequest request, QObject *context, std::function<void(const PrintOutcome &)> done)
{
    auto cancel = std::make_shared<std::atomic_bool>(false);
    // The window closing gives the job up.
    QObject::connect(context, &QObject::destroyed, [cancel] {
        *cancel = true;
        interruptCupsRequests();
    });
    runOffThread<PrintOutcome>([request = std::move(request), cancel] { return deliver(request, cancel.get()); },
                               context, std::move(done));
}

void startPrinterLookup(std::function<PrinterName()> lookup, QObject *context,
                        std::function<void(const PrinterName &)> done)
{
    runOffThread<PrinterName>(std::move(lookup), context, std::move(done));
}

void startQueueListing(QObject *context, std::function<void(const CupsQueues &)> done)
{
    // One listing at a time, however often a menu opens meanwhile: every
    // asker still there hears its answer.
    struct Asker {
        QPointer<QObject> context;
        std::function<void(const CupsQueues &)> done;
    };
    static QList<Asker> waiting;
    waiting.append({context, std::move(done)});
    if (waiting.size() > 1)
        return;
    runOffThread<CupsQueues>([] { return listQueues(printLimits()); }, QCoreApplication::instance(), [](const CupsQueues &found) {
        for (const Asker &a : std::exchange(waiting, {}))
            if (a.context)
                a.done(found);
    });
}

void giveUpPrintJobsAtTheEnd()
{
    static const bool registered = [] {
        onProgramEnd([] { abandonCupsRequests(); });
        return true;
    }();
    Q_UNUSED(registered);
}

std::optional<PrintReport> reportOf(const PrintOutcome &o, bool quietWhenPrinted)
{
    const QString file = QDir::toNativeSeparators(o.file);
    const QString printer = printerPart(o);
    switch (o.kind) {
    case PrintOutcome::Abandoned:
        return std::nullopt;
    case PrintOutcome::Printed:
        if (quietWhenPrinted)
            return std::nullopt;
        return PrintReport{PrintReportText::tr("Stampa effettuata su ") + o.device, MessageIcon::Information};
    case PrintOutcome::Unconfirmed:
        return PrintReport{PrintReportText::tr("La pagina è stata inviata a %1 (lavoro %2), ma il server di stampa non ne ha "
                                               "confermato la stampa: controllare la stampante.")
                               .arg(o.device)
                               .arg(o.job),
                           MessageIcon::Exclamation};
    case PrintOutcome::Held: {
        const QString why = o.printerReason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reasonText(o.printerReason));
        return PrintReport{PrintReportText::tr("La stampa su %1 è in attesa: la stampante è ferma%2 e la stamperà quando verrà riattivata.")
                               .arg(o.device, why),
                           MessageIcon::Exclamation};
    }
    case PrintOutcome::SavedToFile:
        if (o.fileChosen)
            return PrintReport{PrintReportText::tr("Pagina salvata nel file PDF %1").arg(file), MessageIcon::Information};
        if (printer.isEmpty())
            return PrintReport{PrintReportText::tr("Stampa effettuata su file PDF ") + file, MessageIcon::Information};
        return PrintReport{printer + QLatin1Char(' ') + PrintReportText::tr("La pagina è stata salvata nel file PDF %1.").arg(file),
                           MessageIcon::Exclamation};
    case PrintOutcome::Failed:
        break;
    }
    QString lost = o.fileError;
    if (lost.isEmpty())
        lost = printer.isEmpty()
            ? PrintReportText::tr("Nessuna stampante e nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.")
            : PrintReportText::tr("Nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.");
    return PrintReport{printer.isEmpty() ? lost : printer + QLatin1Char(' ') + lost, MessageIcon::Critical};
}

bool PrintInProgress::begin(QAbstractButton *button)
{
    if (busy()) {
        m_button->setDown(true); // a press meanwhile let it up
        return false;
    }
    m_button = button;
    m_tooltip = button->toolTip();
    m_description = button->accessibleDescription();
    const QString saying = QCoreApplication::translate("dravino::PrintReport", "Stampa in corso...");
    button->setDown(true);
    button->setCursor(Qt::BusyCursor);
    button->setToolTip(saying);
    button->setAccessibleDescription(saying);
    return true;
}

void PrintInProgress::end()
{
    if (!m_button)
        return;
    m_button->setDown(false);
    m_button->unsetCursor();
    m_button->setToolTip(m_tooltip);
    m_button->setAccessibleDescription(m_description);
    m_button = nullptr;
}

void PrintInProgress::setIdleTooltip(QAbstractButton *button, const QString &tooltip)
{
    if (busy())
        m_tooltip = tooltip;
    else
        button->setToolTip(tooltip);
}

CupsLimits printLimits()
{
    CupsLimits limits;
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("DRAVINO_PRINT_TIMEOUT_MS", &ok);
    if (ok && ms > 0) {
        limits.totalMs = ms;
        limits.connectMs = std::min(limits.connectMs, ms);
        limits.silenceMs = std::min(limits.silenceMs, ms);
    }
    return limits;
}

} // namespace dravino
