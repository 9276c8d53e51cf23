#include "core/Characteristic.h"

#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <cmath>

namespace dravino {

Characteristic characteristicOf(const ScaleCheckModel &check, const Judgement &judgement)
{
    const ScaleGrid &g = check.grid();
    const ScaleCheckSettings &set = check.settings();
    const AdcResolution res = set.bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
    const bool judged = judgement.outcome != Judgement::NoVerdict;
    Characteristic c;
    c.spanMv = set.denso ? kScaleSpanDensoMv : kScaleSpanBoschMv;
    c.nominal = set.nominalFullScale > 0 ? set.nominalFullScale : 0;
    if (judged && judgement.average) {
        c.tolerance = judgement.tolerance;
        c.bandCentre = int(roundHalfEven(*judgement.average));
    }
    // The readings the grid holds now: the counts the converter can show,
    // turned into millivolts as the check turns them.
    const auto mvOf = [&](int row) -> std::optional<int> {
        const auto count = toInt32(g.adc[row]);
        if (count.error != NumberError::None || count.value < 0 || count.value > adcMaxCount(res))
            return std::nullopt;
        return voltageFromAdcCount(res, count.value);
    };
    const auto zero = mvOf(0);
    c.zeroMv = zero ? *zero : family(set.denso ? SensorType::DensoOneWay : SensorType::BoschDelphiVdo).nominalZeroMv;
    for (int row = 0; row < kScaleRows; ++row) {
        const auto bar = toInt32(g.bar[row]);
        const auto mv = mvOf(row);
        const RowJudgement &r = judgement.rows[std::size_t(row)];
        // Above the zero row, a row counts from the reading the check
        // computes from (an empty row reads 0), or where the rule holds a
        // measured row left out as a point that failed.
        const bool failedPoint = judged && r.state == RowJudgement::Skipped && judgement.rule.skippedRowFails;
        if (bar.error != NumberError::None || !mv || (row > 0 && *mv <= kScaleValidityMv && !failedPoint))
            continue;
        CharacteristicPoint p{row, bar.value, *mv};
        if (failedPoint)
            p.mark = CharacteristicPoint::Outside;
        else if (judged && r.state == RowJudgement::Computed)
            p.mark = r.passes() ? CharacteristicPoint::Within : CharacteristicPoint::Outside;
        c.points.push_back(p);
    }
    return c;
}

int axisStep(double top, int parts)
{
    if (!(top > 0) || parts < 1)
        return 1;
    const double raw = top / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return std::max(1, int(std::lround(m * power)));
    return std::max(1, int(std::lround(10 * power)));
}

} // namespace dravino
