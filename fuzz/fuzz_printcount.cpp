// The value table's count against the rows the table really prints.
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
    return 0;
}
