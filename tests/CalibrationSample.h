#pragma once
// A calibration the tests share: a Bosch sensor of 2000 bar (500 mV at 0
// bar, 4000 mV of span), six points, two cycles read in mV, found with a
// zero 50 mV high and a falling sweep 3 mV above the rising one, left after
// an adjustment 1 mV off; a reference of U = 2 bar (k = 2) due in a year; a
// meter of ±(0.05 % + 2 digits) at 0.1 mV.

#include "archive/CalibrationRecord.h"

#include <QDate>

namespace dravino::test {

inline PressureReference sampleReference()
{
    PressureReference r;
    r.name = QStringLiteral("Manometro DPG-1");
    r.serial = QStringLiteral("A1234");
    r.certificate = QStringLiteral("LAT 999 12345");
    r.kind = PressureReference::Certificate;
    r.expandedBar = 2;
    r.k = 2;
    r.due = QDate::currentDate().addYears(1);
    return r;
}

// The readings of a run: nominal plus offset, the falling sweep fallingMv
// above, cycle c a further c * cycleMv.
inline CalibrationRun sampleRun(double offsetMv, double fallingMv, double cycleMv, int cycles = 2)
{
    CalibrationPlan plan = planFor(SensorType::BoschDelphiVdo, 2000, 0);
    plan.cycles = cycles;
    CalibrationRun run(plan);
    for (int c = 0; c < cycles; ++c)
        for (const Sweep s : {Sweep::Rising, Sweep::Falling})
            for (int p = 0; p < plan.points(); ++p)
                if (run.taken(p, s))
                    run.at(c, s, p) = plan.nominalMv(plan.pressure(p)) + offsetMv + (s == Sweep::Falling ? fallingMv : 0) + c * cycleMv;
    return run;
}

inline CalibrationData sampleCalibration(Acceptance acceptance = Acceptance::GuardBand, bool left = true)
{
    CalibrationData d;
    d.family = SensorType::BoschDelphiVdo;
    d.asFound = sampleRun(50, 3, 0.5);
    if (left) {
        d.adjustment = CalibrationData::Adjustment::Adjusted;
        d.asLeft = sampleRun(1, 2, 0.5);
    }
    d.reference = sampleReference();
    d.meterAccuracy = {0.05, 2, 0.1, QStringLiteral("LAT 105 77/26")};
    d.meter.known = true;
    d.meter.vendor = QStringLiteral("Demo");
    d.meter.model = QStringLiteral("Multimetro");
    d.meter.serial = QStringLiteral("M-77");
    d.meter.calibratedUntil = QDate::currentDate().addMonths(6);
    d.meter.rows = {0, 1, 2};
    d.limits = CalibrationLimits{};
    d.acceptance = acceptance;
    d.temperatureC = 21.5;
    d.procedure = calibrationProcedure();
    return d;
}

} // namespace dravino::test
