#include "ui/calibration/CalibrationModel.h"

#include "base/Settings.h"
#include "core/WholeNumber.h"
#include "instrument/Meter.h"
#include "ui/Numbers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace dravino {

namespace {
QString text(const char *source) { return QCoreApplication::translate("dravino::CalibrationWindow", source); }

// A number typed with either decimal separator (no thousands' separator).
std::optional<double> typedNumber(const QString &typed)
{
    QString t = typed.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    return parseDecimal(toAscii(t), '.');
}

QString decimal(double v, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'f', decimals);
}

// The points' texts of a plan: whole shares without a fraction.
QString share(double v) { return v == std::floor(v) ? QString::number(qint64(v)) : decimal(v, 1); }
} // namespace

CalibrationModel::CalibrationModel(QObject *parent) : QObject(parent)
{
    setSetup(m_setup);
}

void CalibrationModel::loadSettings()
{
    limits = loadCalibrationLimits(m_setup.family);
    acceptance = loadAcceptance();
    m_accuracy = loadMeterAccuracy();
    if (!operatorName.isEmpty())
        return;
    operatorName = settingsValue(QStringLiteral("job/operator")).toString();
}

std::optional<std::vector<double>> CalibrationModel::percentsOf(const QString &typed, QString *why)
{
    const auto fail = [why](const QString &reason) -> std::optional<std::vector<double>> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    std::vector<double> out;
    static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
    for (const QString &part : typed.split(separators, Qt::SkipEmptyParts)) {
        const auto v = typedNumber(QString(part).remove(QLatin1Char('%')));
        if (!v)
            return fail(text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "\"%1\" non è un numero")).arg(part));
        if (*v < 0 || *v > 100)
            return fail(text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "%1 % è fuori da 0–100 %")).arg(part));
        if (!out.empty() && *v <= out.back())
            return fail(text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "i punti vanno scritti crescenti, senza ripeterne uno")));
        out.push_back(*v);
    }
    if (out.size() < 3 || out.size() > 11)
        return fail(text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "ci vogliono da 3 a 11 punti (ne sono scritti %1)")).arg(out.size()));
    return out;
}

QString CalibrationModel::percentsText(const std::vector<double> &percents)
{
    QStringList parts;
    for (double v : percents)
        parts << share(v);
    return parts.join(QLatin1Char(' '));
}

bool CalibrationModel::dropsReadings(const Setup &next) const
{
    const bool sameMeaning = next.family == m_setup.family && next.fullScale == m_setup.fullScale && next.converterBits == m_setup.converterBits;
    for (const Phase p : {Phase::AsFound, Phase::AsLeft})
        for (int row = 0; row < rows(); ++row) {
            if (!entries(p)[std::size_t(row)].value)
                continue;
            const Place at = place(row);
            const double percent = m_setup.percents[std::size_t(at.point)];
            const auto found = std::find(next.percents.begin(), next.percents.end(), percent);
            const bool top = found != next.percents.end() && found + 1 == next.percents.end();
            if (!sameMeaning || found == next.percents.end() || at.cycle >= next.cycles || (at.sweep == Sweep::Falling && top))
                return true;
        }
    return false;
}

void CalibrationModel::setSetup(const Setup &next)
{
    const Setup before = m_setup;
    const auto old = m_entries;
    const bool sameMeaning = next.family == before.family && next.fullScale == before.fullScale && next.converterBits == before.converterBits;
    const int oldRows = rows();
    std::vector<Place> oldPlaces;
    for (int row = 0; row < oldRows; ++row)
        oldPlaces.push_back(place(row));
    m_setup = next;
    const bool familyChanged = next.family != before.family;
    for (auto &e : m_entries)
        e.assign(std::size_t(rows()), {});
    if (sameMeaning)
        for (std::size_t p = 0; p < 2; ++p)
            for (int row = 0; row < int(old[p].size()) && row < oldRows; ++row) {
                if (!old[p][std::size_t(row)].value)
                    continue;
                Place at = oldPlaces[std::size_t(row)];
                const auto found = std::find(next.percents.begin(), next.percents.end(), before.percents[std::size_t(at.point)]);
                if (found == next.percents.end() || at.cycle >= next.cycles)
                    continue;
                at.point = int(found - next.percents.begin());
                if (const int to = rowOf(at); to >= 0)
                    m_entries[p][std::size_t(to)] = old[p][std::size_t(row)];
            }
    if (familyChanged)
        limits = loadCalibrationLimits(next.family);
    emit planChanged();
    emit changed();
}

