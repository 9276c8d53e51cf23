#pragma once
// A sensor's output traced over time from the bench multimeter: each
// reading stamped when it came (ms from the trace's start), in mV. The
// trace keeps its readings up to a bound (2,000,000 by default, 32 MB: days
// of a polled meter), then lets the oldest go and counts them; it gives the
// minimum, maximum and mean of the whole or of a span, finds when the
// signal crossed a level (the cursors: the time from one level to another
// and the rate of pressure over it), tells a reading outside the signal's
// range (a wiring or supply fault), and shrinks a span to the lowest and
// highest reading of each column a chart draws (a scope's peak detect: a
// spike narrower than a column still reaches its height).

#include "core/Sensor.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace dravino {

struct TraceSample {
    std::int64_t ms = 0;
    double mv = 0;
};

struct TraceStats {
    std::size_t count = 0;
    double min = 0, max = 0, mean = 0;
};

// The signal range of a 5 V sensor: 4 % and 96 % of its supply.
inline constexpr double kSignalLowMv = 200;
inline constexpr double kSignalHighMv = 4800;

enum class SignalLevel {
    BelowRange,   // under 200 mV: an open wire, a short to ground, no supply
    InRange,
    AboveLimit,   // over the family's voltage limit, still within the range
    AboveRange,   // over 4800 mV: a short to the supply, a lost ground
};
SignalLevel signalLevel(double mv, int voltageLimitMv);

// The time from one level to another, and the pressure's rate over it.
struct CursorSpan {
    double fromMs = 0, toMs = 0; // when the signal crossed each level
    double seconds() const { return (toMs - fromMs) / 1000.0; }
};

// A column of a chart: the lowest and highest reading in its time slot,
// and its first and last (where the line from the column before comes in
// and the line to the next goes out).
struct TraceColumn {
    std::int64_t fromMs = 0;
    double min = 0, max = 0;
    double first = 0, last = 0;
};

inline constexpr std::size_t kTraceCapacity = 2'000'000;

class Trace
{
public:
    explicit Trace(std::size_t capacity = kTraceCapacity) : m_capacity(capacity < 1 ? 1 : capacity) {}
    // Readings come in time order; a stamp earlier than the last is taken
    // as the last's (a clock that stepped back). A full trace first lets
    // go of its oldest eighth.
    void add(std::int64_t ms, double mv);
    void clear()
    {
        m_samples.clear();
        m_blocks.clear();
        m_dropped = 0;
    }
    // The oldest readings let go to stay within the bound, since the last clear.
    std::size_t dropped() const { return m_dropped; }
    std::size_t capacity() const { return m_capacity; }
    const std::vector<TraceSample> &samples() const { return m_samples; }
    bool empty() const { return m_samples.empty(); }
    std::optional<TraceSample> latest() const;
    std::int64_t durationMs() const { return m_samples.empty() ? 0 : m_samples.back().ms - m_samples.front().ms; }

    // The readings stamped fromMs to toMs, both included.
    TraceStats stats() const;
    TraceStats stats(std::int64_t fromMs, std::int64_t toMs) const;
    // No reading for over staleMs at nowMs (never stale when empty).
    bool stale(std::int64_t nowMs, std::int64_t staleMs = 1000) const;
    // Between fromMs and toMs, the signal's passage from level to to, as a
    // scope's cursors measure a rise or a fall: the first crossing of to in
    // the passage's direction (rising where to is above level, falling
    // where below), and the last crossing of level in that direction before
    // it; each at the time the straight line between two readings gives.
    // A rise does not answer for a fall. Nothing where there is no passage.
    std::optional<CursorSpan> between(double level, double to, std::int64_t fromMs = INT64_MIN,
                                      std::int64_t toMs = INT64_MAX) const;
    // fromMs to toMs in columns slots, each with its readings' range (a slot
    // with none is left out).
    std::vector<TraceColumn> columns(std::int64_t fromMs, std::int64_t toMs, int count) const;

private:
    // Each run of kBlock readings summed up (its range, first and last), so
    // that a column spanning many runs takes each whole: a chart of a long
    // trace draws in time to its columns, not to its readings.
    static constexpr std::size_t kBlock = 256;
    struct Block {
        double min = 0, max = 0, first = 0, last = 0;
    };
    void sumUp(std::size_t from);
    std::size_t firstAtOrAfter(std::int64_t ms) const;
    std::vector<TraceSample> m_samples;
    std::vector<Block> m_blocks; // m_blocks[b] sums m_samples[b * kBlock ...]
    std::size_t m_capacity;
    std::size_t m_dropped = 0;
};

// The pressure of mv for the family and full scale from the zero point,
// unrounded (the trace's right axis and its rates).
double tracePressure(SensorType type, int fullScale, int zeroMv, double mv);

} // namespace dravino
