#include "ui/session/CheckSession.h"

#include "archive/ArchiveService.h"
#include "archive/Certificates.h"
#include "archive/CheckKeeper.h"
#include "base/Settings.h"
#include "core/CheckRule.h"
#include "print/Footer.h"
#include "print/PrintBackend.h"
#include "print/PrintSurface.h"
#include "print/ScaleSheet.h"
#include "ui/Build.h"
#include "ui/Platform.h"
#include "ui/archive/PageIdentity.h"
#include "ui/archive/PageOutcome.h"
#include "ui/dialogs/WorkshopDialog.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::ScalePanel", source); }
const char *const kTitle = QT_TRANSLATE_NOOP("dravino::ScalePanel", "Stampa foglio scala");

// The meter the readings on the page came from, as its rows say, and its
// calibration as the technician keeps it.
InstrumentUsed instrumentOf(const ScaleCheckModel &check)
{
    InstrumentUsed meter;
    meter.known = true;
    for (int i = 0; i < kScaleRows; ++i) {
        const ReadingSource &source = check.source(i);
        if (source.kind != ReadingSource::Meter)
            continue;
        if (meter.rows.isEmpty()) {
            meter.vendor = QString::fromStdString(source.vendor);
            meter.model = QString::fromStdString(source.model);
            meter.serial = QString::fromStdString(source.serial);
        }
        meter.rows << i;
    }
    meter.calibratedUntil = QDate::fromString(settingsValue(QStringLiteral("instrumentCalibratedUntil")).toString(), Qt::ISODate);
    return meter;
}

// What a certificate certifies: the check's numbers, its code and job.
QByteArray issueKey(const ScaleSheet &sheet)
{
    const CheckRecord r = checkOf(sheet.check, sheet.rule);
    QJsonObject key = recordJson(r);
    for (const char *apart : {"key", "takenAt", "certificate", "identity", "outcome", "destination", "job", "version"})
        key.remove(QLatin1String(apart));
    key.insert(QStringLiteral("code"), sheet.code);
    key.insert(QStringLiteral("jobData"), QJsonArray{sheet.job.customer, sheet.job.vehicle, sheet.job.job, sheet.job.operatorName});
    return QJsonDocument(key).toJson(QJsonDocument::Compact);
}

std::shared_ptr<PrintSurface> drawn(Platform &platform, const ScaleSheet &sheet)
{
    std::shared_ptr<PrintSurface> page = platform.newPage();
    printScaleSheet(*page, sheet);
    return page;
}
} // namespace

CheckSession::CheckSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive)
    : QObject(inFlightOwner(window)), m_platform(platform), m_window(window), m_archive(std::move(archive))
{
    if (m_archive)
        m_keeper = new CheckKeeper(m_archive, archiveTeller(m_platform, m_window), this);
}

void CheckSession::readingArrived(int row)
{
    if (m_running && !m_arrived.contains(row))
        m_arrived << row;
}

