#pragma once
// A scale check's characteristic: its readings as points of output voltage
// against pressure, beside the line a sensor of its family would follow at
// the nominal full scale from the check's own zero reading, and the band
// the rule's deviation window allows the readings around their average
// (the full scales average - tolerance and average + tolerance). Each mark
// is its row's verdict under the same rule. The sheet draws it.

#include "core/CheckRule.h"
#include "core/ScaleCheckModel.h"

#include <vector>

namespace dravino {

struct CharacteristicPoint {
    int row = 0;
    int bar = 0;
    int mv = 0;
    // Within: the row passed; Outside: it failed (or, measured, was left
    // out); Plain: not judged (the zero row, or a check without a verdict).
    enum Mark { Plain, Within, Outside } mark = Plain;
    bool operator==(const CharacteristicPoint &) const = default;
};

struct Characteristic {
    int zeroMv = 0;   // the zero row's reading, else the family's own
    int spanMv = 0;   // the family's output from 0 bar to full scale
    int nominal = 0;  // bar; 0: no line to draw
    int bandCentre = 0; // bar: the average full scale the band lies around
    int tolerance = 0; // bar; 0: no band (a check without a verdict)
    std::vector<CharacteristicPoint> points; // rows with a pressure and a reading, in row order

    // The line at full scale fullScale (bar > 0), in mV at bar.
    double mvAt(double bar, int fullScale) const { return zeroMv + bar * spanMv / fullScale; }
};

Characteristic characteristicOf(const ScaleCheckModel &check, const Judgement &judgement);

// A round step for an axis spanning 0..top divided into about `parts`
// (1, 2 or 5 times a power of ten; at least 1).
int axisStep(double top, int parts);

} // namespace dravino
