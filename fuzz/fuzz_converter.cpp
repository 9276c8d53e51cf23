// Both transfer functions and the converter count over all families, full
// scales, zero points and resolutions.
#include "FuzzInput.h"
#include "core/Sensor.h"

#include <cmath>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const auto type = static_cast<SensorType>(in.byte() % 3);
    const int fullScale = kFullScales[in.byte() % kFullScales.size()];
    const int zero = in.byte() % 2 ? family(type).nominalZeroMv : in.number(401, 1199);
    const int mv = in.number(-32768, 32767);
    const auto res = static_cast<AdcResolution>(in.byte() % 2);

    const float c = coefficient(type, fullScale);
    fuzz::check(c > 0 && std::isfinite(c), "a positive coefficient");
    const int bar = pressureFromVoltage(type, fullScale, zero, mv);
    const int back = voltageFromPressure(type, fullScale, zero, bar);
    // One bar is 1/c millivolts: the way back lands within half of it.
    fuzz::check(std::fabs(double(back - mv)) <= 0.5 / c + 1.0, "voltage -> pressure -> voltage within one step");
    if (mv > zero)
        fuzz::check(bar >= 0, "above the zero point the pressure is not negative");

    const int count = adcCount(res, mv);
    if (mv >= 0 && mv <= 5000)
        fuzz::check(count >= 0 && count <= adcMaxCount(res), "a count within the converter's range");
    const int mvOfCount = voltageFromAdcCount(res, count);
    fuzz::check(std::fabs(double(mvOfCount - mv)) <= adcFactor(res) / 2 + 1.0, "count -> voltage within one count");
    const int anyCount = in.number(-32768, 32767);
    fuzz::check(adcCount(res, voltageFromAdcCount(res, anyCount)) == anyCount, "voltage of a count gives the count");
    return 0;
}
