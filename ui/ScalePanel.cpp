#include "ui/ScalePanel.h"

#include "core/ScaleCheck.h"
#include "core/Sensor.h"
#include "core/WholeNumber.h"
#include "print/Delivery.h"
#include "print/PrintSurface.h"
#include "print/ScaleSheet.h"
#include "ui/Build.h"
#include "ui/CalculatorModel.h"
#include "ui/CoreTexts.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "core/CheckRule.h"
#include "instrument/Meter.h"
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/dialogs/WorkshopDialog.h"
#include "ui/printjob/PrintJob.h"
#include "ui/printjob/PrintMenu.h"
#include "ui/session/CheckSession.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QLocale>
#include <QPointer>

namespace dravino {

namespace {
const char *const kTitle = QT_TRANSLATE_NOOP("dravino::ScalePanel", "Calcolo scala");

int rowTop(int i) { return 840 + 480 * i; }
} // namespace

ScalePanel::ScalePanel(Platform &platform, const CalculatorModel &calculator, QWidget *parent)
    : QGroupBox(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("fraSecondary"));
    setTitle(tr("Scala e linearità"));
    setAccessibleName(title());
    setFont(arial(11.25, true));
    setAutoFillBackground(true);
    buildControls();
    connectHandlers();
    connect(&calculator, &CalculatorModel::fullScaleChosen, this, &ScalePanel::showNominal);
    showNominal(calculator.fullScale());
}

