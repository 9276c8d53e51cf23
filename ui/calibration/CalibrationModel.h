#pragma once
// The calibration being taken, outside any widget, owned by the main
// window: closing its window loses no reading. The plan (family, nominal
// full scale, the unit readings are typed in, the points as % of the full
// scale, the cycles), the readings of the run as found and of the run as
// left, each typed or from the meter, and what the certificate names
// besides (the code, the operator, the room's temperature, the reference,
// the rule). Its readings are numbers in the unit they were taken in:
// converter counts, or mV; a text that does not read is refused with the
// reason, never kept.
//
// The table lists a run's readings in the order they are taken: for each
// cycle, the points rising, then falling from the one below the top.

#include "archive/CalibrationRecord.h"
#include "base/InstrumentUsed.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace dravino {

struct MeterReading;

class CalibrationModel final : public QObject
{
    Q_OBJECT
public:
    explicit CalibrationModel(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CalibrationModel)

    struct Setup {
        SensorType family = SensorType::BoschDelphiVdo;
        int fullScale = 2000;
        int converterBits = 0; // 0: mV; 10 or 12: converter counts
        std::vector<double> percents{0, 20, 40, 60, 80, 100};
        int cycles = 1;
        bool operator==(const Setup &) const = default;
    };
    const Setup &setup() const { return m_setup; }
    // A new plan: the readings of the same cycle, sweep and share of the
    // full scale stay where family, full scale and unit are the same; the
    // others go.
    void setSetup(const Setup &setup);
    // Whether setup would drop readings taken.
    bool dropsReadings(const Setup &setup) const;
    // "0 20 40 60 80 100" read as the points, or why not (3 to 11 shares, each
    // 0 to 100, rising).
    static std::optional<std::vector<double>> percentsOf(const QString &text, QString *why);
    static QString percentsText(const std::vector<double> &percents);

    enum class Phase { AsFound = 0, AsLeft = 1 };
    Phase phase() const { return m_phase; }
    void setPhase(Phase phase);
    CalibrationData::Adjustment adjustment() const { return m_adjustment; }
    void setAdjustment(CalibrationData::Adjustment adjustment);
    // Whether a run after adjustment or replacement has any reading; whether any run has.
    bool hasAsLeft() const;
    bool hasReadings() const;

    // The rows of the phase's run.
    struct Place {
        int cycle = 0;
        Sweep sweep = Sweep::Rising;
        int point = 0;
    };
    int rows() const;
    Place place(int row) const;
    double referenceBar(int row) const;
    // The reading in its unit, and in mV.
    std::optional<double> reading(int row, Phase phase) const;
    std::optional<double> readingMv(int row, Phase phase) const;
    std::optional<double> reading(int row) const { return reading(row, m_phase); }
    bool fromMeter(int row) const;
    // A typed reading: kept, or why not (empty text clears it).
    QString setReading(int row, const QString &text);
    // A meter's reading (volts), as the unit in use has it; why not, where not.
    QString putMeterReading(int row, const MeterReading &reading);
    // The first row of the phase's run without a reading; -1 when all have one.
    int firstMissing() const;

    // What the certificate names besides.
    QString code, operatorName;
    std::optional<double> temperatureC;
    std::optional<PressureReference> reference;
    CalibrationLimits limits;
    Acceptance acceptance = Acceptance::Simple;
    QString replaces; // the certificate a correction replaces

    // A snapshot of everything: what a page and a record are made of.
    CalibrationData data() const;
    CalibrationResult result(Phase phase) const;
    // Every setting and reading as one text: the same calibration printed again is a copy.
    QByteArray key() const;
    // A recorded calibration taken up again (a correction names the one it replaces).
    void load(const CalibrationData &data, const QString &code, const QString &replaces);

    // The meter's accuracy, the limits and the acceptance as the workshop keeps them.
    void loadSettings();

signals:
    // Anything changed: a reading, the plan, the phase.
    void changed();
    // The plan (the table's rows) changed.
    void planChanged();

private:
    struct Entry {
        std::optional<double> value; // in the unit
        bool meter = false;
    };
    std::vector<Entry> &entries(Phase p) { return m_entries[std::size_t(p)]; }
    const std::vector<Entry> &entries(Phase p) const { return m_entries[std::size_t(p)]; }
    int rowOf(const Place &place) const;
    CalibrationRun runOf(Phase p) const;
    double toMv(double value) const;

    Setup m_setup;
    Phase m_phase = Phase::AsFound;
    CalibrationData::Adjustment m_adjustment = CalibrationData::Adjustment::None;
    std::array<std::vector<Entry>, 2> m_entries;
    InstrumentUsed m_meter;
    MeterAccuracy m_accuracy;
};

} // namespace dravino
