#include "core/Sensor.h"

#include "core/WholeNumber.h"

namespace dravino {

namespace {
constexpr std::array<SensorFamily, 3> kFamilies{{
    {4000, 500, 5000, -1},
    {3200, 1000, 4700, 7},
    {3000, 1000, 4400, 8},
}};
} // namespace

const SensorFamily &family(SensorType type) { return kFamilies.at(static_cast<int>(type)); }

float coefficient(SensorType type, int fullScale)
{
    return static_cast<float>(double(fullScale) / double(family(type).spanMv));
}

std::int32_t pressureFromVoltage(SensorType type, int fullScale, int zeroMv, int mv)
{
    const float diff = static_cast<float>(mv - zeroMv);
    const double product = double(diff) * double(coefficient(type, fullScale));
    return static_cast<std::int32_t>(roundHalfEven(product));
}

std::int32_t voltageFromPressure(SensorType type, int fullScale, int zeroMv, int bar)
{
    const double c = coefficient(type, fullScale);
    const double sum = double(static_cast<float>(bar)) / c + double(static_cast<float>(zeroMv));
    return static_cast<std::int32_t>(roundHalfEven(sum));
}

float adcFactor(AdcResolution res)
{
    return res == AdcResolution::Bits10 ? static_cast<float>(5000.0 / 1023.0)
                                        : static_cast<float>(5000.0 / 4095.0);
}

int adcMaxCount(AdcResolution res) { return res == AdcResolution::Bits10 ? 1023 : 4095; }

float adcCountExact(AdcResolution res, int mv)
{
    const float v = static_cast<float>(mv);
    return v / adcFactor(res);
}

std::int32_t adcCount(AdcResolution res, int mv)
{
    return static_cast<std::int32_t>(roundHalfEven(adcCountExact(res, mv)));
}

std::int32_t voltageFromAdcCount(AdcResolution res, int count)
{
    const double product = double(static_cast<float>(count)) * double(adcFactor(res));
    return static_cast<std::int32_t>(roundHalfEven(product));
}

} // namespace dravino
