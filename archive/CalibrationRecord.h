#pragma once
// A calibration as the archive keeps it and its certificate prints it: the
// sensor's family and plan, the readings of the run as found and, after an
// adjustment or a replacement, of the run as left; the pressure reference
// and the meter with their uncertainties as they stood; the limits and the
// acceptance the results were judged by (the rule, as data); the
// environment. Its results are worked out from these by core's evaluate;
// the record keeps them too (each point, the worst point's budget, the
// verdicts), so that what was certified is read back as it was printed.
//
// The workshop's limits per family and its acceptance are kept in the
// settings file.

#include "base/InstrumentUsed.h"
#include "base/References.h"
#include "core/Calibration.h"
#include "core/Sensor.h"

#include <QJsonObject>
#include <QString>
#include <optional>

namespace dravino {

struct CalibrationData {
    SensorType family = SensorType::BoschDelphiVdo;
    CalibrationRun asFound;
    // After the technician adjusted the sensor or replaced it: the run again.
    enum class Adjustment { None, Adjusted, Replaced } adjustment = Adjustment::None;
    std::optional<CalibrationRun> asLeft;
    std::optional<PressureReference> reference; // nothing: none chosen
    MeterAccuracy meterAccuracy;
    InstrumentUsed meter;              // the meter the readings came from, where any did
    CalibrationLimits limits;
    Acceptance acceptance = Acceptance::Simple;
    std::optional<double> temperatureC; // the room's, where typed
    QString procedure;                  // the procedure's name and version

    const CalibrationPlan &plan() const { return asFound.plan; }
    ReferenceStandard standard() const;
    MeterSpec meterSpec() const;
    CalibrationResult found() const;
    std::optional<CalibrationResult> left() const;
    // The sensor's verdict: the run as left where there is one, else as found.
    Zone verdict() const;
};

// The procedure this program follows, as certificates name it.
QString calibrationProcedure();
// The rule's name and version, as certificates and records name it.
QString calibrationRuleName();
inline constexpr int kCalibrationRuleVersion = 1;

// A plan for the family and nominal full scale given: its output span and
// zero, the default points (0 to 100 % by 20), one cycle.
CalibrationPlan planFor(SensorType family, int nominalFullScale, int converterBits);

QJsonObject calibrationJson(const CalibrationData &data);
CalibrationData calibrationFrom(const QJsonObject &json);
QJsonObject runJson(const CalibrationRun &run);
CalibrationRun runFrom(const QJsonObject &json);

// The workshop's limits for a family (the quick check's ±1 % where none
// were set), and its acceptance.
CalibrationLimits loadCalibrationLimits(SensorType family);
bool saveCalibrationLimits(SensorType family, const CalibrationLimits &limits);
Acceptance loadAcceptance();
bool saveAcceptance(Acceptance acceptance);

} // namespace dravino
