#include "ui/dialogs/JobForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace dravino {

JobForm::JobForm(const JobData &proposed, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLavoro"));
    setWindowTitle(tr("Dati del lavoro"));
    setAccessibleName(windowTitle());
    const auto field = [this](const char *name, const QString &text, const QString &accessible) {
        auto *e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        e->setAccessibleName(accessible);
        e->setMaxLength(200);
        return e;
    };
    m_customer = field("txtCliente", proposed.customer, tr("Cliente"));
    m_vehicle = field("txtVeicolo", proposed.vehicle, tr("Veicolo"));
    m_vehicle->setPlaceholderText(tr("targa o telaio"));
    m_job = field("txtCommessa", proposed.job, tr("Commessa"));
    m_operator = field("txtOperatore", proposed.operatorName, tr("Operatore"));
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Cliente:"), m_customer);
    form->addRow(tr("&Veicolo:"), m_vehicle);
    form->addRow(tr("Co&mmessa:"), m_job);
    form->addRow(tr("&Operatore:"), m_operator);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Stampa"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The first field's text selected: what is typed replaces it.
    m_customer->setFocus(Qt::TabFocusReason);
    m_customer->selectAll();
}

JobData JobForm::job() const
{
    return {m_customer->text().simplified(), m_vehicle->text().simplified(), m_job->text().simplified(),
            m_operator->text().simplified()};
}

} // namespace dravino
