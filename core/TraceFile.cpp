#include "core/TraceFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace dravino {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

std::vector<std::string_view> fields(std::string_view line, char separator)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"')
            quoted = !quoted;
        if (i == line.size() || (line[i] == separator && !quoted)) {
            out.push_back(trimmed(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return out;
}

// A decimal number, with a point or (where allowed) a comma; all of it.
std::optional<double> number(std::string_view s, bool comma)
{
    std::string text(s);
    if (comma)
        for (char &c : text)
            if (c == ',')
                c = '.';
    double v = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

TraceFileRead readTraceCsv(std::string_view text, std::size_t maxBytes, std::size_t maxReadings)
{
    TraceFileRead out;
    const auto fail = [&out](TraceFileRead::Error e, std::size_t line) {
        out.error = e;
        out.line = line;
        out.trace.clear();
        return out;
    };
    if (text.size() > maxBytes)
        return fail(TraceFileRead::TooLarge, 0);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    // The headings, and the separator they use.
    const std::size_t firstEnd = text.find('\n');
    const std::string_view head = text.substr(0, firstEnd);
    char separator = 0;
    for (const char c : {';', '\t', ','})
        if (head.find(c) != std::string_view::npos) {
            separator = c;
            break;
        }
    if (!separator)
        return fail(TraceFileRead::NotACapture, 1);
    const auto headings = fields(head, separator);
    if (headings.size() < 2 || headings[1] != "mV")
        return fail(TraceFileRead::NotACapture, 1);
    const bool comma = separator != ',';
    out.trace = Trace(maxReadings);
    std::size_t lineNo = 1;
    std::int64_t last = INT64_MIN;
    for (std::size_t at = firstEnd == std::string_view::npos ? text.size() : firstEnd + 1; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNo;
        if (trimmed(line).empty())
            continue;
        const auto f = fields(line, separator);
        if (f.size() < 2 || f[1].empty())
            return fail(TraceFileRead::Truncated, lineNo);
        const auto seconds = number(f[0], comma);
        const auto mv = number(f[1], comma);
        if (!seconds || !mv || std::abs(*seconds) > 1e12 || std::abs(*mv) > 1e9)
            return fail(TraceFileRead::BadNumber, lineNo);
        const auto ms = std::int64_t(std::llround(*seconds * 1000.0));
        if (ms < last)
            return fail(TraceFileRead::TimeGoesBack, lineNo);
        if (out.trace.samples().size() == maxReadings)
            return fail(TraceFileRead::TooLarge, lineNo);
        last = ms;
        out.trace.add(ms, *mv);
    }
    if (out.trace.empty())
        return fail(TraceFileRead::Empty, lineNo);
    return out;
}

bool traceToGrid(const Trace &trace,
                 const std::function<void(const float *volts, const std::uint8_t *marks, std::size_t count)> &put,
                 std::size_t chunk)
{
    const auto &samples = trace.samples();
    if (trace.durationMs() > kTraceGridMaxMs)
        return false;
    if (samples.empty() || chunk < 2)
        return true;
    std::vector<float> grid;
    std::vector<std::uint8_t> marks;
    grid.reserve(chunk);
    marks.reserve(chunk);
    const auto slot = [&](double mv, bool reading) {
        grid.push_back(static_cast<float>(mv / 1000.0));
        marks.push_back(reading ? 1 : 0);
        if (grid.size() >= chunk) {
            put(grid.data(), marks.data(), grid.size());
            grid.clear();
            marks.clear();
        }
    };
    std::size_t i = 0;
    for (std::int64_t ms = samples.front().ms; ms <= samples.back().ms; ++ms) {
        if (samples[i].ms == ms) {
            // This millisecond's lowest and highest, in the order they came.
            std::size_t low = i, high = i;
            for (; i < samples.size() && samples[i].ms == ms; ++i) {
                low = samples[i].mv < samples[low].mv ? i : low;
                high = samples[i].mv > samples[high].mv ? i : high;
            }
            slot(samples[std::min(low, high)].mv, true);
            slot(samples[std::max(low, high)].mv, true);
        } else {
            // Between two readings, on the straight line the chart draws.
            const TraceSample &from = samples[i - 1], &to = samples[i];
            const double mv = from.mv + (to.mv - from.mv) * double(ms - from.ms) / double(to.ms - from.ms);
            slot(mv, false);
            slot(mv, false);
        }
    }
    if (!grid.empty())
        put(grid.data(), marks.data(), grid.size());
    return true;
}

TraceFromRate::TraceFromRate(double rateHz, std::size_t maxReadings) : m_rateHz(rateHz), m_max(maxReadings) {}

bool TraceFromRate::add(const float *volts, const std::uint8_t *marks, std::size_t count)
{
    if (m_tooLarge || !(m_rateHz > 0))
        return false;
    // In mV to the µV (single precision's last digits measured nothing).
    for (std::size_t i = 0; i < count; ++i)
        if (!marks || (marks[i] & 1))
            m_bins.add(double(m_index + i) * 1000.0 / m_rateHz, std::round(double(volts[i]) * 1e6) / 1e3);
    m_index += count;
    keep(m_bins.take());
    return !m_tooLarge;
}

void TraceFromRate::keep(const std::vector<TraceSample> &samples)
{
    if (m_out.size() + samples.size() > m_max) {
        m_tooLarge = true;
        return;
    }
    m_out.insert(m_out.end(), samples.begin(), samples.end());
}

TraceFileRead TraceFromRate::finish()
{
    TraceFileRead r;
    if (!(m_rateHz > 0)) {
        r.error = TraceFileRead::NotASession;
        return r;
    }
    m_bins.flush();
    if (!m_tooLarge)
        keep(m_bins.take());
    if (m_tooLarge)
        r.error = TraceFileRead::TooLarge;
    else if (m_out.empty())
        r.error = TraceFileRead::Empty;
    else {
        r.trace = Trace(std::max<std::size_t>(m_max, 1));
        const std::int64_t first = m_out.front().ms; // (from 0, as a CSV's)
        for (const TraceSample &s : m_out)
            r.trace.add(s.ms - first, s.mv);
    }
    return r;
}

namespace {
void putVarint(std::string &out, std::uint64_t v)
{
    while (v >= 0x80) {
        out.push_back(char((v & 0x7f) | 0x80));
        v >>= 7;
    }
    out.push_back(char(v));
}

bool takeVarint(std::string_view &in, std::uint64_t &v)
{
    v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (in.empty())
            return false;
        const auto byte = std::uint8_t(in.front());
        in.remove_prefix(1);
        v |= std::uint64_t(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return shift < 63 || byte <= 1;
    }
    return false;
}

constexpr std::int64_t kMostMicrovolts = 1'000'000'000'000; // (a thousand kV: beyond, no reading)
std::int64_t microvolts(double mv) { return std::llround(std::clamp(std::isnan(mv) ? 0.0 : mv, -1e9, 1e9) * 1000); }
std::uint64_t zigzag(std::int64_t d) { return (std::uint64_t(d) << 1) ^ std::uint64_t(d >> 63); } // (small falls stay small)
std::int64_t unzigzag(std::uint64_t z) { return std::int64_t(z >> 1) ^ -std::int64_t(z & 1); }
bool addSafely(std::int64_t &sum, std::int64_t d)
{
    if ((d > 0 && sum > INT64_MAX - d) || (d < 0 && sum < INT64_MIN - d))
        return false;
    sum += d;
    return true;
}
} // namespace

std::string packTraceSamples(const std::vector<TraceSample> &samples)
{
    std::string out;
    out.reserve(samples.size() * 3);
    // (the first reading's time from 0, either side; each after from the one before)
    std::int64_t ms = 0, uv = 0;
    for (const TraceSample &s : samples) {
        const std::int64_t at = &s == samples.data() ? s.ms : std::max(s.ms, ms), v = microvolts(s.mv);
        putVarint(out, zigzag(at - ms));
        putVarint(out, zigzag(v - uv));
        ms = at;
        uv = v;
    }
    return out;
}

bool unpackTraceSamples(std::string_view in, std::vector<TraceSample> &out, std::size_t maxReadings)
{
    out.clear();
    std::int64_t ms = 0, uv = 0;
    while (!in.empty()) {
        std::uint64_t step = 0, change = 0;
        const bool read = out.size() < maxReadings && takeVarint(in, step) && takeVarint(in, change);
        if (!read || (!out.empty() && unzigzag(step) < 0) || !addSafely(ms, unzigzag(step)) || !addSafely(uv, unzigzag(change))
            || uv > kMostMicrovolts || uv < -kMostMicrovolts) {
            out.clear();
            return false;
        }
        out.push_back({ms, double(uv) / 1000.0});
    }
    return true;
}

} // namespace dravino
