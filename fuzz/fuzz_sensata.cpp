// The Sensata decoding of any text.
#include "FuzzInput.h"
#include "core/Sensata.h"

#include <chrono>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const int currentYear = in.number(2000, 2099);
    const std::string text(in.rest());
    const auto d = decodeSensata(text, currentYear);
    fuzz::check(d.length == text.size(), "the length is the typed length");
    if (d.outcome == SensataDecoding::Outcome::Date) {
        namespace c = std::chrono;
        const c::year_month_day date{c::year{d.year}, c::month{unsigned(d.month)}, c::day{unsigned(d.day)}};
        fuzz::check(date.ok(), "a decoded date is a real calendar date");
        fuzz::check(d.year >= 1900 && d.year <= currentYear, "the year lies in the window");
    } else {
        fuzz::check(d.serial.empty(), "no serial without a date");
    }
    if (d.outcome == SensataDecoding::Outcome::Error)
        fuzz::check(d.errorNumber == 13, "a field that is no number is a type mismatch");
    return 0;
}
