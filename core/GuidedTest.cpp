#include "core/GuidedTest.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>

namespace dravino {

namespace {
constexpr std::int64_t kRestMinMs = 300;    // key on engine off: at least this before cranking
constexpr std::int64_t kSteadyMs = 200;     // idle settled: the mean of this long after no higher than of this long before, by half the ripple
constexpr std::int64_t kIdleMinMs = 1000;   // idle judged over at least this
constexpr std::int64_t kIdleGapMs = 500;    // ... ending this before the signal leaves its level
constexpr std::int64_t kRiseLastsMs = 100;  // a rise, a level reached: held this long, not a spike
constexpr std::int64_t kSnapLastsMs = 50;   // a snap: above idle this long, not a spike
constexpr std::int64_t kBackLastsMs = 200;  // back below a level: held this long (a dropout is not)

using Samples = std::vector<TraceSample>;
constexpr std::size_t kNone = SIZE_MAX;

std::size_t indexAt(const Samples &s, std::int64_t ms)
{
    return std::size_t(std::lower_bound(s.begin(), s.end(), ms, [](const TraceSample &a, std::int64_t v) { return a.ms < v; }) - s.begin());
}

// The first reading from index from on where holds is true and stays true
// for lasting ms (or to the capture's end).
std::size_t firstLasting(const Samples &s, std::size_t from, const std::function<bool(double)> &holds, std::int64_t lasting)
{
    for (std::size_t i = from; i < s.size(); ++i) {
        if (!holds(s[i].mv))
            continue;
        std::size_t j = i;
        while (j + 1 < s.size() && s[j + 1].ms < s[i].ms + lasting && holds(s[j + 1].mv))
            ++j;
        if (j + 1 >= s.size() || s[j + 1].ms >= s[i].ms + lasting)
            return i;
        i = j; // (it broke off: on from there)
    }
    return kNone;
}

void part(GuidedStep &step, std::int64_t from, std::int64_t to)
{
    step.fromMs = from;
    step.toMs = std::max(from, to);
}

void outcome(GuidedStep &step, GuidedStep::Outcome o, GuidedStep::Reason why = GuidedStep::None)
{
    step.outcome = o;
    step.reason = why;
}
} // namespace

GuidedLimits genericLimits(SensorType type)
{
    const double zero = family(type).nominalZeroMv;
    GuidedLimits l;
    l.name = type == SensorType::BoschDelphiVdo ? "generico Bosch/VDO/Delphi" : "generico Denso";
    l.restMv = zero;
    l.idleMinMv = zero + 600;
    l.idleMaxMv = zero + 1300;
    l.snapMinMv = zero + 2500;
    return l;
}

GuidedLimits limitsOf(const GuidedOwnLimits &own)
{
    GuidedLimits l = genericLimits(own.family);
    for (std::size_t i = 0; i < kGuidedLimitFields.size(); ++i)
        if (own.given[i])
            l.*kGuidedLimitFields[i].value = *own.given[i];
    l.name = own.name;
    l.version = own.version;
    return l;
}

std::string guidedLimitsFault(const GuidedLimits &l)
{
    for (const GuidedLimitField &f : kGuidedLimitFields) {
        const double v = l.*f.value;
        if (!std::isfinite(v) || v < 0 || v > 100000)
            return std::string(f.key) + ": out of range";
    }
    for (double GuidedLimits::*positive : {&GuidedLimits::restTolMv, &GuidedLimits::crankMaxMs, &GuidedLimits::rippleMaxMv,
                                 &GuidedLimits::dropoutMv, &GuidedLimits::dropoutMs, &GuidedLimits::decayMaxMs})
        if (!(l.*positive > 0))
            for (const GuidedLimitField &f : kGuidedLimitFields)
                if (f.value == positive)
                    return std::string(f.key) + ": not above zero";
    if (l.idleMinMv > l.idleMaxMv)
        return "idleMinMv: above idleMaxMv";
    if (l.supplyMinMv > l.supplyMaxMv)
        return "supplyMinMv: above supplyMaxMv";
    if (l.restMv + l.restTolMv >= l.idleMinMv)
        return "idleMinMv: not above the zero's limit";
    if (l.idleMaxMv >= l.snapMinMv)
        return "snapMinMv: not above idleMaxMv";
    return {};
}

GuidedResult runGuidedTest(const Trace &trace, const GuidedLimits &L, const GuidedParts &given, std::optional<double> supplyMv)
{
    GuidedResult r;
    for (std::size_t i = 0; i < kGuidedSteps.size(); ++i)
        r.steps[i].kind = kGuidedSteps[i];
    GuidedStep &rest = r.steps[0], &supply = r.steps[1], &crank = r.steps[2], &idle = r.steps[3], &snap = r.steps[4],
               &keyOff = r.steps[5];
    // The supply, where measured: outside its limits it is the control
    // unit's or the wiring's fault, not the sensor's. The levels are judged
    // as at 5 V where there is a supply at all.
    if (!supplyMv || !std::isfinite(*supplyMv))
        outcome(supply, GuidedStep::Skipped, GuidedStep::NoSupply);
    else {
        supply.value = std::nearbyint(*supplyMv);
        if (supply.value >= kSignalLowMv)
            r.ratio = 5000 / supply.value;
        const bool in = supply.value >= L.supplyMinMv && supply.value <= L.supplyMaxMv;
        outcome(supply, in ? GuidedStep::Pass : GuidedStep::WiringFault, in ? GuidedStep::None : GuidedStep::OutOfLimit);
    }
    const double k = r.ratio;
    const Samples &s = trace.samples();
    for (GuidedStep *step : {&rest, &crank, &idle, &snap, &keyOff})
        outcome(*step, GuidedStep::NotJudged, GuidedStep::NotFound);
    if (s.empty())
        return r;
    const std::int64_t first = s.front().ms, last = s.back().ms;

    // The parts, from the signal: the rise out of the zero (from where it
    // left the zero's band), idle reached and settled (no longer rising),
    // its level; the snap above idle and back; key off, a fall away from
    // idle's level; the zero again. Idle ends where the signal last was at
    // its level before what follows, less a margin.
    const double zeroTop = (L.restMv + L.restTolMv) / k; // (the signal's mV that are the zero's limit at 5 V)
    const auto mean = [&trace](std::int64_t from, std::int64_t to) { return trace.stats(from, to).mean; };
    const std::size_t riseSeen = firstLasting(s, 0, [&](double mv) { return mv > L.restMv + 2 * L.restTolMv; }, kRiseLastsMs);
    // (back to where it left the level it rested at: the mean up to half a
    // second before the rise was seen, within a mV)
    std::size_t rise = riseSeen;
    if (rise != kNone) {
        const std::int64_t restUntil = s[rise].ms - 500;
        const double base = restUntil > first ? mean(first, restUntil) : s.front().mv;
        while (rise > 0 && s[rise - 1].mv > base + 1)
            --rise;
    }
    const std::size_t idleAt = rise == kNone ? kNone : firstLasting(s, rise, [&](double mv) { return mv >= L.idleMinMv; }, kRiseLastsMs);
    std::size_t settledAt = idleAt;
    while (settledAt != kNone && settledAt < s.size()
           && mean(s[settledAt].ms, s[settledAt].ms + kSteadyMs) - mean(s[settledAt].ms - kSteadyMs, s[settledAt].ms) > L.rippleMaxMv / 2)
        ++settledAt;
    if (settledAt == s.size())
        settledAt = kNone;
    const std::int64_t settled = settledAt == kNone ? last : s[settledAt].ms;
    const double level = settledAt == kNone ? 0 : mean(settled, settled + kIdleMinMs);
    const auto atLevel = [&](double mv) { return std::abs(mv - level) <= L.rippleMaxMv; };
    const auto lastAtLevel = [&](std::size_t before) {
        while (before > 0 && !atLevel(s[before].mv))
            --before;
        return before;
    };
    const std::size_t snapAt = settledAt == kNone ? kNone : firstLasting(s, settledAt, [&](double mv) { return mv > L.idleMaxMv; }, kSnapLastsMs);
    const std::size_t snapEnd = snapAt == kNone ? kNone : firstLasting(s, snapAt, [&](double mv) { return mv <= L.idleMaxMv; }, kBackLastsMs);
    const std::size_t offFrom = snapEnd != kNone ? snapEnd : snapAt == kNone ? settledAt : kNone;
    const std::size_t offSeen = offFrom == kNone ? kNone
                                                 : firstLasting(s, offFrom, [&](double mv) { return mv < level - 2 * L.rippleMaxMv; }, kBackLastsMs);
    const std::size_t offAt = offSeen == kNone ? kNone : lastAtLevel(offSeen);
    const std::size_t zeroAgain = offAt == kNone ? kNone : firstLasting(s, offAt, [&](double mv) { return mv <= zeroTop; }, 0);
    const std::size_t idleEnd = snapAt != kNone ? lastAtLevel(snapAt) : offAt != kNone ? offAt : s.size() - 1;

    // Key on, engine off: its level against the zero; off the signal's
    // range, the wiring.
    if (given[0])
        part(rest, given[0]->first, given[0]->second);
    else
        part(rest, first, rise == kNone ? last : s[rise].ms - 1);
    if (*rest.toMs - *rest.fromMs < kRestMinMs)
        outcome(rest, GuidedStep::NotJudged, GuidedStep::TooShort);
    else {
        const TraceStats st = trace.stats(*rest.fromMs, *rest.toMs);
        rest.value = std::nearbyint(st.mean); // (whole mV, as the calculator writes them; halves to even)
        if (!st.count)
            outcome(rest, GuidedStep::NotJudged, GuidedStep::TooShort);
        else if (rest.value < kSignalLowMv || rest.value > kSignalHighMv)
            outcome(rest, GuidedStep::WiringFault, GuidedStep::OutOfLimit);
        else {
            const bool in = std::abs(rest.value * k - L.restMv) <= L.restTolMv;
            outcome(rest, in ? GuidedStep::Pass : GuidedStep::Fail, in ? GuidedStep::None : GuidedStep::OutOfLimit);
        }
    }

    // Cranking: the time from the rise to idle.
    if (given[2] || (rise != kNone && idleAt != kNone)) {
        if (given[2])
            part(crank, given[2]->first, given[2]->second);
        else
            part(crank, s[rise].ms, s[idleAt].ms);
        crank.value = double(*crank.toMs - *crank.fromMs);
        const bool in = crank.value <= L.crankMaxMs;
        outcome(crank, in ? GuidedStep::Pass : GuidedStep::Fail, in ? GuidedStep::None : GuidedStep::OutOfLimit);
    } else if (rise != kNone) {
        part(crank, s[rise].ms, last);
        crank.value = double(last - s[rise].ms);
        if (crank.value > L.crankMaxMs) // (never reached idle in its time)
            outcome(crank, GuidedStep::Fail, GuidedStep::OutOfLimit);
        else
            outcome(crank, GuidedStep::NotJudged, GuidedStep::EndsTooSoon);
    }

    // Idle: its level and the pump's ripple, settled, before what follows.
    if (given[3] || settledAt != kNone) {
        if (given[3])
            part(idle, given[3]->first, given[3]->second);
        else
            part(idle, settled, s[idleEnd].ms - kIdleGapMs);
        const TraceStats st = trace.stats(*idle.fromMs, *idle.toMs);
        if (*idle.toMs - *idle.fromMs < kIdleMinMs || st.count < 2)
            outcome(idle, GuidedStep::NotJudged, GuidedStep::TooShort);
        else {
            idle.value = std::nearbyint(st.mean);
            idle.value2 = st.max - st.min;
            const bool in = idle.value * k >= L.idleMinMv && idle.value * k <= L.idleMaxMv && idle.value2 <= L.rippleMaxMv;
            outcome(idle, in ? GuidedStep::Pass : GuidedStep::Fail, in ? GuidedStep::None : GuidedStep::OutOfLimit);
        }
    }

    // The snap: its peak, and no step down of more than the limit within
    // a few ms (an intermittent connector).
    if (given[4] || snapAt != kNone) {
        if (given[4])
            part(snap, given[4]->first, given[4]->second);
        else
            part(snap, s[snapAt].ms, snapEnd == kNone ? last : s[snapEnd].ms);
        if (!given[4] && snapEnd == kNone)
            outcome(snap, GuidedStep::NotJudged, GuidedStep::EndsTooSoon);
        else {
            const TraceStats st = trace.stats(*snap.fromMs, *snap.toMs);
            snap.value = st.max;
            std::deque<TraceSample> window; // the readings of the last dropoutMs, their highest first
            for (std::size_t i = indexAt(s, *snap.fromMs); i < s.size() && s[i].ms <= *snap.toMs; ++i) {
                while (!window.empty() && window.front().ms < s[i].ms - std::int64_t(L.dropoutMs))
                    window.pop_front();
                if (!window.empty()) {
                    const double highest = std::max_element(window.begin(), window.end(), [](auto &a, auto &b) { return a.mv < b.mv; })->mv;
                    if (highest - s[i].mv > snap.value2) {
                        snap.value2 = highest - s[i].mv;
                        snap.atMs = s[i].ms;
                    }
                }
                window.push_back(s[i]);
            }
            if (!st.count)
                outcome(snap, GuidedStep::NotJudged, GuidedStep::TooShort);
            else if (snap.value2 > L.dropoutMv)
                outcome(snap, GuidedStep::Fail, GuidedStep::Dropout);
            else
                outcome(snap, st.max * k >= L.snapMinMv ? GuidedStep::Pass : GuidedStep::Fail,
                        st.max * k >= L.snapMinMv ? GuidedStep::None : GuidedStep::OutOfLimit);
        }
    }

    // Key off: the time from the fall below idle to the zero's limit.
    if (given[5] || offAt != kNone) {
        std::size_t end = zeroAgain;
        if (given[5]) {
            part(keyOff, given[5]->first, given[5]->second);
            end = firstLasting(s, indexAt(s, *keyOff.fromMs), [&](double mv) { return mv <= zeroTop; }, 0);
            if (end != kNone && s[end].ms > *keyOff.toMs)
                end = kNone;
        } else
            part(keyOff, s[offAt].ms, zeroAgain == kNone ? last : s[zeroAgain].ms);
        const std::int64_t begun = *keyOff.fromMs;
        keyOff.value = double((end == kNone ? (given[5] ? *keyOff.toMs : last) : s[end].ms) - begun);
        if (end != kNone) {
            const bool in = keyOff.value <= L.decayMaxMs;
            outcome(keyOff, in ? GuidedStep::Pass : GuidedStep::Fail, in ? GuidedStep::None : GuidedStep::OutOfLimit);
        } else if (keyOff.value > L.decayMaxMs)
            outcome(keyOff, GuidedStep::Fail, GuidedStep::OutOfLimit);
        else
            outcome(keyOff, GuidedStep::NotJudged, GuidedStep::EndsTooSoon);
    }

    bool failed = false, unjudged = false;
    for (const GuidedStep &step : r.steps) {
        failed = failed || step.outcome == GuidedStep::Fail || step.outcome == GuidedStep::WiringFault;
        unjudged = unjudged || step.outcome == GuidedStep::NotJudged;
    }
    r.overall = failed ? GuidedStep::Fail : unjudged ? GuidedStep::NotJudged : GuidedStep::Pass;
    return r;
}

} // namespace dravino
