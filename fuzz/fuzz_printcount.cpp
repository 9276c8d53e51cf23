// The value table's count against the rows the table really prints, and
// the rows themselves: one per value, each converted from its own value.
#include "FuzzInput.h"
#include "core/PrintRange.h"
#include "core/WholeNumber.h"

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::string from = in.text(8);
    const std::string to = in.text(8);
    const std::string step = in.text(8);
    const auto n = countPrintValues(from, to, step);
    if (!n)
        return 0;
    const auto f = toInt16(from), t = toInt16(to), s = toInt16(step);
    fuzz::check(f.ok() && t.ok() && s.ok() && s.value >= 1, "a count only for numbers and a step of at least 1");
    long rows = 0;
    for (long v = f.value; v <= t.value; v += s.value)
        ++rows;
    if (*n >= 0 && t.value >= f.value)
        fuzz::check(rows == *n, "the count is the number of rows printed");
    else
        fuzz::check(rows == 0 && *n <= 0, "a backwards range prints nothing");
    fuzz::check(*n <= 32768, "the count fits");
    PrintTable table;
    table.type = static_cast<SensorType>(in.byte() % 3);
    table.direction = in.byte() % 2 ? ConversionDirection::PressureToMillivolt : ConversionDirection::MillivoltToPressure;
    table.from = f.value;
    table.to = t.value;
    table.step = s.value;
    const auto printed = printRows(table);
    fuzz::check(long(printed.size()) == rows, "one row per value");
    for (std::size_t i = 0; i < printed.size(); ++i)
        fuzz::check(printed[i].stepped == f.value + long(i) * s.value, "rows step from From");
    return 0;
}