void CalibrationModel::setPhase(Phase phase)
{
    m_phase = phase;
    emit planChanged();
    emit changed();
}

void CalibrationModel::setAdjustment(CalibrationData::Adjustment adjustment)
{
    m_adjustment = adjustment;
    emit changed();
}

bool CalibrationModel::hasAsLeft() const
{
    for (const Entry &e : entries(Phase::AsLeft))
        if (e.value)
            return true;
    return false;
}

bool CalibrationModel::hasReadings() const
{
    for (const auto &run : m_entries)
        for (const Entry &e : run)
            if (e.value)
                return true;
    return false;
}

int CalibrationModel::rows() const { return m_setup.cycles * (2 * int(m_setup.percents.size()) - 1); }

CalibrationModel::Place CalibrationModel::place(int row) const
{
    const int n = int(m_setup.percents.size());
    const int perCycle = 2 * n - 1;
    Place p;
    p.cycle = row / perCycle;
    const int within = row % perCycle;
    if (within < n) {
        p.sweep = Sweep::Rising;
        p.point = within;
    } else {
        p.sweep = Sweep::Falling;
        p.point = n - 2 - (within - n);
    }
    return p;
}

int CalibrationModel::rowOf(const Place &p) const
{
    const int n = int(m_setup.percents.size());
    if (p.cycle >= m_setup.cycles || p.point < 0 || p.point >= n || (p.sweep == Sweep::Falling && p.point == n - 1))
        return -1;
    const int perCycle = 2 * n - 1;
    return p.cycle * perCycle + (p.sweep == Sweep::Rising ? p.point : n + (n - 2 - p.point));
}

double CalibrationModel::referenceBar(int row) const
{
    return m_setup.percents[std::size_t(place(row).point)] * m_setup.fullScale / 100.0;
}

double CalibrationModel::toMv(double value) const
{
    return m_setup.converterBits == 0 ? value : value * planFor(m_setup.family, m_setup.fullScale, m_setup.converterBits).countMv();
}

std::optional<double> CalibrationModel::reading(int row, Phase phase) const
{
    const auto &e = entries(phase);
    return row >= 0 && row < int(e.size()) ? e[std::size_t(row)].value : std::nullopt;
}

std::optional<double> CalibrationModel::readingMv(int row, Phase phase) const
{
    const auto v = reading(row, phase);
    return v ? std::optional<double>(toMv(*v)) : std::nullopt;
}

bool CalibrationModel::fromMeter(int row) const
{
    const auto &e = entries(m_phase);
    return row >= 0 && row < int(e.size()) && e[std::size_t(row)].meter;
}

QString CalibrationModel::setReading(int row, const QString &typed)
{
    if (row < 0 || row >= rows())
        return {};
    Entry &e = entries(m_phase)[std::size_t(row)];
    if (typed.trimmed().isEmpty()) {
        e = {};
        emit changed();
        return {};
    }
    const auto v = typedNumber(typed);
    if (!v)
        return text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "\"%1\" non è una lettura: scrivi un numero.")).arg(typed.trimmed());
    if (m_setup.converterBits != 0) {
        const int max = adcMaxCount(m_setup.converterBits == 12 ? AdcResolution::Bits12 : AdcResolution::Bits10);
        if (*v != std::floor(*v) || *v < 0 || *v > max)
            return text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "%1 non è un conteggio del convertitore a %2 bit (da 0 a %3)."))
                .arg(typed.trimmed())
                .arg(m_setup.converterBits)
                .arg(max);
    } else if (*v < 0 || *v > 5000) {
        return text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "%1 mV è fuori dall'uscita di un sensore alimentato a 5 V (da 0 a 5000 mV)."))
            .arg(typed.trimmed());
    }
    e = {*v, false};
    emit changed();
    return {};
}

QString CalibrationModel::putMeterReading(int row, const MeterReading &r)
{
    if (row < 0 || row >= rows())
        return {};
    const double mv = r.volts * 1000;
    if (mv < 0 || mv > 5000)
        return text(QT_TRANSLATE_NOOP("dravino::CalibrationWindow", "Il multimetro legge %1 V: non è l'uscita di un sensore alimentato a 5 V."))
            .arg(decimal(r.volts, 4));
    double value = roundHalfEven(mv * 1000) / 1000; // (to the µV: the meter's own digits)
    if (m_setup.converterBits != 0) {
        const auto res = m_setup.converterBits == 12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
        value = adcCount(res, int(roundHalfEven(mv)));
    }
    entries(m_phase)[std::size_t(row)] = {value, true};
    // The meter as it named itself; its calibration as the technician keeps it.
    m_meter.known = true;
    m_meter.vendor = r.vendor;
    m_meter.model = r.model;
    m_meter.serial = r.serial;
    m_meter.calibratedUntil = QDate::fromString(settingsValue(QStringLiteral("instrumentCalibratedUntil")).toString(), Qt::ISODate);
    emit changed();
    return {};
}