void ScalePanel::buildControls()
{
    struct Heading {
        int left, width;
        const char *text;
        const char *tooltip;
    };
    const Heading headings[] = {{240, 735, QT_TR_NOOP("BAR"), nullptr},
                                {1200, 735, QT_TR_NOOP("ADC"), nullptr},
                                {2160, 855, QT_TR_NOOP("mVolt"), nullptr},
                                {3240, 1095, QT_TR_NOOP("SCALA"), QT_TR_NOOP("Scala in BAR calcolata")},
                                {5040, 975, QT_TR_NOOP("linearità"), QT_TR_NOOP("Linearità rispetto alla media")},
                                {6120, 1215, QT_TR_NOOP("scostamento"), QT_TR_NOOP("Scostamento in BAR rispetto alla media")}};
    for (int c = 0; c < 6; ++c) {
        const auto &h = headings[c];
        lblSecondary[c] = makeLabel(this, elementName("lblSecondary", c), {h.left, 480, h.width, 315},
                                    tr(h.text), c == 5 ? arial(9.75, true) : arial(12, true));
        if (h.tooltip)
            lblSecondary[c]->setToolTip(tr(h.tooltip));
    }

    const ScaleGrid &opening = m_check.grid();
    const QFont cell = arial(12);
    auto resultLabel = [&](const char *name, int i, int left, int width, const QString &text) {
        auto *l = makeLabel(this, elementName(name, i), {left, rowTop(i), width, 420}, text, cell, Qt::AlignCenter);
        l->setBorder(true);
        return l;
    };
    for (int i = 0; i < 6; ++i) {
        txtBarScala[i] = makeTextBox(this, elementName("txtBarScala", i), {240, rowTop(i), 765, 420}, QString::fromStdString(opening.bar[i]), cell, 4);
        setTextColor(txtBarScala[i], kRed);
        txtADCValue[i] = makeTextBox(this, elementName("txtADCValue", i), {1200, rowTop(i), 765, 420}, QString::fromStdString(opening.adc[i]), cell, 4);
        // A screen reader tells the cells apart by row and column.
        nameAfter(txtBarScala[i], lblSecondary[0], tr("Pressione riga %1 (bar)").arg(i));
        nameAfter(txtADCValue[i], lblSecondary[1], tr("ADC riga %1").arg(i));
        lblMvoltScala[i] = resultLabel("lblMvoltScala", i, 2160, 855, QString::fromStdString(opening.mvolt[i]));
        setTextColor(lblMvoltScala[i], kBlue);
        lblScalaOttenuta[i] = resultLabel("lblScalaOttenuta", i, 3240, 1095, QString::fromStdString(opening.scala[i]));
        lblLinearita[i] = resultLabel("lblLinearità", i, 5040, 975, QString::fromStdString(opening.linearita[i]));
        lblScostamento[i] = resultLabel("lblScostamento", i, 6240, 975, QString::fromStdString(opening.scostamento[i]));
        if (i > 0) {
            setBackColor(lblLinearita[i], kHighlightText);
            setBackColor(lblScostamento[i], kHighlightText);
        }
        for (auto *l : {lblMvoltScala[i], lblScalaOttenuta[i], lblLinearita[i], lblScostamento[i]})
            l->setAlignment(Qt::AlignCenter);
        lblMvoltScala[i]->setAccessibleName(tr("mVolt riga %1").arg(i));
        lblScalaOttenuta[i]->setAccessibleName(tr("Scala riga %1 (bar)").arg(i));
        lblLinearita[i]->setAccessibleName(tr("Linearità riga %1").arg(i));
        lblScostamento[i]->setAccessibleName(tr("Scostamento riga %1 (bar)").arg(i));
    }

    Picture1 = named(new QFrame(this), QStringLiteral("Picture1"), {240, 3840, 1695, 795});
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAccessibleName(tr("Risoluzione ADC"));
    // A picture box takes the window's font, and its options take the box's.
    Picture1->setFont(arial(9.75));
    optADCScala[0] = makeOption(Picture1, elementName("optADCScala", 0), {120, 120, 1455, 255}, tr("ADC a 10 bit"), Picture1->font());
    optADCScala[1] = makeOption(Picture1, elementName("optADCScala", 1), {120, 420, 1455, 255}, tr("ADC a 12 bit"), Picture1->font());
    optADCScala[0]->setChecked(true);

    lblSecondary[6] = makeLabel(this, elementName("lblSecondary", 6), {2280, 3900, 855, 315}, tr("media:"), arial(12));
    txtScalaMedia = makeTextBox(this, QStringLiteral("txtScalaMedia"), {3240, 3840, 1095, 420}, QString(), arial(12, true), 0);
    setTextColor(txtScalaMedia, kBlue);
    nameAfter(txtScalaMedia, lblSecondary[6], tr("Media della scala (bar)"));

    Picture2 = named(new QFrame(this), QStringLiteral("Picture2"), {5040, 3840, 2175, 795});
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setAccessibleName(tr("Media"));
    Picture2->setFont(arial(9.75));
    optMedia[0] = makeOption(Picture2, elementName("optMedia", 0), {120, 120, 1965, 255}, tr("media automatica"), Picture2->font());
    optMedia[0]->setToolTip(tr("Media della scala ottenuta dai valori ADC introdotti"));
    optMedia[1] = makeOption(Picture2, elementName("optMedia", 1), {120, 420, 1965, 255}, tr("media manuale"), Picture2->font());
    optMedia[1]->setToolTip(tr("Deriva della scala ottenuta dal valore di SCALA introdotto"));
    optMedia[0]->setChecked(true);

    optSensoreTipo[0] = makeOption(this, elementName("optSensoreTipo", 0), {2040, 4560, 2895, 255}, tr("Sensore Bosch/VDO/Delphi"), arial(9.75, true));
    optSensoreTipo[1] = makeOption(this, elementName("optSensoreTipo", 1), {2040, 4920, 1815, 255}, tr("Sensore Denso"), arial(9.75));
    optSensoreTipo[0]->setChecked(true);
    for (auto *opt : optSensoreTipo)
        opt->setAccessibleDescription(tr("Tipo sensore"));

    // Each pair is one exclusive group, wherever its buttons sit: the sensor
    // kinds lie on the panel itself, beside the two picture boxes.
    for (auto *pair : {&optADCScala, &optMedia, &optSensoreTipo}) {
        auto *group = new QButtonGroup(this);
        group->addButton((*pair)[0], 0);
        group->addButton((*pair)[1], 1);
    }

    // What the check is judged against, above the grid's right end.
    lblFondoNominale = makeLabel(this, QStringLiteral("lblFondoNominale"), {3360, 150, 3855, 255}, QString(), arial(9.75),
                                 Qt::AlignRight | Qt::AlignVCenter);
    lblFondoNominale->setToolTip(tr("Il fondo scala scelto nel calcolatore: la media deve restarne entro lo scostamento ammesso"));
    // The check's verdict in a word, where the design has room above the grid's left end.
    lblEsito = makeLabel(this, QStringLiteral("lblEsito"), {240, 150, 3000, 255}, QString(), arial(9.75, true),
                         Qt::AlignLeft | Qt::AlignVCenter);
    lblEsito->setAccessibleName(tr("Esito della prova"));

    cmdBack = makeButton(this, QStringLiteral("cmdBack"), {240, 4980, 1215, 420}, tr("back"), arial(11.25, true));
    cmdStampaScala = makeButton(this, QStringLiteral("cmdStampaScala"), {4440, 4980, 1215, 420}, tr("stampa"), arial(11.25, true));
    cmdScala = makeButton(this, QStringLiteral("cmdScala"), {6000, 4980, 1215, 420}, tr("calcola"), arial(11.25, true));
    // The calibration beside the quick check, under the sensor options, where the design leaves room.
    cmdTaratura = makeButton(this, QStringLiteral("cmdTaratura"), {2040, 5220, 2280, 360}, tr("taratura..."), arial(9.75));
    cmdTaratura->setToolTip(tr("Taratura del sensore con un riferimento di pressione: salita e discesa, incertezza, come trovato e come lasciato (F6)"));
}

