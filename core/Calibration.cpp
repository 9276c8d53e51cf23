#include "core/Calibration.h"

#include "core/Sensor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace dravino {

namespace {
const double kSqrt3 = std::sqrt(3.0);

double mean(const std::vector<double> &v) { return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size()); }

// The sample standard deviation (n - 1); 0 for fewer than two values.
double deviation(const std::vector<double> &v)
{
    if (v.size() < 2)
        return 0;
    const double m = mean(v);
    double sum = 0;
    for (double x : v)
        sum += (x - m) * (x - m);
    return std::sqrt(sum / double(v.size() - 1));
}

int rank(Zone z)
{
    switch (z) {
    case Zone::NotJudged: return 0;
    case Zone::Pass: return 1;
    case Zone::ConditionalPass: return 2;
    case Zone::ConditionalFail: return 3;
    case Zone::Fail: return 4;
    }
    return 0;
}

Zone worse(Zone a, Zone b) { return rank(a) >= rank(b) ? a : b; }
} // namespace

double CalibrationPlan::countMv() const
{
    if (converterBits == 10)
        return double(adcFactor(AdcResolution::Bits10));
    if (converterBits == 12)
        return double(adcFactor(AdcResolution::Bits12));
    return 0;
}

std::string CalibrationPlan::fault() const
{
    if (nominalFullScale <= 0 || spanMv <= 0)
        return "fullScale";
    if (percents.size() < 3 || percents.size() > 11)
        return "points";
    for (std::size_t i = 0; i < percents.size(); ++i)
        if (percents[i] < 0 || percents[i] > 100 || (i > 0 && percents[i] <= percents[i - 1]))
            return "points";
    if (cycles < 1 || cycles > 3)
        return "cycles";
    if (converterBits != 0 && converterBits != 10 && converterBits != 12)
        return "converter";
    return {};
}

CalibrationRun::CalibrationRun(CalibrationPlan p) : plan(std::move(p))
{
    mv.resize(std::size_t(std::max(0, plan.cycles)));
    for (auto &cycle : mv)
        for (auto &sweep : cycle)
            sweep.assign(std::size_t(plan.points()), std::nullopt);
}

std::optional<double> &CalibrationRun::at(int cycle, Sweep sweep, int point)
{
    return mv.at(std::size_t(cycle))[std::size_t(sweep)].at(std::size_t(point));
}

const std::optional<double> &CalibrationRun::at(int cycle, Sweep sweep, int point) const
{
    return mv.at(std::size_t(cycle))[std::size_t(sweep)].at(std::size_t(point));
}

double ReferenceStandard::standardUncertaintyBar() const
{
    if (kind == Certificate)
        return k > 0 ? expandedBar / k : 0;
    return classPercent * rangeBar / 100.0 / kSqrt3;
}

std::string ReferenceStandard::fault(int nominalFullScale) const
{
    if (kind == Certificate)
        return expandedBar > 0 && k > 0 ? std::string() : "uncertainty";
    if (classPercent <= 0)
        return "uncertainty";
    if (rangeBar < nominalFullScale)
        return "range";
    return {};
}

Zone zoneOf(double value, double limit, double expanded, Acceptance acceptance)
{
    const double v = std::abs(value);
    if (acceptance == Acceptance::Simple)
        return v <= limit ? Zone::Pass : Zone::Fail;
    if (v <= limit - expanded)
        return Zone::Pass;
    if (v <= limit)
        return Zone::ConditionalPass;
    if (v <= limit + expanded)
        return Zone::ConditionalFail;
    return Zone::Fail;
}

std::optional<Line> leastSquares(const std::vector<double> &x, const std::vector<double> &y)
{
    if (x.size() != y.size() || x.size() < 2)
        return std::nullopt;
    const double mx = mean(x), my = mean(y);
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - mx) * (x[i] - mx);
        sxy += (x[i] - mx) * (y[i] - my);
    }
    if (sxx == 0)
        return std::nullopt;
    const double slope = sxy / sxx;
    return Line{my - slope * mx, slope};
}

