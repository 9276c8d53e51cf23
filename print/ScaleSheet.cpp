#include "print/ScaleSheet.h"

#include "print/CharacteristicChart.h"
#include "print/Footer.h"
#include "print/PrintSurface.h"

#include <QCoreApplication>
#include <QLocale>

namespace dravino {

using namespace scalesheet;

QColor verdictColor(Verdict v)
{
    switch (v) {
    case Verdict::Green:
        return {0, 120, 0};
    case Verdict::Red:
        return {220, 0, 0};
    case Verdict::Unchanged:
        break;
    }
    return Qt::black;
}

namespace
{
QString text(const char *source) { return QCoreApplication::translate("ScaleSheet", source); }
QString word(bool pass)
{
    return pass ? text(QT_TRANSLATE_NOOP("ScaleSheet", "CONFORME")) : text(QT_TRANSLATE_NOOP("ScaleSheet", "NON CONFORME"));
}

// Where the readings came from, each row with its pressure; a calibration
// past on the day the check was printed is said so, on its reprints too.
QString instrumentLine(const InstrumentUsed &m, const QDate &printed, const ScaleGrid &grid)
{
    if (m.rows.isEmpty())
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Letture inserite a mano."));
    QString meter = QStringList{m.vendor, m.model}.join(QLatin1Char(' ')).simplified();
    if (!m.serial.isEmpty())
        meter += text(QT_TRANSLATE_NOOP("ScaleSheet", ", n. di serie %1")).arg(m.serial);
    QStringList rows;
    for (int row : m.rows) {
        const std::string &bar = row >= 0 && row < kScaleRows ? grid.bar[std::size_t(row)] : std::string();
        rows << (bar.empty() ? QString::number(row)
                             : text(QT_TRANSLATE_NOOP("ScaleSheet", "%1 a %2 bar")).arg(row).arg(QString::fromStdString(bar)));
    }
    const QString calibration = !m.calibratedUntil.isValid()
        ? text(QT_TRANSLATE_NOOP("ScaleSheet", "taratura non indicata"))
        : m.calibratedUntil < printed
        ? text(QT_TRANSLATE_NOOP("ScaleSheet", "TARATURA SCADUTA il %1")).arg(printDate(m.calibratedUntil))
        : text(QT_TRANSLATE_NOOP("ScaleSheet", "taratura valida fino al %1")).arg(printDate(m.calibratedUntil));
    const QString which = rows.size() == 1 ? text(QT_TRANSLATE_NOOP("ScaleSheet", "riga %1")).arg(rows.first())
                                           : text(QT_TRANSLATE_NOOP("ScaleSheet", "righe %1")).arg(rows.join(QStringLiteral(", ")));
    QString line = text(QT_TRANSLATE_NOOP("ScaleSheet", "Letture dal multimetro %1 (%2), %3"))
                       .arg(meter.isEmpty() ? text(QT_TRANSLATE_NOOP("ScaleSheet", "del banco")) : meter, which, calibration);
    if (m.rows.size() < kScaleRows)
        line += text(QT_TRANSLATE_NOOP("ScaleSheet", "; le altre inserite a mano"));
    return line + QLatin1Char('.');
}

// The rule in words, named with its version: every limit a verdict on the
// page can be checked against.
QString ruleWords(const DecisionRule &rule, const Judgement &j)
{
    const QString limits = QString::number(rule.linearityPercent).replace(QLatin1Char('.'), QLocale().decimalPoint());
    QString words = text(QT_TRANSLATE_NOOP("ScaleSheet", "Regola di decisione (versione %1): ogni riga entro linearità ±%2 % e "
                                                         "scostamento ±%3 bar dalla media"))
                        .arg(rule.version)
                        .arg(limits)
                        .arg(j.tolerance);
    if (j.nominal > 0)
        words += text(QT_TRANSLATE_NOOP("ScaleSheet", "; la media entro ±%1 bar dal fondo scala nominale")).arg(j.tolerance);
    if (rule.version >= 2) {
        words += text(QT_TRANSLATE_NOOP("ScaleSheet", "; almeno %1 righe calcolate")).arg(rule.minComputedRows);
        if (rule.minTopShare > 0 && j.nominal > 0)
            words += text(QT_TRANSLATE_NOOP("ScaleSheet", ", una a %1 bar o più")).arg(qRound64(rule.minTopShare * j.nominal));
        if (rule.skippedRowFails)
            words += text(QT_TRANSLATE_NOOP("ScaleSheet", "; una riga misurata e non calcolata non è conforme"));
    }
    return words;
}

// A row's verdict with its pressure; a failing row with what failed, to
// the precision it was judged at.
QString rowWords(const Judgement &j, int i, char sep)
{
    const RowJudgement &r = j.rows[std::size_t(i)];
    const QString row = text(QT_TRANSLATE_NOOP("ScaleSheet", "riga %1, %2 bar:")).arg(i).arg(r.bar);
    if (r.state == RowJudgement::Skipped && j.rule.skippedRowFails)
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "%1 %2: %3 mV, non oltre i %4 mV sotto cui una lettura non si calcola"))
            .arg(row, word(false)).arg(r.mv).arg(kScaleValidityMv);
    if (r.state != RowJudgement::Computed)
        return {};
    if (r.passes())
        return row + QLatin1Char(' ') + word(true);
    QStringList why;
    if (!r.linearityPasses)
        why << text(QT_TRANSLATE_NOOP("ScaleSheet", "linearità %1 % oltre ±%2 %"))
                   .arg(QString::fromStdString(judgedLinearity(r.linearity, j.rule.linearityPercent, sep)),
                        QString::number(j.rule.linearityPercent).replace(QLatin1Char('.'), QLatin1Char(sep)));
    if (!r.deviationPasses)
        why << text(QT_TRANSLATE_NOOP("ScaleSheet", "scostamento %1 bar oltre ±%2 bar")).arg(r.deviation).arg(j.tolerance);
    return QStringLiteral("%1 %2 (%3)").arg(row, word(false), why.join(QStringLiteral(", ")));
}

