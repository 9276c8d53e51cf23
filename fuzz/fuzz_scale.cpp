// The scale computation over six arbitrary rows.
#include "FuzzInput.h"
#include "core/ScaleCheck.h"
#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <cmath>

using namespace dravino;

namespace {
bool wholeNumberText(const std::string &s)
{
    return !s.empty() && toInt32(s).ok() && std::to_string(toInt32(s).value) == s;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    ScaleSettings settings;
    const auto flags = in.byte();
    settings.bits12 = flags & 1;
    settings.denso = flags & 2;
    settings.automaticAverage = flags & 4;
    ScaleGrid g;
    for (int i = 0; i < kScaleRows; ++i) {
        g.adc[i] = in.text(6);
        g.bar[i] = in.text(6);
    }
    g.media = in.text(8);
    const ScaleGrid before = g;
    const auto failures = calcolaScala(g, settings);

    bool stopped = false;
    for (std::size_t k = 0; k < failures.size(); ++k)
        if (failures[k].divisionByZero) {
            fuzz::check(k + 1 == failures.size(), "a division by zero ends the computation");
            stopped = true;
        }
    // A computed row whose reading equals the zero row's with a pressure
    // other than 0 is a division by zero: never a success.
    const auto reading = [&](int i) { return toInt32(before.adc[i]); };
    const auto r0 = reading(0);
    const double factor = adcFactor(settings.bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10);
    for (int i = 1; i < kScaleRows && r0.ok(); ++i) {
        const auto ri = reading(i);
        const auto p = toInt32(before.bar[i]);
        if (!ri.ok() || !p.ok() || p.value == 0)
            continue;
        const double mv = roundHalfEven(ri.value * factor);
        const double mv0 = roundHalfEven(r0.value * factor);
        if (mv > 400 && mv == mv0 && std::fabs(mv) < 2147483647.0) {
            // The 32-bit product pressure x span may overflow first (error 6).
            const double product = double(p.value) * (settings.denso ? 3200 : 4000);
            fuzz::check(!failures.empty(), "a row dividing by zero is never a success");
            if (std::fabs(product) <= 2147483647.0)
                fuzz::check(stopped, "a division by zero ends the computation");
        }
    }
    for (int i = 0; i < kScaleRows; ++i) {
        fuzz::check(g.mvolt[i].empty() || wholeNumberText(g.mvolt[i]), "millivolts are whole numbers");
        fuzz::check(g.scala[i].empty() || wholeNumberText(g.scala[i]), "scales are whole numbers");
        fuzz::check(g.linearita[i].empty() || g.linearita[i].back() == '%', "a linearity ends with %");
        fuzz::check(g.scostamento[i].empty() || wholeNumberText(g.scostamento[i]), "deviations are whole numbers");
    }
    fuzz::check(g.scala[0].empty() && g.linearita[0].empty(), "row 0 gets no results");
    return 0;
}
