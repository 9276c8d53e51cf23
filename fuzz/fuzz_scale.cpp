// The scale computation over six arbitrary rows.
#include "FuzzInput.h"
#include "core/ScaleCheck.h"
#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <algorithm>
#include <cmath>

using namespace dravino;

namespace {
bool wholeOrEmpty(const std::string &s)
{
    return s.empty() || (toInt32(s).ok() && std::to_string(toInt32(s).value) == s);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const auto flags = in.byte();
    const ScaleSettings settings{bool(flags & 1), bool(flags & 2), bool(flags & 4), '.'};
    ScaleGrid g;
    for (int i = 0; i < kScaleRows; ++i) {
        g.adc[i] = in.text(6);
        g.bar[i] = in.text(6);
    }
    g.media = in.text(8);
    const ScaleGrid before = g;
    const auto failures = calcolaScala(g, settings);

    const auto divisions = std::count_if(failures.begin(), failures.end(), [](auto &f) { return f.divisionByZero; });
    const bool stopped = !failures.empty() && failures.back().divisionByZero;
    fuzz::check(divisions == (stopped ? 1 : 0), "a division by zero ends the computation");
    // A computed row whose reading equals the zero row's, with a pressure
    // other than 0, divides by zero: never a success. (The 32-bit product
    // pressure x span may overflow first, error 6.)
    const double factor = adcFactor(settings.bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10);
    const auto r0 = toInt32(before.adc[0]);
    for (int i = 1; i < kScaleRows && r0.ok(); ++i) {
        const auto ri = toInt32(before.adc[i]);
        const auto p = toInt32(before.bar[i]);
        const double mv = ri.ok() ? roundHalfEven(ri.value * factor) : 0;
        if (!p.ok() || p.value == 0 || mv <= 400 || mv != roundHalfEven(r0.value * factor) || mv >= 2147483647.0)
            continue;
        fuzz::check(!failures.empty(), "a row dividing by zero is never a success");
        if (std::fabs(double(p.value) * (settings.denso ? 3200 : 4000)) <= 2147483647.0)
            fuzz::check(stopped, "that division by zero ends the computation");
    }
    for (int i = 0; i < kScaleRows; ++i) {
        fuzz::check(wholeOrEmpty(g.mvolt[i]) && wholeOrEmpty(g.scala[i]) && wholeOrEmpty(g.scostamento[i]),
                    "millivolts, scales and deviations are whole numbers");
        fuzz::check(g.linearita[i].empty() || g.linearita[i].back() == '%', "a linearity ends with %");
    }
    fuzz::check(g.scala[0].empty() && g.linearita[0].empty(), "row 0 gets no results");
    return 0;
}
