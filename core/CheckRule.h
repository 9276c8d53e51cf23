#pragma once
// The decision rule a scale check is judged by, as data: its name, its
// version and every limit it holds the readings to. The verdict, the rule's
// words on the certificate, the band and marks of its chart and the
// archive's verdict column all come from the one rule a check was judged
// by, and that rule is kept with the check's record: a sheet printed again
// years later is judged as it was, whatever today's rule says.
//
// Version 1 is the rule of the earlier records: every computed row within
// its linearity and deviation windows, the average within the deviation
// window of the nominal full scale. Version 2 adds what a verdict needs: a
// computation that went through, an average that reads, enough computed
// rows with one of them high on the scale, and no measured row left out
// (a row with a pressure and a reading the computation skips is a point
// where the sensor failed).

#include "core/ScaleCheck.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dravino {

struct DecisionRule {
    std::string name = "scala-linearita";
    int version = 2;
    double linearityPercent = 1.0; // each computed row's linearity within ±, percent
    int deviationDivisor = 100;    // the deviations' window: the average / divisor, rounded
    bool averageToNominal = true;  // the average within that window of the nominal full scale
    int minComputedRows = 3;       // 0: any number
    double minTopShare = 0.5;      // one computed row at or above this share of the nominal (0: none)
    bool skippedRowFails = true;   // a measured row the computation leaves out fails the check
    double guardBandBar = 0;       // taken off each side of the bar windows (0: simple acceptance)
    bool operator==(const DecisionRule &) const = default;
};

// The rule checks are judged by now.
DecisionRule todaysRule();
// The rule of a record that kept none: version 1.
DecisionRule firstRule();

// A row as the rule sees it.
struct RowJudgement {
    enum State {
        Unused,   // the zero row, or no pressure, or no reading (a reading of 0)
        Computed, // its full scale was computed
        Skipped,  // a pressure and a reading, left out by the computation (at or below the validity threshold)
    } state = Unused;
    int bar = 0;
    int mv = 0;
    float linearity = 0; // percent, as computed
    int deviation = 0;   // bar
    bool linearityPasses = true;
    bool deviationPasses = true;
    bool passes() const { return state == Computed && linearityPasses && deviationPasses; }
    bool operator==(const RowJudgement &) const = default;
};

struct Judgement {
    enum Outcome { NoVerdict, Pass, Fail } outcome = NoVerdict;
    // Why there is no verdict, or why the check failed, in this order.
    struct Reason {
        enum Kind {
            NotComputed,       // no computation, or one the entries changed since
            ComputationFailed, // the last computation met a failure (failure says which)
            AverageUnreadable, // the average does not read as a number
            RowSkipped,        // row: measured, left out by the computation
            TooFewRows,        // fewer computed rows than the rule asks
            NoRowHighEnough,   // none at the rule's share of the nominal
            RowOutside,        // row: outside its linearity or deviation window
            AverageOffNominal, // the average outside its window of the nominal
        } kind = NotComputed;
        int row = -1;
        bool operator==(const Reason &) const = default;
    };
    std::vector<Reason> reasons;
    std::optional<ScaleFailure> failure; // ComputationFailed: the first failure
    std::array<RowJudgement, kScaleRows> rows{};
    std::optional<double> average;       // as read, with the computation's separator
    int tolerance = 0;                   // the deviations' window, ± bar
    int nominal = 0;                     // 0: the average is judged against nothing
    bool nominalPasses = true;
    int nearestFullScale = 0;            // of the 17, the nearest to the average
    int computedRows = 0;
    DecisionRule rule;

    bool passes() const { return outcome == Pass; }
    bool has(Reason::Kind kind) const;
};

class ScaleCheckModel;

// The check judged by rule: no verdict for a check not computed from
// exactly what it holds.
Judgement judge(const ScaleCheckModel &check, const DecisionRule &rule);

// A computed row's linearity as the verdict band gives it: the grid's two
// decimals, more where two would hide on which side of the limit it lies
// (1.004 against ±1: "1.004").
std::string judgedLinearity(float percent, double limit, char decimalSeparator);
// The average as it was read ("2419", "2419,5").
std::string averageText(double average, char decimalSeparator);

} // namespace dravino
