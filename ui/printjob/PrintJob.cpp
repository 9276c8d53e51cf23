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

// Why a printer did not print, in the window's language; words the
// printing system gave as it gave them.
QString reasonText(const PrintReason &reason)
{
    QStringList out;
    for (const PrintReason::Part &part : reason.parts) {
        switch (part.cause) {
        case PrintReason::Paused: out << PrintReportText::tr("in pausa"); break;
        case PrintReason::Offline: out << PrintReportText::tr("non in linea"); break;
        case PrintReason::MediaEmpty: out << PrintReportText::tr("carta esaurita"); break;
        case PrintReason::MediaJam: out << PrintReportText::tr("carta inceppata"); break;
        case PrintReason::DoorOpen: out << PrintReportText::tr("sportello aperto"); break;
        case PrintReason::TonerEmpty: out << PrintReportText::tr("toner esaurito"); break;
        case PrintReason::InkEmpty: out << PrintReportText::tr("inchiostro esaurito"); break;
        case PrintReason::RejectingJobs: out << PrintReportText::tr("rifiuta i lavori"); break;
        case PrintReason::PageIncomplete: out << PrintReportText::tr("la pagina non è arrivata per intero"); break;
        case PrintReason::NotTaken: out << PrintReportText::tr("la stampante non ha preso la pagina"); break;
        case PrintReason::JobCancelled: out << PrintReportText::tr("la stampa è stata annullata"); break;
        case PrintReason::JobAborted: out << PrintReportText::tr("la stampa è stata interrotta"); break;
        case PrintReason::NoSuchPrinter: out << PrintReportText::tr("la stampante non esiste"); break;
        case PrintReason::ConnectionRefused: out << PrintReportText::tr("rifiuta la connessione"); break;
        case PrintReason::HostUnreachable: out << PrintReportText::tr("la rete non lo raggiunge"); break;
        case PrintReason::Words: out << part.words; break;
        }
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
    case PrintFailure::None:
    case PrintFailure::Cancelled:
        return {};
    case PrintFailure::Unreachable:
        if (reason.isEmpty())
            return PrintReportText::tr("Impossibile stampare %1: il server di stampa non è raggiungibile.").arg(on);
        return PrintReportText::tr("Impossibile stampare %1: il server di stampa non è raggiungibile (%2).").arg(on, reason);
    case PrintFailure::NoAnswer:
        return PrintReportText::tr("Impossibile stampare %1: il server di stampa non risponde.").arg(on);
    case PrintFailure::Refused:
        if (o.printerNotAccepting)
            return PrintReportText::tr("La stampante %1 non accetta stampe (%2): la pagina non è stata stampata.")
                .arg(printer, reason.isEmpty() ? PrintReportText::tr("rifiuta i lavori") : reason);
        if (reason.isEmpty())
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
        cancelPrintRequests();
    });
    runOffThread<PrintOutcome>([request = std::move(request), cancel] { return deliver(request, cancel.get()); },
                               context, std::move(done));
}

void startPrinterLookup(std::function<PrinterName()> lookup, QObject *context,
                        std::function<void(const PrinterName &)> done)
{
    runOffThread<PrinterName>(std::move(lookup), context, std::move(done));
}

void startQueueListing(QObject *context, std::function<void(const QueueList &)> done)
{
    // One listing at a time, however often a menu opens meanwhile: every
    // asker still there hears its answer.
    struct Asker {
        QPointer<QObject> context;
        std::function<void(const QueueList &)> done;
    };
    static QList<Asker> waiting;
    waiting.append({context, std::move(done)});
    if (waiting.size() > 1)
        return;
    runOffThread<QueueList>(
        [] {
            QueueList found = printBackend().list(printLimits(), nullptr);
            for (const PrintQueue &q : found.queues)
                rememberQueue(q, q.isDefault);
            return found;
        },
        QCoreApplication::instance(), [](const QueueList &found) {
        for (const Asker &a : std::exchange(waiting, {}))
            if (a.context)
                a.done(found);
    });
}

void giveUpPrintJobsAtTheEnd()
{
    static const bool registered = [] {
        onProgramEnd([] { abandonPrintRequests(); });
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
    case PrintOutcome::Sent:
        // The printing system tells no more than that it has the page.
        return PrintReport{PrintReportText::tr("Pagina inviata a %1").arg(o.device), MessageIcon::Information};
    case PrintOutcome::Unconfirmed:
        // (a printing system that numbers no job: Qt's)
        if (o.job <= 0)
            return PrintReport{PrintReportText::tr("La pagina è stata inviata a %1, ma il sistema di stampa non ne ha confermato la "
                                                   "stampa: controllare la stampante.")
                                   .arg(o.device),
                               MessageIcon::Exclamation};
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

PrintLimits printLimits()
{
    PrintLimits limits;
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
