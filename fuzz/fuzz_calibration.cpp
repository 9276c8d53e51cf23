// A calibration of any plan and readings a technician could type or a meter
// give: evaluated without a fault, its numbers finite, its verdict only where
// every reading is there, each result's zone the one its value, limit and
// uncertainty give, and the worst point's budget the largest.
#include "FuzzInput.h"
#include "core/Calibration.h"

#include <cmath>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    CalibrationPlan plan;
    plan.nominalFullScale = in.number(1, 3000);
    plan.spanMv = in.number(1, 5000);
    plan.zeroMv = in.number(0, 1000);
    plan.cycles = in.number(1, 3);
    plan.converterBits = (int[]){0, 10, 12}[in.byte() % 3];
    plan.percents.clear();
    const int points = in.number(3, 11);
    double at = 0;
    for (int i = 0; i < points && at <= 100; ++i) {
        plan.percents.push_back(at);
        at += in.number(1, 40);
    }
    if (!plan.fault().empty())
        return 0;
    CalibrationRun run(plan);
    for (int c = 0; c < plan.cycles; ++c)
        for (const Sweep s : {Sweep::Rising, Sweep::Falling})
            for (int p = 0; p < plan.points(); ++p)
                if (run.taken(p, s) && in.byte() % 8 != 0)
                    run.at(c, s, p) = in.number(0, 5000000) / 1000.0;
    CalibrationLimits limits;
    limits.error = in.number(1, 5000) / 1000.0;
    limits.hysteresis = in.number(1, 5000) / 1000.0;
    ReferenceStandard reference;
    reference.kind = in.byte() % 2 ? ReferenceStandard::AccuracyClass : ReferenceStandard::Certificate;
    reference.expandedBar = in.number(1, 100000) / 1000.0;
    reference.k = in.number(1, 30) / 10.0;
    reference.classPercent = in.number(1, 1000) / 1000.0;
    reference.rangeBar = plan.nominalFullScale + in.number(0, 1000);
    const MeterSpec meter{in.number(0, 1000) / 1000.0, double(in.number(0, 9)), in.number(1, 1000) / 1000.0};
    const Acceptance acceptance = in.byte() % 2 ? Acceptance::GuardBand : Acceptance::Simple;
    const CalibrationResult r = evaluate(run, limits, reference, meter, acceptance);

    fuzz::check(int(r.points.size()) == plan.points(), "a result for every point");
    fuzz::check(r.complete() == (r.verdict != Zone::NotJudged), "a verdict exactly where every reading is there");
    double worst = 0;
    for (const PointResult &p : r.points) {
        fuzz::check(std::isfinite(p.budget.expandedBar) && p.budget.expandedBar > 0, "every point has a finite uncertainty");
        fuzz::check(std::abs(p.budget.expandedBar - 2 * p.budget.combinedBar) < 1e-9 * (1 + p.budget.expandedBar), "U is k = 2 times u_c");
        worst = std::max(worst, p.budget.expandedBar);
        if (p.errorPercent)
            fuzz::check(std::isfinite(*p.errorPercent) && *p.errorPercent >= 0, "a finite error");
    }
    if (r.worstPoint >= 0)
        fuzz::check(r.points[std::size_t(r.worstPoint)].budget.expandedBar == worst, "the worst point has the largest U");
    for (const JudgedResult *j : {&r.hysteresis, &r.repeatability, &r.terminalLinearity, &r.bestFitLinearity, &r.zero, &r.span})
        if (j->value) {
            fuzz::check(std::isfinite(*j->value), "a finite result");
            fuzz::check(j->zone == zoneOf(*j->value, j->limit, j->expanded, acceptance), "each result in the zone its numbers give");
        } else {
            fuzz::check(j->zone == Zone::NotJudged, "no value, no judgement");
        }
    if (plan.cycles == 1)
        fuzz::check(!r.repeatability.value, "no repeatability from one cycle");
    if (acceptance == Acceptance::Simple)
        for (const PointResult &p : r.points)
            fuzz::check(p.zone != Zone::ConditionalPass && p.zone != Zone::ConditionalFail, "simple acceptance has no conditional zone");
    return 0;
}
