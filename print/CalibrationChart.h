#pragma once
// A calibration drawn, on its certificate and in its window by the same
// routines, in lines and text only and in black: the characteristic (the
// output against the reference pressure) with each reading as a mark whose
// shape says its sweep (a triangle pointing up for rising, down for
// falling), the family's nominal line solid and the best-fit straight line
// dashed; and each reading's error in % of span against its limit, the
// guard band's inner limit dotted where the decision uses one.

#include "core/Calibration.h"

#include <QRectF>
#include <optional>
#include <vector>

namespace dravino {

class PrintSurface;

struct CalibrationChart {
    CalibrationPlan plan;
    struct Reading {
        double bar = 0, mv = 0;
        Sweep sweep = Sweep::Rising;
    };
    std::vector<Reading> readings;
    std::optional<Line> bestFit; // mV = intercept + slope·bar
    double errorLimit = 1;       // % of span
    double guard = 0;            // the guard band's width, % of span (0: simple acceptance)
};

CalibrationChart chartOf(const CalibrationRun &run, const CalibrationResult &result, const CalibrationLimits &limits);

// Each draws into area (twips) and leaves the surface's font, colour and
// position as they were.
void printCalibrationCharacteristic(PrintSurface &s, const CalibrationChart &chart, const QRectF &area);
void printCalibrationErrors(PrintSurface &s, const CalibrationChart &chart, const QRectF &area);

} // namespace dravino
