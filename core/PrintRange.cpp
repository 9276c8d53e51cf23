#include "core/PrintRange.h"

#include "core/WholeNumber.h"

namespace dravino {

std::optional<int> countPrintValues(std::string_view fromText, std::string_view toText,
                                    std::string_view stepText, char sep)
{
    const auto from = toInt16(fromText, sep);
    const auto to = toInt16(toText, sep);
    const auto step = toInt16(stepText, sep);
    if (!from.ok() || !to.ok() || !step.ok() || step.value < 1)
        return std::nullopt;
    const int d = to.value - from.value;
    if (d < -32768 || d > 32767)
        return std::nullopt;
    // Floor division: a backwards range never counts a row it cannot print.
    const int q = d >= 0 ? d / step.value : -((-d + step.value - 1) / step.value);
    return q + 1;
}

namespace {

// Calculate on a calculator whose stepped field holds v: the same limits,
// the same conversions.
PrintRow row(const PrintTable &t, int v)
{
    PrintRow r{v, std::nullopt, RowWarning::None};
    const SensorFamily &f = family(t.type);
    if (t.direction == ConversionDirection::MillivoltToPressure) {
        if (t.type != SensorType::DensoTwoWay && v > f.voltageLimitMv) {
            r.warning = RowWarning::MillivoltTooHigh;
            // The Bosch family refuses such a voltage; Denso 1 way warns and converts.
            if (t.type == SensorType::BoschDelphiVdo)
                return r;
        }
        if (v > 0)
            r.computed = pressureFromVoltage(t.type, t.fullScale, t.zeroMv, v);
    } else {
        if (v > t.fullScale + 400) {
            r.warning = RowWarning::PressureTooHigh;
            return r;
        }
        if (v >= 0)
            r.computed = voltageFromPressure(t.type, t.fullScale, t.zeroMv, v);
    }
    return r;
}

} // namespace

std::vector<PrintRow> printRows(const PrintTable &t)
{
    std::vector<PrintRow> rows;
    if (t.step < 1)
        return rows;
    for (long v = t.from; v <= t.to; v += t.step)
        rows.push_back(row(t, int(v)));
    return rows;
}

} // namespace dravino
