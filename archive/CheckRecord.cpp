#include "archive/CheckRecord.h"

#include "core/WholeNumber.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QLocale>
#include <QTimeZone>
#include <QUuid>

#include <cmath>

namespace dravino {

namespace {

// A whole number as the grid's texts hold it, or nothing.
Cell wholeCell(const std::string &text)
{
    if (text.empty())
        return {};
    const auto n = toInt32(text);
    // A text the grid shows must come back as it was: "0400" is 400, "--" stays.
    if (n.ok() && text.find_first_not_of("-0123456789") == std::string::npos)
        return double(n.value);
    return QString::fromStdString(text);
}

const char *verdictName(Verdict v) { return v == Verdict::Green ? "pass" : v == Verdict::Red ? "fail" : nullptr; }
Verdict verdictFrom(const QJsonValue &v)
{
    return v == QLatin1String("pass") ? Verdict::Green : v == QLatin1String("fail") ? Verdict::Red : Verdict::Unchanged;
}

std::string gridText(const Cell &c) { return cellText(c).toStdString(); }

} // namespace

QString cellText(const Cell &cell)
{
    if (const auto *n = std::get_if<double>(&cell)) {
        if (*n == std::floor(*n))
            return QString::number(qint64(*n));
        // (a typed average with a fraction: in the window's own separator)
        return QString::number(*n, 'g', 10).replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
    if (const auto *t = std::get_if<QString>(&cell))
        return *t;
    return {};
}

QString linearityText(const Cell &cell, QChar decimalSeparator)
{
    if (const auto *n = std::get_if<double>(&cell))
        return QString::fromStdString(formatLinearity(float(*n), char(decimalSeparator.unicode()))) + QLatin1Char('%');
    return cellText(cell);
}

std::optional<double> cellNumber(const Cell &cell)
{
    if (const auto *n = std::get_if<double>(&cell))
        return *n;
    return std::nullopt;
}

QString newCheckKey() { return QUuid::createUuid().toString(QUuid::WithoutBraces); }

CheckRecord checkOf(const ScaleCheckModel &check, const DecisionRule &rule)
{
    const ScaleGrid &g = check.grid();
    CheckRecord r;
    r.denso = check.settings().denso;
    r.bits12 = check.settings().bits12;
    r.automaticAverage = check.settings().automaticAverage;
    r.nominalFullScale = check.settings().nominalFullScale;
    for (int i = 0; i < kScaleRows; ++i) {
        CheckRow &row = r.rows[i];
        row.bar = wholeCell(g.bar[i]);
        row.adc = wholeCell(g.adc[i]);
        row.mvolt = wholeCell(g.mvolt[i]);
        row.scale = wholeCell(g.scala[i]);
        if (!g.linearita[i].empty())
            row.linearity = double(g.linearityPercent[i]);
        row.deviation = wholeCell(g.scostamento[i]);
        row.linearityVerdict = g.linearitaColor[i];
        row.deviationVerdict = g.scostamentoColor[i];
    }
    // The average as the computation read it (a typed "2419,5" is 2419.5).
    if (const auto average = parseDecimal(g.media, check.decimalSeparator()))
        r.average = *average;
    else
        r.average = wholeCell(g.media);
    r.tolerance = double(g.tolerance);
    r.rule = rule;
    r.points = check.points();
    r.verdict = verdictOf(r);
    return r;
}

ScaleGrid gridOf(const CheckRecord &r, QChar decimalSeparator)
{
    ScaleGrid g;
    for (int i = 0; i < kScaleRows; ++i) {
        const CheckRow &row = r.rows[i];
        g.bar[i] = gridText(row.bar);
        g.adc[i] = gridText(row.adc);
        g.mvolt[i] = gridText(row.mvolt);
        g.scala[i] = gridText(row.scale);
        g.linearita[i] = linearityText(row.linearity, decimalSeparator).toStdString();
        g.scostamento[i] = gridText(row.deviation);
        g.linearitaColor[i] = row.linearityVerdict;
        g.scostamentoColor[i] = row.deviationVerdict;
        if (const auto n = cellNumber(row.linearity))
            g.linearityPercent[i] = float(*n);
    }
    if (const auto average = cellNumber(r.average))
        g.media = averageText(*average, char(decimalSeparator.unicode()));
    else
        g.media = gridText(r.average);
    g.tolerance = int(cellNumber(r.tolerance).value_or(0));
    return g;
}

QLatin1String verdictName(SensorVerdict v)
{
    return v == SensorVerdict::Pass ? QLatin1String("pass") : v == SensorVerdict::Fail ? QLatin1String("fail") : QLatin1String("");
}

SensorVerdict verdictNamed(const QString &name)
{
    return name == QLatin1String("pass") ? SensorVerdict::Pass : name == QLatin1String("fail") ? SensorVerdict::Fail : SensorVerdict::Unknown;
}

Judgement judgementOf(const CheckRecord &r) { return judge(checkModelOf(r, QLatin1Char('.')), r.rule); }

QLatin1String checkKindName(CheckKind kind)
{
    return kind == CheckKind::Calibration ? QLatin1String("calibration") : kind == CheckKind::Guided ? QLatin1String("guided") : QLatin1String("");
}
CheckKind checkKindNamed(const QString &name)
{
    return name == QLatin1String("calibration") ? CheckKind::Calibration
        : name == QLatin1String("guided")       ? CheckKind::Guided
                                                : CheckKind::Scale;
}

QLatin1String zoneName(Zone zone)
{
    switch (zone) {
    case Zone::Pass: return QLatin1String("pass");
    case Zone::ConditionalPass: return QLatin1String("conditional-pass");
    case Zone::ConditionalFail: return QLatin1String("conditional-fail");
    case Zone::Fail: return QLatin1String("fail");
    case Zone::NotJudged: break;
    }
    return QLatin1String("");
}

Zone zoneNamed(const QString &name)
{
    for (Zone z : {Zone::Pass, Zone::ConditionalPass, Zone::ConditionalFail, Zone::Fail})
        if (name == zoneName(z))
            return z;
    return Zone::NotJudged;
}

QString withdrawalJson(const Withdrawal &w)
{
    if (!w.withdrawn())
        return QStringLiteral("");
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("at"), w.at.toUTC().toString(Qt::ISODateWithMs)},
                                                       {QStringLiteral("by"), w.by},
                                                       {QStringLiteral("why"), w.why}})
                                 .toJson(QJsonDocument::Compact));
}