// Why a check has no verdict, for the page; empty for a sheet printed
// before any computation (it claims nothing).
QString noVerdictWords(const ScaleCheckModel &check, const Judgement &j, char sep)
{
    using R = Judgement::Reason;
    if (check.stale())
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: le letture o le impostazioni sono cambiate dopo l'ultimo calcolo."));
    if (j.failure) {
        const ScaleFailure &f = *j.failure;
        const QString failure = f.kind == ScaleFailure::CountBeyond
            ? text(QT_TRANSLATE_NOOP("ScaleSheet", "riga %1: il valore ADC %2 supera %3")).arg(f.row).arg(f.count).arg(f.maxCount)
            : f.divisionByZero() ? text(QT_TRANSLATE_NOOP("ScaleSheet", "divisione per zero"))
                                 : text(QT_TRANSLATE_NOOP("ScaleSheet", "Errore %1  %2"))
                                       .arg(f.number)
                                       .arg(QCoreApplication::translate("core", f.description.c_str()));
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: il calcolo non è andato a buon fine (%1).")).arg(failure);
    }
    if (j.has(R::AverageUnreadable))
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: la media \"%1\" non si legge come numero."))
            .arg(QString::fromStdString(check.grid().media));
    if (j.has(R::TooFewRows))
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: righe calcolate %1, la regola ne chiede almeno %2."))
            .arg(j.computedRows)
            .arg(j.rule.minComputedRows);
    if (j.has(R::NoRowHighEnough))
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: nessuna riga calcolata a %1 bar o più (metà del fondo scala "
                                                    "nominale %2 bar)."))
            .arg(qRound64(j.rule.minTopShare * j.nominal))
            .arg(j.nominal);
    Q_UNUSED(sep);
    return {};
}

