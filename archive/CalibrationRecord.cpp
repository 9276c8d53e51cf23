#include "archive/CalibrationRecord.h"

#include "archive/CheckRecord.h"
#include "base/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace dravino {

namespace {
QJsonValue number(std::optional<double> v) { return v ? QJsonValue(*v) : QJsonValue(); }
std::optional<double> numberFrom(const QJsonValue &v)
{
    return v.isDouble() ? std::optional<double>(v.toDouble()) : std::nullopt;
}

QLatin1String acceptanceName(Acceptance a) { return a == Acceptance::GuardBand ? QLatin1String("guard-band") : QLatin1String("simple"); }
Acceptance acceptanceNamed(const QString &s) { return s == QLatin1String("guard-band") ? Acceptance::GuardBand : Acceptance::Simple; }

const char *const kSources[] = {"reference", "meter-accuracy", "meter-resolution", "converter", "repeatability", "hysteresis"};

QJsonObject judgedJson(const JudgedResult &j)
{
    return {{QStringLiteral("value"), number(j.value)},
            {QStringLiteral("limit"), j.limit},
            {QStringLiteral("expanded"), j.expanded},
            {QStringLiteral("zone"), zoneName(j.zone)}};
}

QJsonObject budgetJson(const Budget &b)
{
    QJsonArray terms;
    for (const BudgetTerm &t : b.terms)
        terms.append(QJsonObject{{QStringLiteral("source"), QLatin1String(kSources[t.source])},
                                 {QStringLiteral("value"), t.value},
                                 {QStringLiteral("divisor"), t.divisor},
                                 {QStringLiteral("sensitivity"), t.sensitivity},
                                 {QStringLiteral("contribution"), t.contributionBar}});
    return {{QStringLiteral("terms"), terms},
            {QStringLiteral("combined"), b.combinedBar},
            {QStringLiteral("k"), b.k},
            {QStringLiteral("expanded"), b.expandedBar}};
}

// What was certified, as printed: each point, each result, the worst
// point's budget.
QJsonObject resultJson(const CalibrationResult &r)
{
    QJsonArray points;
    for (const PointResult &p : r.points)
        points.append(QJsonObject{{QStringLiteral("reference"), p.referenceBar},
                                  {QStringLiteral("risingMv"), number(p.meanMv[0])},
                                  {QStringLiteral("fallingMv"), number(p.meanMv[1])},
                                  {QStringLiteral("risingError"), number(p.errorBar[0])},
                                  {QStringLiteral("fallingError"), number(p.errorBar[1])},
                                  {QStringLiteral("hysteresis"), number(p.hysteresisBar)},
                                  {QStringLiteral("repeatability"), number(p.repeatabilityBar)},
                                  {QStringLiteral("expanded"), p.budget.expandedBar},
                                  {QStringLiteral("errorPercent"), number(p.errorPercent)},
                                  {QStringLiteral("zone"), zoneName(p.zone)}});
    QJsonObject o{{QStringLiteral("points"), points},
                  {QStringLiteral("error"), judgedJson(r.error)},
                  {QStringLiteral("hysteresis"), judgedJson(r.hysteresis)},
                  {QStringLiteral("repeatability"), judgedJson(r.repeatability)},
                  {QStringLiteral("terminalLinearity"), judgedJson(r.terminalLinearity)},
                  {QStringLiteral("bestFitLinearity"), judgedJson(r.bestFitLinearity)},
                  {QStringLiteral("zero"), judgedJson(r.zero)},
                  {QStringLiteral("span"), judgedJson(r.span)},
                  {QStringLiteral("bestFit"), QJsonArray{r.bestFitInterceptMv, r.bestFitSlopeMvPerBar}},
                  {QStringLiteral("tur"), std::isfinite(r.tur) ? QJsonValue(r.tur) : QJsonValue()},
                  {QStringLiteral("worstPoint"), r.worstPoint},
                  {QStringLiteral("verdict"), zoneName(r.verdict)}};
    if (r.worstPoint >= 0)
        o.insert(QStringLiteral("budget"), budgetJson(r.points[std::size_t(r.worstPoint)].budget));
    return o;
}

QJsonObject limitsJson(const CalibrationLimits &l)
{
    return {{QStringLiteral("error"), l.error},
            {QStringLiteral("hysteresis"), l.hysteresis},
            {QStringLiteral("repeatability"), l.repeatability},
            {QStringLiteral("terminalLinearity"), l.terminalLinearity},
            {QStringLiteral("bestFitLinearity"), l.bestFitLinearity},
            {QStringLiteral("zero"), l.zero},
            {QStringLiteral("span"), l.span}};
}

// A limit that does not read, or is not above zero, is the default's.
CalibrationLimits limitsFrom(const QJsonObject &o)
{
    CalibrationLimits l;
    const auto read = [&](const char *name, double &into) {
        const double v = o.value(QLatin1String(name)).toDouble(-1);
        if (v > 0)
            into = v;
    };
    read("error", l.error);
    read("hysteresis", l.hysteresis);
    read("repeatability", l.repeatability);
    read("terminalLinearity", l.terminalLinearity);
    read("bestFitLinearity", l.bestFitLinearity);
    read("zero", l.zero);
    read("span", l.span);
    return l;
}

QLatin1String adjustmentName(CalibrationData::Adjustment a)
{
    return a == CalibrationData::Adjustment::Adjusted   ? QLatin1String("adjusted")
        : a == CalibrationData::Adjustment::Replaced ? QLatin1String("replaced")
                                                     : QLatin1String("");
}
} // namespace

