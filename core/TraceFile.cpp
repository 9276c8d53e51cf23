#include "core/TraceFile.h"

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

} // namespace dravino
