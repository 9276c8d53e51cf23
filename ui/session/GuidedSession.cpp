#include "ui/session/GuidedSession.h"

#include "archive/ArchiveService.h"
#include "archive/CheckKeeper.h"
#include "base/Settings.h"
#include "print/GuidedReport.h"
#include "print/PrintSurface.h"
#include "ui/Build.h"
#include "ui/Platform.h"
#include "ui/archive/PageIdentity.h"
#include "ui/archive/PageOutcome.h"
#include "ui/dialogs/WorkshopDialog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QPointer>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::GuidedTestWindow", source); }

std::shared_ptr<PrintSurface> drawn(Platform &platform, const GuidedSheet &sheet)
{
    std::shared_ptr<PrintSurface> page = platform.newPage();
    printGuidedReport(*page, sheet);
    return page;
}
} // namespace

GuidedSession::GuidedSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive)
    : QObject(inFlightOwner(window)), m_platform(platform), m_window(window)
{
    if (archive)
        m_keeper = new CheckKeeper(std::move(archive), archiveTeller(m_platform, m_window), this);
}

void GuidedSession::start(const GuidedData &data, const QString &code, const JobData &job, PageSender &sender,
                          PageSender::Destination where, const QString &printer)
{
    if (sender.refuseWhileBusy())
        return;
    GuidedSheet sheet;
    sheet.data = data;
    sheet.now = QDateTime::currentDateTime();
    sheet.frame = pageFrame(m_platform, m_window);
    sheet.job = job;
    // The job's data, where the workshop asks for them (the window's
    // vehicle proposed): Annulla prints nothing.
    if (sheet.frame.workshop.askJob) {
        JobData proposed = job;
        if (proposed.operatorName.isEmpty())
            proposed.operatorName = settingsValue(QStringLiteral("job/operator")).toString();
        const auto asked = m_platform.jobForm(m_window, proposed);
        if (!asked)
            return;
        sheet.job = *asked;
        setSettingsValue(QStringLiteral("job/operator"), asked->operatorName);
    }
    // The same test, code and job: the same record.
    QByteArray key = QJsonDocument(guidedJson(data)).toJson(QJsonDocument::Compact);
    for (const QString &s : {code, sheet.job.customer, sheet.job.vehicle, sheet.job.job, sheet.job.operatorName})
        key += '\0' + s.toUtf8();
    key = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
    const QString vehicle = sheet.job.vehicle.trimmed();
    const QString when = sheet.now.toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    const QString what = vehicle.isEmpty() ? text(QT_TRANSLATE_NOOP("dravino::GuidedTestWindow", "Prova guidata %1")).arg(when)
                                           : text(QT_TRANSLATE_NOOP("dravino::GuidedTestWindow", "Prova guidata %1 %2")).arg(vehicle, when);
    const QPointer<GuidedSession> self(this);
    std::shared_ptr<PrintSurface> first =
        where == PageSender::Destination::Preview ? drawn(m_platform, sheet) : std::shared_ptr<PrintSurface>(m_platform.newPage());
    sender.route(where, first, what, fileNameFor(what) + QStringLiteral(".pdf"), printer, [self, sheet, code, key](const PageSender::Go &go) {
        if (self)
            self->finalise(sheet, code, key, go);
        else
            go(nullptr, {});
    });
}

void GuidedSession::finalise(const GuidedSheet &sheet, const QString &code, const QByteArray &key, const PageSender::Go &go)
{
    if (!m_keeper || key == m_recorded) {
        go(drawn(m_platform, sheet), {});
        return;
    }
    m_recorded = key;
    // The record is the page: the test as judged, its capture, its workshop.
    const GuidedData &d = sheet.data;
    CheckRecord record;
    record.kind = CheckKind::Guided;
    record.key = newCheckKey();
    record.takenAt = sheet.now;
    record.code = code.trimmed().toUpper();
    record.denso = d.family != SensorType::BoschDelphiVdo;
    record.nominalFullScale = d.fullScale;
    record.jobData = sheet.job;
    record.identity = identityOf(sheet.frame);
    record.guided = guidedJson(d);
    record.zone = d.result.overall == GuidedStep::Pass ? Zone::Pass : d.result.overall == GuidedStep::Fail ? Zone::Fail : Zone::NotJudged;
    record.verdict = verdictOf(record);
    record.version = QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral(DRAVINO_VERSION)
                                                                      : QCoreApplication::applicationVersion();
    PageSender::Delivered delivered;
    if (const CheckKeeper::Settle settle = m_keeper->keep(record))
        delivered = [settle](const PrintOutcome &outcome, std::function<void()> tell) { settle(destinationOf(outcome), std::move(tell)); };
    emit recorded();
    go(drawn(m_platform, sheet), delivered);
}

} // namespace dravino
