#include "core/ScaleCheckModel.h"

#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <cstdlib>

namespace dravino {

std::optional<bool> rowPasses(const ScaleGrid &g, int i)
{
    if (i < 1 || i >= kScaleRows || g.linearita[i].empty())
        return std::nullopt;
    return g.linearitaColor[i] == Verdict::Green && g.scostamentoColor[i] == Verdict::Green;
}

int nearestFullScale(int bar)
{
    int nearest = kFullScales.front();
    for (int scale : kFullScales)
        if (std::llabs(std::int64_t(scale) - bar) < std::llabs(std::int64_t(nearest) - bar))
            nearest = scale;
    return nearest;
}

ScaleCheckModel::ScaleCheckModel()
{
    const char *const pressures[] = {"0", "400", "800", "1200", "1600", "2000"};
    const char *const readings[] = {"98", "232", "370", "506", "0", "0"};
    for (int i = 0; i < kScaleRows; ++i) {
        m_grid.bar[i] = pressures[i];
        m_grid.adc[i] = readings[i];
        // Before the first computation the results are the design's texts.
        m_grid.mvolt[i] = m_grid.linearita[i] = m_grid.scostamento[i] = "0";
        m_grid.scala[i] = i == 0 ? "--" : "0";
    }
}

void ScaleCheckModel::setBar(int row, std::string text) { m_grid.bar.at(std::size_t(row)) = std::move(text); }
void ScaleCheckModel::setAdc(int row, std::string text) { m_grid.adc.at(std::size_t(row)) = std::move(text); }
void ScaleCheckModel::setAverage(std::string text) { m_grid.media = std::move(text); }
void ScaleCheckModel::setSettings(const ScaleCheckSettings &settings) { m_settings = settings; }
void ScaleCheckModel::setBits12(bool on) { m_settings.bits12 = on; }
void ScaleCheckModel::setDenso(bool on) { m_settings.denso = on; }
void ScaleCheckModel::setAutomaticAverage(bool on) { m_settings.automaticAverage = on; }
void ScaleCheckModel::setNominalFullScale(int bar) { m_settings.nominalFullScale = bar; }

std::vector<ScaleFailure> ScaleCheckModel::compute(char decimalSeparator)
{
    ScaleGrid grid = m_grid;
    const auto failures = calcolaScala(grid, {m_settings.bits12, m_settings.denso, m_settings.automaticAverage, decimalSeparator});
    for (int i = 0; i < kScaleRows; ++i) {
        if (grid.linearitaColor[i] == Verdict::Unchanged)
            grid.linearitaColor[i] = m_grid.linearitaColor[i];
        if (grid.scostamentoColor[i] == Verdict::Unchanged)
            grid.scostamentoColor[i] = m_grid.scostamentoColor[i];
    }
    m_grid = grid;
    m_basis.reset();
    if (failures.empty())
        m_basis = Basis{entries(), m_settings};
    return failures;
}

std::optional<ScaleVerdict> ScaleCheckModel::verdict() const
{
    if (!computed())
        return std::nullopt;
    ScaleVerdict v;
    bool any = false, all = true;
    for (int i = 1; i < kScaleRows; ++i) {
        v.rows[i] = rowPasses(m_grid, i);
        if (v.rows[i]) {
            any = true;
            all = all && *v.rows[i];
        }
    }
    v.rowsPass = any && all;
    v.tolerance = m_grid.tolerance;
    if (const auto average = toInt32(m_grid.media); average.ok())
        v.average = average.value;
    v.nominal = m_settings.nominalFullScale;
    if (v.nominal > 0 && v.average) {
        v.nominalPasses = std::abs(std::int64_t(*v.average) - v.nominal) <= v.tolerance;
        v.nearestFullScale = nearestFullScale(*v.average);
    }
    return v;
}

ScaleCheckModel ScaleCheckModel::restored(const ScaleGrid &grid, const ScaleCheckSettings &settings, bool computed)
{
    ScaleCheckModel m;
    m.m_grid = grid;
    m.m_settings = settings;
    if (computed)
        m.m_basis = Basis{m.entries(), settings};
    return m;
}

} // namespace dravino
