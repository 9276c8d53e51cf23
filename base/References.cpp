#include "base/References.h"

#include "base/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dravino {

QString PressureReference::shown() const
{
    return serial.isEmpty() ? name : QCoreApplication::translate("dravino::References", "%1 (n. %2)").arg(name, serial);
}

QJsonObject referenceJson(const PressureReference &r)
{
    return {{QStringLiteral("name"), r.name},
            {QStringLiteral("serial"), r.serial},
            {QStringLiteral("certificate"), r.certificate},
            {QStringLiteral("kind"), r.kind == PressureReference::AccuracyClass ? QStringLiteral("class") : QStringLiteral("certificate")},
            {QStringLiteral("expandedBar"), r.expandedBar},
            {QStringLiteral("k"), r.k},
            {QStringLiteral("classPercent"), r.classPercent},
            {QStringLiteral("rangeBar"), r.rangeBar},
            {QStringLiteral("due"), r.due.toString(Qt::ISODate)}};
}

PressureReference referenceFrom(const QJsonObject &o)
{
    PressureReference r;
    r.name = o.value(QStringLiteral("name")).toString();
    r.serial = o.value(QStringLiteral("serial")).toString();
    r.certificate = o.value(QStringLiteral("certificate")).toString();
    r.kind = o.value(QStringLiteral("kind")) == QLatin1String("class") ? PressureReference::AccuracyClass : PressureReference::Certificate;
    r.expandedBar = o.value(QStringLiteral("expandedBar")).toDouble();
    r.k = o.value(QStringLiteral("k")).toDouble(2);
    r.classPercent = o.value(QStringLiteral("classPercent")).toDouble();
    r.rangeBar = o.value(QStringLiteral("rangeBar")).toDouble();
    r.due = QDate::fromString(o.value(QStringLiteral("due")).toString(), Qt::ISODate);
    return r;
}

QList<PressureReference> loadReferences()
{
    QList<PressureReference> out;
    const QJsonArray list = QJsonDocument::fromJson(settingsValue(QStringLiteral("calibration/references")).toByteArray()).array();
    for (const QJsonValue &v : list) {
        const PressureReference r = referenceFrom(v.toObject());
        if (!r.name.isEmpty())
            out << r;
    }
    return out;
}

bool saveReferences(const QList<PressureReference> &references)
{
    QJsonArray list;
    for (const PressureReference &r : references)
        list.append(referenceJson(r));
    return setSettingsValue(QStringLiteral("calibration/references"),
                            QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
}

MeterAccuracy loadMeterAccuracy()
{
    MeterAccuracy a;
    a.percentOfReading = settingsValue(QStringLiteral("instrumentAccuracyPercent"), a.percentOfReading).toDouble();
    a.digits = settingsValue(QStringLiteral("instrumentAccuracyDigits"), a.digits).toDouble();
    a.resolutionMv = settingsValue(QStringLiteral("instrumentResolutionMv"), a.resolutionMv).toDouble();
    a.certificate = settingsValue(QStringLiteral("instrumentCertificate")).toString();
    return a;
}

bool saveMeterAccuracy(const MeterAccuracy &a)
{
    return setSettingsValues({{QStringLiteral("instrumentAccuracyPercent"), a.percentOfReading},
                              {QStringLiteral("instrumentAccuracyDigits"), a.digits},
                              {QStringLiteral("instrumentResolutionMv"), a.resolutionMv},
                              {QStringLiteral("instrumentCertificate"), a.certificate}});
}

} // namespace dravino