QString calibrationProcedure()
{
    return QCoreApplication::translate("dravino::Calibration", "Dravino TAR-1: confronto con un riferimento di pressione, salita e discesa");
}

QString calibrationRuleName()
{
    return QCoreApplication::translate("dravino::Calibration", "Dravino taratura");
}

CalibrationPlan planFor(SensorType type, int nominalFullScale, int converterBits)
{
    CalibrationPlan plan;
    const SensorFamily &f = family(type);
    plan.nominalFullScale = nominalFullScale;
    plan.spanMv = f.spanMv;
    plan.zeroMv = f.nominalZeroMv;
    plan.converterBits = converterBits;
    return plan;
}

ReferenceStandard CalibrationData::standard() const
{
    ReferenceStandard s;
    if (!reference)
        return s;
    s.kind = reference->kind == PressureReference::AccuracyClass ? ReferenceStandard::AccuracyClass : ReferenceStandard::Certificate;
    s.expandedBar = reference->expandedBar;
    s.k = reference->k;
    s.classPercent = reference->classPercent;
    s.rangeBar = reference->rangeBar;
    return s;
}

MeterSpec CalibrationData::meterSpec() const
{
    return {meterAccuracy.percentOfReading, meterAccuracy.digits, meterAccuracy.resolutionMv};
}

CalibrationResult CalibrationData::found() const { return evaluate(asFound, limits, standard(), meterSpec(), acceptance); }

std::optional<CalibrationResult> CalibrationData::left() const
{
    if (!asLeft)
        return std::nullopt;
    return evaluate(*asLeft, limits, standard(), meterSpec(), acceptance);
}

Zone CalibrationData::verdict() const
{
    if (const auto l = left())
        return l->verdict;
    return found().verdict;
}

QJsonObject runJson(const CalibrationRun &run)
{
    const CalibrationPlan &p = run.plan;
    QJsonArray percents, cycles;
    for (double v : p.percents)
        percents.append(v);
    for (const auto &cycle : run.mv) {
        QJsonArray sweeps;
        for (const auto &sweep : cycle) {
            QJsonArray readings;
            for (const auto &v : sweep)
                readings.append(number(v));
            sweeps.append(readings);
        }
        cycles.append(sweeps);
    }
    return {{QStringLiteral("nominal"), p.nominalFullScale},
            {QStringLiteral("spanMv"), p.spanMv},
            {QStringLiteral("zeroMv"), p.zeroMv},
            {QStringLiteral("percents"), percents},
            {QStringLiteral("cycles"), p.cycles},
            {QStringLiteral("converterBits"), p.converterBits},
            {QStringLiteral("mv"), cycles}};
}

CalibrationRun runFrom(const QJsonObject &o)
{
    CalibrationPlan p;
    p.nominalFullScale = o.value(QStringLiteral("nominal")).toInt(p.nominalFullScale);
    p.spanMv = o.value(QStringLiteral("spanMv")).toInt(p.spanMv);
    p.zeroMv = o.value(QStringLiteral("zeroMv")).toInt(p.zeroMv);
    if (o.contains(QStringLiteral("percents"))) {
        p.percents.clear();
        for (const QJsonValue &v : o.value(QStringLiteral("percents")).toArray())
            p.percents.push_back(v.toDouble());
    }
    p.cycles = std::clamp(o.value(QStringLiteral("cycles")).toInt(1), 1, 3);
    p.converterBits = o.value(QStringLiteral("converterBits")).toInt();
    CalibrationRun run(p);
    const QJsonArray cycles = o.value(QStringLiteral("mv")).toArray();
    for (int c = 0; c < p.cycles && c < cycles.size(); ++c)
        for (const Sweep s : {Sweep::Rising, Sweep::Falling}) {
            const QJsonArray readings = cycles.at(c).toArray().at(int(s)).toArray();
            for (int i = 0; i < p.points() && i < readings.size(); ++i)
                if (run.taken(i, s))
                    run.at(c, s, i) = numberFrom(readings.at(i));
        }
    return run;
}

