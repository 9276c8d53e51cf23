#include "print/CalibrationCertificate.h"

#include "print/CalibrationChart.h"
#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>
#include <array>
#include <cmath>

namespace dravino {

using namespace certificate;

namespace {
QString text(const char *source) { return QCoreApplication::translate("CalibrationCertificate", source); }

QString decimal(double v, int decimals)
{
    // (no "-0,00")
    const double rounded = std::round(v * std::pow(10, decimals)) / std::pow(10, decimals);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}
QString dash() { return QStringLiteral("—"); }
QString optional(std::optional<double> v, int decimals) { return v ? decimal(*v, decimals) : dash(); }
QString date(const QDate &d) { return printDate(d); }
QString dateTime(const QDateTime &t) { return printDateTime(t); }

QString familyWords(SensorType t)
{
    switch (t) {
    case SensorType::BoschDelphiVdo: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Bosch/VDO/Delphi"));
    case SensorType::DensoOneWay: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Denso a un'uscita"));
    case SensorType::DensoTwoWay: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Denso a due uscite"));
    }
    return {};
}

// The short mark a table's row carries; the key under the table names each.
QString zoneMark(Zone z)
{
    switch (z) {
    case Zone::Pass: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "C"));
    case Zone::ConditionalPass: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "CC"));
    case Zone::ConditionalFail: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "NCC"));
    case Zone::Fail: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "NC"));
    case Zone::NotJudged: break;
    }
    return dash();
}

QString acceptanceWords(Acceptance a)
{
    return a == Acceptance::GuardBand
        ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "banda di guardia w = U (ILAC-G8:09/2019): conforme entro il limite meno U, "
                                                           "non conforme oltre il limite più U, condizionato tra i due"))
        : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "accettazione semplice (ILAC-G8:09/2019, w = 0): conforme entro il limite, "
                                                           "non conforme oltre; il rischio di accettare un sensore fuori limite arriva "
                                                           "al 50 % per un valore sul limite"));
}

QString limitsWords(const CalibrationLimits &l)
{
    const auto p = [](double v) { return decimal(v, 2); };
    return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Limiti, in % del campo: errore ±%1 %, isteresi %2 %, ripetibilità %3 %, "
                                                            "linearità terminale ±%4 %, linearità BFSL ±%5 %, zero ±%6 %, campo ±%7 %"))
        .arg(p(l.error), p(l.hysteresis), p(l.repeatability), p(l.terminalLinearity), p(l.bestFitLinearity), p(l.zero), p(l.span));
}

QString runName(bool left, CalibrationData::Adjustment a)
{
    if (!left)
        return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Come trovato"));
    return a == CalibrationData::Adjustment::Replaced
        ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Come lasciato (sensore sostituito)"))
        : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Come lasciato (dopo la regolazione)"));
}

QString readingsWords(const CalibrationPlan &p)
{
    return p.converterBits == 0 ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "tensione in mV"))
                                : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "conteggi del convertitore a %1 bit "
                                                                                   "(1 conteggio = %2 mV)"))
                                      .arg(p.converterBits)
                                      .arg(decimal(p.countMv(), 3));
}

QString pointsWords(const CalibrationPlan &p)
{
    QStringList percents;
    for (double v : p.percents)
        percents << decimal(v, v == std::floor(v) ? 0 : 1);
    return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Punti: %1 % del fondo scala nominale, in salita e di nuovo in discesa; "
                                                            "cicli: %2"))
        .arg(percents.join(QStringLiteral(", ")))
        .arg(p.cycles);
}

class Writer
{
public:
    Writer(PrintSurface &s, const CalibrationSheet &sheet) : s(s), sheet(sheet), pages(calibrationPages(sheet)) {}

    void run()
    {
        s.Archival(true);
        s.FontName(QStringLiteral("Arial"));
        s.ForeColor(Qt::black);
        summaryPage();
        const CalibrationResult found = sheet.data.found();
        nextPage();
        resultsPage(sheet.data.asFound, found, false);
        const auto left = sheet.data.left();
        if (left) {
            nextPage();
            resultsPage(*sheet.data.asLeft, *left, true);
        }
        nextPage();
        chartPage(left ? *sheet.data.asLeft : sheet.data.asFound, left ? *left : found, left.has_value());
        nextPage();
        budgetPage(left ? *left : found, left.has_value());
        footer();
        s.FontSize(9);
        s.FontBold(false);
        s.ForeColor(Qt::black);
        s.EndDoc();
    }

private:
    PrintSurface &s;
    const CalibrationSheet &sheet;
    int pages;
    int page = 1;

