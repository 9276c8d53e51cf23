#include "ui/dialogs/InstrumentDialog.h"

#include "ui/platform/Modal.h"

#include "base/Settings.h"
#include "base/Workers.h"
#include "instrument/MeterService.h"
#include "ui/Numbers.h"
#include "base/References.h"
#include "core/WholeNumber.h"
#include "ui/Platform.h"

#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace dravino {

InstrumentDialog::InstrumentDialog(Platform &platform, QWidget *parent)
    : QDialog(parent), m_meter(new MeterService(this)), m_platform(platform)
{
    setObjectName(QStringLiteral("frmStrumento"));
    setWindowTitle(tr("Strumento"));
    setAccessibleName(windowTitle());
    m_driver = new QComboBox(this);
    m_driver->setObjectName(QStringLiteral("cboDriver"));
    m_driver->setAccessibleName(tr("Driver del multimetro"));
    m_driver->addItem(tr("ricerca dei driver..."));
    m_driver->setEnabled(false);
    m_conn = new QLineEdit(this);
    m_conn->setObjectName(QStringLiteral("txtConnessione"));
    m_conn->setAccessibleName(tr("Connessione"));
    m_conn->setPlaceholderText(tr("/dev/ttyUSB0, tcp-raw/192.168.1.50/5025, vuoto per USB"));
    m_search = new QPushButton(tr("&Cerca"), this);
    m_search->setObjectName(QStringLiteral("cmdCerca"));
    m_search->setAutoDefault(false);
    m_found = new QListWidget(this);
    m_found->setObjectName(QStringLiteral("lstStrumenti"));
    m_found->setAccessibleName(tr("Multimetri trovati"));
    m_found->setFixedHeight(m_found->fontMetrics().lineSpacing() * 4 + 8);
    m_device = new QLineEdit(configuredInstrument(), this);
    m_device->setObjectName(QStringLiteral("txtStrumento"));
    m_device->setAccessibleName(tr("Multimetro scelto"));
    m_channel = new QLineEdit(this);
    m_channel->setObjectName(QStringLiteral("txtCanale"));
    m_channel->setAccessibleName(tr("Canale dell'oscilloscopio"));
    m_channel->setPlaceholderText(tr("CH1, A0; vuoto per un multimetro"));
    // A second channel at the sensor's supply pin: the guided test judges it.
    m_supplyChannel = new QLineEdit(this);
    m_supplyChannel->setObjectName(QStringLiteral("txtCanaleAlimentazione"));
    m_supplyChannel->setAccessibleName(tr("Canale dell'alimentazione del sensore"));
    m_supplyChannel->setPlaceholderText(tr("CH2, A1; vuoto se non collegato"));
    m_rate = new QComboBox(this);
    m_rate->setObjectName(QStringLiteral("cboCampionamento"));
    m_rate->setAccessibleName(tr("Frequenza di campionamento"));
    for (const auto &[text, rate] : {std::pair{"1 kS/s", 1000}, {"10 kS/s", 10000}, {"100 kS/s", 100000}, {"1 MS/s", 1000000}})
        m_rate->addItem(QLatin1String(text), rate);
    m_probe = new QComboBox(this);
    m_probe->setObjectName(QStringLiteral("cboSonda"));
    m_probe->setAccessibleName(tr("Sonda"));
    m_probe->addItem(QStringLiteral("x1"), QStringLiteral("x1"));
    m_probe->addItem(QStringLiteral("x10"), QStringLiteral("x10"));
    scopeFromDevice();
    m_try = new QPushButton(tr("&Prova una lettura"), this);
    m_try->setObjectName(QStringLiteral("cmdProva"));
    m_try->setAutoDefault(false);
    // Until when the meter is calibrated, as its calibration certificate
    // says: printed on every sheet its readings go to.
    m_calibration = new QLineEdit(this);
    m_calibration->setObjectName(QStringLiteral("txtTaratura"));
    m_calibration->setAccessibleName(tr("Taratura valida fino al"));
    m_calibration->setPlaceholderText(tr("%1, vuoto se non indicata").arg(QDate(2027, 3, 31).toString(wholeYearDateFormat())));
    if (const QDate until = QDate::fromString(settingsValue(QStringLiteral("instrumentCalibratedUntil")).toString(), Qt::ISODate);
        until.isValid())
        m_calibration->setText(QLocale().toString(until, wholeYearDateFormat()));
    // The meter's accuracy as its maker gives it, for a calibration's
    // uncertainty: ± (% of reading + digits), and the mV of its last digit.
    const MeterAccuracy accuracy = loadMeterAccuracy();
    QLocale plain;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto number = [&](const char *name, const QString &accessible, double value) {
        auto *e = new QLineEdit(plain.toString(value, 'g', 6), this);
        e->setObjectName(QLatin1String(name));
        e->setAccessibleName(accessible);
        e->setMaximumWidth(90);
        return e;
    };
    m_accuracy = number("txtAccuratezza", tr("Accuratezza in % della lettura"), accuracy.percentOfReading);
    m_digits = number("txtCifre", tr("Accuratezza in cifre"), accuracy.digits);
    m_resolution = number("txtRisoluzione", tr("Risoluzione in mV"), accuracy.resolutionMv);
    m_certificate = new QLineEdit(accuracy.certificate, this);
    m_certificate->setObjectName(QStringLiteral("txtCertificatoStrumento"));
    m_certificate->setAccessibleName(tr("Numero del certificato di taratura"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("lblStatoStrumento"));
    m_state->setWordWrap(true);

    auto *connRow = new QHBoxLayout;
    connRow->addWidget(m_conn, 1);
    connRow->addWidget(m_search);
    auto *deviceRow = new QHBoxLayout;
    deviceRow->addWidget(m_device, 1);
    deviceRow->addWidget(m_try);
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Driver:"), m_driver);
    // A row of several controls: its caption's key goes to the field.
    const auto caption = [this](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        return label;
    };
    form->addRow(caption(tr("C&onnessione:"), m_conn), connRow);
    form->addRow(tr("&Trovati:"), m_found);
    form->addRow(caption(tr("&Multimetro:"), m_device), deviceRow);
    auto *scopeRow = new QHBoxLayout;
    scopeRow->addWidget(m_channel, 1);
    auto *rateLabel = new QLabel(tr("camp&ionamento"), this);
    rateLabel->setBuddy(m_rate);
    scopeRow->addWidget(rateLabel);
    scopeRow->addWidget(m_rate);
    auto *probeLabel = new QLabel(tr("&sonda"), this);
    probeLabel->setBuddy(m_probe);
    scopeRow->addWidget(probeLabel);
    scopeRow->addWidget(m_probe);
    form->addRow(caption(tr("Oscilloscopio, cana&le:"), m_channel), scopeRow);
    form->addRow(caption(tr("Canale dell'alimentazion&e:"), m_supplyChannel), m_supplyChannel);
    form->addRow(tr("T&aratura valida fino al:"), m_calibration);
    form->addRow(tr("Certificato di taratura &n.:"), m_certificate);
    auto *accuracyRow = new QHBoxLayout;
    accuracyRow->addWidget(new QLabel(QStringLiteral("±("), this));
    accuracyRow->addWidget(m_accuracy);
    accuracyRow->addWidget(new QLabel(tr("% della lettura +"), this));
    accuracyRow->addWidget(m_digits);
    auto *resolution = new QLabel(tr("cifre), &risoluzione"), this);
    resolution->setBuddy(m_resolution);
    accuracyRow->addWidget(resolution);
    accuracyRow->addWidget(m_resolution);
    accuracyRow->addWidget(new QLabel(tr("mV"), this));
    accuracyRow->addStretch();
    form->addRow(caption(tr("Acc&uratezza:"), m_accuracy), accuracyRow);
    form->addRow(m_state);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_search, &QPushButton::clicked, this, &InstrumentDialog::search);
    connect(m_device, &QLineEdit::textEdited, this, &InstrumentDialog::scopeFromDevice);
    connect(m_channel, &QLineEdit::textEdited, this, &InstrumentDialog::scopeIntoDevice);
    connect(m_supplyChannel, &QLineEdit::textEdited, this, &InstrumentDialog::scopeIntoDevice);
    connect(m_rate, &QComboBox::activated, this, &InstrumentDialog::scopeIntoDevice);
    connect(m_probe, &QComboBox::activated, this, &InstrumentDialog::scopeIntoDevice);
    connect(m_try, &QPushButton::clicked, this, &InstrumentDialog::tryReading);
    connect(m_found, &QListWidget::currentTextChanged, this, [this](const QString &) {
        if (auto *item = m_found->currentItem()) {
            m_device->setText(item->data(Qt::UserRole).toString());
            scopeIntoDevice();
        }
    });
    connect(m_driver, &QComboBox::currentIndexChanged, this, [this] {
        if (m_driver->isEnabled() && m_device->text().isEmpty()) {
            m_device->setText(m_driver->currentData().toString());
            scopeIntoDevice();
        }
    });
    using Drivers = std::pair<QList<std::pair<QString, QString>>, QString>;
    offThread<Drivers>(
        this,
        [] {
            QString why;
            auto drivers = multimeterDrivers(&why);
            return Drivers{drivers, why};
        },
        [this](const Drivers &answer) {
            m_driver->clear();
            for (const auto &[name, longName] : answer.first)
                m_driver->addItem(QStringLiteral("%1 (%2)").arg(longName, name), name);
            m_driver->setEnabled(!answer.first.isEmpty());
            // No driver to offer: why, in words (the module or libsigrok missing).
            if (answer.first.isEmpty())
                m_state->setText(tr("Nessun driver di multimetro: %1.").arg(answer.second));
            const int current = m_driver->findData(m_device->text().section(QLatin1Char(':'), 0, 0));
            if (current >= 0)
                m_driver->setCurrentIndex(current);
        });
    resize(560, sizeHint().height());
}

