#include "ui/MainPanel.h"

#include "core/WholeNumber.h"
#include "ui/Build.h"
#include "ui/CalculatorModel.h"
#include "ui/Numbers.h"
#include "ui/Platform.h"
#include "ui/PrintBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace dravino {

namespace {
const QColor kSecondOutputGreen(27, 114, 37);
constexpr int kMvoltUpperStep = 4900;
constexpr int kPressureUpperStep = 3100;

const char *const kPictureTooltips[] = {
    QT_TRANSLATE_NOOP("dravino::MainPanel", "Sensore 04L906054 VW"),
    QT_TRANSLATE_NOOP("dravino::MainPanel", "Sensore Denso 45PP3-1 a 1 via"),
    QT_TRANSLATE_NOOP("dravino::MainPanel", "Sensore Denso 89458-60010 a due vie"),
    QT_TRANSLATE_NOOP("dravino::MainPanel", "Sensore Bosch 0281006158"),
};
} // namespace

MainPanel::MainPanel(Platform &platform, CalculatorModel &model, QWidget *parent)
    : QGroupBox(parent), m_platform(platform), m_model(model)
{
    setObjectName(QStringLiteral("fraMain"));
    setAccessibleName(tr("Calcolatore pressione/tensione"));
    setFont(calibri(9.75));
    setAutoFillBackground(true);
    buildControls();
    connectHandlers();
}

