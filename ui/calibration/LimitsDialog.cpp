#include "ui/calibration/LimitsDialog.h"

#include "archive/CalibrationRecord.h"
#include "core/WholeNumber.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace dravino {

namespace {
std::array<double CalibrationLimits::*, 7> kMembers{&CalibrationLimits::error,           &CalibrationLimits::hysteresis,
                                                    &CalibrationLimits::repeatability,   &CalibrationLimits::terminalLinearity,
                                                    &CalibrationLimits::bestFitLinearity, &CalibrationLimits::zero,
                                                    &CalibrationLimits::span};
} // namespace

LimitsDialog::LimitsDialog(Platform &platform, SensorType family, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_family(family), m_limits(loadCalibrationLimits(family))
{
    setObjectName(QStringLiteral("frmLimiti"));
    setWindowTitle(tr("Limiti di taratura"));
    setAccessibleName(windowTitle());
    const QString names[] = {tr("&Errore in ogni punto (±%):"), tr("&Isteresi (%):"), tr("&Ripetibilità (%):"),
                             tr("Linearità &terminale (±%):"), tr("Linearità &BFSL (±%):"), tr("&Zero (±%):"),
                             tr("&Campo (±%):")};
    auto *form = new QFormLayout(this);
    auto *family_ = new QLabel(tr("Sensore %1: ogni limite in % del campo.").arg(CalculatorModel::familyName(family)), this);
    family_->setWordWrap(true);
    form->addRow(family_);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = new QLineEdit(locale.toString(m_limits.*kMembers[i], 'g', 6), this);
        m_fields[i]->setObjectName(QStringLiteral("txtLimite(%1)").arg(i));
        m_fields[i]->setAccessibleName(QString(names[i]).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        form->addRow(names[i], m_fields[i]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LimitsDialog::accept()
{
    CalibrationLimits next;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto v = typedDecimal(QString(m_fields[i]->text()).remove(QLatin1Char('%')));
        if (!v || *v <= 0 || *v > 50) {
            m_platform.message(this, tr("Il limite \"%1\" non va: scrivi un numero maggiore di zero e non oltre 50.").arg(m_fields[i]->text().trimmed()),
                               windowTitle(), MessageIcon::Exclamation);
            m_fields[i]->setFocus();
            m_fields[i]->selectAll();
            return;
        }
        next.*kMembers[i] = *v;
    }
    if (!saveCalibrationLimits(m_family, next)) {
        m_platform.message(this, tr("I limiti non si possono salvare: il file delle impostazioni non si può scrivere."), windowTitle(),
                           MessageIcon::Critical);
        return;
    }
    m_limits = next;
    QDialog::accept();
}

} // namespace dravino