Withdrawal withdrawalFrom(const QString &json)
{
    const QJsonObject o = QJsonDocument::fromJson(json.toUtf8()).object();
    Withdrawal w;
    w.at = QDateTime::fromString(o.value(QStringLiteral("at")).toString(), Qt::ISODateWithMs).toLocalTime();
    w.by = o.value(QStringLiteral("by")).toString();
    w.why = o.value(QStringLiteral("why")).toString();
    // Text that does not read as a withdrawal is still one: never shown as issued.
    if (!json.isEmpty() && !w.at.isValid())
        w.at = QDateTime::fromSecsSinceEpoch(0);
    return w;
}

SensorVerdict verdictOf(const CheckRecord &r)
{
    // A calibration: a conditional pass passes, a conditional failure fails
    // (the certificate says which, in words). A guided test: its own.
    if (r.kind != CheckKind::Scale)
        return r.zone == Zone::Pass || r.zone == Zone::ConditionalPass ? SensorVerdict::Pass
            : r.zone == Zone::Fail || r.zone == Zone::ConditionalFail  ? SensorVerdict::Fail
                                                                       : SensorVerdict::Unknown;
    const Judgement j = judgementOf(r);
    return j.outcome == Judgement::Pass ? SensorVerdict::Pass : j.outcome == Judgement::Fail ? SensorVerdict::Fail : SensorVerdict::Unknown;
}

ScaleCheckModel checkModelOf(const CheckRecord &r, QChar decimalSeparator)
{
    ScaleCheckModel check = ScaleCheckModel::restored(gridOf(r, decimalSeparator), {r.bits12, r.denso, r.automaticAverage, r.nominalFullScale},
                                                      cellNumber(r.tolerance).has_value(), char(decimalSeparator.unicode()));
    for (const MeasuredPoint &p : r.points)
        if (p.row >= 0 && p.row < kScaleRows)
            check.setSource(p.row, p.source);
    return check;
}

