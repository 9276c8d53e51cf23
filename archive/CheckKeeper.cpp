#include "archive/CheckKeeper.h"

#include "archive/ArchiveService.h"

#include <QCoreApplication>

#include <memory>

namespace dravino {

namespace {
// One page's record until its outcome has settled it.
struct Recording {
    CheckRecord record;
    bool answered = false;
    bool kept = false; // kept, on the bench, or not confirmed yet: it learns where its page went
    bool settled = false;
    std::optional<std::optional<PageDestination>> outcome; // the page's, once it came (inner nothing: given up)
    std::function<void()> report;
};

QString text(const char *source) { return QCoreApplication::translate("dravino::CheckRecorder", source); }
} // namespace

CheckKeeper::CheckKeeper(std::function<ArchiveService *()> archive, Tell tell, QObject *parent)
    : QObject(parent), m_archive(std::move(archive)), m_tell(std::move(tell))
{
}

CheckKeeper::Settle CheckKeeper::keep(CheckRecord record)
{
    ArchiveService *archive = this->archive();
    if (!archive)
        return {};
    auto recording = std::make_shared<Recording>();
    record.destination = {};
    recording->record = record;
    // Where the page went, once both the record's answer and the page's
    // outcome are in; once, whichever comes last and whatever comes again.
    const auto settle = [this, recording] {
        if (!recording->answered || !recording->outcome || std::exchange(recording->settled, true))
            return;
        ArchiveService *archive = m_archive();
        const std::optional<PageDestination> &where = *recording->outcome;
        if (recording->kept && archive && where && *where != PageDestination{}) {
            recording->record.destination = *where;
            // The promise made when it was not confirmed: told when it cannot be kept.
            archive->keep(recording->record, this, [this, shown = *where](const ArchiveReply &reply) {
                if (!reply.ok && !reply.waiting && !reply.late && !reply.readOnly)
                    m_tell(text(QT_TRANSLATE_NOOP("dravino::CheckRecorder",
                                                  "L'archivio non ha registrato dove è andata la pagina di questa prova (%1): %2"))
                               .arg(destinationText(shown), reply.error));
            });
        }
        if (const auto report = std::exchange(recording->report, {}))
            report();
    };
    archive->keep(record, this, [this, recording, settle](const ArchiveReply &reply) {
        // Its state first: a page's outcome that arrives while the
        // technician reads what follows settles with it, once.
        recording->answered = true;
        recording->kept = reply.ok || reply.late;
        QString said;
        if (reply.readOnly)
            said = text(QT_TRANSLATE_NOOP("dravino::CheckRecorder",
                                          "L'archivio è di una versione più recente di Dravino e questo banco può solo leggerlo: questa "
                                          "prova resta conservata su questo banco."));
        else if (reply.late)
            said = text(QT_TRANSLATE_NOOP("dravino::CheckRecorder",
                                          "Questa prova non è ancora confermata dall'archivio (%1): sarà verificata quando "
                                          "l'archivio risponderà."))
                       .arg(reply.error);
        else if (!reply.ok)
            said = text(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "Questa prova non è stata registrata nell'archivio: %1")).arg(reply.error);
        else if (reply.waiting)
            said = text(QT_TRANSLATE_NOOP("dravino::CheckRecorder",
                                          "Questa prova è conservata su questo banco e sarà inviata all'archivio quando il server "
                                          "risponderà%1."))
                       .arg(reply.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reply.error));
        // The page goes out all the same; the technician hears what became of the check.
        if (!said.isEmpty())
            m_tell(said);
        settle();
    });
    return [recording, settle](std::optional<PageDestination> where, std::function<void()> report) {
        if (recording->outcome)
            return; // (one page, one outcome)
        recording->outcome = std::move(where);
        recording->report = std::move(report);
        settle();
    };
}

} // namespace dravino