void ScalePanel::connectHandlers()
{
    connect(cmdScala, &QPushButton::clicked, this, [this] { CalcolaScala(); });
    connect(cmdBack, &QPushButton::clicked, this, &ScalePanel::backRequested);
    connect(cmdTaratura, &QPushButton::clicked, this, &ScalePanel::calibrationRequested);
    connect(cmdStampaScala, &QPushButton::clicked, this, [this] { StampaFoglioScala(); });
    m_sender = std::make_unique<PageSender>(m_platform, cmdStampaScala, tr("Stampa foglio scala"), true);
    new PrintMenu(m_platform, cmdStampaScala,
                  {[this] { sendSheet(Destination::DefaultPrinter); }, [this] { sendSheet(Destination::Preview); },
                   [this](const QString &printer) { sendSheet(Destination::Printer, printer); },
                   [this] { sendSheet(Destination::Pdf); }, {}, [this] {
                       if (m_openArchive)
                           m_openArchive();
                   },
                   [this] { WorkshopDialog::edit(m_platform, window()); },
                   [this] { InstrumentDialog::choose(m_platform, window()); }});
    for (int i = 0; i < 2; ++i) {
        connect(optADCScala[i], &QRadioButton::clicked, this, [this, i] { optADCScala_Click(i); });
        connect(optMedia[i], &QRadioButton::clicked, this, [this, i] { optMedia_Click(i); });
        connect(optSensoreTipo[i], &QRadioButton::clicked, this, [this, i] { optSensoreTipo_Click(i); });
    }
    // The check holds what the panel shows, however it got there (typed,
    // pasted, read from the meter, an option chosen with the keyboard).
    connect(optADCScala[1], &QRadioButton::toggled, this, [this](bool on) {
        m_check.setBits12(on);
        showVerdict();
    });
    connect(optMedia[0], &QRadioButton::toggled, this, [this](bool on) {
        m_check.setAutomaticAverage(on);
        showVerdict();
    });
    connect(optSensoreTipo[1], &QRadioButton::toggled, this, [this](bool on) {
        m_check.setDenso(on);
        showVerdict();
    });
    for (int i = 0; i < 6; ++i) {
        gridField(txtBarScala[i]);
        gridField(txtADCValue[i]);
        connect(txtBarScala[i], &QLineEdit::textChanged, this, [this, i](const QString &t) {
            m_check.setBar(i, t.toStdString());
            showVerdict();
        });
        connect(txtADCValue[i], &QLineEdit::textChanged, this, [this, i](const QString &t) {
            m_check.setAdc(i, t.toStdString());
            showVerdict();
        });
        // Typed over (or pasted), a reading is no more the meter's.
        connect(txtADCValue[i], &QLineEdit::textEdited, this, [this, i] { m_check.setSource(i, {}); });
    }
    connect(txtScalaMedia, &QLineEdit::textChanged, this, [this](const QString &t) {
        m_check.setAverage(t.toStdString());
        showVerdict();
    });
    // A digit typed over the automatic average switches to the manual one,
    // whose click selects the text, so the digit replaces the old average.
    txtScalaMedia->onKeyPress = [this](int &ch) {
        if (isDigitKey(ch) || ch == vbkey::Back) {
            if (!optMedia[1]->isChecked()) {
                optMedia[1]->setChecked(true);
                optMedia_Click(1);
            }
            return;
        }
        ch = 0;
    };
    txtScalaMedia->onLostFocus = [this] {
        if (txtScalaMedia->text().isEmpty())
            txtScalaMedia->setText(QStringLiteral("0"));
    };
}

