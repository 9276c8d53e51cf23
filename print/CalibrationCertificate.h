#pragma once
// The calibration certificate, pages of one document, each headed by the
// issuer (the workshop, legible), the title, the certificate's number and
// "pagina N di M", and footed by the program's line:
//   1  the item, the customer's job, the procedure, the date, the
//      environment, the instruments with their certificates and due dates,
//      the decision rule with every limit, and the verdict of each run in a
//      framed band, conditional verdicts explained;
//   2  the run as found: each point's reference, readings, errors,
//      hysteresis, repeatability, uncertainty and zone, then each result
//      against its limit with its uncertainty, the best-fit line and the TUR;
//   3  the run as left, where the sensor was adjusted or replaced;
//   4  the characteristic and the errors drawn, and the signature block:
//      the operator's printed name, the date and a line to sign;
//   5  annex: the uncertainty budget of the worst point.
// Everything prints black, every mark differs by shape: a greyscale or
// black-and-white printer keeps all of it.

#include "archive/CalibrationRecord.h"
#include "archive/CheckRecord.h"
#include "base/JobData.h"
#include "print/Workshop.h"

#include <QDateTime>
#include <QString>

namespace dravino {

class PrintSurface;

struct CalibrationSheet {
    CalibrationData data;
    QString code;
    QDateTime now;           // when calibrated (the certificate's date)
    PageFrame frame;
    JobData job;
    QString certificate;     // its number; empty with preview
    bool copy = false;       // the same certificate printed again
    bool preview = false;    // not numbered yet: "anteprima" where the number goes
    QString replaces;        // the certificate a correction replaces
    QDateTime reprinted;     // a reprint from the archive: when
    Withdrawal withdrawal;   // ... of a certificate withdrawn since
};

// Words of a zone, as the certificate and the window say it.
QString zoneWords(Zone zone);
// Why a conditional verdict is conditional; empty for the others.
QString zoneExplanation(Zone zone, Acceptance acceptance);

int calibrationPages(const CalibrationSheet &sheet);
// Prints every page and ends the document; archival (PDF/A-1b) as a file.
void printCalibrationCertificate(PrintSurface &surface, const CalibrationSheet &sheet);

namespace certificate {
inline constexpr double kLeft = 950;
inline constexpr double kRight = 11100;
inline constexpr double kContentBottom = 15300;
inline constexpr double kFooterY = 15650;
} // namespace certificate

} // namespace dravino