QJsonObject calibrationJson(const CalibrationData &d)
{
    QJsonObject o{{QStringLiteral("family"), int(d.family)},
                  {QStringLiteral("asFound"), runJson(d.asFound)},
                  {QStringLiteral("adjustment"), adjustmentName(d.adjustment)},
                  {QStringLiteral("meterAccuracy"), QJsonObject{{QStringLiteral("percentOfReading"), d.meterAccuracy.percentOfReading},
                                                                {QStringLiteral("digits"), d.meterAccuracy.digits},
                                                                {QStringLiteral("resolutionMv"), d.meterAccuracy.resolutionMv},
                                                                {QStringLiteral("certificate"), d.meterAccuracy.certificate}}},
                  {QStringLiteral("meter"), instrumentJson(d.meter)},
                  {QStringLiteral("rule"), QJsonObject{{QStringLiteral("name"), calibrationRuleName()},
                                                       {QStringLiteral("version"), kCalibrationRuleVersion},
                                                       {QStringLiteral("acceptance"), acceptanceName(d.acceptance)},
                                                       {QStringLiteral("guardBand"), d.acceptance == Acceptance::GuardBand
                                                                                         ? QStringLiteral("U (k = 2)")
                                                                                         : QStringLiteral("0")},
                                                       {QStringLiteral("limitsPercentOfSpan"), limitsJson(d.limits)}}},
                  {QStringLiteral("temperature"), number(d.temperatureC)},
                  {QStringLiteral("procedure"), d.procedure},
                  {QStringLiteral("found"), resultJson(d.found())},
                  {QStringLiteral("verdict"), zoneName(d.verdict())}};
    if (d.asLeft) {
        o.insert(QStringLiteral("asLeft"), runJson(*d.asLeft));
        o.insert(QStringLiteral("left"), resultJson(*d.left()));
    }
    if (d.reference)
        o.insert(QStringLiteral("reference"), referenceJson(*d.reference));
    return o;
}

CalibrationData calibrationFrom(const QJsonObject &o)
{
    CalibrationData d;
    const int family = o.value(QStringLiteral("family")).toInt();
    d.family = family == 1 ? SensorType::DensoOneWay : family == 2 ? SensorType::DensoTwoWay : SensorType::BoschDelphiVdo;
    d.asFound = runFrom(o.value(QStringLiteral("asFound")).toObject());
    const QString adjustment = o.value(QStringLiteral("adjustment")).toString();
    d.adjustment = adjustment == QLatin1String("adjusted")   ? CalibrationData::Adjustment::Adjusted
        : adjustment == QLatin1String("replaced")        ? CalibrationData::Adjustment::Replaced
                                                         : CalibrationData::Adjustment::None;
    if (o.contains(QStringLiteral("asLeft")))
        d.asLeft = runFrom(o.value(QStringLiteral("asLeft")).toObject());
    if (o.contains(QStringLiteral("reference")))
        d.reference = referenceFrom(o.value(QStringLiteral("reference")).toObject());
    const QJsonObject m = o.value(QStringLiteral("meterAccuracy")).toObject();
    d.meterAccuracy = {m.value(QStringLiteral("percentOfReading")).toDouble(), m.value(QStringLiteral("digits")).toDouble(),
                       m.value(QStringLiteral("resolutionMv")).toDouble(1), m.value(QStringLiteral("certificate")).toString()};
    d.meter = instrumentFrom(o.value(QStringLiteral("meter")).toObject());
    const QJsonObject rule = o.value(QStringLiteral("rule")).toObject();
    d.acceptance = acceptanceNamed(rule.value(QStringLiteral("acceptance")).toString());
    d.limits = limitsFrom(rule.value(QStringLiteral("limitsPercentOfSpan")).toObject());
    d.temperatureC = numberFrom(o.value(QStringLiteral("temperature")));
    d.procedure = o.value(QStringLiteral("procedure")).toString();
    return d;
}

CalibrationLimits loadCalibrationLimits(SensorType family)
{
    return limitsFrom(QJsonDocument::fromJson(settingsValue(QStringLiteral("calibration/limits%1").arg(int(family))).toByteArray()).object());
}

bool saveCalibrationLimits(SensorType family, const CalibrationLimits &limits)
{
    return setSettingsValue(QStringLiteral("calibration/limits%1").arg(int(family)),
                            QString::fromUtf8(QJsonDocument(limitsJson(limits)).toJson(QJsonDocument::Compact)));
}

Acceptance loadAcceptance() { return acceptanceNamed(settingsValue(QStringLiteral("calibration/acceptance")).toString()); }

bool saveAcceptance(Acceptance acceptance)
{
    return setSettingsValue(QStringLiteral("calibration/acceptance"), QString(acceptanceName(acceptance)));
}

} // namespace dravino