void ScalePanel::gridField(TextBox *field)
{
    field->onGotFocus = [field] { field->selectWholeText(); };
    field->onLostFocus = [field] {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    };
    field->onKeyPress = [this](int &ch) {
        if (filterDigits(ch))
            CalcolaScala();
    };
}

std::vector<std::pair<int, QWidget *>> ScalePanel::tabOrder() const
{
    std::vector<std::pair<int, QWidget *>> order;
    for (int i = 0; i < 6; ++i) {
        order.emplace_back(34 + i, txtBarScala[i]);
        order.emplace_back(40 + i, txtADCValue[i]);
    }
    order.insert(order.end(), {{46, optADCScala[0]}, {47, optADCScala[1]}, {48, txtScalaMedia},
                               {49, optSensoreTipo[0]}, {50, optSensoreTipo[1]}, {51, optMedia[0]},
                               {52, optMedia[1]}, {53, cmdScala}, {54, cmdStampaScala}, {55, cmdBack},
                               {56, cmdTaratura}});
    return order;
}

void ScalePanel::setPrinterTooltip(const PrinterName &printer) { m_sender->setPrinterTooltip(printer); }

bool ScalePanel::takesReading(const QWidget *focus) const
{
    return std::find(txtADCValue.begin(), txtADCValue.end(), focus) != txtADCValue.end();
}

QString ScalePanel::countBeyond(int row, qint64 count, int maxCount) const
{
    return tr("Riga %1: il valore ADC %2 supera %3, il massimo del convertitore a %4 bit.")
        .arg(row)
        .arg(count)
        .arg(maxCount)
        .arg(maxCount == adcMaxCount(AdcResolution::Bits10) ? 10 : 12);
}

void ScalePanel::putReading(QWidget *focus, const MeterReading &reading)
{
    const double volts = reading.volts;
    auto *field = static_cast<TextBox *>(focus);
    const double mv = roundHalfEven(volts * 1000);
    const auto res = m_check.settings().bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
    const int count = mv < 0 || mv > 99999 ? -1 : adcCount(res, int(mv));
    if (count < 0) {
        m_platform.message(window(), tr("Il multimetro legge %1 V: non è una lettura di convertitore.").arg(QLocale().toString(volts, 'f', 3)),
                           tr("Multimetro"), MessageIcon::Exclamation);
        return;
    }
    // What calcola would refuse, in its words.
    if (count > adcMaxCount(res)) {
        const auto row = std::find(txtADCValue.begin(), txtADCValue.end(), field) - txtADCValue.begin();
        m_platform.message(window(), countBeyond(int(row), count, adcMaxCount(res)), tr("Multimetro"), MessageIcon::Exclamation);
        return;
    }
    // The count the converter would show, as if typed, and the meter it came from.
    const int row = int(std::find(txtADCValue.begin(), txtADCValue.end(), field) - txtADCValue.begin());
    field->setText(QString::number(count));
    field->selectWholeText();
    m_check.setSource(row, {ReadingSource::Meter, reading.vendor.toStdString(), reading.model.toStdString(), reading.serial.toStdString(),
                            QDateTime::currentMSecsSinceEpoch()});
    // (during a press of stampa it is the next check's: the page is decided)
    if (m_session)
        m_session->readingArrived(row);
}

void ScalePanel::optADCScala_Click(int) { CalcolaScala(); }

void ScalePanel::optMedia_Click(int index)
{
    if (index != 1)
        return;
    txtScalaMedia->setFocus(Qt::OtherFocusReason);
    txtScalaMedia->selectWholeText();
}

void ScalePanel::optSensoreTipo_Click(int index)
{
    for (auto *opt : optSensoreTipo)
        setBold(opt, false);
    setBold(optSensoreTipo[index], true);
}

void ScalePanel::showNominal(int bar)
{
    m_check.setNominalFullScale(bar);
    lblFondoNominale->setText(tr("Fondo scala nominale %1 bar").arg(bar));
    showVerdict();
}

