#pragma once
// The guided test's words and its report. The words of each step (its
// name, verdict, what was measured or why nothing was, its part of the
// capture, the limits it was judged by) are the same in the window and on
// the page. The report: the workshop's band, the sensor, the vehicle and
// job, the limits' name and version, the supply, the whole test's verdict,
// the capture with each step's part marked by its number (a failed step's
// in red), and each step's words.

#include "archive/GuidedRecord.h"
#include "base/JobData.h"
#include "print/TraceChart.h"
#include "print/Workshop.h"

#include <QDateTime>
#include <QString>

namespace dravino {

class PrintSurface;

struct GuidedStepWords {
    QString name, verdict, measured, part, limits;
    bool failed = false; // a failure or the wiring: in bold (red on the page)
};
// firstMs: the capture's first reading (the parts' times count from it).
GuidedStepWords guidedStepWords(const GuidedStep &step, const GuidedLimits &limits, double ratio, std::int64_t firstMs);
// "Esito della prova: CONFORME", ...
QString guidedOverallWords(GuidedStep::Outcome overall);
// "Limiti: generico Bosch/VDO/Delphi (versione 1)."; the name alone.
QString guidedLimitsWords(const GuidedLimits &limits);
QString guidedLimitsName(const GuidedLimits &limits);
// The steps' parts as the chart marks them (numbered from 1).
std::vector<TraceMark> guidedMarks(const GuidedResult &result);

struct GuidedSheet {
    GuidedData data;
    PageFrame frame;
    JobData job;
    QDateTime now;       // judged and printed
    QDateTime reprinted; // valid: a reprint from the archive, then
};
// Prints the report and ends the document.
void printGuidedReport(PrintSurface &s, const GuidedSheet &sheet);

} // namespace dravino
