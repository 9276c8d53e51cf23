#include "core/PrintRange.h"

#include "core/WholeNumber.h"


namespace dravino {

std::optional<int> countPrintValues(std::string_view fromText, std::string_view toText,
                                    std::string_view stepText, char sep)
{
    const auto from = toInt16(fromText, sep);
    const auto to = toInt16(toText, sep);
    const auto step = toInt16(stepText, sep);
    if (!from.ok() || !to.ok() || !step.ok() || step.value < 1)
        return std::nullopt;
    const int d = to.value - from.value;
    if (d < -32768 || d > 32767)
        return std::nullopt;
    // Floor division: a backwards range never counts a row it cannot print.
    const int q = d >= 0 ? d / step.value : -((-d + step.value - 1) / step.value);
    return q + 1;
}

} // namespace dravino
