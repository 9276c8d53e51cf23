#pragma once
// "Riferimenti di pressione": the workshop's register of pressure
// references (a gauge, a pump's master gauge, a dead-weight tester), each
// with its serial, its certificate's number, its uncertainty as the
// certificate gives it (U and k) or as its accuracy class (% of its range),
// and when its calibration falls due. Each entry is checked as the
// technician leaves it: a name, an uncertainty above zero, a range, a date
// that reads; what is wrong is told in words and the field gets the focus
// back. OK keeps the register in the settings file.

#include "base/References.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace dravino {

class Platform;

class ReferencesDialog final : public QDialog
{
    Q_OBJECT
public:
    ReferencesDialog(Platform &platform, const QString &current, QWidget *parent);
    Q_DISABLE_COPY_MOVE(ReferencesDialog)

    // The entry chosen when OK was pressed (its name), where any.
    QString chosen() const { return m_chosen; }
    void accept() override;

private:
    void showEntry(int index);
    // The fields into the entry shown; false (told, the field's focus back) where they do not read.
    bool commit();
    void kindChanged();

    Platform &m_platform;
    QList<PressureReference> m_references;
    int m_current = -1;
    QString m_chosen;
    QListWidget *m_list = nullptr;
    QLineEdit *m_name = nullptr, *m_serial = nullptr, *m_certificate = nullptr;
    QComboBox *m_kind = nullptr;
    QLineEdit *m_expanded = nullptr, *m_k = nullptr, *m_class = nullptr, *m_range = nullptr, *m_due = nullptr;
};

} // namespace dravino
