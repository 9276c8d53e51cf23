#pragma once
// The characteristic drawn on a page, in lines and text only (a PDF keeps
// them as vectors): output voltage (0 to 5000 mV) against pressure, with
// grid lines at round steps, the nominal line, the deviation band (its two
// edges and a light hatching between them), and each reading as a mark
// whose shape says its verdict: a square for a row within its limits, a
// cross for one outside them (green and red besides, for a colour
// printer), a diamond for one not judged (the zero). A legend names what
// is drawn.

#include "core/Characteristic.h"

#include <QRectF>

namespace dravino {

class PrintSurface;

// Draws into area (twips); leaves the surface's font, colour and position
// as they were.
void printCharacteristic(PrintSurface &s, const Characteristic &c, const QRectF &area);

namespace characteristic {
inline constexpr double kTopMv = 5000; // the vertical axis: the supply's 5 V
inline constexpr double kMark = 140;   // a mark's width, twips
// The pressure the horizontal axis ends at: past the nominal and every
// point, on a round step.
double axisEnd(const Characteristic &c);
} // namespace characteristic

} // namespace dravino
