#include "core/CheckRule.h"

#include "core/ScaleCheckModel.h"
#include "core/WholeNumber.h"

#include <cmath>
#include <cstdlib>

namespace dravino {

DecisionRule todaysRule() { return {}; }

DecisionRule firstRule()
{
    DecisionRule r;
    r.version = 1;
    r.minComputedRows = 0;
    r.minTopShare = 0;
    r.skippedRowFails = false;
    return r;
}

bool Judgement::has(Reason::Kind kind) const
{
    for (const Reason &r : reasons)
        if (r.kind == kind)
            return true;
    return false;
}

namespace {
// The rows as the rule sees them: computed, left out though measured, or unused.
void readRows(const ScaleCheckModel &check, Judgement &j)
{
    const ScaleGrid &g = check.grid();
    const char sep = check.decimalSeparator();
    for (int i = 1; i < kScaleRows; ++i) {
        RowJudgement &row = j.rows[std::size_t(i)];
        const auto bar = toInt32(g.bar[i], sep);
        const auto counts = toInt32(g.adc[i], sep);
        row.bar = bar.valueOr(0);
        row.mv = toInt32(g.mvolt[i]).valueOr(0);
        if (!g.scala[i].empty() && !g.linearita[i].empty()) {
            row.state = RowJudgement::Computed;
            row.linearity = g.linearityPercent[std::size_t(i)];
            row.deviation = toInt32(g.scostamento[i]).valueOr(0);
            ++j.computedRows;
        } else if (bar.ok() && bar.value != 0 && counts.ok() && counts.value != 0) {
            row.state = RowJudgement::Skipped;
        }
    }
}
} // namespace

Judgement judge(const ScaleCheckModel &check, const DecisionRule &rule)
{
    Judgement j;
    j.rule = rule;
    using R = Judgement::Reason;
    if (!check.computed()) {
        j.failure = check.failed() ? check.failure() : std::nullopt;
        j.reasons.push_back({j.failure ? R::ComputationFailed : R::NotComputed});
        return j;
    }
    readRows(check, j);
    const ScaleGrid &g = check.grid();
    const char sep = check.decimalSeparator();
    const bool first = rule.version < 2;
    // The earlier records' average read as a whole number with a point.
    if (first) {
        if (const auto a = toInt32(g.media); a.ok())
            j.average = a.value;
    } else {
        j.average = parseDecimal(g.media, sep);
        if (!j.average) {
            j.reasons.push_back({R::AverageUnreadable});
            return j;
        }
    }
    j.tolerance = rule.deviationDivisor == 100 || !j.average
        ? g.tolerance
        : int(roundHalfEven(double(toInt16(g.media, sep).valueOr(0)) / rule.deviationDivisor));
    const double window = j.tolerance - rule.guardBandBar;
    std::vector<R> skipped, outside;
    for (int i = 1; i < kScaleRows; ++i) {
        RowJudgement &row = j.rows[std::size_t(i)];
        if (row.state == RowJudgement::Computed) {
            if (first) {
                // As its panel coloured it then.
                row.linearityPasses = g.linearitaColor[std::size_t(i)] == Verdict::Green;
                row.deviationPasses = g.scostamentoColor[std::size_t(i)] == Verdict::Green;
            } else {
                const float limit = float(rule.linearityPercent);
                row.linearityPasses = row.linearity >= -limit && row.linearity <= limit;
                row.deviationPasses = std::abs(row.deviation) <= window;
            }
            if (!row.passes())
                outside.push_back({R::RowOutside, i});
        } else if (row.state == RowJudgement::Skipped && rule.skippedRowFails) {
            skipped.push_back({R::RowSkipped, i});
        }
    }
    j.reasons = skipped;
    // Too few points to say anything, unless one measured point failed already.
    bool tooFew = false;
    j.nominal = rule.averageToNominal ? check.settings().nominalFullScale : 0;
    if (j.computedRows < std::max(1, rule.minComputedRows)) {
        j.reasons.push_back({R::TooFewRows});
        tooFew = true;
    } else if (rule.minTopShare > 0 && j.nominal > 0) {
        bool high = false;
        for (const RowJudgement &row : j.rows)
            high = high || (row.state == RowJudgement::Computed && row.bar >= rule.minTopShare * j.nominal);
        if (!high) {
            j.reasons.push_back({R::NoRowHighEnough});
            tooFew = true;
        }
    }
    j.reasons.insert(j.reasons.end(), outside.begin(), outside.end());
    if (j.nominal > 0 && j.average) {
        j.nominalPasses = std::abs(*j.average - j.nominal) <= window;
        j.nearestFullScale = nearestFullScale(int(roundHalfEven(*j.average)));
        if (!j.nominalPasses)
            j.reasons.push_back({R::AverageOffNominal});
    }
    const bool rowsFail = !outside.empty();
    if (first) // no computed row failed the check then
        j.outcome = rowsFail || j.computedRows == 0 || !j.nominalPasses ? Judgement::Fail : Judgement::Pass;
    else if (!skipped.empty())
        j.outcome = Judgement::Fail;
    else if (tooFew)
        j.outcome = Judgement::NoVerdict;
    else
        j.outcome = rowsFail || !j.nominalPasses ? Judgement::Fail : Judgement::Pass;
    return j;
}

std::string judgedLinearity(float percent, double limit, char sep)
{
    const bool within = percent >= -float(limit) && percent <= float(limit);
    for (int decimals = 2; decimals < 6; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        const double shown = std::round(double(percent) * scale) / scale;
        if ((std::abs(shown) <= limit) == within)
            return formatNumber(shown == 0.0 ? 0.0 : shown, std::chars_format::fixed, decimals, sep);
    }
    return formatNumber(double(percent), std::chars_format::fixed, 6, sep);
}

std::string averageText(double average, char sep)
{
    if (average == std::floor(average) && std::abs(average) < 1e15)
        return std::to_string(static_cast<long long>(average));
    return formatNumber(average, std::chars_format::general, 10, sep);
}

} // namespace dravino
