#include "ui/trace/GuidedLimitsDialog.h"

#include "archive/GuidedRecord.h"
#include "core/WholeNumber.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace dravino {

GuidedLimitsDialog::GuidedLimitsDialog(Platform &platform, SensorType family, const QString &name, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_family(family), m_sets(loadGuidedLimitSets())
{
    setObjectName(QStringLiteral("frmLimitiProva"));
    setWindowTitle(tr("Limiti per veicolo"));
    setAccessibleName(windowTitle());
    // (in the order of kGuidedLimitFields)
    const QString names[] = {tr("&Zero a chiave inserita (mV):"), tr("Tolleranza dello zero (± mV):"), tr("Alimentazione da (mV):"),
                             tr("Alimentazione a (mV):"), tr("Avviamento: al minimo entro (ms):"), tr("&Minimo da (mV):"),
                             tr("Minimo a (mV):"), tr("&Ondulazione al minimo fino a (mV):"), tr("&Picco del colpo almeno (mV):"),
                             tr("&Caduta del segnale oltre (mV):"), tr("... in (ms):"), tr("Chiave disinserita: allo zero entro (ms):")};
    auto *form = new QFormLayout(this);
    auto *about = new QLabel(tr("Sensore %1. Un campo vuoto è il limite generico della famiglia, scritto in grigio.")
                                 .arg(CalculatorModel::familyName(family)),
                             this);
    about->setWordWrap(true);
    form->addRow(about);
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("cboNomeLimiti"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setAccessibleName(tr("Veicolo o motore"));
    for (const GuidedOwnLimits &own : m_sets)
        if (own.family == family)
            m_name->addItem(QString::fromStdString(own.name));
    form->addRow(tr("&Veicolo o motore:"), m_name);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const GuidedLimits generic = genericLimits(family);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QStringLiteral("txtLimiteProva(%1)").arg(i));
        m_fields[i]->setPlaceholderText(locale.toString(qRound64(generic.*kGuidedLimitFields[i].value)));
        m_fields[i]->setAccessibleName(QString(names[i]).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        form->addRow(names[i], m_fields[i]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    auto *remove = buttons->addButton(tr("&Elimina"), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("cmdEliminaLimiti"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, &GuidedLimitsDialog::remove);
    connect(m_name, &QComboBox::textActivated, this, &GuidedLimitsDialog::showSet);
    m_name->setCurrentText(name);
    showSet(name);
}

void GuidedLimitsDialog::showSet(const QString &name)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto own = guidedLimitsForVehicle(m_sets, m_family, name);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(own && own->given[i] ? locale.toString(*own->given[i], 'g', 9) : QString());
}

void GuidedLimitsDialog::accept()
{
    const QString name = m_name->currentText().trimmed();
    if (name.isEmpty()) {
        m_platform.message(this, tr("Scrivi il veicolo o il motore di questi limiti: la prova li sceglie dal nome del veicolo."),
                           windowTitle(), MessageIcon::Exclamation);
        m_name->setFocus();
        return;
    }
    GuidedOwnLimits next;
    next.name = name.toStdString();
    next.family = m_family;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i]->text().trimmed().isEmpty())
            continue;
        const auto v = typedDecimal(m_fields[i]->text());
        if (!v || *v < 0 || *v > 100000) {
            m_platform.message(this, tr("Il limite \"%1\" non va: scrivi un numero da 0 a 100000, o lascia il campo vuoto per quello generico.")
                                         .arg(m_fields[i]->text().trimmed()),
                               windowTitle(), MessageIcon::Exclamation);
            m_fields[i]->setFocus();
            m_fields[i]->selectAll();
            return;
        }
        next.given[i] = *v;
    }
    // A set that could not judge: which field, in words.
    const std::string fault = guidedLimitsFault(limitsOf(next));
    if (!fault.empty()) {
        const std::string key = fault.substr(0, fault.find(':'));
        std::size_t at = 0;
        while (at + 1 < kGuidedLimitFields.size() && key != kGuidedLimitFields[at].key)
            ++at;
        const QString words = fault.find("not above zero") != std::string::npos ? tr("deve essere maggiore di zero")
            : fault.find("above") != std::string::npos
            ? tr("la banda è rovesciata o non lascia posto tra lo zero, il minimo e il picco")
            : tr("è fuori campo");
        m_platform.message(this, tr("Con questi limiti la prova non potrebbe giudicare: %1 %2.").arg(m_fields[at]->accessibleName(), words),
                           windowTitle(), MessageIcon::Exclamation);
        m_fields[at]->setFocus();
        m_fields[at]->selectAll();
        return;
    }
    // The set replaces the one of its name; its version one up where it changed.
    const auto same = std::find_if(m_sets.begin(), m_sets.end(), [&](const GuidedOwnLimits &o) { return isGuidedSetFor(o, m_family, name); });
    if (same != m_sets.end()) {
        next.version = same->version + (same->given != next.given || same->name != next.name ? 1 : 0);
        *same = next;
    } else
        m_sets << next;
    if (!saveGuidedLimitSets(m_sets)) {
        m_platform.message(this, tr("I limiti non si possono salvare: il file delle impostazioni non si può scrivere."), windowTitle(),
                           MessageIcon::Critical);
        return;
    }
    m_chosen = name;
    QDialog::accept();
}

void GuidedLimitsDialog::remove()
{
    const QString name = m_name->currentText().trimmed();
    const auto before = m_sets.size();
    m_sets.removeIf([&](const GuidedOwnLimits &o) { return isGuidedSetFor(o, m_family, name); });
    if (m_sets.size() == before)
        return;
    if (!m_platform.confirm(this, tr("Eliminare i limiti per %1? Le prove già registrate tengono i limiti con cui sono state giudicate.").arg(name),
                            windowTitle())) {
        m_sets = loadGuidedLimitSets();
        return;
    }
    if (!saveGuidedLimitSets(m_sets)) {
        m_platform.message(this, tr("I limiti non si possono salvare: il file delle impostazioni non si può scrivere."), windowTitle(),
                           MessageIcon::Critical);
        m_sets = loadGuidedLimitSets();
        return;
    }
    m_name->removeItem(m_name->findText(name, Qt::MatchFixedString));
    m_name->setCurrentText(QString());
    showSet(QString());
}

} // namespace dravino
