// A trace file of any bytes, read back under small limits: read whole, in
// time order within its limits, or refused with nothing read; the guided
// test on what was read passes only where every step passed.
#include "FuzzInput.h"
#include "core/GuidedTest.h"
#include "core/TraceFile.h"

using namespace dravino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::Input in(data, size);
    const auto maxBytes = std::size_t(in.number(0, 4096));
    const auto maxReadings = std::size_t(in.number(1, 64));
    const std::string text(in.rest());
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
