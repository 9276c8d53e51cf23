#include "archive/GuidedRecord.h"

#include "base/Settings.h"
#include "core/TraceFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace dravino {

namespace {
QLatin1String outcomeName(GuidedStep::Outcome o)
{
    static const char *const names[] = {"pass", "fail", "wiring", "not-judged", "skipped"};
    return QLatin1String(names[o]);
}
GuidedStep::Outcome outcomeNamed(const QString &name)
{
    for (const GuidedStep::Outcome o : {GuidedStep::Pass, GuidedStep::Fail, GuidedStep::WiringFault, GuidedStep::Skipped})
        if (name == outcomeName(o))
            return o;
    return GuidedStep::NotJudged; // (anything else is never a pass)
}
QLatin1String reasonName(GuidedStep::Reason r)
{
    static const char *const names[] = {"", "too-short", "not-found", "ends-too-soon", "no-supply", "dropout", "out-of-limit"};
    return QLatin1String(names[r]);
}
GuidedStep::Reason reasonNamed(const QString &name)
{
    for (int r = GuidedStep::None; r <= GuidedStep::OutOfLimit; ++r)
        if (name == reasonName(GuidedStep::Reason(r)))
            return GuidedStep::Reason(r);
    return GuidedStep::None;
}
QJsonValue msJson(const std::optional<std::int64_t> &ms) { return ms ? QJsonValue(double(*ms)) : QJsonValue(); }
std::optional<std::int64_t> msFrom(const QJsonValue &v)
{
    return v.isDouble() ? std::optional<std::int64_t>(std::int64_t(v.toDouble())) : std::nullopt;
}
QJsonObject ownJson(const GuidedOwnLimits &own)
{
    QJsonObject o{{QStringLiteral("name"), QString::fromStdString(own.name)},
                  {QStringLiteral("family"), int(own.family)},
                  {QStringLiteral("version"), own.version}};
    for (std::size_t i = 0; i < kGuidedLimitFields.size(); ++i)
        if (own.given[i])
            o.insert(QLatin1String(kGuidedLimitFields[i].key), *own.given[i]);
    return o;
}
GuidedOwnLimits ownFrom(const QJsonObject &o)
{
    GuidedOwnLimits own;
    own.name = o.value(QStringLiteral("name")).toString().toStdString();
    own.family = SensorType(std::clamp(o.value(QStringLiteral("family")).toInt(), 0, 2));
    own.version = std::max(1, o.value(QStringLiteral("version")).toInt(1));
    for (std::size_t i = 0; i < kGuidedLimitFields.size(); ++i)
        if (const QJsonValue v = o.value(QLatin1String(kGuidedLimitFields[i].key)); v.isDouble())
            own.given[i] = v.toDouble();
    return own;
}
} // namespace

std::vector<TraceSample> judgedSpan(const Trace &capture, const GuidedResult &result)
{
    std::optional<std::int64_t> from, to;
    for (const GuidedStep &s : result.steps)
        if (s.fromMs) {
            from = std::min(from.value_or(*s.fromMs), *s.fromMs);
            to = std::max(to.value_or(*s.toMs), *s.toMs);
        }
    const std::vector<TraceSample> &all = capture.samples();
    if (!from)
        return all;
    const auto begin = std::lower_bound(all.begin(), all.end(), *from - 1000, [](const TraceSample &s, std::int64_t ms) { return s.ms < ms; });
    const auto end = std::upper_bound(begin, all.end(), *to + 1000, [](std::int64_t ms, const TraceSample &s) { return ms < s.ms; });
    return {begin, end};
}

QJsonObject guidedLimitsJson(const GuidedLimits &l)
{
    QJsonObject o{{QStringLiteral("name"), QString::fromStdString(l.name)}, {QStringLiteral("version"), l.version}};
    for (const GuidedLimitField &f : kGuidedLimitFields)
        o.insert(QLatin1String(f.key), l.*f.value);
    return o;
}

GuidedLimits guidedLimitsFrom(const QJsonObject &o, SensorType family)
{
    GuidedLimits l = genericLimits(family);
    l.name = o.value(QStringLiteral("name")).toString(QString::fromStdString(l.name)).toStdString();
    l.version = o.value(QStringLiteral("version")).toInt(l.version);
    for (const GuidedLimitField &f : kGuidedLimitFields)
        if (const QJsonValue v = o.value(QLatin1String(f.key)); v.isDouble())
            l.*f.value = v.toDouble();
    return l;
}