QJsonValue cellJson(const Cell &c)
{
    if (const auto *n = std::get_if<double>(&c))
        return *n;
    if (const auto *t = std::get_if<QString>(&c))
        return *t;
    return QJsonValue::Null;
}

Cell cellFrom(const QJsonValue &v)
{
    if (v.isDouble())
        return v.toDouble();
    if (v.isString())
        return v.toString();
    return {};
}

QJsonArray rowsJson(const std::array<CheckRow, kScaleRows> &rows)
{
    QJsonArray out;
    for (const CheckRow &row : rows) {
        QJsonObject o{{QStringLiteral("bar"), cellJson(row.bar)},
                      {QStringLiteral("adc"), cellJson(row.adc)},
                      {QStringLiteral("mvolt"), cellJson(row.mvolt)},
                      {QStringLiteral("scale"), cellJson(row.scale)},
                      {QStringLiteral("linearity"), cellJson(row.linearity)},
                      {QStringLiteral("deviation"), cellJson(row.deviation)}};
        if (const char *v = verdictName(row.linearityVerdict))
            o.insert(QStringLiteral("linearityVerdict"), QLatin1String(v));
        if (const char *v = verdictName(row.deviationVerdict))
            o.insert(QStringLiteral("deviationVerdict"), QLatin1String(v));
        out.append(o);
    }
    return out;
}

std::array<CheckRow, kScaleRows> rowsFrom(const QJsonArray &json)
{
    std::array<CheckRow, kScaleRows> rows;
    for (int i = 0; i < kScaleRows && i < json.size(); ++i) {
        const QJsonObject o = json.at(i).toObject();
        CheckRow &row = rows[i];
        row.bar = cellFrom(o.value(QStringLiteral("bar")));
        row.adc = cellFrom(o.value(QStringLiteral("adc")));
        row.mvolt = cellFrom(o.value(QStringLiteral("mvolt")));
        row.scale = cellFrom(o.value(QStringLiteral("scale")));
        row.linearity = cellFrom(o.value(QStringLiteral("linearity")));
        row.deviation = cellFrom(o.value(QStringLiteral("deviation")));
        row.linearityVerdict = verdictFrom(o.value(QStringLiteral("linearityVerdict")));
        row.deviationVerdict = verdictFrom(o.value(QStringLiteral("deviationVerdict")));
    }
    return rows;
}

namespace {
const char *const kKinds[] = {"none", "printer", "held", "file", "unconfirmed"};
QString destinationWords(const char *source) { return QCoreApplication::translate("dravino::CheckRecorder", source); }
} // namespace

QString destinationText(const PageDestination &d)
{
    switch (d.kind) {
    case PageDestination::Printer:
    case PageDestination::File:
        return d.name;
    case PageDestination::Held:
        return destinationWords(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "%1, in attesa")).arg(d.name);
    case PageDestination::NotConfirmed: {
        const QString printer = d.name.isEmpty() ? destinationWords(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "stampante predefinita")) : d.name;
        return d.job > 0 ? destinationWords(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "%1 (lavoro %2), non confermata")).arg(printer).arg(d.job)
                         : destinationWords(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "%1, non confermata")).arg(printer);
    }
    case PageDestination::NotPrinted:
        break;
    }
    return destinationWords(QT_TRANSLATE_NOOP("dravino::CheckRecorder", "non stampata"));
}

QLatin1String kindName(PageDestination::Kind kind) { return QLatin1String(kKinds[kind]); }

PageDestination::Kind kindNamed(const QString &name)
{
    for (int k = 0; k < int(std::size(kKinds)); ++k)
        if (name == QLatin1String(kKinds[k]))
            return PageDestination::Kind(k);
    return PageDestination::NotPrinted;
}

