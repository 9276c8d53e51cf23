#pragma once
// A sheet printed again from its record.

#include "archive/CheckRecord.h"

namespace dravino {

class PrintSurface;
struct PageFrame;

// The sheet a record produced (a scale sheet, or a calibration's
// certificate), in the window's language, saying it is a reprint, of when,
// and a withdrawn certificate that it is withdrawn.
void printRecordedSheet(PrintSurface &surface, const CheckRecord &record, const PageFrame &frame);

} // namespace dravino
