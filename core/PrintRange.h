#pragma once
// The value table's range and rows. How many rows From, From + Step, ... up
// to To make: a range running backwards gives 0 (To less than two steps
// below From) or a negative count (further below), as the print refusals
// tell them apart. Each row is what the calculator shows when its value is
// typed into the stepped field, whatever the fields held before.

#include "core/Sensor.h"

#include <optional>
#include <string_view>
#include <vector>

namespace dravino {

inline constexpr int kMaxPrintValues = 135;

// Nothing when a text does not read as a 16-bit whole number, the step is
// below 1, or To - From leaves 16 bits.
std::optional<int> countPrintValues(std::string_view from, std::string_view to, std::string_view step,
                                    char decimalSeparator = '.');

// Calculate's refusal or warning that a row brings, as its message box does.
enum class RowWarning { None, MillivoltTooHigh, PressureTooHigh };

struct PrintRow {
    int stepped = 0;
    // Nothing where the calculator converts nothing (0 mV or less, a
    // negative pressure, a refused value).
    std::optional<int> computed;
    RowWarning warning = RowWarning::None;
};

struct PrintTable {
    SensorType type = SensorType::BoschDelphiVdo;
    int fullScale = 2000;
    int zeroMv = 500;
    ConversionDirection direction = ConversionDirection::MillivoltToPressure;
    int from = 0;
    int to = 0;
    int step = 1;
};

// From, From + Step, ... while not beyond To; none for a step below 1.
std::vector<PrintRow> printRows(const PrintTable &table);

} // namespace dravino
