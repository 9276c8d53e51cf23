#pragma once
// A guided test's report from the press of stampa to its outcome, in one
// object outside the window, owned with the pages in flight by the main
// window: the test frozen as it was judged (its limits, supply, parts,
// steps and the capture they were judged on), the job asked where the
// workshop asks for it, recorded in the archive as a guided test as the
// page goes (a preview records nothing), and settled once with the page's
// outcome. The same test printed again, unchanged, is not recorded again.

#include "archive/GuidedRecord.h"
#include "base/JobData.h"
#include "ui/printjob/PageSender.h"

#include <QByteArray>
#include <QObject>
#include <functional>

class QWidget;

namespace dravino {

class ArchiveService;
class CheckKeeper;
class Platform;
struct GuidedSheet;

class GuidedSession final : public QObject
{
    Q_OBJECT
public:
    GuidedSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive);
    Q_DISABLE_COPY_MOVE(GuidedSession)

    // The press: the test as judged, the sensor's code and the job as the
    // window has them, to where (printer: a chosen one).
    void start(const GuidedData &data, const QString &code, const JobData &job, PageSender &sender, PageSender::Destination where,
               const QString &printer = {});

signals:
    // A test was recorded (handed to the archive) as its page went.
    void recorded();

private:
    void finalise(const GuidedSheet &sheet, const QString &code, const QByteArray &key, const PageSender::Go &go);

    Platform &m_platform;
    QWidget *m_window;
    CheckKeeper *m_keeper = nullptr;
    QByteArray m_recorded; // the last test recorded
};

} // namespace dravino
