#include "ui/archive/RecordedSheet.h"

#include "print/CalibrationCertificate.h"
#include "print/GuidedReport.h"
#include "print/ScaleSheet.h"
#include "ui/Numbers.h"
#include "ui/archive/PageIdentity.h"
#include "ui/dialogs/WorkshopDialog.h"

namespace dravino {

namespace {
// A calibration's certificate again, from its record: its data, its
// workshop, its number; a reprint, and withdrawn where it was.
void printRecordedCalibration(PrintSurface &surface, const CheckRecord &record, const PageFrame &today)
{
    CalibrationSheet sheet;
    sheet.data = calibrationFrom(record.calibration);
    sheet.code = record.code;
    sheet.now = record.takenAt;
    sheet.frame = record.identity.kept ? frameOf(record.identity, today.web) : today;
    sheet.job = record.jobData;
    sheet.certificate = record.certificate;
    sheet.replaces = record.replaces;
    sheet.withdrawal = record.withdrawal;
    sheet.reprinted = QDateTime::currentDateTime();
    printCalibrationCertificate(surface, sheet);
}
} // namespace

void printRecordedSheet(PrintSurface &surface, const CheckRecord &record, const PageFrame &today)
{
    if (record.kind == CheckKind::Calibration) {
        printRecordedCalibration(surface, record, today);
        return;
    }
    // A guided test's report again: as judged, with its capture and workshop.
    if (record.kind == CheckKind::Guided) {
        GuidedSheet sheet;
        sheet.data = guidedFrom(record.guided);
        sheet.frame = record.identity.kept ? frameOf(record.identity, today.web) : today;
        sheet.job = record.jobData;
        sheet.now = record.takenAt;
        sheet.reprinted = QDateTime::currentDateTime();
        printGuidedReport(surface, sheet);
        return;
    }
    ScaleSheet sheet;
    sheet.check = checkModelOf(record, QLatin1Char(localeDecimalSeparator()));
    sheet.code = record.code;
    sheet.now = record.takenAt;
    // The workshop as the page carried it; an older record kept none, and
    // says it is reprinted under today's.
    sheet.frame = record.identity.kept ? frameOf(record.identity, today.web) : today;
    sheet.todaysIdentity = !record.identity.kept;
    sheet.job = record.jobData;
    sheet.certificate = record.certificate;
    sheet.instrument = record.instrument;
    // Judged, and its rule's words printed, as the check was judged then.
    sheet.rule = record.rule;
    sheet.reprinted = QDateTime::currentDateTime();
    printScaleSheet(surface, sheet);
}

} // namespace dravino