void ScalePanel::showVerdict()
{
    if (!lblEsito)
        return;
    const Judgement j = judge(m_check, todaysRule());
    QString shown, why;
    QColor colour = Qt::black;
    if (j.outcome != Judgement::NoVerdict) {
        shown = j.passes() ? tr("Esito: CONFORME") : tr("Esito: NON CONFORME");
        colour = verdictColor(j.passes() ? Verdict::Green : Verdict::Red);
        QStringList rows;
        for (const auto &r : j.reasons)
            if (r.row > 0)
                rows << QString::number(r.row);
        if (!rows.isEmpty())
            why = tr("Righe fuori dai limiti: %1").arg(rows.join(QStringLiteral(", ")));
        else if (!j.nominalPasses)
            why = tr("La media è fuori dallo scostamento ammesso dal fondo scala nominale");
    } else if (m_check.stale()) {
        shown = tr("Esito: da ricalcolare");
        why = tr("Le letture o le impostazioni sono cambiate dopo l'ultimo calcolo");
    } else if (m_check.failed()) {
        shown = tr("Senza esito");
        why = tr("Il calcolo non è andato a buon fine");
    } else if (j.has(Judgement::Reason::AverageUnreadable)) {
        shown = tr("Senza esito");
        why = tr("La media non si legge come numero");
    } else if (j.has(Judgement::Reason::TooFewRows)) {
        shown = tr("Senza esito");
        why = tr("Righe calcolate: %1, ne servono almeno %2").arg(j.computedRows).arg(j.rule.minComputedRows);
    } else if (j.has(Judgement::Reason::NoRowHighEnough)) {
        shown = tr("Senza esito");
        why = tr("Nessuna riga calcolata a %1 bar o più").arg(qRound64(j.rule.minTopShare * j.nominal));
    }
    lblEsito->setText(shown);
    setTextColor(lblEsito, colour);
    lblEsito->setToolTip(why);
    lblEsito->setAccessibleDescription(why);
}

void ScalePanel::CalcolaScala()
{
    const auto failures = m_check.compute(localeDecimalSeparator());
    showCheck();
    showVerdict();
    // The counts a converter cannot show, all of them in one message (a
    // switch to 10 bit finds them in every row at once).
    QStringList rows, counts;
    for (const auto &f : failures)
        if (f.kind == ScaleFailure::CountBeyond) {
            rows << QString::number(f.row);
            counts << QString::number(f.count);
        }
    bool beyondTold = false;
    for (const auto &f : failures) {
        if (f.kind == ScaleFailure::CountBeyond && std::exchange(beyondTold, true))
            continue;
        const QString text = f.kind == ScaleFailure::CountBeyond
            ? (rows.size() == 1 ? countBeyond(f.row, f.count, f.maxCount)
                                : tr("Righe %1: i valori ADC %2 superano %3, il massimo del convertitore a %4 bit.")
                                      .arg(rows.join(QStringLiteral(", ")), counts.join(QStringLiteral(", ")))
                                      .arg(f.maxCount)
                                      .arg(f.maxCount == adcMaxCount(AdcResolution::Bits10) ? 10 : 12))
            : f.divisionByZero() ? tr("Errore di calcolo ")
                                 : tr("Errore %1  %2").arg(f.number).arg(coreText(f.description));
        m_platform.message(window(), text, tr(kTitle),
                           f.kind == ScaleFailure::CountBeyond ? MessageIcon::Exclamation : MessageIcon::Critical);
    }
}

void ScalePanel::showCheck()
{
    const ScaleGrid &grid = m_check.grid();
    for (int i = 0; i < kScaleRows; ++i) {
        txtBarScala[i]->setText(QString::fromStdString(grid.bar[i]));
        txtADCValue[i]->setText(QString::fromStdString(grid.adc[i]));
        lblMvoltScala[i]->setText(QString::fromStdString(grid.mvolt[i]));
        lblScalaOttenuta[i]->setText(QString::fromStdString(grid.scala[i]));
        lblLinearita[i]->setText(QString::fromStdString(grid.linearita[i]));
        lblScostamento[i]->setText(QString::fromStdString(grid.scostamento[i]));
        setTextColor(lblLinearita[i], verdictColor(grid.linearitaColor[i]));
        setTextColor(lblScostamento[i], verdictColor(grid.scostamentoColor[i]));
    }
    txtScalaMedia->setText(QString::fromStdString(grid.media));
}

void ScalePanel::StampaFoglioScala()
{
    sendSheet(Destination::DefaultPrinter);
}

void ScalePanel::sendSheet(Destination where, const QString &printer)
{
    if (m_session)
        m_session->start(m_check, *m_sender, where, printer);
}

bool ScalePanel::numbering() const { return m_session && m_session->numbering(); }

void ScalePanel::setArchive(std::function<ArchiveService *()> archive, std::function<void()> openArchive)
{
    delete m_session;
    m_session = new CheckSession(m_platform, window(), std::move(archive));
    m_openArchive = std::move(openArchive);
}

} // namespace dravino
