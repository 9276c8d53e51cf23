#include "core/SampleBins.h"

#include <cmath>
#include <utility>

namespace dravino {

void SampleBins::add(double ms, double mv)
{
    if (!std::isfinite(ms) || !std::isfinite(mv))
        return;
    ++m_readings;
    const auto at = static_cast<std::int64_t>(std::floor(ms));
    if (m_open && at > m_ms)
        close();
    if (!m_open) {
        m_open = true;
        m_ms = at;
        m_min = m_max = mv;
        m_minFirst = true;
        return;
    }
    if (mv < m_min) {
        m_min = mv;
        m_minFirst = false; // the highest came first
    } else if (mv > m_max) {
        m_max = mv;
        m_minFirst = true;
    }
}

void SampleBins::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_min == m_max) {
        m_out.push_back({m_ms, m_min});
        return;
    }
    m_out.push_back({m_ms, m_minFirst ? m_min : m_max});
    m_out.push_back({m_ms, m_minFirst ? m_max : m_min});
}

void SampleBins::flush() { close(); }

std::vector<TraceSample> SampleBins::take() { return std::exchange(m_out, {}); }

} // namespace dravino