// The verdict, the limits and settings behind it, each row's verdict; the
// job; a reprint's dates: below the footer, in the room the page leaves.
void printBandBelow(PrintSurface &s, const ScaleSheet &sheet)
{
    constexpr double kLeft = 1000;
    constexpr double kBottom = 16000; // the printable area's end, with a margin
    constexpr double kChartTop = 8600; // the lower half
    constexpr double kChartMinHeight = 3000;
    s.ForeColor(Qt::black);
    s.CurrentY(s.CurrentY() + 400);
    if (sheet.reprinted.isValid()) {
        s.FontSize(10);
        s.FontBold(true);
        s.CurrentX(kLeft);
        const QString reprint = text(QT_TRANSLATE_NOOP("ScaleSheet", "Ristampa del %1 della prova del %2"))
                                    .arg(printDate(sheet.reprinted.date()), printDateTime(sheet.now));
        printWrapped(s,
                     sheet.todaysIdentity ? reprint + text(QT_TRANSLATE_NOOP("ScaleSheet", ", con l'intestazione dell'officina di oggi"))
                                          : reprint,
                     kRuleRight, kBottom);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 100);
    }
    const ScaleCheckModel &check = sheet.check;
    const Judgement judged = judge(check, sheet.rule);
    const char sep = QLocale().decimalPoint().front().toLatin1();
    if (judged.outcome != Judgement::NoVerdict) {
        const ScaleCheckSettings &set = check.settings();
        const DecisionRule &rule = judged.rule;
        const double top = s.CurrentY();
        s.CurrentY(top + 120);
        s.FontSize(14);
        s.FontBold(true);
        s.CurrentX(kLeft + 100);
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Esito della prova: ")) + word(judged.passes()), true);
        s.FontBold(false);
        s.FontSize(9);
        QStringList lines{ruleWords(rule, judged)};
        // What the average was judged against (an older record may not know).
        if (judged.nominal > 0 && judged.average) {
            const QString nominal = text(QT_TRANSLATE_NOOP("ScaleSheet", "Fondo scala nominale %1 bar")).arg(judged.nominal);
            const QString average = QString::fromStdString(averageText(*judged.average, sep));
            QString line = judged.nominalPasses ? text(QT_TRANSLATE_NOOP("ScaleSheet", "%1: media %2 bar, entro ±%3 bar"))
                                                      .arg(nominal, average).arg(judged.tolerance)
                                                : text(QT_TRANSLATE_NOOP("ScaleSheet", "%1: media %2 bar, fuori di ±%3 bar"))
                                                      .arg(nominal, average).arg(judged.tolerance);
            // The nearest full scale, where it is another.
            if (!judged.nominalPasses && judged.nearestFullScale != judged.nominal)
                line += text(QT_TRANSLATE_NOOP("ScaleSheet", "; il fondo scala più vicino è %1 bar")).arg(judged.nearestFullScale);
            lines << line;
        }
        lines << QStringList{set.denso ? text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore Denso"))
                                       : text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore Bosch/VDO/Delphi")),
                             set.bits12 ? text(QT_TRANSLATE_NOOP("ScaleSheet", "ADC a 12 bit"))
                                        : text(QT_TRANSLATE_NOOP("ScaleSheet", "ADC a 10 bit")),
                             set.automaticAverage ? text(QT_TRANSLATE_NOOP("ScaleSheet", "media automatica"))
                                                  : text(QT_TRANSLATE_NOOP("ScaleSheet", "media manuale")),
                             text(QT_TRANSLATE_NOOP("ScaleSheet", "zero %1 mV")).arg(QString::fromStdString(check.grid().mvolt[0]))}
                     .join(QStringLiteral(" · "));
        // Each row's verdict on its own line, with its pressure.
        for (int i = 1; i < kScaleRows; ++i)
            if (const QString row = rowWords(judged, i, sep); !row.isEmpty())
                lines << row;
        for (const QString &line : lines) {
            s.CurrentX(kLeft + 100);
            printWrapped(s, line, kRuleRight - 100, kBottom);
        }
        // Framed: a black-and-white printer keeps it.
        const double bottom = s.CurrentY() + 100;
        for (const auto &[x1, y1, x2, y2] : {std::array{kRuleLeft, top, kRuleRight, top}, {kRuleRight, top, kRuleRight, bottom},
                                              {kRuleRight, bottom, kRuleLeft, bottom}, {kRuleLeft, bottom, kRuleLeft, top}})
            s.Line(x1, y1, x2, y2, Qt::black);
        s.CurrentY(bottom + 200);
    } else if (const QString why = noVerdictWords(check, judged, sep); !why.isEmpty()) {
        // No verdict, and why: a check changed since, a computation that
        // stopped, an average that does not read, too few points.
        s.FontSize(10);
        s.FontBold(true);
        s.CurrentX(kLeft);
        printWrapped(s, why, kRuleRight, kBottom);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 200);
    }
    if (const InstrumentUsed &meter = sheet.instrument; meter.known) {
        s.FontSize(9);
        s.CurrentX(kLeft);
        printWrapped(s, instrumentLine(meter, sheet.now.date(), sheet.check.grid()), kRuleRight, kBottom);
        s.CurrentY(s.CurrentY() + 150);
    }
    const JobData &job = sheet.job;
    QStringList parts;
    const std::pair<const char *, QString> fields[] = {{QT_TRANSLATE_NOOP("ScaleSheet", "Cliente: %1"), job.customer},
                                                       {QT_TRANSLATE_NOOP("ScaleSheet", "Veicolo: %1"), job.vehicle},
                                                       {QT_TRANSLATE_NOOP("ScaleSheet", "Commessa: %1"), job.job},
                                                       {QT_TRANSLATE_NOOP("ScaleSheet", "Operatore: %1"), job.operatorName}};
    for (const auto &[label, value] : fields)
        if (!value.isEmpty())
            parts << text(label).arg(value.simplified());
    if (!parts.isEmpty()) {
        s.FontSize(10);
        s.CurrentX(kLeft);
        printWrapped(s, parts.join(QStringLiteral(" · ")), kRuleRight, kBottom);
    }
    // The characteristic, in the page's lower half (lower, below a long
    // band), the signature's room kept under it.
    const Characteristic curve = characteristicOf(check, judged);
    const double top = std::max(s.CurrentY() + 300, kChartTop);
    const double bottom = kBottom - (sheet.certificate.isEmpty() && !sheet.preview ? 0 : 1100);
    if ((curve.nominal > 0 || !curve.points.empty()) && bottom - top >= kChartMinHeight) {
        printCharacteristic(s, curve, QRectF(kRuleLeft, top, kRuleRight - kRuleLeft, bottom - top));
        s.CurrentY(bottom - 300);
    }
    // Who answers for it: the operator's name, the date, the signature.
    if (!sheet.certificate.isEmpty() || sheet.preview) {
        s.FontSize(10);
        s.CurrentY(s.CurrentY() + 300);
        s.CurrentX(kLeft);
        const QString name = sheet.job.operatorName.simplified();
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Operatore: ")), false);
        if (name.isEmpty()) {
            const double x = s.CurrentX(), y = s.CurrentY() + s.TextHeight();
            s.Line(x, y, x + 3000, y, Qt::black);
            s.CurrentX(x + 3200);
        } else {
            s.FontBold(true);
            s.Print(name, false);
            s.FontBold(false);
            s.CurrentX(s.CurrentX() + 400);
        }
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Data: %1")).arg(printDate(sheet.now.date())), true);
        s.CurrentY(s.CurrentY() + 250);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Firma: ")), false);
        const double x = s.CurrentX(), y = s.CurrentY() + s.TextHeight();
        s.Line(x, y, kRuleRight, y, Qt::black);
        s.CurrentY(y + 100);
    }
}

