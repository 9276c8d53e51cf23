#pragma once
// A calibration's certificate from the press of stampa to its outcome, in
// one object outside the window, owned with the pages in flight by the
// main window: the calibration frozen as it stood at the press, checked
// first (every reading of each run there, a reference chosen that can be
// used, the sensor and the operator named: else told in words, the field
// that needs it named, nothing printed or recorded), what the page will
// say told before it goes (a reference or a meter past its calibration, a
// TUR under 4 : 1), the job asked where the workshop asks for it, the
// certificate numbered as the page is handed over or saved (a preview
// shows "anteprima"), recorded as a calibration with its data, rule and
// budget, and settled once with its outcome. The same calibration printed
// again is the same certificate: a copy.

#include "base/JobData.h"
#include "ui/calibration/CalibrationModel.h"
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
struct CalibrationSheet;

// What keeps a calibration from its certificate: the words, and where the
// technician puts it right.
struct CalibrationProblem {
    enum Field { Readings, Reference, Code, Operator, Plan } field;
    QString text;
    int row = -1;                                        // Readings: the first missing
    CalibrationModel::Phase phase = CalibrationModel::Phase::AsFound;
};
std::optional<CalibrationProblem> calibrationProblem(const CalibrationModel &model, const QDate &today);
// What the certificate will say that the technician hears first: a
// reference or meter past due, a TUR under 4 : 1.
QStringList calibrationWarnings(const CalibrationData &data, const QDate &today);

class CalibrationSession final : public QObject
{
    Q_OBJECT
public:
    CalibrationSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive);
    Q_DISABLE_COPY_MOVE(CalibrationSession)

    // The press: the calibration as it stands, to where; a problem found
    // first is returned (nothing goes).
    std::optional<CalibrationProblem> start(const CalibrationModel &model, PageSender &sender, PageSender::Destination where);
    bool running() const { return m_running; }
    bool numbering() const { return m_numbering > 0; }
    // The certificate the last press issued (its number), for the window.
    QString lastIssued() const { return m_issued ? m_issued->number : QString(); }

signals:
    // A certificate was numbered and recorded.
    void issued(const QString &number);

private:
    void finalise(const CalibrationSheet &sheet, const QByteArray &key, const PageSender::Go &go);

    Platform &m_platform;
    QWidget *m_window;
    std::function<ArchiveService *()> m_archive;
    CheckKeeper *m_keeper = nullptr;
    bool m_running = false;
    int m_numbering = 0;
    struct Issued {
        QByteArray key;
        QString number;
    };
    std::optional<Issued> m_issued;
};

} // namespace dravino