QString InstrumentDialog::device() const { return m_device->text().trimmed(); }

void InstrumentDialog::scopeFromDevice()
{
    m_channel->setText(deviceOption(device(), QLatin1String("channel")));
    m_supplyChannel->setText(deviceOption(device(), QLatin1String("supply")));
    const int at = m_rate->findData(deviceOption(device(), QLatin1String("samplerate")).toInt());
    m_rate->setCurrentIndex(at >= 0 ? at : 0);
    m_probe->setCurrentIndex(probeFactor(device()) == 10 ? 1 : 0);
}

void InstrumentDialog::scopeIntoDevice()
{
    // The device's own keys kept, the oscilloscope's written after them.
    QStringList parts = device().split(QLatin1Char(':'));
    if (parts.isEmpty() || parts.first().isEmpty())
        return;
    for (auto it = parts.begin() + 1; it != parts.end();) {
        const QString key = it->section(QLatin1Char('='), 0, 0);
        if (key == QLatin1String("channel") || key == QLatin1String("samplerate") || key == QLatin1String("probe")
            || key == QLatin1String("supply"))
            it = parts.erase(it);
        else
            ++it;
    }
    if (const QString channel = m_channel->text().trimmed(); !channel.isEmpty())
        parts << QStringLiteral("channel=") + channel << QStringLiteral("samplerate=%1").arg(m_rate->currentData().toInt())
              << QStringLiteral("probe=") + m_probe->currentData().toString();
    if (const QString supply = m_supplyChannel->text().trimmed(); !supply.isEmpty() && !m_channel->text().trimmed().isEmpty())
        parts << QStringLiteral("supply=") + supply;
    m_device->setText(parts.join(QLatin1Char(':')));
}

