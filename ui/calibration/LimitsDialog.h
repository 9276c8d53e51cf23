#pragma once
// "Limiti di taratura": the workshop's limit for each result of a
// calibration, in % of span, for one sensor family (the quick check's ±1 %
// until set). A limit that does not read as a number above zero and up to
// 50 % is told in words, its field's focus back; OK keeps them in the
// settings file, with the family.

#include "core/Calibration.h"
#include "core/Sensor.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace dravino {

class Platform;

class LimitsDialog final : public QDialog
{
    Q_OBJECT
public:
    LimitsDialog(Platform &platform, SensorType family, QWidget *parent);
    Q_DISABLE_COPY_MOVE(LimitsDialog)

    CalibrationLimits limits() const { return m_limits; }
    void accept() override;

private:
    Platform &m_platform;
    SensorType m_family;
    CalibrationLimits m_limits;
    std::array<QLineEdit *, 7> m_fields{};
};

} // namespace dravino