QJsonObject recordJson(const CheckRecord &r)
{
    return {{QStringLiteral("key"), r.key},
            {QStringLiteral("takenAt"), r.takenAt.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("code"), r.code},
            {QStringLiteral("denso"), r.denso},
            {QStringLiteral("bits12"), r.bits12},
            {QStringLiteral("automaticAverage"), r.automaticAverage},
            {QStringLiteral("average"), cellJson(r.average)},
            {QStringLiteral("tolerance"), cellJson(r.tolerance)},
            {QStringLiteral("nominal"), r.nominalFullScale},
            {QStringLiteral("outcome"), kindName(r.destination.kind)},
            {QStringLiteral("destination"), r.destination.name},
            {QStringLiteral("job"), r.destination.job},
            {QStringLiteral("customer"), r.jobData.customer},
            {QStringLiteral("vehicle"), r.jobData.vehicle},
            {QStringLiteral("jobNumber"), r.jobData.job},
            {QStringLiteral("operator"), r.jobData.operatorName},
            {QStringLiteral("version"), r.version},
            {QStringLiteral("rows"), rowsJson(r.rows)},
            {QStringLiteral("certificate"), r.certificate},
            {QStringLiteral("instrument"), instrumentJson(r.instrument)},
            {QStringLiteral("identity"), identityJson(r.identity)},
            {QStringLiteral("rule"), ruleJson(r.rule)},
            {QStringLiteral("points"), pointsJson(r.points)},
            {QStringLiteral("kind"), checkKindName(r.kind)},
            {QStringLiteral("zone"), zoneName(r.zone)},
            {QStringLiteral("withdrawn"), withdrawalJson(r.withdrawal)},
            {QStringLiteral("replaces"), r.replaces},
            {QStringLiteral("calibration"), r.calibration},
            {QStringLiteral("guided"), r.guided}};
}

QJsonObject instrumentJson(const InstrumentUsed &i)
{
    QJsonArray rows;
    for (int row : i.rows)
        rows.append(row);
    if (!i.known)
        return {};
    return {{QStringLiteral("vendor"), i.vendor},
            {QStringLiteral("model"), i.model},
            {QStringLiteral("serial"), i.serial},
            {QStringLiteral("calibratedUntil"), i.calibratedUntil.toString(Qt::ISODate)},
            {QStringLiteral("rows"), rows}};
}

InstrumentUsed instrumentFrom(const QJsonObject &o)
{
    if (o.isEmpty())
        return {};
    InstrumentUsed i{true, o.value(QStringLiteral("vendor")).toString(), o.value(QStringLiteral("model")).toString(),
                     o.value(QStringLiteral("serial")).toString(),
                     QDate::fromString(o.value(QStringLiteral("calibratedUntil")).toString(), Qt::ISODate), {}};
    for (const QJsonValue &row : o.value(QStringLiteral("rows")).toArray())
        if (row.isDouble() && row.toInt() >= 0 && row.toInt() < kScaleRows)
            i.rows << row.toInt();
    return i;
}

QJsonObject identityJson(const IdentityPrinted &w)
{
    if (!w.kept)
        return {};
    return {{QStringLiteral("name"), w.name},
            {QStringLiteral("address"), w.address},
            {QStringLiteral("phone"), w.phone},
            {QStringLiteral("email"), w.email},
            {QStringLiteral("logo"), QString::fromLatin1(w.logoPng.toBase64())}};
}

IdentityPrinted identityFrom(const QJsonObject &o)
{
    if (o.isEmpty())
        return {};
    return {true,
            o.value(QStringLiteral("name")).toString(),
            o.value(QStringLiteral("address")).toString(),
            o.value(QStringLiteral("phone")).toString(),
            o.value(QStringLiteral("email")).toString(),
            QByteArray::fromBase64(o.value(QStringLiteral("logo")).toString().toLatin1())};
}

