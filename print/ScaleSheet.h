#pragma once
// The printed scale sheet: a scale check (the grid as entered, its results
// and verdicts), the sensor's code (wrapped onto further lines where it is
// longer than the page is wide), the average full scale and the footer.
// The colours are the screen's: pressures red, millivolts blue, linearity and
// deviation after their verdicts, the rest black.

#include "core/ScaleCheck.h"

#include <QColor>
#include <QDateTime>
#include <QString>
#include <array>

namespace dravino {

class PrintSurface;

struct ScaleSheet {
    ScaleGrid check;
    QString code;
    QDateTime now;
};

// A verdict's colour, on the screen and on paper; black before any verdict.
QColor verdictColor(Verdict v);

namespace scalesheet {
inline constexpr std::array<double, 6> kHeadingLeft{1050, 2600, 4300, 5800, 7800, 9600};
inline constexpr std::array<double, 6> kCellRight{1512, 3060, 4951, 6562, 8803, 10500};
inline constexpr double kHeadingY = 400;
inline constexpr double kGapAfterHeadings = 200;
inline constexpr double kRuleLeft = 950;
inline constexpr double kRuleRight = 11100;
inline constexpr double kRuleBelow = 80;
inline constexpr double kGapAfterRule = 100;
inline constexpr double kClosingLeft = 1000;
inline constexpr double kGapBeforeCode = 300;
inline constexpr double kGapBeforeAverage = 200;
inline constexpr double kGapBeforeFooter = 200;
} // namespace scalesheet

// Prints the sheet and ends the document; leaves the surface Arial 9 pt,
// not bold, black.
void printScaleSheet(PrintSurface &surface, const ScaleSheet &sheet);

} // namespace dravino
