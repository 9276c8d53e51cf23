#include "ui/archive/CheckRecorder.h"

#include "archive/ArchiveService.h"
#include "ui/Platform.h"

#include <QDir>
#include <QWidget>
#include <memory>
#include <optional>

namespace dravino {

namespace {
// One page's record until its outcome has settled it.
struct Recording {
    CheckRecord record;
    bool answered = false;
    bool kept = false;
    std::optional<PrintOutcome> outcome;
    std::function<void()> tell;
};
} // namespace

PageDestination destinationOf(const PrintOutcome &o)
{
    switch (o.kind) {
    case PrintOutcome::Printed:
        return {PageDestination::Printer, o.device};
    case PrintOutcome::Held:
        return {PageDestination::Held, o.device};
    case PrintOutcome::SavedToFile:
        return {PageDestination::File, QDir::toNativeSeparators(o.file)};
    case PrintOutcome::Unconfirmed:
        return {PageDestination::NotConfirmed, o.device, o.job};
    case PrintOutcome::Sent: // handed over, and nothing heard of it since
        return {PageDestination::NotConfirmed, o.device};
    case PrintOutcome::Failed:
    case PrintOutcome::Abandoned:
        break;
    }
    return {};
}

QString destinationText(const PageDestination &d)
{
    switch (d.kind) {
    case PageDestination::Printer:
    case PageDestination::File:
        return d.name;
    case PageDestination::Held:
        return CheckRecorder::tr("%1, in attesa").arg(d.name);
    case PageDestination::NotConfirmed: {
        const QString printer = d.name.isEmpty() ? CheckRecorder::tr("stampante predefinita") : d.name;
        return d.job > 0 ? CheckRecorder::tr("%1 (lavoro %2), non confermata").arg(printer).arg(d.job)
                         : CheckRecorder::tr("%1, non confermata").arg(printer);
    }
    case PageDestination::NotPrinted:
        break;
    }
    return CheckRecorder::tr("non stampata");
}

CheckRecorder::CheckRecorder(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive)
    : QObject(window), m_platform(platform), m_window(window), m_archive(std::move(archive))
{
}

PageSender::Delivered CheckRecorder::record(CheckRecord record)
{
    ArchiveService *archive = m_archive ? m_archive() : nullptr;
    if (!archive)
        return {};
    auto recording = std::make_shared<Recording>();
    record.destination = {};
    recording->record = record;
    // Where the page went, once both the record and the outcome are in.
    const auto settle = [this, recording] {
        ArchiveService *archive = m_archive();
        if (recording->kept && archive && recording->outcome->kind != PrintOutcome::Abandoned) {
            recording->record.destination = destinationOf(*recording->outcome);
            // The promise made when it was not confirmed: told when it cannot be kept.
            if (recording->record.destination != PageDestination{})
                archive->keep(recording->record, this, [this, shown = destinationText(recording->record.destination)](const ArchiveReply &reply) {
                    if (!reply.ok && !reply.waiting && !reply.late)
                        m_platform.message(m_window->window(),
                                           tr("L'archivio non ha registrato dove è andata la pagina di questa prova (%1): %2")
                                               .arg(shown, reply.error),
                                           tr("Archivio prove"), MessageIcon::Exclamation);
                });
        }
        if (const auto tell = std::exchange(recording->tell, {}))
            tell();
    };
    archive->keep(record, this, [this, recording, settle](const ArchiveReply &reply) {
        recording->answered = true;
        recording->kept = reply.ok;
        const QString title = tr("Archivio prove");
        // The page goes out all the same; the technician hears what became of the check.
        if (reply.late)
            m_platform.message(m_window->window(),
                               tr("Questa prova non è ancora confermata dall'archivio (%1): sarà verificata quando "
                                  "l'archivio risponderà.")
                                   .arg(reply.error),
                               title, MessageIcon::Exclamation);
        else if (!reply.ok)
            m_platform.message(m_window->window(), tr("Questa prova non è stata registrata nell'archivio: %1").arg(reply.error), title,
                               MessageIcon::Exclamation);
        else if (reply.waiting)
            m_platform.message(m_window->window(),
                               tr("Questa prova è conservata su questo banco e sarà inviata all'archivio quando il server "
                                  "risponderà%1.")
                                   .arg(reply.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reply.error)),
                               title, MessageIcon::Exclamation);
        // A check kept on the bench, or not confirmed yet, still learns where its page went.
        recording->kept = recording->kept || reply.late;
        if (recording->outcome)
            settle();
    });
    return [recording, settle](const PrintOutcome &outcome, std::function<void()> tell) {
        recording->outcome = outcome;
        recording->tell = std::move(tell);
        if (recording->answered)
            settle();
    };
}

} // namespace dravino
