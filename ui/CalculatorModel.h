#pragma once
// The calculator's state, shared by the panels that show or use it: the
// sensor family, the full scale, the zero point, the converter resolution,
// the direction of Calculate and the texts of the voltage and pressure
// fields as they stand. The main panel writes it; its print box and the
// scale panel read it (the print button also sets the direction); none of
// them touches another's widgets. A choice of family or full scale is
// announced every time it is made, also when it chooses what was chosen,
// as a selection made from code runs its click handler.

#include "core/PrintRange.h"
#include "core/Sensor.h"
#include "ui/Platform.h"

#include <QObject>
#include <QString>
#include <optional>

namespace dravino {

class CalculatorModel final : public QObject
{
    Q_OBJECT
public:
    explicit CalculatorModel(QObject *parent = nullptr) : QObject(parent) {}
    Q_DISABLE_COPY_MOVE(CalculatorModel)

    SensorType family() const { return m_family; }
    void chooseFamily(SensorType type);
    int fullScale() const { return m_fullScale; }
    void chooseFullScale(int bar);
    int zeroMv() const { return m_zeroMv; }
    void setZeroMv(int mv) { m_zeroMv = mv; }
    AdcResolution resolution() const { return m_resolution; }
    void setResolution(AdcResolution res) { m_resolution = res; }
    ConversionDirection direction() const { return m_direction; }
    void setDirection(ConversionDirection d) { m_direction = d; }
    QString voltageText() const { return m_voltage; }
    void setVoltageText(const QString &text) { m_voltage = text; }
    QString pressureText() const { return m_pressure; }
    void setPressureText(const QString &text) { m_pressure = text; }

    // The family's caption, as the window names it.
    static QString familyName(SensorType type);

signals:
    void familyChosen(dravino::SensorType type);
    void fullScaleChosen(int bar);

private:
    SensorType m_family = SensorType::BoschDelphiVdo;
    int m_fullScale = 0;
    int m_zeroMv = 0;
    AdcResolution m_resolution = AdcResolution::Bits10;
    ConversionDirection m_direction = ConversionDirection::MillivoltToPressure;
    QString m_voltage, m_pressure;
};

// Calculate's words for a value it refuses or warns about, wherever the
// value comes from (the fields, a row of the value table).
struct CalculatorWarning {
    QString text, title;
    MessageIcon icon;
};
std::optional<CalculatorWarning> calculatorWarning(RowWarning warning);

} // namespace dravino
