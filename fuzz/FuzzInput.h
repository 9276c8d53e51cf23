#pragma once
// Reading fuzzer bytes as the program's inputs, and checks that abort so
// the fuzzer reports a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    int number(int lo, int hi)
    {
        const unsigned v = unsigned(byte()) | unsigned(byte()) << 8 | unsigned(byte()) << 16;
        return lo + int(v % unsigned(hi - lo + 1));
    }
    // A text of up to max bytes, cut at a zero byte.
    std::string text(std::size_t max)
    {
        std::string s;
        while (m_pos < m_size && s.size() < max) {
            const char c = char(m_data[m_pos++]);
            if (c == '\0')
                break;
            s += c;
        }
        return s;
    }
    std::string_view rest() const
    {
        return {reinterpret_cast<const char *>(m_data) + m_pos, m_size - m_pos};
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void check(bool ok, const char *what)
{
    if (!ok)
        fail(what);
}

} // namespace fuzz
