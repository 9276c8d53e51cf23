#pragma once
// One scale check as the bench holds it: the grid's entries (pressures,
// converter readings, the average field), the settings it is computed with
// (the converter, the sensor kind, the average's mode and the nominal full
// scale chosen in the calculator) and the results of the last computation.
//
// It knows whether its results were computed from exactly the entries and
// settings it holds now. Only then does it give a verdict: a check changed
// since its computation is stale, and a sheet made from it has none.
//
// The verdict: every computed row within its linearity and deviation
// windows, and the average within the deviation window (the same one
// hundredth of the average) of the nominal full scale.

#include "core/ScaleCheck.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dravino {

struct ScaleCheckSettings {
    bool bits12 = false;          // "ADC a 12 bit"
    bool denso = false;           // "Sensore Denso"
    bool automaticAverage = true; // "media automatica"
    int nominalFullScale = 0;     // bar; 0 where it is not known (an older record)
    bool operator==(const ScaleCheckSettings &) const = default;
};

struct ScaleVerdict {
    std::array<std::optional<bool>, kScaleRows> rows{}; // each computed row's
    bool rowsPass = false;        // every computed row passes, and there is one
    std::optional<int> average;   // as the average field reads
    int tolerance = 0;            // the deviations' window, ± bar
    int nominal = 0;              // 0: nothing to judge the average against
    bool nominalPasses = true;    // |average - nominal| <= tolerance
    int nearestFullScale = 0;     // of the 17 full scales, the nearest to the average
    bool passes() const { return rowsPass && nominalPasses; }
};

// A computed row's verdict (its linearity and deviation both in their
// windows); nothing for a row the last computation did not reach.
std::optional<bool> rowPasses(const ScaleGrid &grid, int row);
// The full scale of the 17 nearest to bar (the lower of two as near).
int nearestFullScale(int bar);

class ScaleCheckModel
{
public:
    // The grid as the panel opens: the design's pressures and readings.
    ScaleCheckModel();

    void setBar(int row, std::string text);
    void setAdc(int row, std::string text);
    void setAverage(std::string text);
    void setSettings(const ScaleCheckSettings &settings);
    void setBits12(bool on);
    void setDenso(bool on);
    void setAutomaticAverage(bool on);
    void setNominalFullScale(int bar);

    // The entries as they stand beside the last computation's results.
    const ScaleGrid &grid() const { return m_grid; }
    const ScaleCheckSettings &settings() const { return m_settings; }

    // Computes the grid; the failures in the order they came. A row not
    // reached keeps its verdict colours of an earlier computation.
    std::vector<ScaleFailure> compute(char decimalSeparator);

    // The last computation went through, from exactly these entries and settings.
    bool computed() const { return m_basis && *m_basis == Basis{entries(), m_settings}; }
    // It went through, and an entry or a setting changed since.
    bool stale() const { return m_basis && !computed(); }
    // Only for a computed check.
    std::optional<ScaleVerdict> verdict() const;

    // A check as it was recorded, its results those of its entries when
    // computed is true.
    static ScaleCheckModel restored(const ScaleGrid &grid, const ScaleCheckSettings &settings, bool computed);

private:
    struct Entries {
        std::array<std::string, kScaleRows> bar, adc;
        std::string average;
        bool operator==(const Entries &) const = default;
    };
    struct Basis {
        Entries entries;
        ScaleCheckSettings settings;
        bool operator==(const Basis &) const = default;
    };
    Entries entries() const { return {m_grid.bar, m_grid.adc, m_grid.media}; }

    ScaleGrid m_grid;
    ScaleCheckSettings m_settings;
    std::optional<Basis> m_basis; // what the results of a computation that went through came from
};

} // namespace dravino
