// Text to whole number (16 and 32 bits) and to single precision.
#include "FuzzInput.h"
#include "core/WholeNumber.h"

#include <cmath>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const char sep = in.byte() % 2 ? ',' : '.';
    const std::string text(in.rest());
    const auto r16 = toInt16(text, sep);
    const auto r32 = toInt32(text, sep);
    const auto rs = toSingle(text, sep);
    fuzz::check((r16.error == NumberError::NotANumber) == (r32.error == NumberError::NotANumber),
                "both widths see the same number");
    if (r16.ok()) {
        fuzz::check(r32.ok() && r32.value == r16.value, "a 16-bit number reads the same in 32 bits");
        const auto again = toInt16(std::to_string(r16.value), sep);
        fuzz::check(again.ok() && again.value == r16.value, "the value's own text reads back");
    }
    if (r32.ok() && (r32.value < -32768 || r32.value > 32767))
        fuzz::check(r16.error == NumberError::Overflow, "beyond 16 bits is an overflow");
    if (rs.ok() && r32.ok())
        fuzz::check(std::fabs(double(rs.value) - r32.value) <= 0.5 + std::fabs(r32.value) * 1e-6,
                    "single and whole readings agree");
    const double x = r32.ok() ? r32.value + 0.5 : 0.5;
    const double r = roundHalfEven(x);
    fuzz::check(std::fmod(r, 2.0) == 0.0, "halves go to the even neighbour");
    return 0;
}