CalibrationResult evaluate(const CalibrationRun &run, const CalibrationLimits &limits, const ReferenceStandard &reference,
                           const MeterSpec &meter, Acceptance acceptance)
{
    const CalibrationPlan &plan = run.plan;
    CalibrationResult out;
    out.acceptance = acceptance;
    const int n = plan.points();
    const double fs = plan.nominalFullScale;
    const double barPerMv = fs / plan.spanMv;
    const double toPercent = 100.0 / fs; // bar -> % of span
    const double uReference = reference.standardUncertaintyBar();
    std::vector<double> allBar, allMv;                 // every reading, for the best-fit line
    std::vector<std::vector<double>> atPoint(static_cast<std::size_t>(n)); // every reading of a point, both sweeps
    double worstExpanded = 0;
    for (int p = 0; p < n; ++p) {
        PointResult r;
        r.referenceBar = plan.pressure(p);
        std::array<std::vector<double>, 2> taken;
        for (const Sweep s : {Sweep::Rising, Sweep::Falling}) {
            if (!run.taken(p, s))
                continue;
            for (int c = 0; c < plan.cycles; ++c) {
                if (const auto &v = run.at(c, s, p)) {
                    taken[std::size_t(s)].push_back(*v);
                    allBar.push_back(r.referenceBar);
                    allMv.push_back(*v);
                    atPoint[std::size_t(p)].push_back(*v);
                } else {
                    out.missing.push_back({c, p, s});
                }
            }
            if (!taken[std::size_t(s)].empty()) {
                r.meanMv[std::size_t(s)] = mean(taken[std::size_t(s)]);
                r.errorBar[std::size_t(s)] = plan.indicated(*r.meanMv[std::size_t(s)]) - r.referenceBar;
            }
        }
        double hysteresisMv = 0;
        if (r.meanMv[0] && r.meanMv[1]) {
            hysteresisMv = std::abs(*r.meanMv[1] - *r.meanMv[0]);
            r.hysteresisBar = hysteresisMv * barPerMv;
        }
        double spreadMv = -1, deviationMv = 0;
        for (const auto &values : taken)
            if (values.size() >= 2) {
                spreadMv = std::max(spreadMv, *std::max_element(values.begin(), values.end()) - *std::min_element(values.begin(), values.end()));
                deviationMv = std::max(deviationMv, deviation(values));
            }
        if (plan.cycles > 1 && spreadMv >= 0)
            r.repeatabilityBar = spreadMv * barPerMv;
        // The budget (GUM): each input's standard uncertainty in bar, combined
        // as the root sum of squares, expanded with k = 2.
        Budget &b = r.budget;
        const auto term = [&](BudgetTerm::Source source, double value, double divisor, double sensitivity) {
            b.terms.push_back({source, value, divisor, sensitivity, value / divisor * sensitivity});
        };
        if (reference.kind == ReferenceStandard::Certificate)
            term(BudgetTerm::Reference, reference.expandedBar, reference.k > 0 ? reference.k : 1, 1);
        else
            term(BudgetTerm::Reference, reference.classPercent * reference.rangeBar / 100.0, kSqrt3, 1);
        const double readMv = r.meanMv[0].value_or(plan.nominalMv(r.referenceBar));
        if (plan.converterBits == 0) {
            term(BudgetTerm::MeterAccuracy, meter.percentOfReading * std::abs(readMv) / 100.0 + meter.digits * meter.resolutionMv, kSqrt3,
                 barPerMv);
            term(BudgetTerm::MeterResolution, meter.resolutionMv, 2 * kSqrt3, barPerMv);
        } else {
            term(BudgetTerm::Converter, plan.countMv(), 2 * kSqrt3, barPerMv);
        }
        if (plan.cycles > 1)
            term(BudgetTerm::Repeatability, deviationMv, std::sqrt(double(plan.cycles)), barPerMv);
        term(BudgetTerm::Hysteresis, hysteresisMv, 2 * kSqrt3, barPerMv);
        double sum = 0;
        for (const BudgetTerm &t : b.terms)
            sum += t.contributionBar * t.contributionBar;
        b.combinedBar = std::sqrt(sum);
        b.expandedBar = b.k * b.combinedBar;
        if (b.expandedBar > worstExpanded) {
            worstExpanded = b.expandedBar;
            out.worstPoint = p;
        }
        if (r.errorBar[0] || r.errorBar[1]) {
            const double e = std::max(std::abs(r.errorBar[0].value_or(0)), std::abs(r.errorBar[1].value_or(0)));
            r.errorPercent = e * toPercent;
            r.zone = zoneOf(*r.errorPercent, limits.error, b.expandedBar * toPercent, acceptance);
        }
        out.points.push_back(r);
    }
    const double expanded = worstExpanded * toPercent;
    const auto judged = [&](std::optional<double> value, double limit, double u) {
        JudgedResult j;
        j.value = value;
        j.limit = limit;
        j.expanded = u;
        if (value)
            j.zone = zoneOf(*value, limit, u, acceptance);
        return j;
    };
    // The largest error, judged with its own point's uncertainty.
    {
        std::optional<double> largest;
        double u = 0;
        Zone zone = Zone::NotJudged;
        for (const PointResult &r : out.points)
            if (r.errorPercent) {
                if (!largest || *r.errorPercent > *largest) {
                    largest = r.errorPercent;
                    u = r.budget.expandedBar * toPercent;
                }
                zone = worse(zone, r.zone);
            }
        out.error = judged(largest, limits.error, u);
        out.error.zone = zone;
    }
    std::optional<double> hysteresis, repeatability;
    for (const PointResult &r : out.points) {
        if (r.hysteresisBar)
            hysteresis = std::max(hysteresis.value_or(0), *r.hysteresisBar * toPercent);
        if (r.repeatabilityBar)
            repeatability = std::max(repeatability.value_or(0), *r.repeatabilityBar * toPercent);
    }
    out.hysteresis = judged(hysteresis, limits.hysteresis, expanded);
    out.repeatability = judged(repeatability, limits.repeatability, expanded);
    // Linearity against the line through the end points' means, and against
    // the least-squares line through every reading.
    const auto pointMean = [&](int p) -> std::optional<double> {
        const auto &v = atPoint[std::size_t(p)];
        return v.empty() ? std::nullopt : std::optional<double>(mean(v));
    };
    if (n >= 2) {
        const auto first = pointMean(0), last = pointMean(n - 1);
        if (first && last && plan.pressure(n - 1) > plan.pressure(0)) {
            const double slope = (*last - *first) / (plan.pressure(n - 1) - plan.pressure(0));
            double worst = 0;
            for (int p = 0; p < n; ++p)
                if (const auto m = pointMean(p))
                    worst = std::max(worst, std::abs(*m - (*first + slope * (plan.pressure(p) - plan.pressure(0)))));
            out.terminalLinearity = judged(worst * 100.0 / plan.spanMv, limits.terminalLinearity, expanded);
        } else {
            out.terminalLinearity = judged(std::nullopt, limits.terminalLinearity, expanded);
        }
    }
    if (const auto line = leastSquares(allBar, allMv)) {
        out.bestFitInterceptMv = line->intercept;
        out.bestFitSlopeMvPerBar = line->slope;
        double worst = 0;
        for (std::size_t i = 0; i < allBar.size(); ++i)
            worst = std::max(worst, std::abs(allMv[i] - (line->intercept + line->slope * allBar[i])));
        out.bestFitLinearity = judged(worst * 100.0 / plan.spanMv, limits.bestFitLinearity, expanded);
    } else {
        out.bestFitLinearity = judged(std::nullopt, limits.bestFitLinearity, expanded);
    }
    // Zero and span against the family's nominal characteristic.
    const bool zeroPoint = n > 0 && plan.percents.front() == 0, fullPoint = n > 0 && plan.percents.back() == 100;
    const auto zero = zeroPoint ? pointMean(0) : std::nullopt;
    const auto top = fullPoint ? pointMean(n - 1) : std::nullopt;
    out.zero = judged(zero ? std::optional<double>((*zero - plan.zeroMv) * 100.0 / plan.spanMv) : std::nullopt, limits.zero, expanded);
    out.span = judged(zero && top ? std::optional<double>((*top - *zero - plan.spanMv) * 100.0 / plan.spanMv) : std::nullopt, limits.span,
                      expanded);
    // TUR: the error's limit against the reference's own expanded uncertainty (k = 2).
    out.tur = uReference > 0 ? limits.error / 100.0 * fs / (2 * uReference) : std::numeric_limits<double>::infinity();
    if (out.complete())
        for (const JudgedResult *j : {&out.error, &out.hysteresis, &out.repeatability, &out.terminalLinearity, &out.bestFitLinearity,
                                      &out.zero, &out.span})
            out.verdict = worse(out.verdict, j->zone);
    return out;
}

} // namespace dravino
