#pragma once
// A scale check's life from the press of stampa to its page's outcome, in
// one object outside the panel, owned with the pages in flight by the main
// window: the check frozen as it stood at the press (its entries and
// results, where each reading came from, the rule it is judged by), the
// sensor's code and the job asked for, the certificate numbered only as the
// page is handed over or saved (a preview shows "anteprima" where the
// number goes), the record written as the page goes and settled once with
// its outcome. Its questions are views of it: nothing that arrives while
// one is open (a meter reading, an archive reply, a print outcome) changes
// the page or the record decided; a reading that arrives then is the
// panel's, for the next check, and the technician is told so.
//
// Only a judged check (CONFORME or NON CONFORME) is a certificate and a
// record. The same check printed again, unchanged, with the same code and
// job, is the same certificate: a copy, marked so, never a new number or
// record.

#include "base/JobData.h"
#include "core/ScaleCheckModel.h"
#include "ui/printjob/PageSender.h"

#include <QByteArray>
#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace dravino {

class ArchiveService;
class CheckKeeper;
class Platform;
struct ScaleSheet;

class CheckSession final : public QObject
{
    Q_OBJECT
public:
    // window: where its questions are asked; archive: where checks are
    // recorded (opened when first needed; nothing: none are).
    CheckSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive);
    Q_DISABLE_COPY_MOVE(CheckSession)

    // The press of stampa (or its menu): check as it stands now, the page
    // to go through sender, to where.
    void start(const ScaleCheckModel &check, PageSender &sender, PageSender::Destination where, const QString &printer = {});
    // A press under way: its questions, its preview.
    bool running() const { return m_running; }
    // A certificate being numbered: its page is still to come.
    bool numbering() const { return m_numbering > 0; }
    // A meter reading put into the panel's row while a press is under way.
    void readingArrived(int row);

private:
    // The page made final as it is handed over: numbered (or the copy of
    // the same certificate), drawn, recorded.
    void finalise(const ScaleSheet &sheet, const QByteArray &key, const PageSender::Go &go);

    Platform &m_platform;
    QWidget *m_window;
    std::function<ArchiveService *()> m_archive;
    CheckKeeper *m_keeper = nullptr;
    bool m_running = false;
    int m_numbering = 0;
    QList<int> m_arrived; // rows read from the meter during the press
    JobData m_lastJob;    // proposed to the next sheet of the same sensor
    QString m_lastCode;
    // The last certificate issued: what it certified, its number.
    struct Issued {
        QByteArray key;
        QString number;
    };
    std::optional<Issued> m_issued;
};

} // namespace dravino
