#pragma once
// The printed value table: a title with the full scale, up to three column
// groups of right-aligned stepped/computed pairs with a rule under every row,
// and the footer. The rows come from the calculator itself through
// ValueTableRows, so that a printed row always equals what it shows.

#include <QDateTime>
#include <QString>

namespace dravino {

class PrintSurface;

class ValueTableRows
{
public:
    virtual ~ValueTableRows() = default;
    // Writes the first value (From as typed) into the stepped field and converts.
    virtual void start() = 0;
    virtual QString steppedText() const = 0;
    virtual QString computedText() const = 0;
    // The stepped field's value plus step, then converts.
    virtual void advance(int step) = 0;
};

struct ValueTableInput {
    QString fullScaleText;
    bool millivoltStepped = true; // the stepped column holds millivolts
    int from = 0;
    int to = 0;
    int step = 1;
    QDateTime now;
};

namespace valuetable {
constexpr double kTitleY = 400;
constexpr double kPageWidth = 11700;
constexpr double kHeadingY = 950;
constexpr double kHeadingGap = 200;
constexpr double kRuleBelow = 10;
constexpr double kGapAfterRule = 35;
constexpr double kColumnBreakY = 15400;
constexpr double kFooterY = 15800;
constexpr double kGroupShift = 4000;
constexpr int kMaxGroups = 3;
} // namespace valuetable

// Prints the document and ends it; the checks are the caller's.
void printValueTable(PrintSurface &surface, const ValueTableInput &input, ValueTableRows &rows);

} // namespace dravino
