#pragma once
// "Limiti per veicolo": the workshop's own limit sets for the guided test,
// one per vehicle or engine, for the sensor family of the calculator. A
// set is named (the vehicle's name picks it in the guided test) and gives
// the limits it has; a field left empty is the family's generic limit,
// shown greyed in it. A number that does not read, or a set that could
// not judge (an idle band upside down, a tolerance of nothing) is told in
// words and its field's focus back. OK keeps the set in the settings file,
// its version one up when it changed; Elimina lets a set go.

#include "core/GuidedTest.h"

#include <QDialog>
#include <QList>
#include <array>

class QComboBox;
class QLineEdit;

namespace dravino {

class Platform;

class GuidedLimitsDialog final : public QDialog
{
    Q_OBJECT
public:
    // name: the set shown first (a new one where there is none by that name).
    GuidedLimitsDialog(Platform &platform, SensorType family, const QString &name, QWidget *parent);
    Q_DISABLE_COPY_MOVE(GuidedLimitsDialog)

    // The set kept by OK (its name).
    QString chosen() const { return m_chosen; }
    void accept() override;

private:
    void showSet(const QString &name);
    void remove();

    Platform &m_platform;
    SensorType m_family;
    QList<GuidedOwnLimits> m_sets;
    QString m_chosen;
    QComboBox *m_name = nullptr;
    std::array<QLineEdit *, kGuidedLimitFields.size()> m_fields{};
};

} // namespace dravino
