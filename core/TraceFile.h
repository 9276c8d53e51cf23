#pragma once
// A trace read back from the CSV file the trace window exports: a line of
// headings (the time in seconds, then mV, then anything), then a line a
// reading. The separator is the headings' own (';', a tab or ','); a
// decimal comma is read where the separator is not a comma; fields may be
// quoted; a byte-order mark and CRLF line ends are allowed. What is not
// such a file is refused with the line that says so, never read in part.

#include "core/Trace.h"

#include <cstddef>
#include <string_view>

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
    } error = None;
    std::size_t line = 0; // the line at fault, from 1
    Trace trace;
};

TraceFileRead readTraceCsv(std::string_view text, std::size_t maxBytes = kTraceFileMaxBytes,
                           std::size_t maxReadings = kTraceCapacity);

} // namespace dravino
