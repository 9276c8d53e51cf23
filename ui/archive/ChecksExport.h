#pragma once
// The checks chosen in the archive window as a file for a spreadsheet: CSV
// in the desktop's own separators, or .xlsx with typed cells; one line a
// check, the list's columns and then every row's readings.

#include "archive/CheckRecord.h"
#include "print/Spreadsheet.h"

#include <QByteArray>
#include <QList>

namespace dravino {

QByteArray checksCsv(const QList<CheckRecord> &records);
Spreadsheet checksSheet(const QList<CheckRecord> &records);

} // namespace dravino
