#include "ui/dialogs/WorkshopDialog.h"

#include "ui/platform/Modal.h"

#include "base/Settings.h"
#include "ui/Platform.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>

namespace dravino {

namespace {
QString key(const char *name) { return QStringLiteral("workshop/") + QLatin1String(name); }
} // namespace

Workshop loadWorkshop()
{
    Workshop w;
    w.name = settingsValue(key("name")).toString();
    w.address = settingsValue(key("address")).toString();
    w.phone = settingsValue(key("phone")).toString();
    w.email = settingsValue(key("email")).toString();
    w.logo = settingsValue(key("logo")).toString();
    w.askJob = settingsValue(key("askJob"), false).toBool();
    return w;
}

bool saveWorkshop(const Workshop &w)
{
    return setSettingsValues({{key("name"), w.name},
                              {key("address"), w.address},
                              {key("phone"), w.phone},
                              {key("email"), w.email},
                              {key("logo"), w.logo},
                              {key("askJob"), w.askJob ? QVariant(true) : QVariant()}});
}

namespace {
// The logo as last read, read again only when its file or the setting
// changes: not once a page.
QImage logoOf(const QString &path, QString *why)
{
    struct Read {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        QImage image;
        QString why;
    };
    static Read last;
    const QFileInfo file(path);
    if (path != last.path || file.lastModified() != last.modified || file.size() != last.size) {
        last = {path, file.lastModified(), file.size(), {}, {}};
        last.image = readLogo(path, &last.why);
    }
    *why = last.why;
    return last.image;
}
} // namespace

PageFrame pageFrame(Platform &platform, QWidget *parent)
{
    PageFrame frame;
    frame.workshop = loadWorkshop();
    frame.web = platform.makerWeb();
    if (frame.workshop.logo.isEmpty())
        return frame;
    QString why;
    frame.logo = logoOf(frame.workshop.logo, &why);
    // Told once a run for each file; the pages go without it meanwhile.
    static QSet<QString> told;
    if (frame.logo.isNull() && !told.contains(frame.workshop.logo)) {
        told.insert(frame.workshop.logo);
        platform.message(parent,
                         WorkshopDialog::tr("Il logo dell'officina %1 non si può stampare: %2. Le pagine si stampano senza.")
                             .arg(QDir::toNativeSeparators(frame.workshop.logo), why),
                         WorkshopDialog::tr("Officina"), MessageIcon::Exclamation);
    }
    return frame;
}

WorkshopDialog::WorkshopDialog(Platform &platform, QWidget *parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmOfficina"));
    setWindowTitle(tr("Officina"));
    setAccessibleName(windowTitle());
    const Workshop w = loadWorkshop();
    const auto field = [this](const char *name, const QString &text, const QString &accessible) {
        auto *e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        e->setAccessibleName(accessible);
        return e;
    };
    m_name = field("txtOfficina", w.name, tr("Nome dell'officina"));
    m_address = new QPlainTextEdit(w.address, this);
    m_address->setObjectName(QStringLiteral("txtIndirizzo"));
    m_address->setAccessibleName(tr("Indirizzo"));
    m_address->setTabChangesFocus(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * 3 + 12);
    m_phone = field("txtTelefono", w.phone, tr("Telefono"));
    m_email = field("txtEmail", w.email, tr("E-mail"));
    m_logo = field("txtLogo", w.logo, tr("File del logo"));
    m_logo->setPlaceholderText(tr("nessun logo"));
    auto *choose = new QPushButton(tr("S&cegli..."), this);
    choose->setObjectName(QStringLiteral("cmdScegliLogo"));
    choose->setAutoDefault(false);
    auto *clear = new QPushButton(tr("Nessu&no"), this);
    clear->setObjectName(QStringLiteral("cmdNessunLogo"));
    clear->setAutoDefault(false);
    m_logoShown = new QLabel(this);
    m_logoShown->setObjectName(QStringLiteral("imgLogo"));
    m_logoShown->setFixedSize(170, 38);
    m_logoShown->setAlignment(Qt::AlignCenter);
    m_logoShown->setAccessibleName(tr("Logo"));
    m_askJob = new QCheckBox(tr("Chiedi cliente, veicolo, commessa e operatore a ogni foglio di scala"), this);
    m_askJob->setObjectName(QStringLiteral("chkDatiLavoro"));
    m_askJob->setChecked(w.askJob);

    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logo, 1);
    logoRow->addWidget(choose);
    logoRow->addWidget(clear);
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Nome:"), m_name);
    form->addRow(tr("&Indirizzo:"), m_address);
    form->addRow(tr("&Telefono:"), m_phone);
    form->addRow(tr("&E-mail:"), m_email);
    // A row of several controls: its caption's key goes to the first.
    auto *logoCaption = new QLabel(tr("&Logo:"), this);
    logoCaption->setBuddy(m_logo);
    form->addRow(logoCaption, logoRow);
    form->addRow(QString(), m_logoShown);
    form->addRow(m_askJob);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOkOfficina"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choose, &QPushButton::clicked, this, &WorkshopDialog::chooseLogo);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_logo->clear();
        showLogo();
    });
    // Read when the file is chosen or its name typed whole, not at every key.
    connect(m_logo, &QLineEdit::editingFinished, this, &WorkshopDialog::showLogo);
    showLogo();
    resize(560, sizeHint().height());
}

Workshop WorkshopDialog::workshop() const
{
    return {m_name->text().simplified(), m_address->toPlainText().trimmed(), m_phone->text().simplified(),
            m_email->text().simplified(), m_logo->text().trimmed(), m_askJob->isChecked()};
}

void WorkshopDialog::chooseLogo()
{
    const QString folder = m_logo->text().isEmpty() ? QDir::homePath() : QFileInfo(m_logo->text()).absolutePath();
    if (const auto file = m_platform.openFileName(this, tr("Logo dell'officina"), folder,
                                                  tr("Immagini (*.png *.jpg *.jpeg *.svg)"))) {
        m_logo->setText(*file);
        showLogo();
    }
}

void WorkshopDialog::showLogo()
{
    QString why;
    const QImage logo = m_logo->text().isEmpty() ? QImage() : logoOf(m_logo->text(), &why);
    if (logo.isNull()) {
        m_logoShown->setPixmap({});
        m_logoShown->setText(m_logo->text().isEmpty() ? QString() : why);
        return;
    }
    m_logoShown->setPixmap(QPixmap::fromImage(logo).scaled(m_logoShown->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void WorkshopDialog::edit(Platform &platform, QWidget *parent)
{
    Modal<WorkshopDialog> dialog(new WorkshopDialog(platform, parent));
    dialog.exec();
}

void WorkshopDialog::accept()
{
    if (!saveWorkshop(workshop())) {
        m_platform.message(this, tr("L'officina non si può salvare: il file delle impostazioni %1 non si può scrivere.")
                                     .arg(QDir::toNativeSeparators(settingsFile())),
                           tr("Officina"), MessageIcon::Critical);
        return;
    }
    QDialog::accept();
}

} // namespace dravino
