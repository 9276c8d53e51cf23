#pragma once
// A rail pressure sensor calibrated as a calibration laboratory does it
// (EURAMET cg-17; GUM, JCGM 100; ILAC-G8:09/2019): test points chosen as
// shares of the nominal full scale, taken rising and back falling, in one
// to three cycles; each reading's error against the family's nominal
// characteristic; hysteresis, repeatability, terminal and best-fit
// linearity, zero offset and span error; each point's measurement
// uncertainty; and each result judged against its limit by simple
// acceptance or with a guard band of the expanded uncertainty.
//
// Every quantity is in % of the span (the nominal full scale in bar, or
// the family's output span in mV: the same share). The formulas and a
// worked example are in docs/calibration.md.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dravino {

// Points and cycles of a calibration.
struct CalibrationPlan {
    int nominalFullScale = 2000;                      // bar
    int spanMv = 4000;                                // the family's output from 0 bar to full scale
    int zeroMv = 500;                                 // the family's output at 0 bar
    std::vector<double> percents{0, 20, 40, 60, 80, 100}; // rising order, 3 to 11 of them
    int cycles = 1;                                   // 1 to 3
    int converterBits = 10;                           // readings as counts of 10 or 12 bit; 0: read in mV

    double pressure(int point) const { return percents.at(std::size_t(point)) * nominalFullScale / 100.0; }
    int points() const { return int(percents.size()); }
    // The output a sensor on the nominal characteristic gives at bar, and
    // the pressure an output means on it.
    double nominalMv(double bar) const { return zeroMv + bar * spanMv / nominalFullScale; }
    double indicated(double mv) const { return (mv - zeroMv) * nominalFullScale / spanMv; }
    // Millivolts of one converter count (0 where the readings are in mV).
    double countMv() const;
    // What is wrong with the plan, in words; empty when it can be run.
    std::string fault() const;
};

enum class Sweep { Rising = 0, Falling = 1 };

// One run's readings, in mV: [cycle][sweep][point]; nothing where not taken.
// The falling sweep takes every point but the top one, from the top down.
struct CalibrationRun {
    CalibrationPlan plan;
    std::vector<std::array<std::vector<std::optional<double>>, 2>> mv;

    explicit CalibrationRun(CalibrationPlan p = {});
    // Whether a reading belongs at cycle, sweep, point (the falling sweep
    // has no top point).
    bool taken(int point, Sweep sweep) const { return sweep == Sweep::Rising || point < plan.points() - 1; }
    std::optional<double> &at(int cycle, Sweep sweep, int point);
    const std::optional<double> &at(int cycle, Sweep sweep, int point) const;
};

// The pressure reference's uncertainty: from its certificate (expanded
// uncertainty and k), or from its accuracy class (% of its range,
// rectangular).
struct ReferenceStandard {
    enum Kind { Certificate, AccuracyClass } kind = Certificate;
    double expandedBar = 0;
    double k = 2;
    double classPercent = 0;
    double rangeBar = 0;
    double standardUncertaintyBar() const;
    std::string fault(int nominalFullScale) const;
};

// The meter the readings came from: its accuracy as ± (% of reading +
// digits of its resolution), and its resolution in mV.
struct MeterSpec {
    double percentOfReading = 0;
    double digits = 0;
    double resolutionMv = 1;
};

struct CalibrationLimits {
    // Each in % of span: the error at every point, hysteresis,
    // repeatability, terminal and best-fit linearity, zero offset, span error.
    double error = 1, hysteresis = 1, repeatability = 1, terminalLinearity = 1, bestFitLinearity = 1, zero = 1, span = 1;
    bool operator==(const CalibrationLimits &) const = default;
};

enum class Acceptance { Simple, GuardBand };

// ILAC-G8: where a result lies against its limit L with the expanded
// uncertainty U of it. Simple acceptance: within L passes. With a guard
// band w = U: within L - U passes, beyond L + U fails, between them the
// pass or the failure is conditional.
enum class Zone { NotJudged, Pass, ConditionalPass, ConditionalFail, Fail };
Zone zoneOf(double value, double limit, double expanded, Acceptance acceptance);

// One term of an uncertainty budget, GUM's table: the estimate's half-width
// or standard uncertainty, its distribution's divisor, the sensitivity and
// the contribution in bar.
struct BudgetTerm {
    enum Source { Reference, MeterAccuracy, MeterResolution, Converter, Repeatability, Hysteresis } source;
    double value = 0;       // in its own unit: bar (Reference), mV (the others)
    double divisor = 1;     // k, √3, 2√3, √n
    double sensitivity = 1; // bar per its unit
    double contributionBar = 0;
};

struct Budget {
    std::vector<BudgetTerm> terms;
    double combinedBar = 0;
    double k = 2;
    double expandedBar = 0;
};

struct PointResult {
    double referenceBar = 0;
    std::array<std::optional<double>, 2> meanMv{};    // rising, falling (mean over cycles)
    std::array<std::optional<double>, 2> errorBar{};  // indicated - reference
    std::optional<double> hysteresisBar;              // |falling - rising|
    std::optional<double> repeatabilityBar;           // the widest spread over cycles, either sweep
    Budget budget;
    // The larger error of the two sweeps, in % of span, and its zone.
    std::optional<double> errorPercent;
    Zone zone = Zone::NotJudged;
};

// A result against its limit: its value, the limit, the expanded
// uncertainty it is judged with, and the zone (NotJudged where the run
// cannot give it: one cycle for repeatability, no 0 % or 100 % point).
struct JudgedResult {
    std::optional<double> value; // % of span
    double limit = 0;
    double expanded = 0;         // % of span
    Zone zone = Zone::NotJudged;
};

struct CalibrationResult {
    std::vector<PointResult> points;
    // The readings not taken yet: cycle, sweep, point.
    struct Missing {
        int cycle, point;
        Sweep sweep;
    };
    std::vector<Missing> missing;
    JudgedResult error, hysteresis, repeatability, terminalLinearity, bestFitLinearity, zero, span;
    double bestFitInterceptMv = 0, bestFitSlopeMvPerBar = 0; // the best-fit line: mV = a + b·bar
    int worstPoint = -1;      // the point with the largest expanded uncertainty
    double tur = 0;           // the error limit over the reference's expanded uncertainty
    Zone verdict = Zone::NotJudged; // the worst zone; NotJudged while readings are missing
    Acceptance acceptance = Acceptance::Simple;
    bool complete() const { return missing.empty(); }
};

CalibrationResult evaluate(const CalibrationRun &run, const CalibrationLimits &limits, const ReferenceStandard &reference,
                           const MeterSpec &meter, Acceptance acceptance);

// The least-squares line through the points (x, y): y = intercept + slope·x.
struct Line {
    double intercept = 0, slope = 0;
};
std::optional<Line> leastSquares(const std::vector<double> &x, const std::vector<double> &y);

} // namespace dravino
