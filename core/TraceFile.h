#pragma once
// A trace read back from the CSV file the trace window exports: a line of
// headings (the time in seconds, then mV, then anything), then a line a
// reading. The separator is the headings' own (';', a tab or ','); a
// decimal comma is read where the separator is not a comma; fields may be
// quoted; a byte-order mark and CRLF line ends are allowed. What is not
// such a file is refused with the line that says so, never read in part.

#include "core/SampleBins.h"
#include "core/Trace.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dravino {

inline constexpr std::size_t kTraceFileMaxBytes = 64u << 20; // a full trace's CSV is about 40 MB

struct TraceFileRead {
    enum Error {
        None,
        TooLarge,      // over the byte limit, or more readings than a trace keeps
        NotACapture,   // its headings are not a trace's (line 1)
        Empty,         // headings and no reading
        Truncated,     // a line without its mV (the file cut short)
        BadNumber,     // a time or mV that is not a number
        TimeGoesBack,  // a reading stamped before the one above it
        NotASession,   // a session file libsigrok does not open, or one without an analog channel
    } error = None;
    std::size_t line = 0; // the line at fault, from 1
    Trace trace;
};

TraceFileRead readTraceCsv(std::string_view text, std::size_t maxBytes = kTraceFileMaxBytes,
                           std::size_t maxReadings = kTraceCapacity);

// A trace as a sigrok session file keeps it (a .sr that PulseView opens):
// one analog channel at one rate, in volts, and a logic channel that marks
// the slots holding a reading. Written on a grid of two slots a
// millisecond (2 kHz): each millisecond its lowest and highest reading in
// the order they came (the one twice where it has one), marked; a millisecond without a reading on
// the straight line between the readings around it (as the chart draws
// them), unmarked. put is called with up to chunk slots at a time, so that
// hours of a meter need no grid in memory.
// A trace longer than kTraceGridMaxMs is not put on the grid (false): its
// file would run to gigabytes (a CSV keeps it).
inline constexpr double kTraceGridRateHz = 2000;
inline constexpr std::int64_t kTraceGridMaxMs = 4 * 3600 * 1000;
bool traceToGrid(const Trace &trace,
                 const std::function<void(const float *volts, const std::uint8_t *marks, std::size_t count)> &put,
                 std::size_t chunk = 1 << 20);

// Readings at a rate (a session file's, ours or any other's) back into a
// trace, stamped from 0: the marked slots only, where marks are given (a
// grid read back is the trace written), else every one; each millisecond's
// lowest and highest, as a scope keeps them.
class TraceFromRate
{
public:
    explicit TraceFromRate(double rateHz, std::size_t maxReadings = kTraceCapacity);
    // false once the trace would pass its bound (the rest is not read).
    bool add(const float *volts, const std::uint8_t *marks, std::size_t count);
    // The trace read, or why none: Empty, TooLarge, NotASession (no rate).
    TraceFileRead finish();

private:
    void keep(const std::vector<TraceSample> &samples);
    double m_rateHz;
    std::size_t m_max;
    std::uint64_t m_index = 0;
    SampleBins m_bins;
    std::vector<TraceSample> m_out;
    bool m_tooLarge = false;
};

// Readings packed as a record keeps a capture: each the ms since the one
// before and its µV less the one before's, as variable-length whole
// numbers (a reading takes two to four bytes), and back. Unpacking what is
// not such a list (cut short, too long a number, a time running back)
// gives nothing (false); never more than maxReadings.
std::string packTraceSamples(const std::vector<TraceSample> &samples);
bool unpackTraceSamples(std::string_view packed, std::vector<TraceSample> &out, std::size_t maxReadings = kTraceCapacity);

} // namespace dravino