CheckRecord recordFrom(const QJsonObject &o)
{
    CheckRecord r;
    r.key = o.value(QStringLiteral("key")).toString();
    r.takenAt = QDateTime::fromString(o.value(QStringLiteral("takenAt")).toString(), Qt::ISODateWithMs).toLocalTime();
    r.code = o.value(QStringLiteral("code")).toString();
    r.denso = o.value(QStringLiteral("denso")).toBool();
    r.bits12 = o.value(QStringLiteral("bits12")).toBool();
    r.automaticAverage = o.value(QStringLiteral("automaticAverage")).toBool(true);
    r.average = cellFrom(o.value(QStringLiteral("average")));
    r.tolerance = cellFrom(o.value(QStringLiteral("tolerance")));
    r.nominalFullScale = o.value(QStringLiteral("nominal")).toInt();
    r.destination = {kindNamed(o.value(QStringLiteral("outcome")).toString()),
                     o.value(QStringLiteral("destination")).toString(), o.value(QStringLiteral("job")).toInt()};
    r.jobData = {o.value(QStringLiteral("customer")).toString(), o.value(QStringLiteral("vehicle")).toString(),
                 o.value(QStringLiteral("jobNumber")).toString(), o.value(QStringLiteral("operator")).toString()};
    r.version = o.value(QStringLiteral("version")).toString();
    r.rows = rowsFrom(o.value(QStringLiteral("rows")).toArray());
    r.certificate = o.value(QStringLiteral("certificate")).toString();
    r.instrument = instrumentFrom(o.value(QStringLiteral("instrument")).toObject());
    r.identity = identityFrom(o.value(QStringLiteral("identity")).toObject());
    r.rule = ruleFrom(o.value(QStringLiteral("rule")));
    r.points = pointsFrom(o.value(QStringLiteral("points")).toArray());
    r.kind = checkKindNamed(o.value(QStringLiteral("kind")).toString());
    r.zone = zoneNamed(o.value(QStringLiteral("zone")).toString());
    r.withdrawal = withdrawalFrom(o.value(QStringLiteral("withdrawn")).toString());
    r.replaces = o.value(QStringLiteral("replaces")).toString();
    r.calibration = o.value(QStringLiteral("calibration")).toObject();
    r.guided = o.value(QStringLiteral("guided")).toObject();
    r.verdict = verdictOf(r);
    return r;
}

QJsonObject ruleJson(const DecisionRule &rule)
{
    return {{QStringLiteral("name"), QString::fromStdString(rule.name)},
            {QStringLiteral("version"), rule.version},
            {QStringLiteral("linearityPercent"), rule.linearityPercent},
            {QStringLiteral("deviationDivisor"), rule.deviationDivisor},
            {QStringLiteral("averageToNominal"), rule.averageToNominal},
            {QStringLiteral("minComputedRows"), rule.minComputedRows},
            {QStringLiteral("minTopShare"), rule.minTopShare},
            {QStringLiteral("skippedRowFails"), rule.skippedRowFails},
            {QStringLiteral("guardBandBar"), rule.guardBandBar}};
}

DecisionRule ruleFrom(const QJsonValue &json)
{
    const QJsonObject o = json.toObject();
    DecisionRule rule = firstRule();
    if (o.isEmpty())
        return rule;
    rule.name = o.value(QStringLiteral("name")).toString(QString::fromStdString(rule.name)).toStdString();
    rule.version = o.value(QStringLiteral("version")).toInt(rule.version);
    rule.linearityPercent = o.value(QStringLiteral("linearityPercent")).toDouble(rule.linearityPercent);
    rule.deviationDivisor = std::max(1, o.value(QStringLiteral("deviationDivisor")).toInt(rule.deviationDivisor));
    rule.averageToNominal = o.value(QStringLiteral("averageToNominal")).toBool(rule.averageToNominal);
    rule.minComputedRows = o.value(QStringLiteral("minComputedRows")).toInt(rule.minComputedRows);
    rule.minTopShare = o.value(QStringLiteral("minTopShare")).toDouble(rule.minTopShare);
    rule.skippedRowFails = o.value(QStringLiteral("skippedRowFails")).toBool(rule.skippedRowFails);
    rule.guardBandBar = o.value(QStringLiteral("guardBandBar")).toDouble(rule.guardBandBar);
    return rule;
}

