#pragma once
// The value table's range: how many rows From, From + Step, ... up to To
// make. A range running backwards gives 0 (To less than two steps below
// From) or a negative count (further below), as the print refusals tell
// them apart.

#include <optional>
#include <string_view>

namespace dravino {

inline constexpr int kMaxPrintValues = 135;

// Nothing when a text does not read as a 16-bit whole number, the step is
// below 1, or To - From leaves 16 bits.
std::optional<int> countPrintValues(std::string_view from, std::string_view to, std::string_view step,
                                    char decimalSeparator = '.');

} // namespace dravino
