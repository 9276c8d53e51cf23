#include "core/Trace.h"

#include <algorithm>
#include <cmath>

namespace dravino {

SignalLevel signalLevel(double mv, int voltageLimitMv)
{
    if (mv < kSignalLowMv)
        return SignalLevel::BelowRange;
    if (mv > kSignalHighMv)
        return SignalLevel::AboveRange;
    if (mv > voltageLimitMv)
        return SignalLevel::AboveLimit;
    return SignalLevel::InRange;
}

void Trace::add(std::int64_t ms, double mv)
{
    if (!m_samples.empty())
        ms = std::max(ms, m_samples.back().ms);
    if (m_samples.size() >= m_capacity) {
        const std::size_t n = std::max<std::size_t>(1, m_capacity / 8);
        m_samples.erase(m_samples.begin(), m_samples.begin() + std::ptrdiff_t(n));
        m_dropped += n;
        m_blocks.clear();
        sumUp(0);
    }
    m_samples.push_back({ms, mv});
    sumUp(m_samples.size() - 1);
}

// The blocks from the one holding reading from on, summed up again.
void Trace::sumUp(std::size_t from)
{
    for (std::size_t b = from / kBlock; b * kBlock < m_samples.size(); ++b) {
        const std::size_t begin = b * kBlock, end = std::min(m_samples.size(), begin + kBlock);
        Block k{m_samples[begin].mv, m_samples[begin].mv, m_samples[begin].mv, m_samples[end - 1].mv};
        if (from > begin && b < m_blocks.size()) { // (one more reading in a block summed already)
            k = m_blocks[b];
            for (std::size_t i = from; i < end; ++i) {
                k.min = std::min(k.min, m_samples[i].mv);
                k.max = std::max(k.max, m_samples[i].mv);
            }
            k.last = m_samples[end - 1].mv;
        } else {
            for (std::size_t i = begin; i < end; ++i) {
                k.min = std::min(k.min, m_samples[i].mv);
                k.max = std::max(k.max, m_samples[i].mv);
            }
        }
        if (b < m_blocks.size())
            m_blocks[b] = k;
        else
            m_blocks.push_back(k);
    }
}

std::optional<TraceSample> Trace::latest() const
{
    if (m_samples.empty())
        return std::nullopt;
    return m_samples.back();
}

std::size_t Trace::firstAtOrAfter(std::int64_t ms) const
{
    return std::size_t(std::lower_bound(m_samples.begin(), m_samples.end(), ms,
                                        [](const TraceSample &s, std::int64_t t) { return s.ms < t; })
                       - m_samples.begin());
}

TraceStats Trace::stats() const
{
    return m_samples.empty() ? TraceStats{} : stats(m_samples.front().ms, m_samples.back().ms);
}

TraceStats Trace::stats(std::int64_t fromMs, std::int64_t toMs) const
{
    if (toMs < fromMs)
        std::swap(fromMs, toMs);
    TraceStats s;
    double sum = 0;
    for (std::size_t i = firstAtOrAfter(fromMs); i < m_samples.size() && m_samples[i].ms <= toMs; ++i) {
        const double mv = m_samples[i].mv;
        s.min = s.count ? std::min(s.min, mv) : mv;
        s.max = s.count ? std::max(s.max, mv) : mv;
        sum += mv;
        ++s.count;
    }
    if (s.count)
        s.mean = sum / double(s.count);
    return s;
}

bool Trace::stale(std::int64_t nowMs, std::int64_t staleMs) const
{
    return !m_samples.empty() && nowMs - m_samples.back().ms > staleMs;
}

std::optional<CursorSpan> Trace::between(double level, double to, std::int64_t fromMs, std::int64_t toMs) const
{
    // When the segment from a to b passes v in the passage's direction:
    // rising, from below v to v or above; falling, from above to v or below.
    const bool rising = to >= level;
    const auto crossing = [rising](const TraceSample &a, const TraceSample &b, double v) -> std::optional<double> {
        const bool passes = rising ? a.mv < v && b.mv >= v : a.mv > v && b.mv <= v;
        if (!passes)
            return std::nullopt;
        return double(a.ms) + (v - a.mv) / (b.mv - a.mv) * double(b.ms - a.ms);
    };
    std::optional<double> start;
    for (std::size_t i = firstAtOrAfter(fromMs); i + 1 < m_samples.size() && m_samples[i + 1].ms <= toMs; ++i) {
        const TraceSample &a = m_samples[i], &b = m_samples[i + 1];
        if (const auto at = crossing(a, b, level))
            start = at;
        if (start)
            if (const auto end = crossing(a, b, to); end && *end >= *start)
                return CursorSpan{*start, *end};
    }
    return std::nullopt;
}

std::vector<TraceColumn> Trace::columns(std::int64_t fromMs, std::int64_t toMs, int count) const
{
    std::vector<TraceColumn> out;
    if (count < 1 || toMs < fromMs)
        return out;
    const double slot = std::max(1.0, double(toMs - fromMs + 1) / count);
    const auto columnOf = [&](std::int64_t ms) { return std::int64_t(fromMs + std::floor(double(ms - fromMs) / slot) * slot); };
    out.reserve(std::size_t(count));
    const auto take = [&out](std::int64_t column, double min, double max, double first, double last) {
        if (out.empty() || out.back().fromMs != column)
            out.push_back({column, min, max, first, last});
        else {
            out.back().min = std::min(out.back().min, min);
            out.back().max = std::max(out.back().max, max);
            out.back().last = last;
        }
    };
    for (std::size_t i = firstAtOrAfter(fromMs); i < m_samples.size() && m_samples[i].ms <= toMs;) {
        const TraceSample &s = m_samples[i];
        const std::int64_t column = columnOf(s.ms);
        // A whole block within one column: taken at once.
        if (i % kBlock == 0 && i + kBlock <= m_samples.size() && m_samples[i + kBlock - 1].ms <= toMs
            && columnOf(m_samples[i + kBlock - 1].ms) == column) {
            const Block &b = m_blocks[i / kBlock];
            take(column, b.min, b.max, b.first, b.last);
            i += kBlock;
            continue;
        }
        take(column, s.mv, s.mv, s.mv, s.mv);
        ++i;
    }
    return out;
}

double tracePressure(SensorType type, int fullScale, int zeroMv, double mv)
{
    return (mv - zeroMv) * double(coefficient(type, fullScale));
}

} // namespace dravino