void InstrumentDialog::search()
{
    const QString driver = m_driver->currentData().toString();
    if (driver.isEmpty())
        return;
    m_search->setEnabled(false);
    m_state->setText(tr("Ricerca dei multimetri..."));
    m_found->clear();
    const QString conn = m_conn->text().trimmed();
    // An address nobody answers at can hold a search for minutes: it is
    // given up after three readings' time, and its late answer dropped.
    // Stopped there (or with the dialog), the search gives libsigrok back to
    // the readings.
    const int search = ++m_searches;
    const int limitMs = 3 * MeterService::timeLimitMs();
    if (m_stopSearch)
        *m_stopSearch = true;
    m_stopSearch = std::make_shared<std::atomic_bool>(false);
    QTimer::singleShot(limitMs, this, [this, search, limitMs, stop = m_stopSearch] {
        *stop = true;
        if (search != m_searches)
            return;
        ++m_searches;
        m_search->setEnabled(true);
        m_state->setText(tr("Nessun multimetro ha risposto entro %1 s.").arg((limitMs + 999) / 1000));
    });
    connect(this, &QObject::destroyed, [stop = m_stopSearch] { *stop = true; });
    offThread<std::pair<QList<FoundMeter>, QString>>(
        this,
        [driver, conn, stop = m_stopSearch] {
            QString why;
            const auto found = scanMeters(driver, conn, stop.get(), &why);
            return std::pair{found, why};
        },
        [this, search](const std::pair<QList<FoundMeter>, QString> &answer) {
            if (search != m_searches)
                return;
            ++m_searches;
            m_search->setEnabled(true);
            for (const FoundMeter &m : answer.first) {
                auto *item = new QListWidgetItem(QStringLiteral("%1 — %2").arg(m.name, m.device), m_found);
                item->setData(Qt::UserRole, m.device);
            }
            m_state->setText(answer.first.isEmpty() ? tr("Nessun multimetro trovato%1.")
                                                          .arg(answer.second.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(answer.second))
                                                    : tr("Multimetri trovati: %1").arg(answer.first.size()));
            if (!answer.first.isEmpty())
                m_found->setCurrentRow(0);
        });
}

void InstrumentDialog::tryReading()
{
    if (device().isEmpty() || m_meter->busy())
        return;
    m_state->setText(tr("Lettura in corso..."));
    m_meter->read(device(), this, [this](const MeterReading &r) {
        m_state->setText(r.kind == MeterReading::Volts ? tr("Lettura: %1 V DC").arg(QLocale().toString(r.volts, 'f', 4))
                                                       : faultText(r, device()));
    });
}