int CalibrationModel::firstMissing() const
{
    const auto &e = entries(m_phase);
    for (int row = 0; row < int(e.size()); ++row)
        if (!e[std::size_t(row)].value)
            return row;
    return -1;
}

CalibrationRun CalibrationModel::runOf(Phase p) const
{
    CalibrationPlan plan = planFor(m_setup.family, m_setup.fullScale, m_setup.converterBits);
    plan.percents = m_setup.percents;
    plan.cycles = m_setup.cycles;
    CalibrationRun run(plan);
    for (int row = 0; row < rows(); ++row) {
        const Place at = place(row);
        run.at(at.cycle, at.sweep, at.point) = readingMv(row, p);
    }
    return run;
}

CalibrationData CalibrationModel::data() const
{
    CalibrationData d;
    d.family = m_setup.family;
    d.asFound = runOf(Phase::AsFound);
    d.adjustment = m_adjustment;
    if (m_adjustment != CalibrationData::Adjustment::None || hasAsLeft())
        d.asLeft = runOf(Phase::AsLeft);
    d.reference = reference;
    d.meterAccuracy = m_accuracy;
    // The meter, where any reading came from it: the rows it gave.
    d.meter = m_meter;
    d.meter.rows.clear();
    for (const Phase p : {Phase::AsFound, Phase::AsLeft})
        for (int row = 0; row < rows(); ++row)
            if (entries(p)[std::size_t(row)].meter && entries(p)[std::size_t(row)].value)
                d.meter.rows << row + (p == Phase::AsLeft ? rows() : 0);
    if (d.meter.rows.isEmpty()) {
        d.meter = {};
        d.meter.known = true;
        d.meter.calibratedUntil = QDate::fromString(settingsValue(QStringLiteral("instrumentCalibratedUntil")).toString(), Qt::ISODate);
    }
    d.limits = limits;
    d.acceptance = acceptance;
    d.temperatureC = temperatureC;
    d.procedure = calibrationProcedure();
    return d;
}

CalibrationResult CalibrationModel::result(Phase phase) const
{
    const CalibrationData d = data();
    return evaluate(phase == Phase::AsFound ? d.asFound : runOf(Phase::AsLeft), d.limits, d.standard(), d.meterSpec(), d.acceptance);
}

QByteArray CalibrationModel::key() const
{
    QJsonObject o = calibrationJson(data());
    o.insert(QStringLiteral("code"), code);
    o.insert(QStringLiteral("operator"), operatorName);
    o.insert(QStringLiteral("replaces"), replaces);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

void CalibrationModel::load(const CalibrationData &d, const QString &newCode, const QString &replaced)
{
    Setup s;
    s.family = d.family;
    s.fullScale = d.plan().nominalFullScale;
    s.converterBits = d.plan().converterBits;
    s.percents = d.plan().percents;
    s.cycles = d.plan().cycles;
    m_setup = s;
    for (auto &e : m_entries)
        e.assign(std::size_t(rows()), {});
    const double count = d.plan().countMv();
    for (const Phase p : {Phase::AsFound, Phase::AsLeft}) {
        const CalibrationRun *run = p == Phase::AsFound ? &d.asFound : d.asLeft ? &*d.asLeft : nullptr;
        if (!run)
            continue;
        for (int row = 0; row < rows(); ++row) {
            const Place at = place(row);
            if (const auto &mv = run->at(at.cycle, at.sweep, at.point))
                entries(p)[std::size_t(row)] = {count > 0 ? std::round(*mv / count) : *mv,
                                                d.meter.rows.contains(row + (p == Phase::AsLeft ? rows() : 0))};
        }
    }
    m_adjustment = d.adjustment;
    m_phase = Phase::AsFound;
    m_meter = d.meter;
    m_accuracy = d.meterAccuracy;
    code = newCode;
    replaces = replaced;
    temperatureC = d.temperatureC;
    reference = d.reference;
    limits = d.limits;
    acceptance = d.acceptance;
    emit planChanged();
    emit changed();
}

} // namespace dravino
