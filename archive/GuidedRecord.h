#pragma once
// A guided in-vehicle test as the archive keeps it and its report prints
// it: the sensor (family, full scale, zero), the limits it was judged by
// (their name and version, every value), the supply where a meter gave
// it, the parts the technician moved, each step as judged, and the part of
// the capture the steps were judged on, a second either side, packed: a
// reprint is the report that was handed over, and the capture judged again
// gives the same verdicts.
//
// The workshop's own limit sets (per vehicle or engine) are kept in the
// settings file.

#include "core/GuidedTest.h"
#include "core/Trace.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace dravino {

struct GuidedData {
    SensorType family = SensorType::BoschDelphiVdo;
    int fullScale = 2000;
    int zeroMv = 500;
    GuidedLimits limits;
    std::optional<double> supplyMv;
    QString supplyChannel;         // the scope's channel it was read on (empty: typed from a meter)
    GuidedParts given;             // the parts the technician moved
    GuidedResult result;           // as judged
    std::vector<TraceSample> capture; // the span judged, a second either side
    QDateTime started;             // the capture's first reading (its times count from it)
    QString meter;                 // the instrument, as it names itself
};

// The span of the capture the result's steps were judged on, a second
// either side (the whole where no step has a part).
std::vector<TraceSample> judgedSpan(const Trace &capture, const GuidedResult &result);

QJsonObject guidedJson(const GuidedData &data);
// A capture that does not unpack is read as none (the report says so).
GuidedData guidedFrom(const QJsonObject &json);
QJsonObject guidedLimitsJson(const GuidedLimits &limits);
GuidedLimits guidedLimitsFrom(const QJsonObject &json, SensorType family);

// The workshop's own sets, every family's, in the order kept.
QList<GuidedOwnLimits> loadGuidedLimitSets();
bool saveGuidedLimitSets(const QList<GuidedOwnLimits> &sets);
// Whether own is the family's set of that name (any case, the blanks at
// either end aside).
bool isGuidedSetFor(const GuidedOwnLimits &own, SensorType family, const QString &name);
// The set the vehicle's name picks (the same name, any case, the blanks
// at either end aside), for that family; none: the generic set.
std::optional<GuidedOwnLimits> guidedLimitsForVehicle(const QList<GuidedOwnLimits> &sets, SensorType family, const QString &vehicle);

} // namespace dravino
