#pragma once
// The printed value table: the workshop's band, a title with the full
// scale and under it the sensor family and, where it is not the family's
// own, the zero point the rows used; up to three column groups of
// right-aligned stepped/computed pairs with a rule under every row, and
// the footer. The rows are texts made from the core's printRows, the
// same for every destination of the page.

#include "core/PrintRange.h"
#include "print/Workshop.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace dravino {

class PrintSurface;

struct ValueTableRow {
    QString stepped;
    QString computed;
};

struct ValueTableInput {
    QString fullScaleText;
    bool millivoltStepped = true; // the stepped column holds millivolts
    QList<ValueTableRow> rows;
    QDateTime now;
    QString family;               // the sensor family, as the window names it
    int zeroMv = 0;               // the zero point the rows used
    int familyZeroMv = 0;         // ... and the family's own
    PageFrame frame;
};

// The rows as the table prints them: the first stepped value as From was
// typed ("0500"), the others as whole numbers, "--" where nothing converts.
QList<ValueTableRow> valueTableRows(const std::vector<PrintRow> &rows, const QString &fromText);

namespace valuetable {
constexpr double kTitleY = 400;
constexpr double kPageWidth = 11700;
constexpr double kHeadingY = 950;
constexpr double kHeadingGap = 200;
constexpr double kRuleBelow = 10;
constexpr double kGapAfterRule = 35;
constexpr double kColumnBreakY = 15400;
constexpr double kFooterY = 15800;
constexpr double kGroupShift = 4000;
constexpr int kMaxGroups = 3;
} // namespace valuetable

// CSV as the language's spreadsheets read it: ";" where the decimal
// separator is a comma, "," otherwise; a line's fields quoted where they
// hold the separator, a quote or a line break, ended by CR LF; the file
// UTF-8 with a byte-order mark.
QChar csvSeparator();
QString csvLine(const QStringList &fields, QChar separator);
QByteArray csvFile(const QString &lines);
// A text field (a code, a name) as a spreadsheet keeps it: one that starts
// as a formula would (= + - @, a tab, a carriage return) gets a leading
// apostrophe, so that "=1+1" stays those four characters and runs nothing.
QString csvText(const QString &field);

// The same rows as a CSV file: the two headings in the window's language,
// then a line per row, separated by separator; UTF-8 with a byte-order
// mark and CR LF line ends, as spreadsheets read it.
QByteArray valueTableCsv(const ValueTableInput &input, QChar separator);

// The same rows as a spreadsheet: numbers as numbers, "--" as a text.
struct Spreadsheet;
Spreadsheet valueTableSheet(const ValueTableInput &input);

// Prints the document and ends it; the checks are the caller's.
void printValueTable(PrintSurface &surface, const ValueTableInput &input);

} // namespace dravino
