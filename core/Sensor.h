#pragma once
// Sensor families, their transfer functions and the converter count.
// Factors are held in single precision, products and quotients are formed in
// double precision and rounded halves-to-even, as the bench instruments do.

#include <array>
#include <cstdint>

namespace dravino {

enum class SensorType { BoschDelphiVdo = 0, DensoOneWay = 1, DensoTwoWay = 2 };
enum class ConversionDirection { MillivoltToPressure = 0, PressureToMillivolt = 1 };
enum class AdcResolution { Bits10 = 0, Bits12 = 1 };

struct SensorFamily {
    int spanMv;           // output change from 0 bar to full scale
    int nominalZeroMv;    // output at 0 bar
    int voltageLimitMv;   // above it Calculate warns (or colours the 2nd output)
    int fullScaleEntry;   // list entry chosen with the family, -1 keeps it
};

const SensorFamily &family(SensorType type);

// The 17 full scales offered, in list order.
inline constexpr std::array<int, 17> kFullScales{150,  200,  250,  280,  1500, 1760,
                                                 1800, 2000, 2200, 2300, 2400, 2500,
                                                 2700, 2800, 2850, 2900, 3000};
inline constexpr int kDefaultFullScaleEntry = 7; // 2000 bar
inline constexpr int kSecondOutputOffsetMv = 500;

// Bar per millivolt: fullScale / span, stored in single precision.
float coefficient(SensorType type, int fullScale);

// (mv - zero) * c, rounded halves-to-even.
std::int32_t pressureFromVoltage(SensorType type, int fullScale, int zeroMv, int mv);

// bar / c + zero, rounded halves-to-even.
std::int32_t voltageFromPressure(SensorType type, int fullScale, int zeroMv, int bar);

// Millivolt per converter count, single precision (5000/1023, 5000/4095).
float adcFactor(AdcResolution res);
int adcMaxCount(AdcResolution res);

// The unrounded count a converter reads for mv, in single precision.
float adcCountExact(AdcResolution res, int mv);
// The same rounded halves-to-even.
std::int32_t adcCount(AdcResolution res, int mv);

// The voltage of a count: count * factor, rounded halves-to-even.
std::int32_t voltageFromAdcCount(AdcResolution res, int count);

} // namespace dravino
