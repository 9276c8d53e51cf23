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

void ScaleCheckModel::setSource(int row, ReadingSource source) { m_sources.at(std::size_t(row)) = std::move(source); }

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
    m_last = Computation{Basis{entries(), m_settings}, !failures.empty(),
                         failures.empty() ? std::nullopt : std::optional<ScaleFailure>(failures.front()), decimalSeparator};
    return failures;
}

std::vector<MeasuredPoint> ScaleCheckModel::points() const
{
    std::vector<MeasuredPoint> out;
    const char sep = decimalSeparator();
    for (int i = 0; i < kScaleRows; ++i) {
        const auto bar = toInt32(m_grid.bar[i], sep);
        const auto counts = toInt32(m_grid.adc[i], sep);
        if (!bar.ok() || !counts.ok())
            continue;
        MeasuredPoint p;
        p.row = i;
        p.bar = bar.value;
        p.counts = counts.value;
        p.converterBits = m_settings.bits12 ? 12 : 10;
        p.source = m_sources[std::size_t(i)];
        out.push_back(p);
    }
    return out;
}

ScaleCheckModel ScaleCheckModel::restored(const ScaleGrid &grid, const ScaleCheckSettings &settings, bool computed,
                                          char decimalSeparator)
{
    ScaleCheckModel m;
    m.m_grid = grid;
    m.m_settings = settings;
    if (computed)
        m.m_last = Computation{Basis{m.entries(), settings}, false, std::nullopt, decimalSeparator};
    return m;
}

} // namespace dravino
