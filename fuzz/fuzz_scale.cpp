// The scale computation over six arbitrary rows, and the check as a model:
// a verdict only for the entries and settings it was computed from.
#include "FuzzInput.h"
#include "core/ScaleCheck.h"
#include "core/Characteristic.h"
#include "core/CheckRule.h"
#include "core/ScaleCheckModel.h"
#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

    const auto divisions = std::count_if(failures.begin(), failures.end(), [](auto &f) { return f.divisionByZero(); });
    const bool stopped = !failures.empty() && failures.back().divisionByZero();
    fuzz::check(divisions == (stopped ? 1 : 0), "a division by zero ends the computation");
    // A computed row whose reading equals the zero row's, with a pressure
    // other than 0, divides by zero: never a success. (The 32-bit product
    // pressure x span may overflow first, error 6.)
    const auto resolution = settings.bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
    const double factor = adcFactor(resolution);
    const auto r0 = toInt32(before.adc[0]);
    // (A count the converter cannot show is no reading: its row, or without
    // row 0 every row, is not computed.)
    for (int i = 1; i < kScaleRows && r0.ok() && r0.value <= adcMaxCount(resolution); ++i) {
        const auto ri = toInt32(before.adc[i]);
        if (ri.ok() && ri.value > adcMaxCount(resolution))
            continue;
        const auto p = toInt32(before.bar[i]);
        const double mv = ri.ok() ? roundHalfEven(ri.value * factor) : 0;
        if (!p.ok() || p.value == 0 || mv <= 400 || mv != roundHalfEven(r0.value * factor) || mv >= 2147483647.0)
            continue;
        fuzz::check(!failures.empty(), "a row dividing by zero is never a success");
        if (std::fabs(double(p.value) * (settings.denso ? 3200 : 4000)) <= 2147483647.0)
            fuzz::check(stopped, "that division by zero ends the computation");
    }
    for (int i = 0; i < kScaleRows; ++i) {
        const auto count = toInt32(before.adc[i]);
        fuzz::check(!count.ok() || count.value <= adcMaxCount(resolution) || g.mvolt[i].empty(),
                    "a count beyond the converter gives no millivolts");
        fuzz::check(wholeOrEmpty(g.mvolt[i]) && wholeOrEmpty(g.scala[i]) && wholeOrEmpty(g.scostamento[i]),
                    "millivolts, scales and deviations are whole numbers");
        fuzz::check(g.linearita[i].empty() || g.linearita[i].back() == '%', "a linearity ends with %");
    }
    fuzz::check(g.scala[0].empty() && g.linearita[0].empty(), "row 0 gets no results");

    // The same check as a model, judged against a nominal full scale.
    ScaleCheckModel model;
    for (int i = 0; i < kScaleRows; ++i) {
        model.setAdc(i, before.adc[i]);
        model.setBar(i, before.bar[i]);
    }
    model.setAverage(before.media);
    model.setSettings({settings.bits12, settings.denso, settings.automaticAverage, kFullScales[in.byte() % kFullScales.size()]});
    const bool wentThrough = model.compute('.').empty();
    fuzz::check(model.computed() == wentThrough && !model.stale() && model.failed() == !wentThrough,
                "computed exactly when the computation went through");
    const Judgement j = judge(model, todaysRule());
    fuzz::check(j.outcome == Judgement::NoVerdict || wentThrough, "no verdict without a computation that went through");
    if (j.outcome == Judgement::Pass) {
        bool high = false;
        for (int i = 1; i < kScaleRows; ++i) {
            const RowJudgement &r = j.rows[std::size_t(i)];
            fuzz::check(r.state != RowJudgement::Skipped, "no pass with a measured row left out");
            fuzz::check(r.state != RowJudgement::Computed || (r.linearity >= -1.0f && r.linearity <= 1.0f
                                                               && std::llabs(std::int64_t(r.deviation)) <= j.tolerance),
                        "a passing check's rows are within their limits");
            high = high || (r.state == RowJudgement::Computed && r.bar * 2 >= j.nominal);
        }
        fuzz::check(j.computedRows >= 3 && high, "a pass from enough points, one at half the nominal");
        fuzz::check(j.average && std::abs(*j.average - j.nominal) <= j.tolerance, "a passing sensor's average is within its window of the nominal");
    }
    if (j.outcome == Judgement::Fail)
        fuzz::check(j.has(Judgement::Reason::RowSkipped) || j.has(Judgement::Reason::RowOutside)
                        || j.has(Judgement::Reason::AverageOffNominal),
                    "a failing check says which limit failed");
    // Its characteristic: every point a reading the converter can show, at
    // or below 5000 mV; a mark only where the rule judged the row.
    const Characteristic curve = characteristicOf(model, j);
    for (const CharacteristicPoint &p : curve.points) {
        fuzz::check(p.mv >= 0 && p.mv <= 5000, "a point within the converter's range");
        const RowJudgement::State state = j.rows[std::size_t(p.row)].state;
        fuzz::check((p.mark == CharacteristicPoint::Plain) == (j.outcome == Judgement::NoVerdict || state == RowJudgement::Unused),
                    "a mark only for a judged row");
    }
    fuzz::check(axisStep(in.number(0, 100000), in.number(0, 12)) >= 1, "an axis step of at least 1");
    // Any change after it leaves no verdict; putting it back gives it again.
    const int row = in.number(0, kScaleRows - 1);
    const std::string other = in.text(6);
    const std::string was = model.grid().adc[row];
    model.setAdc(row, other);
    fuzz::check(other == was || (judge(model, todaysRule()).outcome == Judgement::NoVerdict && model.stale()),
                "a changed reading leaves no verdict");
    model.setAdc(row, was);
    fuzz::check(model.computed() == wentThrough, "the reading put back gives the verdict back");
    model.setDenso(!settings.denso);
    fuzz::check(judge(model, todaysRule()).outcome == Judgement::NoVerdict, "another sensor kind leaves no verdict");
    return 0;
}
