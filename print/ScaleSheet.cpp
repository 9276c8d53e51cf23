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

// Where the readings came from; a calibration past on the day the check was
// printed is said so, on its reprints too.
QString instrumentLine(const InstrumentUsed &m, const QDate &printed)
{
    if (m.rows.isEmpty())
        return text(QT_TRANSLATE_NOOP("ScaleSheet", "Letture inserite a mano."));
    QString meter = QStringList{m.vendor, m.model}.join(QLatin1Char(' ')).simplified();
    if (!m.serial.isEmpty())
        meter += text(QT_TRANSLATE_NOOP("ScaleSheet", ", n. di serie %1")).arg(m.serial);
    QStringList rows;
    for (int row : m.rows)
        rows << QString::number(row);
    const QString calibration = !m.calibratedUntil.isValid()
        ? text(QT_TRANSLATE_NOOP("ScaleSheet", "taratura non indicata"))
        : m.calibratedUntil < printed
        ? text(QT_TRANSLATE_NOOP("ScaleSheet", "TARATURA SCADUTA il %1")).arg(QLocale().toString(m.calibratedUntil, QLocale::ShortFormat))
        : text(QT_TRANSLATE_NOOP("ScaleSheet", "taratura valida fino al %1")).arg(QLocale().toString(m.calibratedUntil, QLocale::ShortFormat));
    QString line = text(QT_TRANSLATE_NOOP("ScaleSheet", "Letture dal multimetro %1 (righe %2), %3"))
                       .arg(meter.isEmpty() ? text(QT_TRANSLATE_NOOP("ScaleSheet", "del banco")) : meter, rows.join(QStringLiteral(", ")),
                            calibration);
    if (m.rows.size() < kScaleRows)
        line += text(QT_TRANSLATE_NOOP("ScaleSheet", "; le altre inserite a mano"));
    return line + QLatin1Char('.');
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
                                    .arg(QLocale().toString(sheet.reprinted.date(), QLocale::ShortFormat), printDateTime(sheet.now));
        printWrapped(s,
                     sheet.todaysIdentity ? reprint + text(QT_TRANSLATE_NOOP("ScaleSheet", ", con l'intestazione dell'officina di oggi"))
                                          : reprint,
                     kRuleRight, kBottom);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 100);
    }
    if (!sheet.certificate.isEmpty()) {
        s.FontSize(12);
        s.FontBold(true);
        s.CurrentX(kLeft);
        printWrapped(s, text(QT_TRANSLATE_NOOP("ScaleSheet", "Certificato di prova del sensore di pressione rail")), kRuleRight, kBottom);
        s.FontSize(10);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Certificato n. %1")).arg(sheet.certificate), true);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 150);
    }
    const ScaleCheckModel &check = sheet.check;
    if (const auto v = check.verdict()) {
        const ScaleCheckSettings &set = check.settings();
        const double top = s.CurrentY();
        s.CurrentY(top + 120);
        s.FontSize(14);
        s.FontBold(true);
        s.CurrentX(kLeft + 100);
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Esito della prova: ")) + word(v->passes()), true);
        s.FontBold(false);
        s.FontSize(9);
        // The decision rule: the limits, and what the average is held to.
        QStringList lines{v->nominal > 0
                              ? text(QT_TRANSLATE_NOOP("ScaleSheet", "Regola di decisione: ogni riga entro linearità ±1 % e scostamento "
                                                                     "±%1 bar dalla media; la media entro ±%1 bar dal fondo scala nominale"))
                                    .arg(v->tolerance)
                              : text(QT_TRANSLATE_NOOP("ScaleSheet", "Regola di decisione: ogni riga entro linearità ±1 % e scostamento "
                                                                     "±%1 bar dalla media"))
                                    .arg(v->tolerance)};
        // What the average was judged against (an older record may not know).
        if (v->nominal > 0 && v->average) {
            const QString nominal = text(QT_TRANSLATE_NOOP("ScaleSheet", "Fondo scala nominale %1 bar")).arg(v->nominal);
            lines << (v->nominalPasses
                          ? text(QT_TRANSLATE_NOOP("ScaleSheet", "%1: media %2 bar, entro ±%3 bar"))
                                .arg(nominal).arg(*v->average).arg(v->tolerance)
                          : text(QT_TRANSLATE_NOOP("ScaleSheet", "%1: media %2 bar, fuori di ±%3 bar; il fondo scala più vicino è %4 bar"))
                                .arg(nominal).arg(*v->average).arg(v->tolerance).arg(v->nearestFullScale));
        }
        lines << QStringList{set.denso ? text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore Denso"))
                                       : text(QT_TRANSLATE_NOOP("ScaleSheet", "Sensore Bosch/VDO/Delphi")),
                             set.bits12 ? text(QT_TRANSLATE_NOOP("ScaleSheet", "ADC a 12 bit"))
                                        : text(QT_TRANSLATE_NOOP("ScaleSheet", "ADC a 10 bit")),
                             set.automaticAverage ? text(QT_TRANSLATE_NOOP("ScaleSheet", "media automatica"))
                                                  : text(QT_TRANSLATE_NOOP("ScaleSheet", "media manuale")),
                             text(QT_TRANSLATE_NOOP("ScaleSheet", "zero %1 mV")).arg(QString::fromStdString(check.grid().mvolt[0]))}
                     .join(QStringLiteral(" · "));
        QStringList rows;
        for (int i = 1; i < kScaleRows; ++i)
            if (const auto pass = v->rows[i])
                rows << text(QT_TRANSLATE_NOOP("ScaleSheet", "riga %1 %2")).arg(i).arg(word(*pass));
        lines << text(QT_TRANSLATE_NOOP("ScaleSheet", "Righe: %1")).arg(rows.join(QStringLiteral(" · ")));
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
    } else if (check.stale()) {
        // Its results are not those of the readings printed above.
        s.FontSize(10);
        s.FontBold(true);
        s.CurrentX(kLeft);
        printWrapped(s, text(QT_TRANSLATE_NOOP("ScaleSheet", "Senza esito: le letture o le impostazioni sono cambiate dopo l'ultimo calcolo.")),
                     kRuleRight, kBottom);
        s.FontBold(false);
        s.CurrentY(s.CurrentY() + 200);
    }
    if (const InstrumentUsed &meter = sheet.instrument; meter.known) {
        s.FontSize(9);
        s.CurrentX(kLeft);
        printWrapped(s, instrumentLine(meter, sheet.now.date()), kRuleRight, kBottom);
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
    const Characteristic curve = characteristicOf(check);
    const double top = std::max(s.CurrentY() + 300, kChartTop);
    const double bottom = kBottom - (sheet.certificate.isEmpty() ? 0 : 800);
    if ((curve.nominal > 0 || !curve.points.empty()) && bottom - top >= kChartMinHeight) {
        printCharacteristic(s, curve, QRectF(kRuleLeft, top, kRuleRight - kRuleLeft, bottom - top));
        s.CurrentY(bottom - 300);
    }
    // Who answers for it.
    if (!sheet.certificate.isEmpty()) {
        s.FontSize(10);
        s.CurrentY(s.CurrentY() + 500);
        s.CurrentX(kLeft);
        s.Print(text(QT_TRANSLATE_NOOP("ScaleSheet", "Firma dell'operatore: ")), false);
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
    printWorkshopBand(s, sheet.frame);
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
    for (int i = 0; i < kScaleRows; ++i) {
        const std::pair<const std::string &, QColor> cells[] = {
            {g.bar[i], QColor(255, 0, 0)},
            {g.adc[i], Qt::black},
            {g.mvolt[i], QColor(0, 0, 255)},
            {g.scala[i], Qt::black},
            {g.linearita[i], verdictColor(g.linearitaColor[i])},
            {g.scostamento[i], verdictColor(g.scostamentoColor[i])}};
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
    s.Print(QString::fromStdString(g.media), true);
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
