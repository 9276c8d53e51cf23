#pragma once
// The workshop's pressure references (a gauge, a pump's master gauge, a
// dead-weight tester): each named with its serial and certificate, its
// uncertainty as its certificate gives it (U and k) or as its accuracy
// class (% of its range), and when its calibration falls due. Kept in
// the settings file beside the meter's; a calibration names the one it used.

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace dravino {

struct PressureReference {
    QString name, serial, certificate;
    enum Kind { Certificate, AccuracyClass } kind = Certificate;
    double expandedBar = 0; // Certificate: U
    double k = 2;
    double classPercent = 0; // AccuracyClass: % of its range
    double rangeBar = 0;
    QDate due;               // invalid: not given
    // How the list and the certificate name it: "Manometro M-01 (n. 1234)".
    QString shown() const;
    bool operator==(const PressureReference &) const = default;
};

// A reference as the settings and a calibration's record keep it.
QJsonObject referenceJson(const PressureReference &r);
PressureReference referenceFrom(const QJsonObject &o);

QList<PressureReference> loadReferences();
// False where the settings file cannot be written.
bool saveReferences(const QList<PressureReference> &references);

// The meter's accuracy as its maker gives it, ± (% of reading + digits),
// the mV of its last digit, and the number of its calibration certificate,
// kept with the meter chosen.
struct MeterAccuracy {
    double percentOfReading = 0.05;
    double digits = 2;
    double resolutionMv = 1;
    QString certificate;
    bool operator==(const MeterAccuracy &) const = default;
};
MeterAccuracy loadMeterAccuracy();
bool saveMeterAccuracy(const MeterAccuracy &accuracy);

} // namespace dravino
