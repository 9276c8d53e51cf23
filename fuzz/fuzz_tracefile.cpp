// A trace file of any bytes, read back under small limits: read whole, in
// time order within its limits, or refused with nothing read; the guided
// test on what was read passes only where every step passed; what was read,
// put on a session file's grid and read back, spans the same time within
// the same range; the same bytes unpacked as a record's capture give
// nothing or what packs and unpacks to itself.
#include "FuzzInput.h"
#include "core/GuidedTest.h"
#include "core/TraceFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const auto maxBytes = std::size_t(in.number(0, 4096));
    const auto maxReadings = std::size_t(in.number(1, 64));
    const std::string text(in.rest());
    // The same bytes as a record's packed capture: nothing, or readings in
    // time order that pack and unpack to themselves.
    std::vector<TraceSample> unpacked, again;
    if (unpackTraceSamples(text, unpacked, maxReadings)) {
        fuzz::check(unpacked.size() <= maxReadings, "unpacked within the bound");
        for (std::size_t i = 1; i < unpacked.size(); ++i)
            fuzz::check(unpacked[i - 1].ms <= unpacked[i].ms, "unpacked in time order");
        fuzz::check(unpackTraceSamples(packTraceSamples(unpacked), again, maxReadings) && again.size() == unpacked.size(),
                    "packed again, unpacked again");
        for (std::size_t i = 0; i < again.size(); ++i)
            fuzz::check(again[i].ms == unpacked[i].ms && again[i].mv == unpacked[i].mv, "the same readings");
    } else
        fuzz::check(unpacked.empty(), "a refused packing gives nothing");
    const TraceFileRead r = readTraceCsv(text, maxBytes, maxReadings);
    if (r.error != TraceFileRead::None) {
        fuzz::check(r.trace.empty(), "a refused file reads nothing");
        fuzz::check(r.error == TraceFileRead::TooLarge || r.line >= 1, "a refusal names its line");
        return 0;
    }
    fuzz::check(text.size() <= maxBytes, "a file over the limit is refused");
    fuzz::check(!r.trace.empty() && r.trace.samples().size() <= maxReadings, "a file read has readings, within the bound");
    fuzz::check(r.trace.dropped() == 0, "a file read keeps every reading");
    for (std::size_t i = 1; i < r.trace.samples().size(); ++i)
        fuzz::check(r.trace.samples()[i - 1].ms <= r.trace.samples()[i].ms, "in time order");
    // On a session file's grid (within a fuzzer's memory: a long span is
    // only checked to be refused past its bound) and read back.
    if (r.trace.durationMs() > 100000) {
        fuzz::check(traceToGrid(r.trace, [](const float *, const std::uint8_t *, std::size_t) {}) ==
                        (r.trace.durationMs() <= kTraceGridMaxMs),
                    "on the grid within its time");
    } else {
        std::vector<float> volts;
        std::vector<std::uint8_t> marks;
        const bool onGrid = traceToGrid(
            r.trace,
            [&](const float *v, const std::uint8_t *m, std::size_t n) {
                volts.insert(volts.end(), v, v + n);
                marks.insert(marks.end(), m, m + n);
            },
            7);
        fuzz::check(onGrid, "a short trace goes on the grid");
        TraceFromRate grid(kTraceGridRateHz, maxReadings * 2);
        grid.add(volts.data(), marks.data(), volts.size());
        const TraceFileRead back = grid.finish();
        fuzz::check(back.error == TraceFileRead::None, "a grid reads back");
        const TraceStats before = r.trace.stats();
        if (back.error == TraceFileRead::None && std::fabs(before.min) < 1e30 && std::fabs(before.max) < 1e30) {
            const TraceStats after = back.trace.stats();
            fuzz::check(back.trace.durationMs() == r.trace.durationMs(), "the same span of time");
            fuzz::check(back.trace.samples().size() <= r.trace.samples().size(), "no reading made up");
            const double slack = 1e-3 + 1e-6 * std::max(std::fabs(before.min), std::fabs(before.max));
            fuzz::check(after.min >= before.min - slack && after.max <= before.max + slack, "within the readings' range");
        }
    }
    // The guided test on what was read: a pass only where every step passed
    // (the supply skipped); each judged part within the capture.
    const GuidedResult g = runGuidedTest(r.trace, genericLimits(SensorType::BoschDelphiVdo));
    for (const GuidedStep &step : g.steps) {
        if (g.overall == GuidedStep::Pass)
            fuzz::check(step.outcome == GuidedStep::Pass || step.outcome == GuidedStep::Skipped, "a pass only where every step passed");
        if (step.outcome == GuidedStep::NotJudged)
            fuzz::check(g.overall != GuidedStep::Pass, "a step not judged is never a pass");
        if (step.fromMs && step.outcome != GuidedStep::NotJudged)
            fuzz::check(*step.fromMs <= *step.toMs, "a part runs forwards");
    }
    return 0;
}
