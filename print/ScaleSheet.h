#pragma once
// The printed scale sheet: one snapshot of a scale check (the grid as
// entered, its results and verdicts, its settings), the sensor's code
// (wrapped onto up to three lines, cut with "..." beyond), the average full
// scale and the footer.
// The colours are the screen's: pressures red, millivolts blue, linearity and
// deviation after their verdicts, the rest black.
//
// A check changed since its computation prints its entries alone, beside
// no result of another computation.
//
// Around it, in the room the page leaves: above, the workshop's band with,
// at its right, the title and the number of a certificate (a copy says so,
// a preview has "anteprima" where the number goes), the test's date and
// "pagina 1 di 1"; below, for a judged check, the verdict in
// words ("CONFORME", "NON CONFORME") in a bold framed band a
// black-and-white printer keeps, with the rule it was judged by (named,
// with its version and every limit), the nominal full scale and settings
// behind it and each row's verdict with its pressure, a failing one with
// the value that failed to the precision it was judged at, a line each; for
// a check without a verdict, why ("Senza esito: ..."); where the readings
// came from (the meter and its rows with their pressures, its calibration,
// or typed by hand); the job; the operator's name, the date and a line to
// sign; and for a sheet printed again from the archive, that it is a
// reprint, of when. A sheet for a printer without colour prints every
// result black; the chart's marks differ by shape. A certificate's PDF is
// archival (PDF/A-1b).

#include "base/InstrumentUsed.h"
#include "base/JobData.h"
#include "core/CheckRule.h"
#include "core/ScaleCheckModel.h"
#include "print/Workshop.h"

#include <QColor>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace dravino {

class PrintSurface;

struct ScaleSheet {
    ScaleCheckModel check;      // its verdict, where it has one, is the sheet's
    QString code;
    QDateTime now;              // when the check was printed first
    PageFrame frame;
    JobData job;
    QDateTime reprinted;        // a reprint's date; invalid on the first print
    bool todaysIdentity = false; // a reprint under today's workshop (its record kept none)
    QString certificate;        // the certificate's number; empty: no certificate
    bool copy = false;          // ... printed again from the panel: the same certificate
    bool preview = false;       // ... not numbered yet: "anteprima" where the number goes
    InstrumentUsed instrument;  // where the readings came from, where known
    DecisionRule rule = todaysRule(); // what the check is judged by
    bool greyscale = false;     // for a printer without colour: every result black
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