void MainPanel::buildControls()
{
    // Focus frames first, so that they lie behind the fields they frame.
    shaMillivolt = new RectShape(this, 3);
    shaMillivolt->setObjectName(QStringLiteral("shaMillivolt"));
    shaMillivolt->setBorderColor(designColor(kMagenta));
    shaPressione = new RectShape(this, 3);
    shaPressione->setObjectName(QStringLiteral("shaPressione"));
    shaPressione->setBorderColor(designColor(kButtonFace));

    const QFont entryFont = calibri(14.25, true);
    const QFont headingFont = arialBlack(11.25);
    lblLabel[0] = makeLabel(this, elementName("lblLabel", 0), {360, 225, 1335, 315}, tr("mVolt 1"), headingFont);
    txtMvolt1 = makeTextBox(this, QStringLiteral("txtMvolt1"), {360, 600, 1335, 495}, QStringLiteral("500"), entryFont, 4);
    setTextColor(txtMvolt1, kDarkGreen);
    setBackColor(txtMvolt1, kWhite);
    // While the meter reads into mVolt 1 live, a mark in the field says so.
    m_liveMark = new QLabel(QStringLiteral("●"), txtMvolt1);
    m_liveMark->setObjectName(QStringLiteral("lblLettura"));
    m_liveMark->setStyleSheet(QStringLiteral("color: #dc0000"));
    m_liveMark->setToolTip(tr("Lettura continua dal multimetro"));
    m_liveMark->adjustSize();
    m_liveMark->move(txtMvolt1->width() - m_liveMark->width() - 3, 1);
    m_liveMark->hide();
    lblLabel[1] = makeLabel(this, elementName("lblLabel", 1), {360, 1320, 1335, 315}, tr("mVolt 2"), headingFont);
    txtMvolt2 = makeTextBox(this, QStringLiteral("txtMvolt2"), {360, 1695, 1335, 495}, QString(), entryFont, 0);
    txtMvolt2->setReadOnly(true);
    setTextColor(txtMvolt2, kDarkGreen);
    setBackColor(txtMvolt2, kButtonFace);
    lblLabel[2] = makeLabel(this, elementName("lblLabel", 2), {360, 2625, 1335, 315}, tr("Pressione"), headingFont);
    lblLabel[2]->setToolTip(tr("Sensata explain"));
    lblLabel[2]->setAccessibleDescription(tr("Sensata explain: due clic, o F3"));
    txtPressione = makeTextBox(this, QStringLiteral("txtPressione"), {360, 3000, 1335, 495}, QStringLiteral("0"), entryFont, 4);
    setTextColor(txtPressione, kRed);
    cmdZeroBar = makeButton(this, QStringLiteral("cmdZeroBar"), {360, 3600, 1335, 345}, tr("SET 0 bar"), calibri(9.75));
    cmdZeroBar->setToolTip(tr("Gestione deriva di start"));
    // The addresses are the build's: none where it gives none.
    const QString mail = m_platform.makerMail(), web = m_platform.makerWeb();
    lblMail = makeLabel(this, QStringLiteral("lblMail"), {300, 4320, 1515, 240}, mail, calibri(9.75, true));
    lblMail->setToolTip(tr("fammi sapere se ti piace..."));
    setTextColor(lblMail, kBlue);
    // Reachable from the keyboard too: Enter or Space opens the mail.
    lblMail->setFocusPolicy(Qt::TabFocus);
    lblMail->setAccessibleName(tr("Scrivi all'autore"));
    lblMail->setAccessibleDescription(mail);

    fraOpt = makeFrame(this, QStringLiteral("fraOpt"), {360, 4620, 1335, 855}, QString(), calibri(8.25));
    fraOpt->setAccessibleName(tr("Risoluzione ADC"));
    optADCBit[0] = makeOption(fraOpt, elementName("optADCBit", 0), {0, 120, 1215, 315}, tr("ADC 10 bit"), calibri(9.75));
    optADCBit[1] = makeOption(fraOpt, elementName("optADCBit", 1), {0, 435, 1215, 315}, tr("ADC 12 bit"), calibri(9.75));
    optADCBit[0]->setChecked(true);

    lblLabel[4] = makeLabel(this, elementName("lblLabel", 4), {2160, 225, 1815, 375}, tr("SCALA (bar)"), headingFont);
    lblLabel[4]->setToolTip(tr("Scala e linearità"));
    lblLabel[4]->setAccessibleDescription(tr("Scala e linearità: due clic, o F2"));
    cboScala = makeList(this, QStringLiteral("cboScala"), {2280, 600, 1575, 465}, calibri(14.25));

    const Twips picturePlaces[] = {{2280, 1680, 1350, 2130}, {2280, 1680, 1350, 2130},
                                   {2280, 1680, 1440, 2130}, {2280, 1560, 1275, 2130}};
    for (int i = 0; i < 4; ++i) {
        auto *img = named(new QLabel(this), elementName("imgSensore", i), picturePlaces[i]);
        img->setPixmap(picture(QStringLiteral("sensore%1").arg(i)));
        img->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        img->setToolTip(tr(kPictureTooltips[i]));
        img->setAccessibleName(tr("Foto del sensore"));
        imgSensore[i] = img;
    }

    lblLabel[3] = makeLabel(this, elementName("lblLabel", 3), {2400, 4425, 1095, 315}, tr("ADC"), headingFont);
    txtADC = makeTextBox(this, QStringLiteral("txtADC"), {2280, 4800, 1335, 495}, QStringLiteral("0"), entryFont, 4);
    txtADC->setToolTip(tr("Valore di una conversione digital"));

    picLogo = named(new PictureBox(this), QStringLiteral("picLogo"), {4560, 540, 510, 510});
    picLogo->setPixmap(picture(QStringLiteral("dravino")));
    picLogo->setToolTip(web);
    picLogo->setFocusPolicy(Qt::TabFocus);
    picLogo->setAccessibleName(tr("Sito del produttore"));
    picLogo->setAccessibleDescription(web);
    picLogo->setRaised3D(false);

    cmdCalcola = makeButton(this, QStringLiteral("cmdCalcola"), {5760, 520, 1455, 550}, tr("Calcola"), arial(11.25, true));

    fraSensore = makeFrame(this, QStringLiteral("fraSensore"), {4200, 1200, 3015, 1695}, tr("Tipo di sensore"), calibri(12, true));
    const Twips familyPlaces[] = {{240, 420, 2655, 375}, {240, 780, 1695, 375}, {240, 1140, 1695, 375}};
    for (int i = 0; i < 3; ++i)
        optSensore[i] = makeOption(fraSensore, elementName("optSensore", i), familyPlaces[i],
                                   CalculatorModel::familyName(SensorType(i)), arial(11.25));
    optSensore[0]->setChecked(true);

    printBox = new PrintBox(m_model, m_platform, this);

    nameAfter(txtMvolt1, lblLabel[0]);
    nameAfter(txtMvolt2, lblLabel[1]);
    nameAfter(txtPressione, lblLabel[2]);
    nameAfter(txtADC, lblLabel[3]);
    nameAfter(cboScala, lblLabel[4]);
}

