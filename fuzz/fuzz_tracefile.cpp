// A trace file of any bytes, read back under small limits: read whole, in
// time order within its limits, or refused with nothing read.
#include "FuzzInput.h"
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
    return 0;
}