    void nextPage()
    {
        footer();
        s.NewPage();
        ++page;
        header();
    }

    void footer()
    {
        s.ForeColor(Qt::black);
        s.Line(kLeft, kFooterY - 60, kRight, kFooterY - 60, Qt::black);
        s.CurrentX(kLeft);
        s.CurrentY(kFooterY);
        printFooter(s, sheet.now, sheet.frame.web);
    }

    QString number() const
    {
        const QString n = sheet.preview ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "anteprima")) : sheet.certificate;
        return sheet.copy ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "n. %1 (copia)")).arg(n)
                          : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "n. %1")).arg(n);
    }

    // The issuer, the title, the number and the page, on every page.
    void header()
    {
        const Workshop &w = sheet.frame.workshop;
        const bool logo = !sheet.frame.logo.isNull();
        const double textRight = logo ? kRight - 1900 : kRight;
        s.ForeColor(Qt::black);
        s.CurrentY(0);
        if (logo)
            s.PaintPicture(sheet.frame.logo, kRight - 1700, 0, 1700, 850);
        if (!w.name.isEmpty()) {
            s.FontSize(14);
            s.FontBold(true);
            s.CurrentX(kLeft);
            printWrapped(s, w.name, textRight, 700);
            s.FontBold(false);
        }
        QStringList contact;
        if (!w.phone.isEmpty())
            contact << text(QT_TRANSLATE_NOOP("CalibrationCertificate", "tel. %1")).arg(w.phone);
        if (!w.email.isEmpty())
            contact << w.email;
        s.FontSize(9);
        for (const QString &line : {w.address.simplified(), contact.join(QStringLiteral(" · "))})
            if (!line.isEmpty()) {
                s.CurrentX(kLeft);
                printWrapped(s, line, textRight, 1000);
            }
        double y = std::max(s.CurrentY() + 120, logo ? 970.0 : 0.0);
        s.CurrentY(y);
        s.FontSize(15);
        s.FontBold(true);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Certificato di taratura")), false);
        s.FontSize(13);
        const QString n = number();
        s.CurrentX(rightAlignedX(s, kRight, n));
        s.CurrentY(y + 40);
        s.Print(n, true);
        s.FontBold(false);
        s.FontSize(9);
        const QString what = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Sensore di pressione rail %1")).arg(sheet.code);
        const QString of = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "pagina %1 di %2")).arg(page).arg(pages);
        y = s.CurrentY() + 20;
        s.CurrentY(y);
        s.CurrentX(kLeft);
        s.Print(what, false);
        s.CurrentX(rightAlignedX(s, kRight, of));
        s.Print(of, true);
        y = s.CurrentY() + 60;
        s.Line(kLeft, y, kRight, y, Qt::black);
        s.CurrentY(y + 160);
    }

    void heading(const QString &title)
    {
        s.CurrentY(s.CurrentY() + 120);
        s.FontSize(11);
        s.FontBold(true);
        s.CurrentX(kLeft);
        s.Print(title, true);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 30);
    }

    // A label and its value, the value wrapping in its column.
    void field(const QString &label, const QString &value, bool bold = false)
    {
        constexpr double kValue = kLeft + 2700;
        s.FontSize(9.5);
        const double y = s.CurrentY();
        s.CurrentX(kLeft);
        s.Print(label, false);
        s.CurrentY(y);
        s.CurrentX(kValue);
        s.FontBold(bold);
        printWrapped(s, value, kRight, kContentBottom);
        s.FontBold(false);
    }

    void paragraph(const QString &words, double size = 9, bool bold = false)
    {
        s.FontSize(size);
        s.FontBold(bold);
        s.CurrentX(kLeft);
        printWrapped(s, words, kRight, kContentBottom);
        s.FontBold(false);
    }

    QString referenceWords() const
    {
        const auto &r = sheet.data.reference;
        if (!r)
            return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "nessun riferimento indicato"));
        QString words = r->shown();
        if (!r->certificate.isEmpty())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", certificato n. %1")).arg(r->certificate);
        words += r->kind == PressureReference::Certificate
            ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", U = %1 bar (k = %2)")).arg(decimal(r->expandedBar, 3), decimal(r->k, 1))
            : text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", classe %1 % di %2 bar")).arg(decimal(r->classPercent, 3), decimal(r->rangeBar, 0));
        if (!r->due.isValid())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", scadenza della taratura non indicata"));
        else if (r->due < sheet.now.date())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", TARATURA SCADUTA il %1")).arg(date(r->due));
        else
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", taratura valida fino al %1")).arg(date(r->due));
        return words;
    }

    QString meterWords() const
    {
        const CalibrationData &d = sheet.data;
        if (d.plan().converterBits != 0)
            return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "nessuno: letture dal convertitore della centralina"));
        const MeterAccuracy &a = d.meterAccuracy;
        const InstrumentUsed &m = d.meter;
        QString words = m.rows.isEmpty() ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "multimetro del banco, letture inserite a mano"))
                                         : QStringList{m.vendor, m.model}.join(QLatin1Char(' ')).simplified();
        if (!m.serial.isEmpty())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", n. di serie %1")).arg(m.serial);
        if (!a.certificate.isEmpty())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", certificato n. %1")).arg(a.certificate);
        words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", accuratezza ±(%1 % della lettura + %2 cifre), risoluzione %3 mV"))
                     .arg(decimal(a.percentOfReading, 3), decimal(a.digits, 0), decimal(a.resolutionMv, 3));
        if (!m.calibratedUntil.isValid())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", scadenza della taratura non indicata"));
        else if (m.calibratedUntil < sheet.now.date())
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", TARATURA SCADUTA il %1")).arg(date(m.calibratedUntil));
        else
            words += text(QT_TRANSLATE_NOOP("CalibrationCertificate", ", taratura valida fino al %1")).arg(date(m.calibratedUntil));
        return words;
    }

    void summaryPage()
    {
        header();
        const CalibrationData &d = sheet.data;
        const CalibrationPlan &plan = d.plan();
        if (sheet.withdrawal.withdrawn()) {
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "CERTIFICATO RITIRATO il %1 da %2: %3"))
                          .arg(dateTime(sheet.withdrawal.at), sheet.withdrawal.by, sheet.withdrawal.why),
                      11, true);
            s.CurrentY(s.CurrentY() + 80);
        }
        if (sheet.reprinted.isValid()) {
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Ristampa del %1")).arg(dateTime(sheet.reprinted)), 9.5, true);
            s.CurrentY(s.CurrentY() + 60);
        }
        if (!sheet.replaces.isEmpty()) {
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Questo certificato sostituisce il certificato n. %1.")).arg(sheet.replaces),
                      10, true);
            s.CurrentY(s.CurrentY() + 60);
        }
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Oggetto della taratura")));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Sensore:")), sheet.code.isEmpty() ? dash() : sheet.code, true);
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Famiglia:")), familyWords(d.family));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Fondo scala nominale:")),
              text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1 bar; uscita nominale da %2 mV a %3 mV"))
                  .arg(plan.nominalFullScale)
                  .arg(plan.zeroMv)
                  .arg(plan.zeroMv + plan.spanMv));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Letture:")), readingsWords(plan));
        const JobData &job = sheet.job;
        const std::pair<const char *, QString> jobs[] = {{QT_TRANSLATE_NOOP("CalibrationCertificate", "Cliente:"), job.customer},
                                                         {QT_TRANSLATE_NOOP("CalibrationCertificate", "Veicolo:"), job.vehicle},
                                                         {QT_TRANSLATE_NOOP("CalibrationCertificate", "Commessa:"), job.job}};
        for (const auto &[label, value] : jobs)
            if (!value.isEmpty())
                field(text(label), value.simplified());
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Procedura e condizioni")));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Procedura:")), d.procedure.isEmpty() ? calibrationProcedure() : d.procedure);
        field(QString(), pointsWords(plan));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Data della taratura:")), dateTime(sheet.now));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Ambiente:")),
              d.temperatureC ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "temperatura %1 °C")).arg(decimal(*d.temperatureC, 1))
                             : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "temperatura non rilevata")));
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Strumenti")));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Riferimento di pressione:")), referenceWords());
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Multimetro:")), meterWords());
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Regola di decisione")));
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1, versione %2: %3.")).arg(calibrationRuleName()).arg(kCalibrationRuleVersion).arg(acceptanceWords(d.acceptance)));
        paragraph(limitsWords(d.limits) + QLatin1Char('.'));
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Incertezza estesa U con fattore di copertura k = 2 (livello di fiducia "
                                                                   "di circa il 95 %), secondo la GUM (JCGM 100:2008).")));
        // The verdicts, framed: each run's, conditional ones explained.
        s.CurrentY(s.CurrentY() + 200);
        const double top = s.CurrentY();
        s.CurrentY(top + 120);
        const CalibrationResult found = d.found();
        const auto left = d.left();
        QList<Zone> zones{found.verdict};
        const auto verdictLine = [&](const QString &run, Zone zone) {
            s.FontSize(13);
            s.FontBold(true);
            s.CurrentX(kLeft + 120);
            printWrapped(s, text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1: %2")).arg(run, zoneWords(zone)), kRight - 120, kContentBottom);
            s.FontBold(false);
        };
        verdictLine(runName(false, d.adjustment), found.verdict);
        if (left) {
            verdictLine(runName(true, d.adjustment), left->verdict);
            zones << left->verdict;
        }
        s.FontSize(9);
        for (Zone z : {Zone::ConditionalPass, Zone::ConditionalFail})
            if (zones.contains(z)) {
                s.CurrentX(kLeft + 120);
                printWrapped(s, zoneExplanation(z, d.acceptance), kRight - 120, kContentBottom);
            }
        const CalibrationResult &last = left ? *left : found;
        if (std::isfinite(last.tur)) {
            s.CurrentX(kLeft + 120);
            printWrapped(s,
                         last.tur < 4 ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "TUR %1 : 1, sotto 4 : 1: l'incertezza del "
                                                                                         "riferimento è una parte grande del limite."))
                                            .arg(decimal(last.tur, 1))
                                      : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "TUR %1 : 1 (limite dell'errore sull'incertezza "
                                                                                         "estesa del riferimento)."))
                                            .arg(decimal(last.tur, 1)),
                         kRight - 120, kContentBottom);
        }
        const double bottom = s.CurrentY() + 100;
        for (const auto &[x1, y1, x2, y2] : {std::array{kLeft, top, kRight, top}, {kRight, top, kRight, bottom},
                                              {kRight, bottom, kLeft, bottom}, {kLeft, bottom, kLeft, top}})
            s.Line(x1, y1, x2, y2, Qt::black);
        s.CurrentY(bottom + 200);
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "I risultati valgono per l'oggetto tarato, nelle condizioni "
                                                                   "indicate, al momento della taratura. Il certificato non si "
                                                                   "riproduce in parte.")),
                  8);
    }

    // A table row: cells right-aligned at their columns' right edges, the
    // last left-aligned after its left edge.
    void row(const QList<QString> &cells, const QList<double> &rights, double lastLeft, bool bold, double size)
    {
        s.FontSize(size);
        s.FontBold(bold);
        const double y = s.CurrentY();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            s.CurrentY(y);
            if (i < rights.size())
                s.CurrentX(rightAlignedX(s, rights[i], cells[i]));
            else
                s.CurrentX(lastLeft);
            s.Print(cells[i], false);
        }
        s.CurrentY(y + s.TextHeight());
        s.FontBold(false);
    }

    void rule()
    {
        const double y = s.CurrentY() + 30;
        s.Line(kLeft, y, kRight, y, Qt::black);
        s.CurrentY(y + 50);
    }

    void resultsPage(const CalibrationRun &run, const CalibrationResult &r, bool left)
    {
        const CalibrationPlan &plan = run.plan;
        const double toPercent = 100.0 / plan.nominalFullScale;
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Risultati: %1")).arg(runName(left, sheet.data.adjustment)));
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Per punto: la media delle letture di ogni verso sui cicli, "
                                                                   "l'errore della pressione che indicano sulla caratteristica "
                                                                   "nominale, l'isteresi, la ripetibilità e l'incertezza estesa U.")));
        s.CurrentY(s.CurrentY() + 100);
        const QList<double> rights{kLeft + 700, 2650, 3600, 4550, 5550, 6550, 7450, 8350, 9250, 10150};
        constexpr double kZoneLeft = 10350;
        row({text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Punto")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Riferimento")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Salita")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Discesa")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Err. salita")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Err. discesa")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Isteresi")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Ripetib.")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "U (k=2)")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Esito"))},
            rights, kZoneLeft, true, 7.5);
        row({QStringLiteral("%"), QStringLiteral("bar"), QStringLiteral("mV"), QStringLiteral("mV"), QStringLiteral("bar"),
             QStringLiteral("bar"), QStringLiteral("bar"), QStringLiteral("bar"), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "% campo")),
             QStringLiteral("bar"), QString()},
            rights, kZoneLeft, false, 7.5);
        rule();
        for (int p = 0; p < plan.points(); ++p) {
            const PointResult &pr = r.points[std::size_t(p)];
            row({decimal(plan.percents[std::size_t(p)], 0), decimal(pr.referenceBar, 1), optional(pr.meanMv[0], 1), optional(pr.meanMv[1], 1),
                 optional(pr.errorBar[0], 2), optional(pr.errorBar[1], 2), optional(pr.hysteresisBar, 2), optional(pr.repeatabilityBar, 2),
                 optional(pr.errorPercent, 2), decimal(pr.budget.expandedBar, 2), zoneMark(pr.zone)},
                rights, kZoneLeft, false, 8.5);
        }
        rule();
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "C conforme · CC conforme condizionato · NCC non conforme condizionato · "
                                                                   "NC non conforme · — non misurato (la discesa non ripete il punto più alto)")),
                  7.5);
        if (!r.missing.empty())
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Letture mancanti: %1; il risultato non ha esito."))
                          .arg(r.missing.size()),
                      9, true);
        s.CurrentY(s.CurrentY() + 200);
        // Each result against its limit.
        const QList<double> cols{5600, 7100, 8600};
        constexpr double kVerdictLeft = 8800;
        row({text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Valore (% campo)")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "U (% campo)")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Limite (% campo)")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Esito"))},
            cols, kVerdictLeft, true, 8.5);
        rule();
        const std::pair<const char *, const JudgedResult *> results[] = {
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore massimo"), &r.error},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Isteresi massima"), &r.hysteresis},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Ripetibilità"), &r.repeatability},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Linearità terminale"), &r.terminalLinearity},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Linearità BFSL (minimi quadrati)"), &r.bestFitLinearity},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore di zero"), &r.zero},
            {QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore di campo (span)"), &r.span}};
        for (const auto &[name, j] : results) {
            const double y = s.CurrentY();
            s.FontSize(8.5);
            s.CurrentX(kLeft);
            s.Print(text(name), false);
            s.CurrentY(y);
            QString why;
            if (!j->value)
                why = j == &r.repeatability ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "non valutata: un solo ciclo"))
                    : j == &r.zero || j == &r.span || j == &r.terminalLinearity
                    ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "non valutato: mancano le letture a 0 % o a 100 %"))
                    : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "non valutato: letture mancanti"));
            const bool signedValue = j == &r.zero || j == &r.span;
            row({j->value ? (signedValue ? decimal(*j->value, 2) : decimal(std::abs(*j->value), 2)) : dash(), decimal(j->expanded, 2),
                 (signedValue || j == &r.error || j == &r.terminalLinearity || j == &r.bestFitLinearity ? QStringLiteral("±") : QString())
                     + decimal(j->limit, 2),
                 j->value ? zoneWords(j->zone) : why},
                cols, kVerdictLeft, false, 8.5);
        }
        rule();
        s.CurrentY(s.CurrentY() + 100);
        if (r.bestFitSlopeMvPerBar != 0)
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Retta di miglior approssimazione (minimi quadrati su ogni lettura): "
                                                                       "uscita = %1 mV + %2 mV/bar × pressione; nominale: %3 mV + %4 mV/bar "
                                                                       "× pressione."))
                          .arg(decimal(r.bestFitInterceptMv, 1), decimal(r.bestFitSlopeMvPerBar, 5), QString::number(plan.zeroMv),
                               decimal(double(plan.spanMv) / plan.nominalFullScale, 5)));
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Errore = pressione indicata − pressione di riferimento; in % del "
                                                                   "campo: su %1 bar. Linearità e isteresi in % del campo di uscita "
                                                                   "nominale (%2 mV)."))
                      .arg(plan.nominalFullScale)
                      .arg(plan.spanMv));
        if (r.worstPoint >= 0)
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Incertezza estesa più grande: U = %1 bar (%2 % del campo) a %3 bar; "
                                                                       "il suo bilancio è nell'allegato."))
                          .arg(decimal(r.points[std::size_t(r.worstPoint)].budget.expandedBar, 2),
                               decimal(r.points[std::size_t(r.worstPoint)].budget.expandedBar * toPercent, 2),
                               decimal(r.points[std::size_t(r.worstPoint)].referenceBar, 1)));
        if (std::isfinite(r.tur))
            paragraph(r.tur < 4 ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "TUR %1 : 1 — sotto 4 : 1.")).arg(decimal(r.tur, 1))
                                : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "TUR %1 : 1.")).arg(decimal(r.tur, 1)),
                      9, r.tur < 4);
        s.CurrentY(s.CurrentY() + 120);
        s.FontSize(12);
        s.FontBold(true);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Esito %1: %2")).arg(runName(left, sheet.data.adjustment).toLower(), zoneWords(r.verdict)), true);
        s.FontBold(false);
    }

    void chartPage(const CalibrationRun &run, const CalibrationResult &r, bool left)
    {
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Caratteristica: %1")).arg(runName(left, sheet.data.adjustment).toLower()));
        const CalibrationChart chart = chartOf(run, r, sheet.data.limits);
        const double top = s.CurrentY() + 100;
        printCalibrationCharacteristic(s, chart, QRectF(kLeft, top, kRight - kLeft, 5600));
        heading(QString());
        printCalibrationErrors(s, chart, QRectF(kLeft, top + 5800, kRight - kLeft, 4200));
        // Who answers for it.
        s.CurrentY(top + 10400);
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Firma")));
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Operatore:")),
              sheet.job.operatorName.isEmpty() ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "non indicato")) : sheet.job.operatorName.simplified(),
              true);
        field(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Data:")), date(sheet.now.date()));
        s.CurrentY(s.CurrentY() + 400);
        s.FontSize(9.5);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Firma:")), false);
        const double y = s.CurrentY() + s.TextHeight();
        s.Line(kLeft + 2700, y, kLeft + 7500, y, Qt::black);
        s.CurrentY(y + 100);
    }

    void budgetPage(const CalibrationResult &r, bool left)
    {
        heading(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Allegato: bilancio di incertezza del punto peggiore")));
        if (r.worstPoint < 0) {
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Nessun punto misurato.")));
            return;
        }
        const PointResult &p = r.points[std::size_t(r.worstPoint)];
        const Budget &b = p.budget;
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1, punto a %2 bar. Ogni contributo: stima (semiampiezza o incertezza "
                                                                   "tipo) diviso il divisore della sua distribuzione, per il "
                                                                   "coefficiente di sensibilità; combinati in somma quadratica (GUM)."))
                      .arg(runName(left, sheet.data.adjustment), decimal(p.referenceBar, 1)));
        s.CurrentY(s.CurrentY() + 150);
        const QList<double> cols{6400, 7900, 9400, 11100};
        row({text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Stima")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Divisore")),
             text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Sensibilità")), text(QT_TRANSLATE_NOOP("CalibrationCertificate", "u (bar)"))},
            cols, 0, true, 8.5);
        rule();
        for (const BudgetTerm &t : b.terms) {
            const bool bar = t.source == BudgetTerm::Reference;
            QString name, distribution;
            switch (t.source) {
            case BudgetTerm::Reference:
                name = sheet.data.reference && sheet.data.reference->kind == PressureReference::AccuracyClass
                    ? text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Riferimento di pressione (classe, rettangolare)"))
                    : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Riferimento di pressione (U del certificato, normale)"));
                break;
            case BudgetTerm::MeterAccuracy: name = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Accuratezza del multimetro (rettangolare)")); break;
            case BudgetTerm::MeterResolution: name = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Risoluzione del multimetro (rettangolare)")); break;
            case BudgetTerm::Converter: name = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Risoluzione del convertitore, 1 conteggio (rettangolare)")); break;
            case BudgetTerm::Repeatability: name = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Ripetibilità, s/√n (normale)")); break;
            case BudgetTerm::Hysteresis: name = text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Isteresi (rettangolare)")); break;
            }
            const double y = s.CurrentY();
            s.FontSize(8.5);
            s.CurrentX(kLeft);
            s.Print(name, false);
            s.CurrentY(y);
            row({decimal(t.value, bar ? 3 : 3) + (bar ? QStringLiteral(" bar") : QStringLiteral(" mV")), decimal(t.divisor, 3),
                 bar ? QStringLiteral("1") : text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1 bar/mV")).arg(decimal(t.sensitivity, 4)),
                 decimal(t.contributionBar, 4)},
                cols, 0, false, 8.5);
        }
        rule();
        const auto total = [&](const QString &name, const QString &value, bool bold) {
            const double y = s.CurrentY();
            s.FontSize(9);
            s.FontBold(bold);
            s.CurrentX(kLeft);
            s.Print(name, false);
            s.CurrentY(y);
            s.CurrentX(rightAlignedX(s, cols.last(), value));
            s.Print(value, true);
            s.FontBold(false);
        };
        total(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Incertezza tipo composta u_c")), decimal(b.combinedBar, 4) + QStringLiteral(" bar"),
              false);
        total(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Fattore di copertura k")), decimal(b.k, 0), false);
        total(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Incertezza estesa U = k · u_c")),
              text(QT_TRANSLATE_NOOP("CalibrationCertificate", "%1 bar (%2 % del campo)"))
                  .arg(decimal(b.expandedBar, 3), decimal(b.expandedBar * 100.0 / sheet.data.plan().nominalFullScale, 3)),
              true);
        s.CurrentY(s.CurrentY() + 200);
        paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "Sensibilità: %1 bar/mV, il fondo scala nominale sul campo di uscita "
                                                                   "della famiglia (%2 bar su %3 mV)."))
                      .arg(decimal(double(sheet.data.plan().nominalFullScale) / sheet.data.plan().spanMv, 4))
                      .arg(sheet.data.plan().nominalFullScale)
                      .arg(sheet.data.plan().spanMv));
        if (std::isfinite(r.tur))
            paragraph(text(QT_TRANSLATE_NOOP("CalibrationCertificate", "TUR = limite dell'errore (%1 bar) / U del riferimento (%2 bar) = %3 : 1."))
                          .arg(decimal(sheet.data.limits.error * sheet.data.plan().nominalFullScale / 100.0, 2),
                               decimal(2 * sheet.data.standard().standardUncertaintyBar(), 3), decimal(r.tur, 1)));
    }
};
} // namespace