QJsonObject guidedJson(const GuidedData &d)
{
    QJsonArray steps, given;
    for (std::size_t i = 0; i < d.result.steps.size(); ++i) {
        const GuidedStep &s = d.result.steps[i];
        steps.append(QJsonObject{{QStringLiteral("outcome"), outcomeName(s.outcome)},
                                 {QStringLiteral("reason"), reasonName(s.reason)},
                                 {QStringLiteral("from"), msJson(s.fromMs)},
                                 {QStringLiteral("to"), msJson(s.toMs)},
                                 {QStringLiteral("value"), s.value},
                                 {QStringLiteral("value2"), s.value2},
                                 {QStringLiteral("at"), double(s.atMs)}});
        given.append(d.given[i] ? QJsonValue(QJsonArray{double(d.given[i]->first), double(d.given[i]->second)}) : QJsonValue());
    }
    const std::string packed = packTraceSamples(d.capture);
    return {{QStringLiteral("family"), int(d.family)},
            {QStringLiteral("fullScale"), d.fullScale},
            {QStringLiteral("zero"), d.zeroMv},
            {QStringLiteral("limits"), guidedLimitsJson(d.limits)},
            {QStringLiteral("supply"), d.supplyMv ? QJsonValue(*d.supplyMv) : QJsonValue()},
            {QStringLiteral("supplyChannel"), d.supplyChannel},
            {QStringLiteral("given"), given},
            {QStringLiteral("steps"), steps},
            {QStringLiteral("overall"), outcomeName(d.result.overall)},
            {QStringLiteral("ratio"), d.result.ratio},
            {QStringLiteral("capture"), QString::fromLatin1(qCompress(QByteArray::fromStdString(packed)).toBase64())},
            {QStringLiteral("started"), d.started.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("meter"), d.meter}};
}

GuidedData guidedFrom(const QJsonObject &o)
{
    GuidedData d;
    d.family = SensorType(std::clamp(o.value(QStringLiteral("family")).toInt(), 0, 2));
    d.fullScale = o.value(QStringLiteral("fullScale")).toInt(2000);
    d.zeroMv = o.value(QStringLiteral("zero")).toInt(500);
    d.limits = guidedLimitsFrom(o.value(QStringLiteral("limits")).toObject(), d.family);
    if (const QJsonValue s = o.value(QStringLiteral("supply")); s.isDouble())
        d.supplyMv = s.toDouble();
    d.supplyChannel = o.value(QStringLiteral("supplyChannel")).toString();
    const QJsonArray steps = o.value(QStringLiteral("steps")).toArray(), given = o.value(QStringLiteral("given")).toArray();
    for (std::size_t i = 0; i < d.result.steps.size(); ++i) {
        GuidedStep &s = d.result.steps[i];
        s.kind = kGuidedSteps[i];
        const QJsonObject st = steps.at(qsizetype(i)).toObject();
        s.outcome = outcomeNamed(st.value(QStringLiteral("outcome")).toString());
        s.reason = reasonNamed(st.value(QStringLiteral("reason")).toString());
        s.fromMs = msFrom(st.value(QStringLiteral("from")));
        s.toMs = s.fromMs ? msFrom(st.value(QStringLiteral("to"))).value_or(*s.fromMs) : std::optional<std::int64_t>();
        s.value = st.value(QStringLiteral("value")).toDouble();
        s.value2 = st.value(QStringLiteral("value2")).toDouble();
        s.atMs = std::int64_t(st.value(QStringLiteral("at")).toDouble());
        if (const QJsonArray g = given.at(qsizetype(i)).toArray(); g.size() == 2)
            d.given[i] = std::pair<std::int64_t, std::int64_t>{std::int64_t(g[0].toDouble()), std::int64_t(g[1].toDouble())};
    }
    d.result.overall = outcomeNamed(o.value(QStringLiteral("overall")).toString());
    d.result.ratio = o.value(QStringLiteral("ratio")).toDouble(1);
    const QByteArray packed = qUncompress(QByteArray::fromBase64(o.value(QStringLiteral("capture")).toString().toLatin1()));
    if (!unpackTraceSamples(std::string_view(packed.constData(), std::size_t(packed.size())), d.capture))
        d.capture.clear();
    d.started = QDateTime::fromString(o.value(QStringLiteral("started")).toString(), Qt::ISODateWithMs).toLocalTime();
    d.meter = o.value(QStringLiteral("meter")).toString();
    return d;
}

QList<GuidedOwnLimits> loadGuidedLimitSets()
{
    QList<GuidedOwnLimits> sets;
    for (const QJsonValue v : QJsonDocument::fromJson(settingsValue(QStringLiteral("guided/limitSets")).toByteArray()).array())
        if (GuidedOwnLimits own = ownFrom(v.toObject()); !own.name.empty())
            sets << own;
    return sets;
}

bool saveGuidedLimitSets(const QList<GuidedOwnLimits> &sets)
{
    QJsonArray a;
    for (const GuidedOwnLimits &own : sets)
        a.append(ownJson(own));
    return setSettingsValue(QStringLiteral("guided/limitSets"), QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact)));
}

bool isGuidedSetFor(const GuidedOwnLimits &own, SensorType family, const QString &name)
{
    return own.family == family && !name.trimmed().isEmpty()
        && QString::fromStdString(own.name).trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

std::optional<GuidedOwnLimits> guidedLimitsForVehicle(const QList<GuidedOwnLimits> &sets, SensorType family, const QString &vehicle)
{
    for (const GuidedOwnLimits &own : sets)
        if (isGuidedSetFor(own, family, vehicle))
            return own;
    return std::nullopt;
}

} // namespace dravino
