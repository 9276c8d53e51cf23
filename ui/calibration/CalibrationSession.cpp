#include "ui/calibration/CalibrationSession.h"

#include "archive/ArchiveService.h"
#include "archive/Certificates.h"
#include "archive/CheckKeeper.h"
#include "base/Settings.h"
#include "print/CalibrationCertificate.h"
#include "print/Footer.h"
#include "print/PrintSurface.h"
#include "ui/Build.h"
#include "ui/Platform.h"
#include "ui/archive/PageIdentity.h"
#include "ui/archive/PageOutcome.h"
#include "ui/dialogs/WorkshopDialog.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QLocale>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>
#include <cmath>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::CalibrationWindow", source); }
const char *const kTitle = QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "Certificato di taratura");

QString sweepWords(Sweep s)
{
    return s == Sweep::Rising ? text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "salita"))
                              : text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "discesa"));
}

std::shared_ptr<PrintSurface> drawn(Platform &platform, const CalibrationSheet &sheet)
{
    std::shared_ptr<PrintSurface> page = platform.newPage();
    printCalibrationCertificate(*page, sheet);
    return page;
}
} // namespace

std::optional<CalibrationProblem> calibrationProblem(const CalibrationModel &model, const QDate &today)
{
    Q_UNUSED(today);
    using P = CalibrationModel::Phase;
    const CalibrationData d = model.data();
    // Every reading of each run: a point without one is no reading.
    for (const P phase : {P::AsFound, P::AsLeft}) {
        if (phase == P::AsLeft && !d.asLeft)
            continue;
        int missing = 0, first = -1;
        for (int row = 0; row < model.rows(); ++row)
            if (!model.reading(row, phase)) {
                ++missing;
                if (first < 0)
                    first = row;
            }
        if (missing == 0)
            continue;
        const CalibrationModel::Place at = model.place(first);
        const QString run = phase == P::AsFound ? text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "come trovato"))
                                                : text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "come lasciato"));
        return CalibrationProblem{CalibrationProblem::Readings,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Letture mancanti nel giro %3: %1 su %2 (la prima: ciclo %4, %5, %6 bar). "
                                                         "Senza ogni lettura non c'è esito né certificato."))
                                      .arg(missing)
                                      .arg(model.rows())
                                      .arg(run)
                                      .arg(at.cycle + 1)
                                      .arg(sweepWords(at.sweep))
                                      .arg(qRound64(model.referenceBar(first))),
                                  first, phase};
    }
    if (!d.reference)
        return CalibrationProblem{CalibrationProblem::Reference,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Nessun riferimento di pressione scelto: il certificato deve dire da dove "
                                                         "vengono le pressioni. Sceglilo, o aggiungilo con Riferimenti..."))};
    const std::string fault = d.standard().fault(d.plan().nominalFullScale);
    if (fault == "uncertainty")
        return CalibrationProblem{CalibrationProblem::Reference,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Il riferimento %1 non ha un'incertezza maggiore di zero: correggilo con "
                                                         "Riferimenti..."))
                                      .arg(d.reference->shown())};
    if (fault == "range")
        return CalibrationProblem{CalibrationProblem::Reference,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Il campo del riferimento %1 (%2 bar) è sotto il fondo scala nominale di "
                                                         "%3 bar: non arriva ai punti alti."))
                                      .arg(d.reference->shown())
                                      .arg(qRound64(d.reference->rangeBar))
                                      .arg(d.plan().nominalFullScale)};
    if (model.code.trimmed().isEmpty())
        return CalibrationProblem{CalibrationProblem::Code,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Scrivi il codice del sensore: il certificato dice quale sensore è stato tarato."))};
    if (model.operatorName.trimmed().isEmpty())
        return CalibrationProblem{CalibrationProblem::Operator,
                                  text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                         "Scrivi il nome dell'operatore: il certificato lo stampa sopra la firma."))};
    return std::nullopt;
}

QStringList calibrationWarnings(const CalibrationData &d, const QDate &today)
{
    QStringList out;
    if (d.reference && d.reference->due.isValid() && d.reference->due < today)
        out << text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "La taratura del riferimento %1 è scaduta il %2: il certificato lo dice."))
                   .arg(d.reference->shown(), printDate(d.reference->due));
    if (d.reference && !d.reference->due.isValid())
        out << text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "Il riferimento %1 non ha una data di scadenza della taratura: il "
                                                                    "certificato lo dice."))
                   .arg(d.reference->shown());
    if (!d.meter.rows.isEmpty() && d.meter.calibratedUntil.isValid() && d.meter.calibratedUntil < today)
        out << text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "La taratura del multimetro è scaduta il %1: il certificato lo dice."))
                   .arg(printDate(d.meter.calibratedUntil));
    const CalibrationResult r = d.asLeft ? *d.left() : d.found();
    if (std::isfinite(r.tur) && r.tur < 4)
        out << text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "Il rapporto tra il limite dell'errore e l'incertezza del riferimento "
                                                                    "(TUR) è %1 : 1, sotto 4 : 1: il certificato lo dice."))
                   .arg(QLocale().toString(r.tur, 'f', 1));
    return out;
}

