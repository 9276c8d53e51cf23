#include "ui/calibration/ReferencesDialog.h"

#include "core/WholeNumber.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dravino {

namespace {
std::optional<double> typedNumber(const QString &typed)
{
    QString t = typed.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty() || t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    return parseDecimal(toAscii(t), '.');
}

QString decimal(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', 8);
}
} // namespace

ReferencesDialog::ReferencesDialog(Platform &platform, const QString &current, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_references(loadReferences())
{
    setObjectName(QStringLiteral("frmRiferimenti"));
    setWindowTitle(tr("Riferimenti di pressione"));
    setAccessibleName(windowTitle());
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstRiferimenti"));
    m_list->setAccessibleName(tr("Riferimenti dell'officina"));
    const auto line = [this](const char *name, const QString &accessible) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setAccessibleName(accessible);
        return e;
    };
    m_name = line("txtNomeRiferimento", tr("Nome"));
    m_serial = line("txtSerieRiferimento", tr("Numero di serie"));
    m_certificate = line("txtCertificatoRiferimento", tr("Numero del certificato di taratura"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboTipoIncertezza"));
    m_kind->setAccessibleName(tr("Incertezza data come"));
    m_kind->addItems({tr("incertezza estesa U e k dal certificato"), tr("classe di precisione, in % del campo")});
    m_expanded = line("txtIncertezzaRiferimento", tr("Incertezza estesa U in bar"));
    m_k = line("txtKRiferimento", tr("Fattore di copertura k"));
    m_class = line("txtClasseRiferimento", tr("Classe di precisione in %"));
    m_range = line("txtCampoRiferimento", tr("Campo del riferimento in bar"));
    m_due = line("txtScadenzaRiferimento", tr("Taratura valida fino al"));
    m_due->setPlaceholderText(tr("%1, vuoto se non indicata").arg(QDate(2027, 3, 31).toString(wholeYearDateFormat())));
    auto *add = new QPushButton(tr("&Nuovo"), this);
    add->setObjectName(QStringLiteral("cmdNuovoRiferimento"));
    auto *remove = new QPushButton(tr("&Togli"), this);
    remove->setObjectName(QStringLiteral("cmdTogliRiferimento"));
    for (auto *b : {add, remove})
        b->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(tr("Nom&e:"), m_name);
    form->addRow(tr("N. di &serie:"), m_serial);
    form->addRow(tr("&Certificato n.:"), m_certificate);
    form->addRow(tr("&Incertezza:"), m_kind);
    form->addRow(tr("&U (bar):"), m_expanded);
    form->addRow(tr("&k:"), m_k);
    form->addRow(tr("C&lasse (%):"), m_class);
    form->addRow(tr("Ca&mpo (bar):"), m_range);
    form->addRow(tr("Taratura valida fino &al:"), m_due);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(add);
    listButtons->addWidget(remove);
    listButtons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(m_list);
    left->addLayout(listButtons);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(form, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    for (const PressureReference &r : std::as_const(m_references))
        m_list->addItem(r.shown());
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == m_current)
            return;
        if (!commit()) {
            const QSignalBlocker block(m_list);
            m_list->setCurrentRow(m_current);
            return;
        }
        showEntry(row);
    });
    connect(m_kind, &QComboBox::currentIndexChanged, this, &ReferencesDialog::kindChanged);
    connect(add, &QPushButton::clicked, this, [this] {
        if (!commit())
            return;
        PressureReference r;
        r.name = tr("Nuovo riferimento");
        m_references << r;
        m_list->addItem(r.shown());
        m_list->setCurrentRow(int(m_references.size()) - 1);
        m_name->setFocus();
        m_name->selectAll();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = m_current;
        if (row < 0)
            return;
        m_current = -1;
        m_references.removeAt(row);
        delete m_list->takeItem(row);
        showEntry(m_list->currentRow());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    int at = 0;
    for (int i = 0; i < m_references.size(); ++i)
        if (m_references[i].name == current)
            at = i;
    if (!m_references.isEmpty())
        m_list->setCurrentRow(at);
    else
        showEntry(-1);
    resize(640, sizeHint().height());
}

void ReferencesDialog::showEntry(int index)
{
    m_current = index;
    const bool any = index >= 0 && index < m_references.size();
    for (QWidget *w : std::initializer_list<QWidget *>{m_name, m_serial, m_certificate, m_kind, m_expanded, m_k, m_class, m_range, m_due})
        w->setEnabled(any);
    const PressureReference r = any ? m_references[index] : PressureReference{};
    m_name->setText(r.name);
    m_serial->setText(r.serial);
    m_certificate->setText(r.certificate);
    m_kind->setCurrentIndex(r.kind == PressureReference::AccuracyClass ? 1 : 0);
    m_expanded->setText(r.expandedBar > 0 ? decimal(r.expandedBar) : QString());
    m_k->setText(decimal(r.k));
    m_class->setText(r.classPercent > 0 ? decimal(r.classPercent) : QString());
    m_range->setText(r.rangeBar > 0 ? decimal(r.rangeBar) : QString());
    m_due->setText(r.due.isValid() ? QLocale().toString(r.due, wholeYearDateFormat()) : QString());
    kindChanged();
}

void ReferencesDialog::kindChanged()
{
    const bool fromClass = m_kind->currentIndex() == 1;
    const bool any = m_current >= 0;
    m_expanded->setEnabled(any && !fromClass);
    m_k->setEnabled(any && !fromClass);
    m_class->setEnabled(any && fromClass);
    m_range->setEnabled(any);
}

bool ReferencesDialog::commit()
{
    if (m_current < 0 || m_current >= m_references.size())
        return true;
    const auto refuse = [this](QLineEdit *field, const QString &why) {
        m_platform.message(this, why, windowTitle(), MessageIcon::Exclamation);
        field->setFocus();
        field->selectAll();
        return false;
    };
    PressureReference r;
    r.name = m_name->text().simplified();
    r.serial = m_serial->text().simplified();
    r.certificate = m_certificate->text().simplified();
    r.kind = m_kind->currentIndex() == 1 ? PressureReference::AccuracyClass : PressureReference::Certificate;
    if (r.name.isEmpty())
        return refuse(m_name, tr("Il riferimento non ha un nome: scrivilo, lo stampa il certificato."));
    for (int i = 0; i < m_references.size(); ++i)
        if (i != m_current && m_references[i].name == r.name)
            return refuse(m_name, tr("C'è già un riferimento che si chiama %1.").arg(r.name));
    const auto positive = [&](QLineEdit *field, double &into, const QString &what) {
        const auto v = typedNumber(field->text());
        if (!v || *v <= 0)
            return refuse(field, tr("%1 \"%2\" non va: scrivi un numero maggiore di zero.").arg(what, field->text().trimmed()));
        into = *v;
        return true;
    };
    if (r.kind == PressureReference::Certificate) {
        if (!positive(m_expanded, r.expandedBar, tr("L'incertezza estesa U")) || !positive(m_k, r.k, tr("Il fattore di copertura k")))
            return false;
        if (!m_range->text().trimmed().isEmpty() && !positive(m_range, r.rangeBar, tr("Il campo")))
            return false;
    } else if (!positive(m_class, r.classPercent, tr("La classe")) || !positive(m_range, r.rangeBar, tr("Il campo"))) {
        return false;
    }
    if (const QString due = m_due->text().trimmed(); !due.isEmpty()) {
        r.due = typedDate(due);
        if (!r.due.isValid())
            return refuse(m_due, tr("La data \"%1\" non si legge: scrivila come %2.").arg(due, QDate(2027, 3, 31).toString(wholeYearDateFormat())));
    }
    m_references[m_current] = r;
    if (QListWidgetItem *item = m_list->item(m_current))
        item->setText(r.shown());
    return true;
}

void ReferencesDialog::accept()
{
    if (!commit())
        return;
    if (!saveReferences(m_references)) {
        m_platform.message(this, tr("Il registro dei riferimenti non si può salvare: il file delle impostazioni non si può scrivere."),
                           windowTitle(), MessageIcon::Critical);
        return;
    }
    m_chosen = m_current >= 0 ? m_references.value(m_current).name : QString();
    QDialog::accept();
}

} // namespace dravino