QString zoneWords(Zone zone)
{
    switch (zone) {
    case Zone::Pass: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "CONFORME"));
    case Zone::ConditionalPass: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "CONFORME CONDIZIONATO"));
    case Zone::ConditionalFail: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "NON CONFORME CONDIZIONATO"));
    case Zone::Fail: return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "NON CONFORME"));
    case Zone::NotJudged: break;
    }
    return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "senza esito"));
}

QString zoneExplanation(Zone zone, Acceptance acceptance)
{
    if (acceptance != Acceptance::GuardBand)
        return {};
    if (zone == Zone::ConditionalPass)
        return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "CONFORME CONDIZIONATO: il valore misurato è entro il limite, ma a meno "
                                                                "della sua incertezza estesa U da esso: con U non si può escludere "
                                                                "che il valore vero sia fuori limite."));
    if (zone == Zone::ConditionalFail)
        return text(QT_TRANSLATE_NOOP("CalibrationCertificate", "NON CONFORME CONDIZIONATO: il valore misurato è oltre il limite, ma a "
                                                                "meno della sua incertezza estesa U da esso: con U non si può "
                                                                "escludere che il valore vero sia entro il limite."));
    return {};
}

int calibrationPages(const CalibrationSheet &sheet) { return sheet.data.asLeft ? 5 : 4; }

void printCalibrationCertificate(PrintSurface &surface, const CalibrationSheet &sheet) { Writer(surface, sheet).run(); }

} // namespace dravino
