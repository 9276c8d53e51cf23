#pragma once
// Fuzzer bytes read as the program's inputs, and property checks that abort
// so that libFuzzer reports a finding.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(reinterpret_cast<const char *>(data), size) {}

    std::uint8_t byte() { return m_pos < m_data.size() ? std::uint8_t(m_data[m_pos++]) : 0; }
    int number(int lo, int hi)
    {
        const unsigned v = unsigned(byte()) | unsigned(byte()) << 8 | unsigned(byte()) << 16;
        return lo + int(v % unsigned(hi - lo + 1));
    }
    // A text of up to max bytes, ended early by a zero byte.
    std::string text(std::size_t max)
    {
        std::string s;
        while (m_pos < m_data.size() && s.size() < max && m_data[m_pos] != '\0')
            s += m_data[m_pos++];
        ++m_pos;
        return s;
    }
    std::string_view rest() const { return m_pos < m_data.size() ? m_data.substr(m_pos) : std::string_view{}; }

private:
    std::string_view m_data;
    std::size_t m_pos = 0;
};

inline void check(bool ok, const char *property)
{
    if (!ok) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace fuzz
