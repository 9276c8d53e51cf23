#include "print/Spreadsheet.h"

#include "base/System.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>

namespace dravino {

namespace {
class SpreadsheetText
{
    Q_DECLARE_TR_FUNCTIONS(dravino::Spreadsheet)
};

// Qt's date form as a spreadsheet's number format.
QByteArray excelDate(const QString &qtFormat)
{
    QString f = qtFormat.isEmpty() ? QStringLiteral("yyyy-MM-dd") : qtFormat;
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return (f.toLower() + QStringLiteral(" hh:mm")).toUtf8();
}

QString text(const SheetCell &c)
{
    if (const auto *s = std::get_if<QString>(&c))
        return *s;
    if (const auto *n = std::get_if<double>(&c))
        return QString::number(*n);
    if (const auto *t = std::get_if<QDateTime>(&c))
        return t->toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    return {};
}
} // namespace

std::optional<QByteArray> xlsxFile(const Spreadsheet &sheet, QString *error)
{
    const auto failed = [error](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // libxlsxwriter writes numbers with the C library's printf, in the
    // locale QApplication took from the desktop (an Italian one writes
    // "0,0098", which no spreadsheet reads).
    const CNumbersOnThisThread numbers;
    QTemporaryDir dir;
    if (!dir.isValid())
        return failed(SpreadsheetText::tr("nessuna cartella temporanea in cui preparare il file"));
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("foglio.xlsx")));
    const QByteArray tmp = QFile::encodeName(dir.path());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *book = workbook_new_opt(path.constData(), &options);
    if (!book)
        return failed(SpreadsheetText::tr("il foglio di calcolo non si può preparare"));
    lxw_worksheet *ws = workbook_add_worksheet(book, sheet.name.left(31).toUtf8().constData());
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *percent = workbook_add_format(book);
    format_set_num_format(percent, "0.00%");
    lxw_format *date = workbook_add_format(book);
    format_set_num_format(date, excelDate(sheet.dateFormat).constData());

    QList<int> widths;
    for (int c = 0; c < sheet.columns.size(); ++c) {
        worksheet_write_string(ws, 0, lxw_col_t(c), sheet.columns[c].heading.toUtf8().constData(), bold);
        widths << int(sheet.columns[c].heading.size());
    }
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const auto row = lxw_row_t(r + 1);
        for (int c = 0; c < sheet.rows[r].size() && c < sheet.columns.size(); ++c) {
            const SheetCell &cell = sheet.rows[r][c];
            const auto col = lxw_col_t(c);
            const SheetColumn::Format format = sheet.columns[c].format;
            if (const auto *s = std::get_if<QString>(&cell)) {
                if (!s->isEmpty())
                    worksheet_write_string(ws, row, col, s->toUtf8().constData(), nullptr);
            } else if (const auto *n = std::get_if<double>(&cell)) {
                if (format == SheetColumn::Percent)
                    worksheet_write_number(ws, row, col, *n / 100.0, percent);
                else
                    worksheet_write_number(ws, row, col, *n, nullptr);
            } else if (const auto *t = std::get_if<QDateTime>(&cell)) {
                const QDate d = t->date();
                const QTime h = t->time();
                lxw_datetime when{d.year(), d.month(), d.day(), h.hour(), h.minute(), double(h.second())};
                worksheet_write_datetime(ws, row, col, &when, date);
            }
            widths[c] = std::max(widths[c], int(text(cell).size()) + (format == SheetColumn::DateTime ? 4 : 0));
        }
    }
    for (int c = 0; c < widths.size(); ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::min(60, widths[c] + 2), nullptr);
    worksheet_freeze_panes(ws, 1, 0);
    if (const lxw_error e = workbook_close(book); e != LXW_NO_ERROR)
        return failed(SpreadsheetText::tr("il foglio di calcolo non si può scrivere (%1)").arg(QString::fromUtf8(lxw_strerror(e))));
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    return file.readAll();
}

} // namespace dravino
