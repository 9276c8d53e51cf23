#pragma once
// Readings that come faster than a trace keeps them (an oscilloscope at a
// million a second) kept as a scope's peak detect: each whole millisecond's
// lowest and highest reading, in the order they came (one where the
// millisecond had one reading, or all were equal), stamped at the
// millisecond's start. A 25 ms ripple keeps its peaks, a 2 ms dropout its
// depth; a reading slower than a millisecond is kept as it came.

#include "core/Trace.h"

#include <cstdint>
#include <vector>

namespace dravino {

class SampleBins
{
public:
    // Readings in time order, stamped in ms (a stamp before the open
    // millisecond's start goes into it).
    void add(double ms, double mv);
    // Closes the open millisecond (a stream that ends, or stands still).
    void flush();
    // The closed milliseconds' samples, taken out.
    std::vector<TraceSample> take();
    // Readings added since the making.
    std::uint64_t readings() const { return m_readings; }

private:
    void close();
    std::vector<TraceSample> m_out;
    std::int64_t m_ms = 0;
    bool m_open = false;
    double m_min = 0, m_max = 0;
    bool m_minFirst = true; // the lowest came before the highest
    std::uint64_t m_readings = 0;
};

} // namespace dravino