QString InstrumentDialog::faultText(const MeterReading &r, const QString &device)
{
    switch (r.kind) {
    case MeterReading::NotDcVolts:
        return tr("Il multimetro non misura tensione continua (misura %1): mettilo su V DC.").arg(r.shown);
    case MeterReading::NotVolts:
        return tr("Il multimetro misura la tensione in %1, non in volt.").arg(r.shown);
    case MeterReading::Overload:
        return tr("Il multimetro è fuori scala (OL): la tensione è oltre la sua portata.");
    case MeterReading::NoDriver:
        return tr("Il multimetro %1 non si può usare: la libreria libsigrok installata non ha il driver %2.").arg(device, r.detail);
    case MeterReading::NotFound:
        return isOscilloscope(device) ? tr("L'oscilloscopio %1 non si trova: è collegato e acceso?").arg(device)
                                      : tr("Il multimetro %1 non si trova: è collegato e acceso?").arg(device);
    case MeterReading::Silent:
        return isOscilloscope(device) ? tr("L'oscilloscopio %1 non dà letture: il canale è collegato?").arg(device)
                                      : tr("Il multimetro %1 non risponde.").arg(device);
    case MeterReading::RateRefused:
        return tr("L'oscilloscopio %1 non accetta la frequenza di campionamento %2: scegline un'altra con Strumento... (F8).")
            .arg(device, r.detail);
    case MeterReading::NoChannel:
        return tr("L'oscilloscopio %1 non ha il canale analogico %2: scegli il canale con Strumento... (F8).").arg(device, r.detail);
    case MeterReading::BadProbe:
        return tr("La sonda \"%1\" non va: scegli x1 o x10 con Strumento... (F8).").arg(r.detail);
    case MeterReading::Searching:
        return tr("Il multimetro %1 non si può leggere ora: è in corso una ricerca di multimetri (Strumento...). "
                  "Riprova al suo termine.")
            .arg(device);
    case MeterReading::Failed:
    case MeterReading::Volts:
        break;
    }
    return r.detail.isEmpty() ? tr("Il multimetro %1 non si può leggere.").arg(device)
                              : tr("Il multimetro %1 non si può leggere (%2).").arg(device, r.detail);
}

void InstrumentDialog::choose(Platform &platform, QWidget *parent)
{
    Modal<InstrumentDialog> dialog(new InstrumentDialog(platform, parent));
    dialog.exec();
}

void InstrumentDialog::accept()
{
    const QString typed = m_calibration->text().trimmed();
    const QDate until = typedDate(typed);
    if (!typed.isEmpty() && !until.isValid()) {
        m_platform.message(this,
                           tr("\"%1\" non è una data: scrivi la scadenza della taratura come %2, o lasciala vuota.")
                               .arg(typed, QDate(2027, 3, 31).toString(wholeYearDateFormat())),
                           tr("Strumento"), MessageIcon::Exclamation);
        m_calibration->setFocus(Qt::OtherFocusReason);
        m_calibration->selectAll();
        return;
    }
    // The accuracy: numbers not below zero, a resolution above it.
    MeterAccuracy accuracy;
    accuracy.certificate = m_certificate->text().simplified();
    const std::tuple<QLineEdit *, double *, bool> numbers[] = {{m_accuracy, &accuracy.percentOfReading, false},
                                                               {m_digits, &accuracy.digits, false},
                                                               {m_resolution, &accuracy.resolutionMv, true}};
    for (const auto &[field, into, positive] : numbers) {
        QString t = field->text().trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        const auto v = t.count(QLatin1Char('.')) > 1 ? std::nullopt : parseDecimal(toAscii(t), '.');
        if (!v || *v < 0 || (positive && *v <= 0)) {
            m_platform.message(this,
                               positive ? tr("La risoluzione \"%1\" non va: scrivi i mV dell'ultima cifra, un numero maggiore di zero.")
                                              .arg(field->text().trimmed())
                                        : tr("L'accuratezza \"%1\" non va: scrivi un numero, zero o più.").arg(field->text().trimmed()),
                               tr("Strumento"), MessageIcon::Exclamation);
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            return;
        }
        *into = *v;
    }
    if (!saveMeterAccuracy(accuracy)
        || !setSettingsValues({{QStringLiteral("instrument"), device()},
                            {QStringLiteral("instrumentCalibratedUntil"), until.isValid() ? until.toString(Qt::ISODate) : QString()}})) {
        m_platform.message(this, tr("Il multimetro scelto non si può salvare: il file delle impostazioni %1 non si può scrivere.")
                                     .arg(QDir::toNativeSeparators(settingsFile())),
                           tr("Strumento"), MessageIcon::Critical);
        return;
    }
    QDialog::accept();
}

} // namespace dravino
