#pragma once
// One scale check as the bench holds it: the grid's entries (pressures,
// converter readings, the average field), the settings it is computed with
// (the converter, the sensor kind, the average's mode and the nominal full
// scale chosen in the calculator) and the results of the last computation.
//
// It knows whether its results were computed from exactly the entries and
// settings it holds now, whether that computation met a failure, and where
// each reading came from. Only a check computed from what it holds is
// judged (core/CheckRule.h): one changed since is stale, and a sheet made
// from it has no verdict.

#include "core/ScaleCheck.h"

#include <array>
#include <cstdint>
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

// A computed row's verdict (its linearity and deviation both in their
// windows, as the panel coloured them); nothing for a row the last
// computation did not reach.
std::optional<bool> rowPasses(const ScaleGrid &grid, int row);
// The full scale of the 17 nearest to bar (the lower of two as near).
int nearestFullScale(int bar);

// Where a row's reading came from: typed (or pasted), or read from the
// bench meter (which one, and when).
struct ReadingSource {
    enum Kind { Typed, Meter } kind = Typed;
    std::string vendor, model, serial;
    std::int64_t readAtMs = 0; // since the epoch, UTC
    bool operator==(const ReadingSource &) const = default;
};

// One measured point of a check, in numbers: the reference pressure, the
// converter's reading (and the converter), the direction and run it was
// taken in, and where the reading came from.
struct MeasuredPoint {
    enum Direction { Rising, Falling };
    enum Run { AsFound, AsLeft };
    int row = 0;
    int bar = 0;
    int counts = 0;
    int converterBits = 10;
    Direction direction = Rising;
    Run run = AsFound;
    ReadingSource source;
    bool operator==(const MeasuredPoint &) const = default;
};

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

    // Where row's reading came from; a reading typed over is typed.
    void setSource(int row, ReadingSource source);
    const ReadingSource &source(int row) const { return m_sources.at(std::size_t(row)); }

    // Computes the grid; the failures in the order they came. A row not
    // reached keeps its verdict colours of an earlier computation.
    std::vector<ScaleFailure> compute(char decimalSeparator);

    // The last computation went through, from exactly these entries and settings.
    bool computed() const { return m_last && !m_last->failed && m_last->basis == Basis{entries(), m_settings}; }
    // The last computation met a failure, and nothing changed since.
    bool failed() const { return m_last && m_last->failed && m_last->basis == Basis{entries(), m_settings}; }
    // An entry or a setting changed since the last computation.
    bool stale() const { return m_last && !(m_last->basis == Basis{entries(), m_settings}); }
    // The average is no more the one the last computation read or wrote
    // (typed since).
    bool averageChanged() const { return m_last && m_grid.media != m_last->basis.entries.average; }
    // The first failure of the last computation, where it met one.
    std::optional<ScaleFailure> failure() const { return m_last ? m_last->first : std::nullopt; }
    // The decimal separator the last computation read the texts with.
    char decimalSeparator() const { return m_last ? m_last->separator : '.'; }

    // The rows with a pressure and a reading, as numbers (texts that do not
    // read are no reading), in row order.
    std::vector<MeasuredPoint> points() const;

    // A check as it was recorded, its results those of its entries when
    // computed is true.
    static ScaleCheckModel restored(const ScaleGrid &grid, const ScaleCheckSettings &settings, bool computed,
                                    char decimalSeparator = '.');

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

    // The last computation: what it was computed from, whether it met a
    // failure (the first), the separator it read with.
    struct Computation {
        Basis basis;
        bool failed = false;
        std::optional<ScaleFailure> first;
        char separator = '.';
    };

    ScaleGrid m_grid;
    ScaleCheckSettings m_settings;
    std::array<ReadingSource, kScaleRows> m_sources{};
    std::optional<Computation> m_last;
};

} // namespace dravino