void MainPanel::connectHandlers()
{
    for (int i = 0; i < int(lblLabel.size()); ++i) {
        lblLabel[i]->onMouseDown = [this, i] { lblLabel_MouseDown(i); };
        lblLabel[i]->onMouseUp = [this, i] { lblLabel_MouseUp(i); };
    }
    // The print box's headings are labels of the same array.
    connect(printBox, &PrintBox::headingReleased, this, &MainPanel::headingReleased);
    picLogo->onMouseDown = [this] { picLogo_MouseDown(); };
    picLogo->onMouseUp = [this] { picLogo_MouseUp(); };
    lblMail->onMouseUp = [this] { emit mailReleased(); };
    connect(cmdCalcola, &QPushButton::clicked, this, [this] { cmdCalcola_Click(); });
    connect(cmdZeroBar, &QPushButton::clicked, this, [this] { cmdZeroBar_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(optSensore[i], &QRadioButton::clicked, this, [this, i] { optSensore_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(optADCBit[i], &QRadioButton::clicked, this, [this, i] { optADCBit_Click(i); });
    // activated comes for every choice from the list, also of the current entry.
    connect(cboScala, &QComboBox::activated, this, [this] { cboScala_Click(); });
    // Text typed into the list that is no entry chooses nothing: on Enter and
    // on leaving, the list shows again the entry the numbers use.
    connect(cboScala->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (cboScala->findText(cboScala->currentText(), Qt::MatchExactly) < 0)
            cboScala->setEditText(fullScaleText());
    });

    connect(txtMvolt1, &QLineEdit::textChanged, &m_model, &CalculatorModel::setVoltageText);
    connect(txtPressione, &QLineEdit::textChanged, &m_model, &CalculatorModel::setPressureText);
    txtMvolt1->onGotFocus = [this] { entryGotFocus(ConversionDirection::MillivoltToPressure); };
    txtMvolt1->onKeyPress = [this](int &ch) {
        // A key typed while the meter reads into the field stops it.
        if (m_live && ch != 0)
            emit liveInterrupted();
        entryKeyPress(txtMvolt1, ch);
    };
    txtMvolt1->onKeyDown = [this](int key) { entryKeyDown(txtMvolt1, key, kMvoltUpperStep); };
    txtPressione->onGotFocus = [this] { entryGotFocus(ConversionDirection::PressureToMillivolt); };
    txtPressione->onKeyPress = [this](int &ch) { entryKeyPress(txtPressione, ch); };
    txtPressione->onKeyDown = [this](int key) { entryKeyDown(txtPressione, key, kPressureUpperStep); };

    // The count field takes any key; Enter converts the count and stays.
    txtADC->onGotFocus = [this] { txtADC->selectWholeText(); };
    txtADC->onKeyPress = [this](int &ch) {
        if (ch != vbkey::Return)
            return;
        AdcToMvolt();
        ch = 0;
        focusTo(txtADC);
    };
}

std::vector<std::pair<int, QWidget *>> MainPanel::tabOrder() const
{
    auto order = std::vector<std::pair<int, QWidget *>>{
        {0, txtMvolt1},      {1, txtPressione},   {2, cmdZeroBar},     {3, optADCBit[0]},
        {4, optADCBit[1]},   {5, cboScala},       {6, txtADC},         {7, picLogo},
        {8, cmdCalcola},     {9, optSensore[0]},  {10, optSensore[1]}, {11, optSensore[2]},
        {25, txtMvolt2},     {26, lblMail}};
    const auto box = printBox->tabOrder();
    order.insert(order.end(), box.begin(), box.end());
    return order;
}

void MainPanel::focusFirst() { txtMvolt1->setFocus(Qt::OtherFocusReason); }

// The two headings that open a panel show a border while pressed.
void MainPanel::lblLabel_MouseDown(int index)
{
    if (index == 2 || index == 4)
        lblLabel[index]->setBorder(true);
}

void MainPanel::lblLabel_MouseUp(int index)
{
    if (index == 2 || index == 4)
        lblLabel[index]->setBorder(false);
    emit headingReleased(index, lblLabel[index]->lastReleaseTime());
}

void MainPanel::picLogo_MouseDown() { picLogo->setRaised3D(true); }

void MainPanel::picLogo_MouseUp()
{
    picLogo->setRaised3D(false);
    emit logoReleased();
}

int MainPanel::zeroMvolt() const { return m_model.zeroMv(); }
ConversionDirection MainPanel::calcDirection() const { return m_model.direction(); }
int MainPanel::fondoScala() const { return m_model.fullScale(); }
SensorType MainPanel::sensorType() const { return m_model.family(); }
AdcResolution MainPanel::adcResolution() const { return m_model.resolution(); }

QString MainPanel::fullScaleText() const { return cboScala->itemText(cboScala->currentIndex()); }

int MainPanel::value(const TextBox *field) const { return readInt16(field->text()).valueOr(0); }

void MainPanel::normalize(TextBox *field)
{
    if (!readInt16(field->text()).ok())
        field->setText(QStringLiteral("0"));
}

void MainPanel::focusTo(QWidget *w) { w->setFocus(Qt::OtherFocusReason); }

void MainPanel::message(const QString &text, const QString &title, MessageIcon icon)
{
    ++m_told;
    m_platform.message(window(), text, title, icon);
}

// ---- start-up -------------------------------------------------------------

void MainPanel::startSetZero() { setZero(500); }

void MainPanel::setZero(int mv)
{
    m_model.setZeroMv(mv);
    // The zero point the calculator uses now, beside the design's own words.
    const QString said = tr("Gestione deriva di start: zero in uso %1 mV").arg(mv);
    cmdZeroBar->setToolTip(said);
    cmdZeroBar->setAccessibleDescription(said);
}

void MainPanel::startSelectFamily() { selectSensore(0); }

void MainPanel::startShowStartPicture()
{
    for (int i = 0; i < 3; ++i)
        imgSensore[i]->setVisible(false);
    imgSensore[3]->setVisible(true);
}

void MainPanel::startSelectResolution() { selectADCBit(0); }

void MainPanel::startMarkDefaults()
{
    setBold(optSensore[0], true);
    setTextColor(optSensore[0], kRed);
    printBox->markStartDirection();
    optSensore[1]->setToolTip(tr("Sensori con scala compresa tra 2000 e 2500 bar"));
    optSensore[2]->setToolTip(tr("Sensore con scala 2200 bar"));
}

void MainPanel::startFitFocusFrames()
{
    for (auto [shape, field] : {std::pair{shaMillivolt, txtMvolt1}, std::pair{shaPressione, txtPressione}}) {
        const int m = px(30); // 30 twips on every side
        shape->setGeometry(field->geometry().adjusted(-m, -m, m, m));
        shape->setBorderColor(designColor(kButtonFace));
    }
}

void MainPanel::startFillFullScales()
{
    for (int scale : kFullScales)
        cboScala->addItem(QString::number(scale));
    selectScala(kDefaultFullScaleEntry);
}

void MainPanel::setPrinterTooltip(const PrinterName &printer) { printBox->setPrinterTooltip(printer); }

// ---- selections from code --------------------------------------------------

void MainPanel::selectSensore(int index)
{
    optSensore[index]->setChecked(true);
    optSensore_Click(index);
}

void MainPanel::selectScala(int index)
{
    cboScala->setCurrentIndex(index);
    cboScala_Click();
}

void MainPanel::selectADCBit(int index)
{
    optADCBit[index]->setChecked(true);
    optADCBit_Click(index);
}

// ---- Calculate -------------------------------------------------------------

void MainPanel::cmdCalcola_Click()
{
    // A focus move inside this run (a refused field takes the focus) sets the
    // direction for the next run, not for this one.
    const ConversionDirection direction = m_model.direction();
    normalize(txtMvolt1);
    normalize(txtPressione);
    const SensorType type = sensorType();
    const int mv = value(txtMvolt1);

    if (type == SensorType::BoschDelphiVdo && mv > family(type).voltageLimitMv) {
        warnAbout(RowWarning::MillivoltTooHigh);
        focusTo(txtMvolt1);
        txtMvolt1->setText(QStringLiteral("0"));
        return;
    }
    if (type == SensorType::DensoOneWay && mv > family(type).voltageLimitMv) {
        warnAbout(RowWarning::MillivoltTooHigh);
        focusTo(txtMvolt1);
    }
    if (type == SensorType::DensoTwoWay)
        setTextColor(txtMvolt2, mv > family(type).voltageLimitMv ? designColor(kRed) : kSecondOutputGreen);

    if (value(txtPressione) > m_model.fullScale() + 400) {
        warnAbout(RowWarning::PressureTooHigh);
        focusTo(txtPressione);
        txtPressione->setText(QStringLiteral("0"));
    }

    if (direction == ConversionDirection::MillivoltToPressure) {
        const int volts = value(txtMvolt1);
        if (!converts(direction, volts))
            return;
        txtPressione->clear();
        MvoltToBar(volts, m_model.fullScale());
        announceResult(txtMvolt1);
    } else {
        const int bar = value(txtPressione);
        if (!converts(direction, bar))
            return;
        txtMvolt1->clear();
        BarToMvolt(bar, m_model.fullScale());
        announceResult(txtPressione);
    }
}

void MainPanel::warnAbout(RowWarning warning)
{
    if (const auto said = calculatorWarning(warning))
        message(said->text, said->title, said->icon);
}

void MainPanel::MvoltToBar(int mv, int fullScale)
{
    const SensorType type = sensorType();
    cboScala->setToolTip(tr("coefficiente: ") + singleText(coefficient(type, fullScale)));
    const int bar = pressureFromVoltage(type, fullScale, m_model.zeroMv(), mv);
    if (type == SensorType::DensoTwoWay)
        txtMvolt2->setText(QString::number(value(txtMvolt1) + kSecondOutputOffsetMv));
    txtPressione->setText(QString::number(bar));
    showAdcCount(mv);
}

void MainPanel::BarToMvolt(int bar, int fullScale)
{
    const SensorType type = sensorType();
    const int mv = voltageFromPressure(type, fullScale, m_model.zeroMv(), bar);
    txtMvolt1->setText(QString::number(mv));
    if (type == SensorType::DensoTwoWay)
        txtMvolt2->setText(QString::number(mv + kSecondOutputOffsetMv));
    showAdcCount(mv);
}

// The field converted from describes the result, so that a screen reader
// hears it without the focus moving (Qt tells AT-SPI of the change).
void MainPanel::announceResult(TextBox *source)
{
    QString result = source == txtMvolt1 ? tr("Pressione %1 bar").arg(txtPressione->text())
                                         : tr("mVolt %1").arg(txtMvolt1->text());
    if (!txtMvolt2->text().isEmpty())
        result += tr(", mVolt 2 %1").arg(txtMvolt2->text());
    result += tr(", ADC %1").arg(txtADC->text());
    if (m_live && source == txtMvolt1)
        result = liveNote() + QStringLiteral(". ") + result;
    source->setAccessibleDescription(result);
}

QString MainPanel::liveNote() { return tr("Lettura continua dal multimetro: un tasto la ferma"); }

void MainPanel::showAdcCount(int mv)
{
    txtADC->setToolTip(singleText(adcCountExact(adcResolution(), mv)));
    txtADC->setText(QString::number(adcCount(adcResolution(), mv)));
}

// ---- family, full scale, resolution ---------------------------------------------

void MainPanel::optSensore_Click(int index)
{
    for (auto *opt : optSensore) {
        setTextColor(opt, kBlack);
        setBold(opt, false);
    }
    const auto type = static_cast<SensorType>(index);
    m_model.chooseFamily(type); // the print box follows: no table of a two-output sensor

    setZero(family(type).nominalZeroMv);
    txtMvolt1->setText(QString::number(m_model.zeroMv()));
    if (type == SensorType::DensoTwoWay) {
        selectScala(family(type).fullScaleEntry);
        setBackColor(txtMvolt2, kWindowBackground);
        txtMvolt2->setText(QString::number(value(txtMvolt1) + kSecondOutputOffsetMv));
    } else {
        setBackColor(txtMvolt2, kButtonFace);
        if (type == SensorType::DensoOneWay)
            selectScala(family(type).fullScaleEntry);
        txtMvolt2->clear();
    }
    for (int i = 0; i < 4; ++i)
        imgSensore[i]->setVisible(i == index);
    imgSensore[index]->raise();

    setBold(optSensore[index], true);
    setTextColor(optSensore[index], kRed);
    cmdCalcola_Click();
}

void MainPanel::cboScala_Click()
{
    const int entry = cboScala->currentIndex();
    if (entry < 0)
        return;
    const QString scaleText = cboScala->itemText(entry);
    // The print box takes it as the table's last value and recounts.
    m_model.chooseFullScale(readInt16(scaleText).valueOr(0));
    if (value(txtPressione) > m_model.fullScale())
        txtPressione->setText(scaleText);
    cmdCalcola_Click();
}

void MainPanel::optADCBit_Click(int index)
{
    for (auto *opt : optADCBit)
        setTextColor(opt, kButtonText);
    setTextColor(optADCBit[index], kBlue);
    m_model.setResolution(index == 0 ? AdcResolution::Bits10 : AdcResolution::Bits12);
    cmdCalcola_Click();
    txtADC->setToolTip(index != 0 ? tr("Valore compreso tra 0 e 4095")
                                  : tr("Valore compreso tra 0 e 1023"));
    // The tooltip turns into the last count; a screen reader keeps the range.
    txtADC->setAccessibleDescription(txtADC->toolTip());
}

// ---- converter count and zero point ----------------------------------------------

void MainPanel::AdcToMvolt()
{
    const AdcResolution res = adcResolution();
    const auto typed = parseDecimal(toAscii(txtADC->text()), localeDecimalSeparator());
    // Text that is no count, or one beyond what the field can mean, gets the
    // range message like a count above the converter's highest.
    if (!typed || *typed > adcMaxCount(res) || roundHalfEven(*typed) < -32768) {
        message(tr("Valore di ADC troppo alto"),
                res == AdcResolution::Bits10 ? tr("Calcolo ADC a 10 bit")
                                             : tr("Calcolo ADC a 12 bit"),
                MessageIcon::Information);
        focusTo(txtADC);
        return;
    }
    const int count = int(roundHalfEven(*typed));
    txtMvolt1->setText(QString::number(voltageFromAdcCount(res, count)));
    focusTo(txtMvolt1);
    m_model.setDirection(ConversionDirection::MillivoltToPressure);
    cmdCalcola_Click();
}

void MainPanel::cmdZeroBar_Click()
{
    const auto v = readInt16(txtMvolt1->text());
    if (v.ok() && v.value > 400 && v.value < 1200) {
        setZero(v.value);
        txtPressione->setText(QStringLiteral("0"));
        return;
    }
    message(tr(" Il valore di tensione deve essere\r\n compreso tra 400 e 1200 mVolt"),
            tr("Zero Bar"), MessageIcon::Information);
}

// ---- the two entry fields -------------------------------------------------------

void MainPanel::entryGotFocus(ConversionDirection d)
{
    const bool voltage = d == ConversionDirection::MillivoltToPressure;
    m_model.setDirection(d);
    (voltage ? shaPressione : shaMillivolt)->setBorderColor(designColor(kButtonFace));
    (voltage ? shaMillivolt : shaPressione)->setBorderColor(designColor(kMagenta));
    setBold(lblLabel[voltage ? 2 : 0], false);
    setBold(lblLabel[voltage ? 0 : 2], true);
    (voltage ? txtMvolt1 : txtPressione)->selectWholeText();
}

void MainPanel::entryKeyPress(TextBox *field, int &ch)
{
    if (!filterDigits(ch))
        return;
    cmdCalcola_Click();
    // Reading after reading: the next one typed replaces this one, as when
    // the field takes the focus (where no message took the focus away).
    if (field->hasFocus())
        field->selectWholeText();
}

bool MainPanel::takesReading(const QWidget *focus) const { return focus == txtMvolt1; }

bool MainPanel::putReading(double volts)
{
    const int told = m_told;
    const double mv = roundHalfEven(volts * 1000);
    if (mv < 0 || mv > 9999) {
        message(tr("Il multimetro legge %1 V: il campo mVolt 1 prende da 0 a 9999 mV.").arg(QLocale().toString(volts, 'f', 3)),
                tr("Multimetro"), MessageIcon::Exclamation);
        return false;
    }
    // As if typed and entered: the limits, the messages, the colours.
    txtMvolt1->setFocus(Qt::OtherFocusReason);
    txtMvolt1->setText(QString::number(int(mv)));
    int enter = vbkey::Return;
    entryKeyPress(txtMvolt1, enter);
    return m_told == told;
}

void MainPanel::setLive(bool live)
{
    m_live = live;
    m_liveMark->setVisible(live);
    txtMvolt1->setAccessibleDescription(live ? liveNote() : QString());
}

void MainPanel::entryKeyDown(TextBox *field, int keyCode, int upperBound)
{
    const int v = value(field);
    if (keyCode == vbkey::PageUp || keyCode == vbkey::Up) {
        if (v < upperBound) {
            field->setText(QString::number(v + 1));
            cmdCalcola_Click();
        }
    } else if (keyCode == vbkey::PageDown || keyCode == vbkey::Down) {
        if (v > 0) {
            field->setText(QString::number(v - 1));
            cmdCalcola_Click();
        }
    }
}

} // namespace dravino
