#pragma once
// The checks chosen in the archive window as a file for a spreadsheet: CSV
// in the desktop's own separators, or .xlsx with typed cells; one line a
// check, the list's columns, every row's readings, and then what it was
// judged by (the nominal full scale, the deviations' window, the average's
// mode, the zero, the decision rule's version).

#include "archive/CheckRecord.h"
#include "print/Spreadsheet.h"

#include <QByteArray>
#include <QList>

namespace dravino {

QByteArray checksCsv(const QList<CheckRecord> &records);
Spreadsheet checksSheet(const QList<CheckRecord> &records);

} // namespace dravino
