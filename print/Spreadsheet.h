#pragma once
// A spreadsheet file (.xlsx, through libxlsxwriter) of one sheet: a heading
// row that stays in view, then the rows, each cell of its own type: a text
// stays a text (a code keeps its leading 0, "=1+1" is no formula), a number
// a number, a date a date; the columns as wide as their contents.
// LibreOffice and Excel open it without asking anything.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <variant>

namespace dravino {

struct SheetColumn {
    QString heading;
    enum Format { General, Percent, DateTime } format = General; // Percent: the number is percent (0.98 is 0.98 %)
};
using SheetCell = std::variant<std::monostate, QString, double, QDateTime>;

struct Spreadsheet {
    QString name;                  // the sheet's tab
    QString dateFormat;            // Qt's form ("dd/MM/yyyy"); hours and minutes follow
    QList<SheetColumn> columns;
    QList<QList<SheetCell>> rows;
};

// The file's bytes; nothing (and why) when it could not be made.
std::optional<QByteArray> xlsxFile(const Spreadsheet &sheet, QString *error = nullptr);

} // namespace dravino