void CheckSession::start(const ScaleCheckModel &current, PageSender &sender, PageSender::Destination where, const QString &printer)
{
    // One press at a time, one page on its way at a time.
    if (m_running || m_numbering > 0 || sender.refuseWhileBusy())
        return;
    m_running = true;
    m_arrived.clear();
    const auto finished = qScopeGuard([this] {
        m_running = false;
        // Readings that came during the questions are the panel's, for the next check.
        if (m_arrived.isEmpty())
            return;
        QStringList rows;
        for (int row : std::as_const(m_arrived))
            rows << QString::number(row);
        m_platform.message(m_window,
                           text(QT_TRANSLATE_NOOP("dravino::ScalePanel",
                                                  "La lettura del multimetro arrivata durante la stampa è nel pannello (righe %1): vale "
                                                  "per la prossima prova, non per il foglio già deciso."))
                               .arg(rows.join(QStringLiteral(", "))),
                           text(kTitle), MessageIcon::Information);
    });
    // The check as it stands now: whatever comes while the questions are
    // open changes neither the page nor its record.
    ScaleSheet sheet;
    sheet.check = current;
    sheet.rule = todaysRule();
    sheet.instrument = instrumentOf(current);
    // A sheet for a printer that prints no colour (as its queue said): every result black.
    if (where == PageSender::Destination::DefaultPrinter || where == PageSender::Destination::Printer)
        sheet.greyscale = queuePrintsColour(where == PageSender::Destination::Printer ? printer : QString()) == false;
    const Judgement judged = judge(sheet.check, sheet.rule);
    if (sheet.check.stale())
        m_platform.message(m_window,
                           text(QT_TRANSLATE_NOOP("dravino::ScalePanel",
                                                  "Le letture o le impostazioni sono cambiate dopo l'ultimo calcolo: il foglio esce senza "
                                                  "esito e la prova non viene registrata. Premi calcola per dare l'esito al foglio.")),
                           text(kTitle), MessageIcon::Information);
    // Annulla prints nothing; OK with no code prints the sheet without one.
    const auto answer = m_platform.inputText(m_window, text(QT_TRANSLATE_NOOP("dravino::ScalePanel", "Inserisci il codice o la sigla del sensore")),
                                             text(QT_TRANSLATE_NOOP("dravino::ScalePanel", "Sigla del sensore")));
    if (!answer)
        return;
    sheet.code = answer->toUpper();
    sheet.now = QDateTime::currentDateTime();
    sheet.frame = pageFrame(m_platform, m_window);
    // The job's data, where the workshop asks for them: Annulla prints
    // nothing. The last job is proposed again for the same sensor only; the
    // operator from one day to the next.
    if (sheet.frame.workshop.askJob) {
        JobData proposed = sheet.code == m_lastCode ? m_lastJob : JobData{};
        proposed.operatorName = settingsValue(QStringLiteral("job/operator")).toString();
        const auto job = m_platform.jobForm(m_window, proposed);
        if (!job)
            return;
        m_lastJob = sheet.job = *job;
        m_lastCode = sheet.code;
        setSettingsValue(QStringLiteral("job/operator"), job->operatorName);
    }
    // A calibration already past is said before the page goes.
    const InstrumentUsed &meter = sheet.instrument;
    if (!meter.rows.isEmpty() && meter.calibratedUntil.isValid() && meter.calibratedUntil < sheet.now.date())
        m_platform.message(m_window,
                           text(QT_TRANSLATE_NOOP("dravino::ScalePanel", "La taratura del multimetro è scaduta il %1: il foglio lo dice."))
                               .arg(printDate(meter.calibratedUntil)),
                           text(kTitle), MessageIcon::Exclamation);
    const QString date = sheet.now.date().toString(Qt::ISODate);
    const QString what = sheet.code.isEmpty() ? text(QT_TRANSLATE_NOOP("dravino::ScalePanel", "Scala %1")).arg(date)
                                              : text(QT_TRANSLATE_NOOP("dravino::ScalePanel", "Scala %1 %2")).arg(sheet.code, date);
    const QString pdfName = fileNameFor(what) + QStringLiteral(".pdf");
    // A judged check is a certificate, numbered as its page goes; any other
    // sheet (no computation, a failed one, one changed since, too few
    // points) is no test and is not recorded.
    if (judged.outcome == Judgement::NoVerdict || !m_keeper) {
        sender.route(where, drawn(m_platform, sheet), what, pdfName, printer);
        return;
    }
    const QByteArray key = issueKey(sheet);
    ScaleSheet shown = sheet;
    const bool copy = m_issued && m_issued->key == key;
    shown.copy = copy;
    shown.certificate = copy ? m_issued->number : QString();
    shown.preview = !copy;
    const QPointer<CheckSession> self(this);
    // Only the preview shows the page before it goes; the others are drawn as they go.
    std::shared_ptr<PrintSurface> first =
        where == PageSender::Destination::Preview ? drawn(m_platform, shown) : std::shared_ptr<PrintSurface>(m_platform.newPage());
    sender.route(where, first, what, pdfName, printer, [self, sheet, key](const PageSender::Go &go) {
        if (self)
            self->finalise(sheet, key, go);
        else
            go(nullptr, {});
    });
}

void CheckSession::finalise(const ScaleSheet &frozen, const QByteArray &key, const PageSender::Go &go)
{
    // Printed again (the preview's second page, or stampa once more): the
    // same certificate, a copy, not recorded again.
    if (m_issued && m_issued->key == key) {
        ScaleSheet copy = frozen;
        copy.certificate = m_issued->number;
        copy.copy = true;
        go(drawn(m_platform, copy), {});
        return;
    }
    ++m_numbering;
    const QPointer<CheckSession> self(this);
    reserveCertificate(m_keeper->archive(), this, [self, frozen, key, go](const CertificateNumber &n) {
        if (!self) {
            go(nullptr, {});
            return;
        }
        --self->m_numbering;
        if (n.number.isEmpty()) {
            go(nullptr, {});
            self->m_platform.message(self->m_window,
                                     text(QT_TRANSLATE_NOOP("dravino::ScalePanel",
                                                            "Il certificato non ha avuto un numero (%1): il foglio non è stato stampato."))
                                         .arg(n.why),
                                     text(kTitle), MessageIcon::Critical);
            return;
        }
        ScaleSheet sheet = frozen;
        sheet.certificate = n.number;
        self->m_issued = Issued{key, n.number};
        // The record is the page: its numbers, its rule, its meter, its workshop.
        CheckRecord record = checkOf(sheet.check, sheet.rule);
        record.key = newCheckKey();
        record.takenAt = sheet.now;
        record.code = sheet.code;
        record.jobData = sheet.job;
        record.certificate = n.number;
        record.instrument = sheet.instrument;
        record.identity = identityOf(sheet.frame);
        record.version = QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral(DRAVINO_VERSION)
                                                                          : QCoreApplication::applicationVersion();
        const CheckKeeper::Settle settle = self->m_keeper->keep(record);
        PageSender::Delivered delivered;
        if (settle)
            delivered = [settle](const PrintOutcome &outcome, std::function<void()> tell) { settle(destinationOf(outcome), std::move(tell)); };
        go(drawn(self->m_platform, sheet), delivered);
    });
}

} // namespace dravino