// The code from the current position to the rules' right end, going on
// under its start for up to three lines; what does not fit them ends in
// "...", so that the verdict below always has its room on the page.
void printWrapped(PrintSurface &s, const QString &code)
{
    constexpr int kLines = 3;
    const QString more = QStringLiteral("...");
    const double left = s.CurrentX();
    QString rest = code;
    for (int line = 1; !rest.isEmpty(); ++line) {
        const bool last = line == kLines;
        const auto fits = [&](qsizetype n) {
            return left + s.TextWidth(rest.left(n) + (last && n < rest.size() ? more : QString())) <= kRuleRight;
        };
        qsizetype n = rest.size();
        while (n > 1 && !fits(n))
            --n;
        // A character and its combining marks or surrogate stay together.
        while (n < rest.size() && (rest.at(n).isLowSurrogate() || rest.at(n).isMark()))
            ++n;
        s.CurrentX(left);
        s.Print(rest.left(n) + (last && n < rest.size() ? more : QString()), true);
        rest.remove(0, n);
        if (last)
            break;
    }
}
} // namespace

void printScaleSheet(PrintSurface &s, const ScaleSheet &sheet)
{
    static const char *const headings[] = {
        QT_TRANSLATE_NOOP("ScaleSheet", "BAR"),   QT_TRANSLATE_NOOP("ScaleSheet", "ADC"),
        QT_TRANSLATE_NOOP("ScaleSheet", "mVolt"), QT_TRANSLATE_NOOP("ScaleSheet", "SCALA"),
        QT_TRANSLATE_NOOP("ScaleSheet", "Linearità"), QT_TRANSLATE_NOOP("ScaleSheet", "Scostamento")};
    // A certificate written as a file is archival (PDF/A-1b, its fonts embedded).
    if (!sheet.certificate.isEmpty() || sheet.preview)
        s.Archival(true);
    // Above the grid: who issues it, and what it is, its number, date and page.
    const QString dated = text(QT_TRANSLATE_NOOP("ScaleSheet", "prova del %1 · pagina 1 di 1")).arg(printDateTime(sheet.now));
    QStringList title;
    if (!sheet.certificate.isEmpty() || sheet.preview) {
        const QString number = sheet.preview ? text(QT_TRANSLATE_NOOP("ScaleSheet", "anteprima")) : sheet.certificate;
        title << text(QT_TRANSLATE_NOOP("ScaleSheet", "Certificato di prova del sensore di pressione rail"))
              << (sheet.copy ? text(QT_TRANSLATE_NOOP("ScaleSheet", "Certificato n. %1 (copia)")).arg(number)
                             : text(QT_TRANSLATE_NOOP("ScaleSheet", "Certificato n. %1")).arg(number))
                     + QStringLiteral(" · ") + dated;
    } else {
        title << text(QT_TRANSLATE_NOOP("ScaleSheet", "Foglio di prova")) << dated;
    }
    printWorkshopBand(s, sheet.frame, title);
    s.FontName(QStringLiteral("Arial"));
    s.FontSize(12);
    s.FontBold(true);
    s.CurrentY(kHeadingY);
    for (int c = 0; c < 6; ++c) {
        s.CurrentX(kHeadingLeft[c]);
        s.Print(text(headings[c]), c == 5);
    }
    s.FontBold(false);
    s.CurrentY(s.CurrentY() + kGapAfterHeadings);

    const ScaleGrid &g = sheet.check.grid();
    // A check changed since its computation: its entries, and no result of
    // that other computation beside them.
    const bool entriesOnly = sheet.check.stale();
    const std::string none;
    const auto result = [&](const std::string &cell) -> const std::string & { return entriesOnly ? none : cell; };
    for (int i = 0; i < kScaleRows; ++i) {
        // (for a printer without colour every result prints black)
        const auto ink = [&](const QColor &c) { return sheet.greyscale ? QColor(Qt::black) : c; };
        const std::pair<const std::string &, QColor> cells[] = {
            {g.bar[i], ink(QColor(255, 0, 0))},
            {g.adc[i], Qt::black},
            {result(g.mvolt[i]), ink(QColor(0, 0, 255))},
            {result(g.scala[i]), Qt::black},
            {result(g.linearita[i]), ink(verdictColor(g.linearitaColor[i]))},
            {result(g.scostamento[i]), ink(verdictColor(g.scostamentoColor[i]))}};
        for (int c = 0; c < 6; ++c) {
            const QString cell = QString::fromStdString(cells[c].first);
            s.ForeColor(cells[c].second);
            s.CurrentX(rightAlignedX(s, kCellRight[c], cell));
            s.Print(cell, c == 5);
        }
        const double y = s.CurrentY();
        s.Line(kRuleLeft, y + kRuleBelow, kRuleRight, y + kRuleBelow, Qt::black);
        s.CurrentY(s.CurrentY() + kGapAfterRule);
    }

    s.ForeColor(Qt::black);
    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeCode);
    s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore: ")), false);
    s.FontBold(true);
    printWrapped(s, sheet.code);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeAverage);
    s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Valore medio della scala:  ")), false);
    s.FontBold(true);
    // (an automatic average is the other computation's result, unless typed since)
    const bool averageIsResult = sheet.check.settings().automaticAverage && !sheet.check.averageChanged();
    s.Print(QString::fromStdString(entriesOnly && averageIsResult ? none : g.media), true);
    s.FontBold(false);

    s.CurrentX(kClosingLeft);
    s.CurrentY(s.CurrentY() + kGapBeforeFooter);
    printFooter(s, sheet.now, sheet.frame.web);
    printBandBelow(s, sheet);
    s.FontName(QStringLiteral("Arial"));
    s.FontSize(9);
    s.FontBold(false);
    s.ForeColor(Qt::black);
    s.EndDoc();
}

} // namespace dravino
