#pragma once
// Records a scale check as its sheet goes, and pairs the record with that
// page's outcome: the record is written as the page goes (as not printed:
// a page given up when the window closes stays so), the page's report waits
// for the record's answer, and the record then learns where its page went.
// The technician hears when the check could not be kept, when it waits on
// the bench for the archive's server, and when the archive did not confirm
// it in time.

#include "archive/CheckRecord.h"
#include "ui/printjob/PageSender.h"

#include <QObject>
#include <functional>

class QWidget;

namespace dravino {

class ArchiveService;
class Platform;

class CheckRecorder final : public QObject
{
    Q_OBJECT
public:
    CheckRecorder(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive);
    Q_DISABLE_COPY_MOVE(CheckRecorder)

    // What is to hear the outcome of the page that carries record.
    PageSender::Delivered record(CheckRecord record);
    // The archive records go to (opened now where it was not).
    ArchiveService *archive() const { return m_archive ? m_archive() : nullptr; }

private:
    Platform &m_platform;
    QWidget *m_window;
    std::function<ArchiveService *()> m_archive;
};

// Where a page went, from its outcome.
PageDestination destinationOf(const PrintOutcome &outcome);
// ... in the window's language: the printer, the file, "non stampata".
QString destinationText(const PageDestination &destination);

} // namespace dravino