CalibrationSession::CalibrationSession(Platform &platform, QWidget *window, std::function<ArchiveService *()> archive)
    : QObject(inFlightOwner(window)), m_platform(platform), m_window(window), m_archive(std::move(archive))
{
    if (m_archive)
        m_keeper = new CheckKeeper(m_archive, archiveTeller(m_platform, m_window), this);
}

std::optional<CalibrationProblem> CalibrationSession::start(const CalibrationModel &model, PageSender &sender,
                                                            PageSender::Destination where)
{
    if (m_running || m_numbering > 0 || sender.refuseWhileBusy())
        return std::nullopt;
    const QDateTime now = QDateTime::currentDateTime();
    if (auto problem = calibrationProblem(model, now.date()))
        return problem;
    m_running = true;
    const auto finished = qScopeGuard([this] { m_running = false; });
    // The calibration as it stands now: nothing typed or read while the
    // questions are open changes the page or its record.
    CalibrationSheet sheet;
    sheet.data = model.data();
    sheet.code = model.code.trimmed().toUpper();
    sheet.replaces = model.replaces;
    sheet.now = now;
    sheet.frame = pageFrame(m_platform, m_window);
    sheet.job.operatorName = model.operatorName.trimmed();
    const QByteArray key = model.key();
    for (const QString &warning : calibrationWarnings(sheet.data, m_platform.today()))
        m_platform.message(m_window, warning, text(kTitle), MessageIcon::Exclamation);
    if (sheet.frame.workshop.askJob) {
        JobData proposed;
        proposed.operatorName = sheet.job.operatorName;
        const auto job = m_platform.jobForm(m_window, proposed);
        if (!job)
            return std::nullopt;
        sheet.job = *job;
        if (sheet.job.operatorName.trimmed().isEmpty())
            sheet.job.operatorName = model.operatorName.trimmed();
    }
    setSettingsValue(QStringLiteral("job/operator"), sheet.job.operatorName);
    const QString what = text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "Taratura %1 %2")).arg(sheet.code, now.date().toString(Qt::ISODate));
    const QString pdfName = fileNameFor(what) + QStringLiteral(".pdf");
    const bool copy = m_issued && m_issued->key == key;
    CalibrationSheet shown = sheet;
    shown.copy = copy;
    shown.certificate = copy ? m_issued->number : QString();
    shown.preview = !copy;
    const QPointer<CalibrationSession> self(this);
    std::shared_ptr<PrintSurface> first =
        where == PageSender::Destination::Preview ? drawn(m_platform, shown) : std::shared_ptr<PrintSurface>(m_platform.newPage());
    sender.route(where, first, what, pdfName, {}, [self, sheet, key](const PageSender::Go &go) {
        if (self)
            self->finalise(sheet, key, go);
        else
            go(nullptr, {});
    });
    return std::nullopt;
}

void CalibrationSession::finalise(const CalibrationSheet &frozen, const QByteArray &key, const PageSender::Go &go)
{
    // Printed again (the preview's Stampa, or stampa once more): the same
    // certificate, a copy, not recorded again.
    if (m_issued && m_issued->key == key) {
        CalibrationSheet copy = frozen;
        copy.certificate = m_issued->number;
        copy.copy = true;
        go(drawn(m_platform, copy), {});
        return;
    }
    ++m_numbering;
    const QPointer<CalibrationSession> self(this);
    reserveCertificate(m_keeper ? m_keeper->archive() : nullptr, this, [self, frozen, key, go](const CertificateNumber &n) {
        if (!self) {
            go(nullptr, {});
            return;
        }
        --self->m_numbering;
        if (n.number.isEmpty()) {
            go(nullptr, {});
            self->m_platform.message(self->m_window,
                                     text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow",
                                                            "Il certificato non ha avuto un numero (%1): non è stato stampato."))
                                         .arg(n.why),
                                     text(kTitle), MessageIcon::Critical);
            return;
        }
        CalibrationSheet sheet = frozen;
        sheet.certificate = n.number;
        self->m_issued = Issued{key, n.number};
        // The record is the page: its data, rule and budget, its workshop.
        const CalibrationData &d = sheet.data;
        CheckRecord record;
        record.kind = CheckKind::Calibration;
        record.key = newCheckKey();
        record.takenAt = sheet.now;
        record.code = sheet.code;
        record.denso = d.family != SensorType::BoschDelphiVdo;
        record.bits12 = d.plan().converterBits == 12;
        record.nominalFullScale = d.plan().nominalFullScale;
        record.jobData = sheet.job;
        record.certificate = n.number;
        record.replaces = sheet.replaces;
        record.instrument = d.meter;
        record.identity = identityOf(sheet.frame);
        record.calibration = calibrationJson(d);
        record.zone = d.verdict();
        record.verdict = verdictOf(record);
        record.version = QCoreApplication::applicationVersion().isEmpty() ? QStringLiteral(DRAVINO_VERSION)
                                                                          : QCoreApplication::applicationVersion();
        PageSender::Delivered delivered;
        if (self->m_keeper)
            if (const CheckKeeper::Settle settle = self->m_keeper->keep(record))
                delivered = [settle](const PrintOutcome &outcome, std::function<void()> tell) { settle(destinationOf(outcome), std::move(tell)); };
        emit self->issued(n.number);
        go(drawn(self->m_platform, sheet), delivered);
    });
}

} // namespace dravino