QJsonArray pointsJson(const std::vector<MeasuredPoint> &points)
{
    QJsonArray out;
    for (const MeasuredPoint &p : points) {
        QJsonObject source{{QStringLiteral("kind"), p.source.kind == ReadingSource::Meter ? QStringLiteral("meter") : QStringLiteral("typed")}};
        if (p.source.kind == ReadingSource::Meter) {
            source.insert(QStringLiteral("vendor"), QString::fromStdString(p.source.vendor));
            source.insert(QStringLiteral("model"), QString::fromStdString(p.source.model));
            source.insert(QStringLiteral("serial"), QString::fromStdString(p.source.serial));
            source.insert(QStringLiteral("at"), QDateTime::fromMSecsSinceEpoch(p.source.readAtMs, Qt::UTC).toString(Qt::ISODateWithMs));
        }
        out.append(QJsonObject{{QStringLiteral("row"), p.row},
                               {QStringLiteral("bar"), p.bar},
                               {QStringLiteral("counts"), p.counts},
                               {QStringLiteral("bits"), p.converterBits},
                               {QStringLiteral("direction"), p.direction == MeasuredPoint::Falling ? QStringLiteral("falling")
                                                                                                  : QStringLiteral("rising")},
                               {QStringLiteral("run"), p.run == MeasuredPoint::AsLeft ? QStringLiteral("asLeft") : QStringLiteral("asFound")},
                               {QStringLiteral("source"), source}});
    }
    return out;
}

std::vector<MeasuredPoint> pointsFrom(const QJsonArray &json)
{
    std::vector<MeasuredPoint> out;
    for (const QJsonValue &v : json) {
        const QJsonObject o = v.toObject();
        MeasuredPoint p;
        p.row = o.value(QStringLiteral("row")).toInt(-1);
        if (p.row < 0 || p.row >= kScaleRows)
            continue;
        p.bar = o.value(QStringLiteral("bar")).toInt();
        p.counts = o.value(QStringLiteral("counts")).toInt();
        p.converterBits = o.value(QStringLiteral("bits")).toInt(10);
        p.direction = o.value(QStringLiteral("direction")) == QLatin1String("falling") ? MeasuredPoint::Falling : MeasuredPoint::Rising;
        p.run = o.value(QStringLiteral("run")) == QLatin1String("asLeft") ? MeasuredPoint::AsLeft : MeasuredPoint::AsFound;
        const QJsonObject source = o.value(QStringLiteral("source")).toObject();
        if (source.value(QStringLiteral("kind")) == QLatin1String("meter")) {
            p.source.kind = ReadingSource::Meter;
            p.source.vendor = source.value(QStringLiteral("vendor")).toString().toStdString();
            p.source.model = source.value(QStringLiteral("model")).toString().toStdString();
            p.source.serial = source.value(QStringLiteral("serial")).toString().toStdString();
            p.source.readAtMs = QDateTime::fromString(source.value(QStringLiteral("at")).toString(), Qt::ISODateWithMs).toMSecsSinceEpoch();
        }
        out.push_back(p);
    }
    return out;
}

Cell cellOfText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    static const QRegularExpression whole(QStringLiteral("^-?\\d{1,9}$"));
    static const QRegularExpression percent(QStringLiteral("^(-?\\d{1,6})(?:[.,](\\d{1,2}))?\\s?%$"));
    if (whole.match(t).hasMatch())
        return t.toDouble();
    if (const auto m = percent.match(t); m.hasMatch())
        return QString(m.captured(1) + QLatin1Char('.') + (m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2))).toDouble();
    return text;
}

Cell toleranceOfText(const QString &text)
{
    static const QRegularExpression either(
        QStringLiteral("^(?:linearità|linearity) ±1 %, (?:scostamento|deviation) ±(\\d{1,5}) bar$"));
    if (const auto m = either.match(text.trimmed()); m.hasMatch())
        return m.captured(1).toDouble();
    return text.isEmpty() ? Cell{} : Cell{text};
}

PageDestination destinationOfText(const QString &text)
{
    for (const char *held : {", in attesa", ", held"})
        if (text.endsWith(QLatin1String(held)))
            return {PageDestination::Held, text.chopped(int(qstrlen(held)))};
    if (text.isEmpty() || text == QLatin1String("non stampata") || text == QLatin1String("not printed"))
        return {};
    // Sent to the default printer, and never heard of again.
    if (text == QLatin1String("stampante predefinita") || text == QLatin1String("default printer"))
        return {PageDestination::NotConfirmed, {}};
    if (text.startsWith(QLatin1Char('/')))
        return {PageDestination::File, text};
    return {PageDestination::Printer, text};
}

} // namespace dravino
