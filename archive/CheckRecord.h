#pragma once
// One scale check as the archive keeps it: numbers and states, never the
// texts of one language. The window, the reprinted sheet and the exports
// format it in the window's language. A check from an older archive may
// hold a text that did not read as a number: it is kept, and shown, as it
// was.

#include "base/InstrumentUsed.h"
#include "base/JobData.h"
#include "core/Calibration.h"
#include "core/CheckRule.h"
#include "core/ScaleCheckModel.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace dravino {

// A cell: empty, a number, or a text of an older archive that did not read.
using Cell = std::variant<std::monostate, double, QString>;

// The cell as the screen shows a whole number; linearity as percent with
// two decimals and the given separator.
QString cellText(const Cell &cell);
QString linearityText(const Cell &cell, QChar decimalSeparator);
std::optional<double> cellNumber(const Cell &cell);

struct CheckRow {
    Cell bar, adc;                      // as entered
    Cell mvolt, scale, linearity, deviation; // as computed; linearity in percent
    Verdict linearityVerdict = Verdict::Unchanged;
    Verdict deviationVerdict = Verdict::Unchanged;
};

// Where the page went.
struct PageDestination {
    enum Kind {
        NotPrinted,   // nowhere (yet: the record is written as the page goes)
        Printer,      // the printer name holds the whole page
        Held,         // ... and keeps it until its queue runs again
        File,         // the PDF file name
        NotConfirmed, // handed to the printer name as job, whose state never came
    } kind = NotPrinted;
    QString name;
    int job = 0;
    bool operator==(const PageDestination &) const = default;
};
// Where a page went in the window's language: the printer, the file,
// "non stampata".
QString destinationText(const PageDestination &destination);
// The name a kind is stored under ("none", "printer", ...), and back (an
// unknown name is NotPrinted).
QLatin1String kindName(PageDestination::Kind kind);
PageDestination::Kind kindNamed(const QString &name);

// The sensor's verdict as the archive keeps it for the list, its filter
// and the exports.
enum class SensorVerdict { Unknown, Pass, Fail };
QLatin1String verdictName(SensorVerdict verdict); // "", "pass", "fail"
SensorVerdict verdictNamed(const QString &name);

// What a record is of: the quick scale check, a calibration with its
// runs (as found, as left), uncertainty and decision, or a guided test on
// the vehicle with its capture.
enum class CheckKind { Scale, Calibration, Guided };
QLatin1String checkKindName(CheckKind kind); // "", "calibration", "guided"
CheckKind checkKindNamed(const QString &name);
// A calibration's verdict as stored: "pass", "conditional-pass",
// "conditional-fail", "fail", "" (none).
QLatin1String zoneName(Zone zone);
Zone zoneNamed(const QString &name);

// An issued certificate is never erased: it is withdrawn, by whom, when and
// why, and kept.
struct Withdrawal {
    QDateTime at; // invalid: not withdrawn
    QString by, why;
    bool withdrawn() const { return at.isValid(); }
    bool operator==(const Withdrawal &) const = default;
};
QString withdrawalJson(const Withdrawal &w); // "" when not withdrawn
Withdrawal withdrawalFrom(const QString &json);

// What the list of checks shows of one.
struct CheckSummary {
    qint64 id = 0;             // the archive's
    QString key;               // made on the bench: the same check is never kept twice
    QDateTime takenAt;
    QString code;
    bool denso = false;        // "Sensore Denso"
    bool bits12 = false;       // "ADC a 12 bit"
    Cell average;
    PageDestination destination;
    JobData jobData;
    bool waiting = false;      // kept on the bench until the archive's server answers
    QString refused;           // ... which answers, but refused it: why
    QString certificate;       // the certificate's number; empty for an older record
    SensorVerdict verdict = SensorVerdict::Unknown;
    CheckKind kind = CheckKind::Scale;
    Zone zone = Zone::NotJudged; // a calibration's verdict, conditional ones too; a guided test's (pass, fail)
    Withdrawal withdrawal;
    QString replaces;          // the certificate a correction replaces
};

// The workshop's identity as the page carried it, kept with the record so
// that a reprint is the page that was handed over.
struct IdentityPrinted {
    bool kept = false;          // false: an older record, reprinted with today's
    QString name, address, phone, email;
    QByteArray logoPng;         // the logo as printed, scaled to what the page needs
    bool operator==(const IdentityPrinted &) const = default;
};

struct CheckRecord : CheckSummary {
    bool automaticAverage = true;
    std::array<CheckRow, kScaleRows> rows;
    Cell tolerance;            // the deviations' window the verdicts used, bar
    int nominalFullScale = 0;  // what the average was judged against; 0: not kept (an older record)
    QString version;           // of the program that recorded it
    InstrumentUsed instrument;
    IdentityPrinted identity;
    DecisionRule rule = firstRule();   // what it was judged by (an older record kept none: the first)
    std::vector<MeasuredPoint> points; // its readings as numbers (none kept by an older record)
    QJsonObject calibration;           // a calibration's data, points, rule and budget (archive/CalibrationRecord.h)
    QJsonObject guided;                // a guided test's limits, steps and capture (archive/GuidedRecord.h)
};

// The verdict a record's own rows, tolerance and nominal give under the
// rule it was judged by.
Judgement judgementOf(const CheckRecord &record);
SensorVerdict verdictOf(const CheckRecord &record);

// A new bench key.
QString newCheckKey();

// The check a computed model holds: its entries, settings, results,
// verdicts, tolerance and points as the computation left them, and the
// rule it is judged by.
CheckRecord checkOf(const ScaleCheckModel &check, const DecisionRule &rule = todaysRule());
// The grid again, its texts in the window's language (decimalSeparator).
ScaleGrid gridOf(const CheckRecord &record, QChar decimalSeparator);
// The check again, as recorded: computed where its tolerance reads (every
// record is of a computed check; one of an older archive may not say what
// its verdicts were measured against).
ScaleCheckModel checkModelOf(const CheckRecord &record, QChar decimalSeparator);

// The six rows as JSON (numbers, null for an empty cell, a text kept as it
// was), and back.
QJsonArray rowsJson(const std::array<CheckRow, kScaleRows> &rows);
std::array<CheckRow, kScaleRows> rowsFrom(const QJsonArray &json);
// The whole record (the outbox keeps it so).
QJsonObject recordJson(const CheckRecord &record);
CheckRecord recordFrom(const QJsonObject &json);
QJsonValue cellJson(const Cell &cell);
Cell cellFrom(const QJsonValue &json);
QJsonObject instrumentJson(const InstrumentUsed &instrument);
InstrumentUsed instrumentFrom(const QJsonObject &json);
QJsonObject identityJson(const IdentityPrinted &identity);
IdentityPrinted identityFrom(const QJsonObject &json);
QJsonObject ruleJson(const DecisionRule &rule);
DecisionRule ruleFrom(const QJsonValue &json); // nothing kept: the first rule
QJsonArray pointsJson(const std::vector<MeasuredPoint> &points);
std::vector<MeasuredPoint> pointsFrom(const QJsonArray &json);

// Texts of an archive of the first version, written on an Italian or an
// English desktop: "2443", "3,48%", "-0.50%", "" (empty); anything else is
// kept as a text. The tolerance from "linearità ±1 %, scostamento ±24 bar"
// or "linearity ±1 %, deviation ±24 bar"; the destination from "stampante
// predefinita", "PDF, in attesa", "non stampata", a path, a printer.
Cell cellOfText(const QString &text);
Cell toleranceOfText(const QString &text);
PageDestination destinationOfText(const QString &text);

} // namespace dravino
