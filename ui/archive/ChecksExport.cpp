#include "ui/archive/ChecksExport.h"

#include "print/GuidedReport.h"
#include "archive/CalibrationRecord.h"
#include "print/ValueTable.h"
#include "ui/Numbers.h"
#include "ui/archive/ArchiveModel.h"
#include "ui/archive/ArchiveWindow.h"

#include <QLocale>

namespace dravino {

namespace {

// The rows' columns of a check in the exports, after the list's own.
QStringList rowHeadings()
{
    QStringList out;
    for (int i = 0; i < kScaleRows; ++i)
        out << ArchiveWindow::tr("BAR %1").arg(i) << ArchiveWindow::tr("ADC %1").arg(i) << ArchiveWindow::tr("mVolt %1").arg(i)
            << ArchiveWindow::tr("SCALA %1").arg(i) << ArchiveWindow::tr("Linearità %1").arg(i)
            << ArchiveWindow::tr("Scostamento %1").arg(i);
    return out;
}

// What each check was judged by, after its rows: a check NON CONFORME with
// every row within its limits says why in its own line.
QStringList ruleHeadings()
{
    return {ArchiveWindow::tr("Fondo scala nominale (bar)"), ArchiveWindow::tr("Scostamento ammesso (± bar)"),
            ArchiveWindow::tr("Media"), ArchiveWindow::tr("Zero (mV)"), ArchiveWindow::tr("Regola di decisione")};
}

// What a record is and whether it stands, after what it was judged by.
QStringList kindHeadings()
{
    return {ArchiveModel::heading(ArchiveModel::Kind), ArchiveWindow::tr("Ritirato"), ArchiveWindow::tr("Sostituisce il certificato")};
}
QStringList kindFields(const CheckRecord &r)
{
    return {ArchiveModel::cell(r, ArchiveModel::Kind), r.withdrawal.withdrawn() ? ArchiveModel::withdrawalText(r.withdrawal) : QString(),
            r.replaces};
}

// (a calibration has no average; its rule is its own, with its acceptance and limits)
QString averageMode(const CheckRecord &r)
{
    if (r.kind != CheckKind::Scale)
        return {};
    return r.automaticAverage ? ArchiveWindow::tr("automatica") : ArchiveWindow::tr("manuale");
}
QString ruleName(const CheckRecord &r)
{
    if (r.kind == CheckKind::Calibration) {
        const CalibrationData d = calibrationFrom(r.calibration);
        return ArchiveWindow::tr("%1, versione %2, %3, errore ±%4 %")
            .arg(calibrationRuleName())
            .arg(kCalibrationRuleVersion)
            .arg(d.acceptance == Acceptance::GuardBand ? ArchiveWindow::tr("banda di guardia w = U") : ArchiveWindow::tr("accettazione semplice"))
            .arg(QLocale().toString(d.limits.error, 'f', 2));
    }
    if (r.kind == CheckKind::Guided) // (the limits it was judged by, named and versioned)
        return guidedLimitsWords(guidedFrom(r.guided).limits);
    return ArchiveWindow::tr("versione %1").arg(r.rule.version);
}

// The texts a technician typed or a printer's name: kept as text by a spreadsheet.
const QList<int> kTextColumns{ArchiveModel::Code, ArchiveModel::Certificate, ArchiveModel::Destination, ArchiveModel::Customer,
                              ArchiveModel::Vehicle, ArchiveModel::Job, ArchiveModel::Operator};

} // namespace

QByteArray checksCsv(const QList<CheckRecord> &records)
{
    const QChar sep = csvSeparator();
    const QChar point = QLocale().decimalPoint().front();
    QStringList header;
    for (int c = 0; c < ArchiveModel::Kind; ++c)
        header << ArchiveModel::heading(c);
    QString out = csvLine(header + rowHeadings() + ruleHeadings() + kindHeadings(), sep);
    for (const CheckRecord &r : records) {
        QStringList fields;
        for (int c = 0; c < ArchiveModel::Kind; ++c) {
            const QString cell = c == ArchiveModel::Taken ? r.takenAt.toString(Qt::ISODate) : ArchiveModel::cell(r, c);
            fields << (kTextColumns.contains(c) ? csvText(cell) : cell);
        }
        for (const CheckRow &row : r.rows)
            fields << cellText(row.bar) << cellText(row.adc) << cellText(row.mvolt) << cellText(row.scale)
                   << linearityText(row.linearity, point) << cellText(row.deviation);
        fields << (r.nominalFullScale > 0 ? QString::number(r.nominalFullScale) : QString()) << cellText(r.tolerance) << averageMode(r)
               << cellText(r.rows[0].mvolt) << ruleName(r);
        for (const QString &field : kindFields(r))
            fields << csvText(field);
        out += csvLine(fields, sep);
    }
    return csvFile(out);
}

namespace {
SheetCell sheetCell(const Cell &c)
{
    if (const auto n = cellNumber(c))
        return *n;
    return cellText(c);
}

} // namespace

Spreadsheet checksSheet(const QList<CheckRecord> &records)
{
    Spreadsheet sheet;
    sheet.name = ArchiveWindow::tr("Prove");
    QString date = QLocale().dateFormat(QLocale::ShortFormat);
    sheet.dateFormat = date;
    for (int c = 0; c < ArchiveModel::Kind; ++c)
        sheet.columns << SheetColumn{ArchiveModel::heading(c), c == ArchiveModel::Taken ? SheetColumn::DateTime : SheetColumn::General};
    const QStringList rows = rowHeadings();
    for (int i = 0; i < rows.size(); ++i)
        sheet.columns << SheetColumn{rows[i], i % 6 == 4 ? SheetColumn::Percent : SheetColumn::General};
    for (const QString &heading : ruleHeadings() + kindHeadings())
        sheet.columns << SheetColumn{heading, SheetColumn::General};
    for (const CheckRecord &r : records) {
        QList<SheetCell> line;
        for (int c = 0; c < ArchiveModel::Kind; ++c) {
            if (c == ArchiveModel::Taken)
                line << r.takenAt;
            else if (c == ArchiveModel::Average)
                line << sheetCell(r.average);
            else
                line << ArchiveModel::cell(r, c);
        }
        // The linearity rounded as the sheet shows it (-0.06 %, not -0.0555...).
        for (const CheckRow &row : r.rows) {
            const auto linearity = cellNumber(row.linearity);
            line << sheetCell(row.bar) << sheetCell(row.adc) << sheetCell(row.mvolt) << sheetCell(row.scale)
                 << (linearity ? SheetCell(shownLinearity(float(*linearity))) : sheetCell(row.linearity)) << sheetCell(row.deviation);
        }
        line << (r.nominalFullScale > 0 ? SheetCell(double(r.nominalFullScale)) : SheetCell(QString())) << sheetCell(r.tolerance)
             << SheetCell(averageMode(r)) << sheetCell(r.rows[0].mvolt) << SheetCell(ruleName(r));
        for (const QString &field : kindFields(r))
            line << SheetCell(field);
        sheet.rows << line;
    }
    return sheet;
}

} // namespace dravino
