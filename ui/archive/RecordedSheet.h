#pragma once
// A scale sheet printed again from its record.

#include "archive/CheckRecord.h"

namespace dravino {

class PrintSurface;
struct PageFrame;

// The sheet a record produced, in the window's language, saying it is a
// reprint, of when.
void printRecordedSheet(PrintSurface &surface, const CheckRecord &record, const PageFrame &frame);

} // namespace dravino
