// The main panel driven as a technician drives it: start-up, typing,
// Enter and the arrow keys, the families' limits and messages, the direction
// following the focus, the converter count, the zero point, panel switching
// and the two links.

#include "WindowFixture.h"
#include "ui/MainPanel.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QPushButton>

using dravino::MessageIcon;

Q_DECLARE_METATYPE(dravino::MessageIcon)

namespace {
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kSecondOutputGreen(27, 114, 37);
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void startUpState();
    void layoutFollowsTheDesign_data();
    void layoutFollowsTheDesign();
    void tabOrder();
    void inputsHaveAccessibleNames();
    void voltageToPressure_data();
    void voltageToPressure();
    void pressureToVoltage_data();
    void pressureToVoltage();
    void limitsAndMessages_data();
    void limitsAndMessages();
    void directionFollowsTheFocus();
    void focusMarksTheActiveField();
    void keyFilterKeepsDigits();
    void arrowKeys_data();
    void arrowKeys();
    void familyChoiceKeepsThePressureDirection();
    void fullScaleClampsThePressure();
    void chosenEntryRunsItsHandlerAgain();
    void pastedGarbageNeverEndsTheProgram_data();
    void pastedGarbageNeverEndsTheProgram();
    void longResultIsShownWhole();
    void converterCount_data();
    void converterCount();
    void countRefusals_data();
    void countRefusals();
    void switchingResolution();
    void zeroPointRange_data();
    void zeroPointRange();
    void conversionsFromANewZeroPoint_data();
    void conversionsFromANewZeroPoint();
    void familyChoiceDiscardsTheZeroPoint();
    void panelSwitching();
    void pressShowsTheBorder();
    void links_data();
    void links();
};

void TestWindow::startUpState()
{
    Window t;
    QCOMPARE(t.w->windowTitle(), QStringLiteral("Dravino 10/2024"));
    QVERIFY(!t.w->windowIcon().isNull());
    for (int i = 0; i < 3; ++i)
        QVERIFY(!t.get(QStringLiteral("imgSensore(%1)").arg(i))->isVisible());
    auto *photo = t.get(QStringLiteral("imgSensore(3)"));
    QVERIFY(photo->isVisible());
    QCOMPARE(photo->toolTip(), QStringLiteral("Sensore Bosch 0281006158"));
    auto *bosch = t.get<QRadioButton>(QStringLiteral("optSensore(0)"));
    QVERIFY(bosch->isChecked());
    QVERIFY(dravino::isBold(bosch));
    QCOMPARE(colorOf(bosch), kRed);
    QCOMPARE(t.get(QStringLiteral("optSensore(1)"))->toolTip(), QStringLiteral("Sensori con scala compresa tra 2000 e 2500 bar"));
    QCOMPARE(t.get(QStringLiteral("optSensore(2)"))->toolTip(), QStringLiteral("Sensore con scala 2200 bar"));
    QVERIFY(dravino::isBold(t.get(QStringLiteral("optStampa(0)"))));
    QVERIFY(!dravino::isBold(t.get(QStringLiteral("optStampa(1)"))));
    // The resolution is selected from code like every option: it shows in blue.
    QCOMPARE(colorOf(t.get(QStringLiteral("optADCBit(0)"))), kBlue);
    QCOMPARE(t.text(QStringLiteral("cboScala")), QStringLiteral("2000"));
    QCOMPARE(t.get<QComboBox>(QStringLiteral("cboScala"))->count(), 17);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("500"));
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("0"));
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("102"));
    QCOMPARE(t.get(QStringLiteral("txtADC"))->toolTip(), QStringLiteral("102,3"));
    QCOMPARE(t.get(QStringLiteral("cboScala"))->toolTip(), QStringLiteral("coefficiente: 0,5"));
    QCOMPARE(t.text(QStringLiteral("txtStampaA")), QStringLiteral("2000"));
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("76 valori di stampa"));
    QCOMPARE(t.text(QStringLiteral("cboSensata(0)")), QStringLiteral("MY"));
    QCOMPARE(t.text(QStringLiteral("lblSensata(7)")), QStringLiteral("Made in MALAYSIA"));
    QCOMPARE(t.text(QStringLiteral("cboSensata(1)")), QString());
    QCOMPARE(t.text(QStringLiteral("lblSensata(8)")), QString());
    QCOMPARE(t.text(QStringLiteral("lblSensata(0)")), QStringLiteral("Numero sul sensore"));
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(), QStringLiteral("Stampa su PDF; porta cups-pdf:/"));
    QCOMPARE(t.get(QStringLiteral("cmdStampaScala"))->toolTip(), QStringLiteral("Stampa su PDF; porta cups-pdf:/"));
    QCOMPARE(t.platform.printerQueries, 1);
    QVERIFY(t.get(QStringLiteral("fraMain"))->isEnabled());
    QVERIFY(!t.get(QStringLiteral("fraSecondary"))->isEnabled());
    QVERIFY(!t.get(QStringLiteral("fraSensata"))->isEnabled());
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtMvolt1")));
    QCOMPARE(t.w->mainPanel().calcDirection(), 0);
    QCOMPARE(t.w->mainPanel().zeroMvolt(), 500);
    QCOMPARE(t.w->mainPanel().fondoScala(), 2000);
    QVERIFY(dravino::isBold(t.get(QStringLiteral("lblLabel(0)"))));
    QVERIFY(!dravino::isBold(t.get(QStringLiteral("lblLabel(2)"))));
    QCOMPARE(t.get<dravino::RectShape>(QStringLiteral("shaMillivolt"))->borderColor(), QColor(255, 0, 255));
    QCOMPARE(t.get<dravino::RectShape>(QStringLiteral("shaPressione"))->borderColor(),
             dravino::designColor(dravino::kButtonFace));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::layoutFollowsTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption");
    // Twips / 15, relative to the container.
    QTest::newRow("fraMain") << "fraMain" << QRect(16, 8, 497, 377) << "";
    QTest::newRow("txtMvolt1") << "txtMvolt1" << QRect(24, 40, 89, 33) << "500";
    QTest::newRow("shaMillivolt") << "shaMillivolt" << QRect(22, 38, 93, 37) << "";
    QTest::newRow("shaPressione") << "shaPressione" << QRect(22, 198, 93, 37) << "";
    QTest::newRow("cmdCalcola") << "cmdCalcola" << QRect(384, 35, 97, 37) << "Calcola";
    QTest::newRow("optSensore(2)") << "optSensore(2)" << QRect(16, 76, 113, 25) << "Denso 2 vie";
    QTest::newRow("lblValStampa") << "lblValStampa" << QRect(16, 132, 129, 17) << "";
    QTest::newRow("txtBarScala(5)") << "txtBarScala(5)" << QRect(16, 216, 51, 28) << "2000";
    QTest::newRow("lblScostamento(0)") << "lblScostamento(0)" << QRect(416, 56, 65, 28) << "0";
    QTest::newRow("cmdScala") << "cmdScala" << QRect(400, 332, 81, 28) << "calcola";
    QTest::newRow("txtSensataCode") << "txtSensataCode" << QRect(24, 64, 161, 30) << "13136421110";
    QTest::newRow("Picture3") << "Picture3" << QRect(136, 232, 199, 134) << "";
}

void TestWindow::layoutFollowsTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    Window t;
    QCOMPARE(t.w->size(), QSize(528, 398));
    QCOMPARE(t.get(name)->geometry(), pixels);
    if (auto *b = t.w->findChild<QAbstractButton *>(name))
        QCOMPARE(b->text(), caption);
    else if (auto *e = t.w->findChild<QLineEdit *>(name))
        QCOMPARE(e->text(), caption);
}

void TestWindow::tabOrder()
{
    Window t;
    const QStringList expected{"txtPressione", "cmdZeroBar", "optADCBit(0)"};
    for (const auto &name : expected) {
        t.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestWindow::inputsHaveAccessibleNames()
{
    Window t;
    QList<QWidget *> inputs;
    for (auto *e : t.w->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget()))
            inputs << e;
    for (auto *c : t.w->findChildren<QComboBox *>())
        inputs << c;
    for (auto *o : t.w->findChildren<QRadioButton *>())
        inputs << o;
    QCOMPARE(inputs.size(), 21 + 3 + 13); // fields, lists, options
    for (auto *w : inputs) {
        auto *a = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
    // A list announces its value as its name on Linux, and its heading
    // through the label relation.
    auto *list = QAccessible::queryAccessibleInterface(t.get(QStringLiteral("cboScala")));
    const auto labels = list->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("SCALA (bar)"));
    const auto name = [&](const char *control) { return t.get(QString::fromUtf8(control))->accessibleName(); };
    QCOMPARE(name("txtMvolt1"), QStringLiteral("mVolt 1"));
    QCOMPARE(name("cboScala"), QStringLiteral("SCALA (bar)"));
    QCOMPARE(name("txtStep"), QStringLiteral("step"));
    QCOMPARE(name("txtADCValue(3)"), QStringLiteral("ADC"));
    QCOMPARE(name("txtSensataCode"), QStringLiteral("Numero sul sensore"));
    QCOMPARE(name("optMedia(1)"), QStringLiteral("media manuale"));
}

void TestWindow::voltageToPressure_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("scaleEntry");
    QTest::addColumn<QString>("mv");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("mv2");
    QTest::newRow("Bosch 2000 bar 4500 mV") << 0 << 7 << "4500" << "2000" << "921" << "";
    QTest::newRow("Bosch 2000 bar 501 mV") << 0 << 7 << "501" << "0" << "103" << "";
    QTest::newRow("Bosch 2000 bar 503 mV") << 0 << 7 << "503" << "2" << "103" << "";
    QTest::newRow("Bosch 2000 bar 400 mV") << 0 << 7 << "400" << "-50" << "82" << "";
    QTest::newRow("Bosch 1800 bar 4500 mV") << 0 << 6 << "4500" << "1800" << "921" << "";
    QTest::newRow("Denso 1 via 2000 bar 4200 mV") << 1 << 7 << "4200" << "2000" << "859" << "";
    QTest::newRow("Denso 2 vie 2200 bar 4000 mV") << 2 << 8 << "4000" << "2200" << "818" << "4500";
}

void TestWindow::voltageToPressure()
{
    QFETCH(int, family);
    QFETCH(int, scaleEntry);
    QFETCH(QString, mv);
    Window t;
    t.click(QStringLiteral("optSensore(%1)").arg(family));
    t.chooseEntry(QStringLiteral("cboScala"), scaleEntry);
    t.typeInto(QStringLiteral("txtMvolt1"), mv);
    t.key(Qt::Key_Return);
    QTEST(t.text(QStringLiteral("txtPressione")), "bar");
    QTEST(t.text(QStringLiteral("txtADC")), "adc");
    QTEST(t.text(QStringLiteral("txtMvolt2")), "mv2");
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), mv);
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtMvolt1")));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::pressureToVoltage_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("scaleEntry");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("mv");
    QTest::addColumn<QString>("mv2");
    QTest::newRow("Bosch 2000 bar 1000 bar") << 0 << 7 << "1000" << "2500" << "";
    QTest::newRow("Bosch 2000 bar 2400 bar") << 0 << 7 << "2400" << "5300" << "";
    QTest::newRow("Bosch 1800 bar 900 bar") << 0 << 6 << "900" << "2500" << "";
    QTest::newRow("Bosch 1800 bar 1 bar") << 0 << 6 << "1" << "502" << "";
    QTest::newRow("Denso 1 via 2000 bar") << 1 << 7 << "2000" << "4200" << "";
    QTest::newRow("Denso 2 vie 2200 bar") << 2 << 8 << "2200" << "4000" << "4500";
}

void TestWindow::pressureToVoltage()
{
    QFETCH(int, family);
    QFETCH(int, scaleEntry);
    QFETCH(QString, bar);
    Window t;
    t.click(QStringLiteral("optSensore(%1)").arg(family));
    t.chooseEntry(QStringLiteral("cboScala"), scaleEntry);
    t.typeInto(QStringLiteral("txtPressione"), bar);
    t.key(Qt::Key_Return);
    QTEST(t.text(QStringLiteral("txtMvolt1")), "mv");
    QTEST(t.text(QStringLiteral("txtMvolt2")), "mv2");
    QCOMPARE(t.w->mainPanel().calcDirection(), 1);
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::limitsAndMessages_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("mv");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("focus");
    const QString mvText = QStringLiteral("Valore di milliVolt troppo alto.   ");
    const QString barText = QStringLiteral("Valore di pressione introdotto troppo alto.  ");
    QTest::newRow("Bosch 5001 mV: reset, pressure kept")
        << 0 << "txtMvolt1" << "5001" << mvText << "milliVolt" << MessageIcon::Information << "0" << "0" << "txtMvolt1";
    QTest::newRow("Bosch 5000 mV passes")
        << 0 << "txtMvolt1" << "5000" << "" << "" << MessageIcon::Information << "5000" << "2250" << "txtMvolt1";
    QTest::newRow("Denso 1 via 4800 mV: warned, converted")
        << 1 << "txtMvolt1" << "4800" << mvText << "milliVolt" << MessageIcon::Information << "4800" << "2375" << "txtMvolt1";
    QTest::newRow("Bosch 2401 bar: pressure 0, voltage 500")
        << 0 << "txtPressione" << "2401" << barText << "Calcola pressione" << MessageIcon::Critical << "500" << "0" << "txtPressione";
    QTest::newRow("Bosch 0 mV converts nothing")
        << 0 << "txtMvolt1" << "0" << "" << "" << MessageIcon::Information << "0" << "0" << "txtMvolt1";
}

void TestWindow::limitsAndMessages()
{
    QFETCH(int, family);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Window t;
    t.click(QStringLiteral("optSensore(%1)").arg(family));
    t.chooseEntry(QStringLiteral("cboScala"), 7);
    t.typeInto(field, typed);
    t.key(Qt::Key_Return);
    if (message.isEmpty()) {
        QVERIFY(t.platform.messages.isEmpty());
    } else {
        QCOMPARE(t.platform.messages.size(), 1);
        QCOMPARE(t.platform.messages[0].text, message);
        QTEST(t.platform.messages[0].title, "title");
        QTEST(t.platform.messages[0].icon, "icon");
    }
    QTEST(t.text(QStringLiteral("txtMvolt1")), "mv");
    QTEST(t.text(QStringLiteral("txtPressione")), "bar");
    QTEST(QApplication::focusWidget()->objectName(), "focus");
}

void TestWindow::directionFollowsTheFocus()
{
    Window t;
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("1000"));
    t.click(QStringLiteral("cmdCalcola"));
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("2500"));
    // Back into the voltage field: Enter converts voltage to pressure.
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("4500"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("2000"));
    QCOMPARE(t.w->mainPanel().calcDirection(), 0);
    // Leaving a field for a button or an option keeps its direction.
    t.click(QStringLiteral("txtPressione"));
    t.click(QStringLiteral("optADCBit(1)"));
    QCOMPARE(t.w->mainPanel().calcDirection(), 1);
}

void TestWindow::focusMarksTheActiveField()
{
    Window t;
    t.click(QStringLiteral("txtPressione"));
    QCOMPARE(t.get<dravino::RectShape>(QStringLiteral("shaPressione"))->borderColor(), QColor(255, 0, 255));
    QCOMPARE(t.get<dravino::RectShape>(QStringLiteral("shaMillivolt"))->borderColor(),
             dravino::designColor(dravino::kButtonFace));
    QVERIFY(dravino::isBold(t.get(QStringLiteral("lblLabel(2)"))));
    QVERIFY(!dravino::isBold(t.get(QStringLiteral("lblLabel(0)"))));
    t.click(QStringLiteral("cmdZeroBar"));
    QVERIFY(dravino::isBold(t.get(QStringLiteral("lblLabel(2)"))));
    // Entering selects the whole text, so typing replaces it.
    t.enter(QStringLiteral("txtMvolt1"));
    QCOMPARE(t.edit(QStringLiteral("txtMvolt1"))->selectedText(), QStringLiteral("500"));
}

void TestWindow::keyFilterKeepsDigits()
{
    Window t;
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("4a5-,."));
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("45"));
    t.key(Qt::Key_Backspace);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("4"));
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("123456"));
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("1234"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("1234"));
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtMvolt1")));
}

void TestWindow::arrowKeys_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("scaleEntry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("messages");
    QTest::newRow("voltage 4899 up") << 0 << 7 << "txtMvolt1" << "4899" << int(Qt::Key_Up) << 1 << "4900" << "2200" << 0;
    QTest::newRow("voltage 4900 up stops") << 0 << 7 << "txtMvolt1" << "4899" << int(Qt::Key_PageUp) << 2 << "4900" << "2200" << 0;
    QTest::newRow("voltage 0 down stops") << 0 << 7 << "txtMvolt1" << "0" << int(Qt::Key_Down) << 1 << "0" << "0" << 0;
    QTest::newRow("voltage 1 down converts nothing") << 0 << 7 << "txtMvolt1" << "1" << int(Qt::Key_PageDown) << 1 << "0" << "0" << 0;
    QTest::newRow("Denso 4700 up warns every step") << 1 << 7 << "txtMvolt1" << "4700" << int(Qt::Key_Up) << 2 << "4702" << "2314" << 2;
    QTest::newRow("pressure 2400 up refused") << 0 << 7 << "txtPressione" << "2400" << int(Qt::Key_Up) << 1 << "0" << "500" << 1;
    QTest::newRow("pressure 3099 up at 3000 bar") << 0 << 16 << "txtPressione" << "3099" << int(Qt::Key_Up) << 2 << "3100" << "4633" << 0;
    QTest::newRow("empty field up") << 0 << 7 << "txtMvolt1" << "" << int(Qt::Key_Up) << 1 << "1" << "-250" << 0;
}

void TestWindow::arrowKeys()
{
    QFETCH(int, family);
    QFETCH(int, scaleEntry);
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    Window t;
    t.click(QStringLiteral("optSensore(%1)").arg(family));
    t.chooseEntry(QStringLiteral("cboScala"), scaleEntry);
    t.enter(field);
    t.edit(field)->setText(start);
    for (int i = 0; i < presses; ++i)
        t.key(Qt::Key(key));
    QTEST(t.text(field), "value");
    QTEST(t.text(field == QLatin1String("txtMvolt1") ? QStringLiteral("txtPressione") : QStringLiteral("txtMvolt1")), "other");
    QTEST(int(t.platform.messages.size()), "messages");
}

void TestWindow::familyChoiceKeepsThePressureDirection()
{
    Window t;
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("1000"));
    t.key(Qt::Key_Return);
    t.get<QRadioButton>(QStringLiteral("optSensore(1)"))->click();
    // Choosing the family puts 1000 mV in, then converts from the pressure.
    QCOMPARE(t.w->mainPanel().calcDirection(), 1);
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("1000"));
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("2600"));
    QCOMPARE(t.text(QStringLiteral("cboScala")), QStringLiteral("2000"));
    QCOMPARE(t.w->mainPanel().zeroMvolt(), 1000);
    QVERIFY(dravino::isBold(t.get(QStringLiteral("optSensore(1)"))));
    QCOMPARE(colorOf(t.get(QStringLiteral("optSensore(0)"))), QColor(0, 0, 0));
    QVERIFY(t.get(QStringLiteral("imgSensore(1)"))->isVisible());
    QVERIFY(!t.get(QStringLiteral("imgSensore(3)"))->isVisible());
    // Two outputs: the second shows, the print box is off.
    t.get<QRadioButton>(QStringLiteral("optSensore(2)"))->click();
    QCOMPARE(t.text(QStringLiteral("cboScala")), QStringLiteral("2200"));
    QCOMPARE(t.text(QStringLiteral("txtMvolt2")), QString::number(t.text(QStringLiteral("txtMvolt1")).toInt() + 500));
    QVERIFY(!t.get(QStringLiteral("fraStampa"))->isEnabled());
    QCOMPARE(dravino::backColor(t.get(QStringLiteral("txtMvolt2"))), dravino::designColor(dravino::kWindowBackground));
    t.get<QRadioButton>(QStringLiteral("optSensore(0)"))->click();
    QVERIFY(t.get(QStringLiteral("fraStampa"))->isEnabled());
    QCOMPARE(t.text(QStringLiteral("txtMvolt2")), QString());
    QCOMPARE(t.text(QStringLiteral("cboScala")), QStringLiteral("2200"));
}

void TestWindow::fullScaleClampsThePressure()
{
    Window t;
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("1950"));
    t.key(Qt::Key_Return);
    t.chooseEntry(QStringLiteral("cboScala"), 6); // 1800 bar
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("1800"));
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("4500"));
    QCOMPARE(t.text(QStringLiteral("txtStampaA")), QStringLiteral("1800"));
}

void TestWindow::chosenEntryRunsItsHandlerAgain()
{
    Window t;
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("4500"));
    t.edit(QStringLiteral("txtPressione"))->setText(QStringLiteral("7"));
    t.chooseEntry(QStringLiteral("cboScala"), 7); // already the current entry
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("2000"));
    // A 2-way sensor's second output in green, then red above 4400 mV.
    t.get<QRadioButton>(QStringLiteral("optSensore(2)"))->click();
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("4000"));
    t.key(Qt::Key_Return);
    QCOMPARE(colorOf(t.get(QStringLiteral("txtMvolt2"))), kSecondOutputGreen);
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("4401"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtMvolt2")), QStringLiteral("4901"));
    QCOMPARE(colorOf(t.get(QStringLiteral("txtMvolt2"))), kRed);
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::pastedGarbageNeverEndsTheProgram_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("letters in the voltage") << "txtMvolt1" << "abc";
    QTest::newRow("sign in the pressure") << "txtPressione" << "-5";
    QTest::newRow("separator in the voltage") << "txtMvolt1" << "1,5";
    QTest::newRow("unicode in the pressure") << "txtPressione" << "½€";
    QTest::newRow("blank in the count") << "txtADC" << " ";
}

void TestWindow::pastedGarbageNeverEndsTheProgram()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    Window t;
    QApplication::clipboard()->setText(pasted);
    t.enter(field);
    t.key(Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(t.text(field), pasted);
    t.key(Qt::Key_Return);
    t.key(Qt::Key_Up);
    t.click(QStringLiteral("cmdCalcola"));
    t.click(QStringLiteral("cmdZeroBar"));
    // Text that does not convert counts as an empty field: "0".
    for (const char *name : {"txtMvolt1", "txtPressione"}) {
        bool number = false;
        t.text(QString::fromLatin1(name)).toInt(&number);
        QVERIFY(number);
    }
}

void TestWindow::longResultIsShownWhole()
{
    // 150 bar full scale: 500 bar are 13833 mV, five digits in a 4-digit field.
    Window t;
    t.chooseEntry(QStringLiteral("cboScala"), 0);
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("500"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("13833"));
}

void TestWindow::converterCount_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("mv");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("countAfter");
    QTest::newRow("10 bit 1023") << 0 << "1023" << "5000" << "2250" << "1023";
    QTest::newRow("10 bit 512") << 0 << "512" << "2502" << "1001" << "512";
    QTest::newRow("10 bit 102 (-0.5 to 0 bar)") << 0 << "102" << "499" << "0" << "102";
    QTest::newRow("12 bit 4095") << 1 << "4095" << "5000" << "2250" << "4095";
    QTest::newRow("12 bit 1") << 1 << "1" << "1" << "-250" << "1";
    QTest::newRow("12 bit 0: no pressure") << 1 << "0" << "0" << "777" << "0";
    QTest::newRow("negative count: no pressure") << 0 << "-5" << "-24" << "777" << "-5";
}

void TestWindow::converterCount()
{
    QFETCH(int, resolution);
    QFETCH(QString, count);
    Window t;
    t.click(QStringLiteral("optADCBit(%1)").arg(resolution));
    t.edit(QStringLiteral("txtPressione"))->setText(QStringLiteral("777"));
    t.click(QStringLiteral("txtPressione")); // direction 1 before the count
    t.typeInto(QStringLiteral("txtADC"), count);
    t.key(Qt::Key_Return);
    QTEST(t.text(QStringLiteral("txtMvolt1")), "mv");
    QTEST(t.text(QStringLiteral("txtPressione")), "bar");
    QTEST(t.text(QStringLiteral("txtADC")), "countAfter");
    QCOMPARE(t.w->mainPanel().calcDirection(), 0);
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtADC")));
    QCOMPARE(t.edit(QStringLiteral("txtADC"))->selectedText(), t.text(QStringLiteral("txtADC")));
    // The count's voltage field took the focus on the way: it is the active one.
    QVERIFY(dravino::isBold(t.get(QStringLiteral("lblLabel(0)"))));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::countRefusals_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("title");
    QTest::newRow("10 bit 1024") << 0 << "1024" << "Calcolo ADC a 10 bit";
    QTest::newRow("12 bit 4096") << 1 << "4096" << "Calcolo ADC a 12 bit";
    QTest::newRow("empty") << 0 << "" << "Calcolo ADC a 10 bit";
    QTest::newRow("letters") << 1 << "abc" << "Calcolo ADC a 12 bit";
    QTest::newRow("beyond 16 bits") << 0 << "-99999" << "Calcolo ADC a 10 bit";
    QTest::newRow("fraction above the top") << 0 << "1023,6" << "Calcolo ADC a 10 bit";
}

void TestWindow::countRefusals()
{
    QFETCH(int, resolution);
    QFETCH(QString, count);
    Window t;
    t.click(QStringLiteral("optADCBit(%1)").arg(resolution));
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("100"));
    t.key(Qt::Key_Return);
    const QString mv = t.text(QStringLiteral("txtMvolt1"));
    t.enter(QStringLiteral("txtADC"));
    t.edit(QStringLiteral("txtADC"))->setText(count);
    t.key(Qt::Key_Return);
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Valore di ADC troppo alto"));
    QTEST(t.platform.messages[0].title, "title");
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Information);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), mv);
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("100"));
    QCOMPARE(t.w->mainPanel().calcDirection(), 1);
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtADC")));
}

void TestWindow::switchingResolution()
{
    Window t;
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("102"));
    t.click(QStringLiteral("optADCBit(1)"));
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("409"));
    QCOMPARE(t.get(QStringLiteral("txtADC"))->toolTip(), QStringLiteral("Valore compreso tra 0 e 4095"));
    QCOMPARE(colorOf(t.get(QStringLiteral("optADCBit(1)"))), kBlue);
    QCOMPARE(colorOf(t.get(QStringLiteral("optADCBit(0)"))), dravino::designColor(dravino::kButtonText));
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("2500"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("2047"));
    t.click(QStringLiteral("optADCBit(0)"));
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("512"));
    QCOMPARE(t.get(QStringLiteral("txtADC"))->toolTip(), QStringLiteral("Valore compreso tra 0 e 1023"));
}

void TestWindow::zeroPointRange_data()
{
    QTest::addColumn<QString>("mv");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("400 refused") << "400" << false;
    QTest::newRow("401 accepted") << "401" << true;
    QTest::newRow("1199 accepted") << "1199" << true;
    QTest::newRow("1200 refused") << "1200" << false;
    QTest::newRow("empty refused") << "" << false;
    QTest::newRow("letters refused") << "x" << false;
}

void TestWindow::zeroPointRange()
{
    QFETCH(QString, mv);
    QFETCH(bool, accepted);
    Window t;
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("100"));
    t.key(Qt::Key_Return);
    const QString countBefore = t.text(QStringLiteral("txtADC"));
    t.enter(QStringLiteral("txtMvolt1"));
    t.edit(QStringLiteral("txtMvolt1"))->setText(mv);
    t.click(QStringLiteral("cmdZeroBar"));
    if (accepted) {
        QVERIFY(t.platform.messages.isEmpty());
        QCOMPARE(t.w->mainPanel().zeroMvolt(), mv.toInt());
        QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("0"));
    } else {
        QCOMPARE(t.platform.messages.size(), 1);
        QCOMPARE(t.platform.messages[0].text,
                 QStringLiteral(" Il valore di tensione deve essere\r\n compreso tra 400 e 1200 mVolt"));
        QCOMPARE(t.platform.messages[0].title, QStringLiteral("Zero Bar"));
        QCOMPARE(t.platform.messages[0].icon, MessageIcon::Information);
        QCOMPARE(t.w->mainPanel().zeroMvolt(), 500);
        QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("100"));
    }
    // Nothing else moves: no Calculate, same count, same field in focus.
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), mv);
    QCOMPARE(t.text(QStringLiteral("txtADC")), countBefore);
    QCOMPARE(t.w->mainPanel().calcDirection(), 0);
}

void TestWindow::conversionsFromANewZeroPoint_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("zero");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    QTest::newRow("Bosch 540: 4500 mV") << 0 << "540" << "txtMvolt1" << "4500" << "1980" << "921";
    QTest::newRow("Bosch 540: 541 mV") << 0 << "540" << "txtMvolt1" << "541" << "0" << "111";
    QTest::newRow("Bosch 540: 1000 bar") << 0 << "540" << "txtPressione" << "1000" << "2540" << "520";
    QTest::newRow("Denso 950: 4200 mV") << 1 << "950" << "txtMvolt1" << "4200" << "2031" << "859";
    QTest::newRow("Denso 950: 2000 bar") << 1 << "950" << "txtPressione" << "2000" << "4150" << "849";
    QTest::newRow("Denso 540 accepted") << 1 << "540" << "txtMvolt1" << "3740" << "2000" << "765";
}

void TestWindow::conversionsFromANewZeroPoint()
{
    QFETCH(int, family);
    QFETCH(QString, zero);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    Window t;
    t.click(QStringLiteral("optSensore(%1)").arg(family));
    t.typeInto(QStringLiteral("txtMvolt1"), zero);
    t.click(QStringLiteral("cmdZeroBar"));
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("0"));
    t.typeInto(field, typed);
    t.key(Qt::Key_Return);
    QTEST(t.text(field == QLatin1String("txtMvolt1") ? QStringLiteral("txtPressione") : QStringLiteral("txtMvolt1")), "result");
    QTEST(t.text(QStringLiteral("txtADC")), "count");
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::familyChoiceDiscardsTheZeroPoint()
{
    Window t;
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("540"));
    t.click(QStringLiteral("cmdZeroBar"));
    t.chooseEntry(QStringLiteral("cboScala"), 6);
    QCOMPARE(t.w->mainPanel().zeroMvolt(), 540); // a full scale keeps it
    t.click(QStringLiteral("optSensore(1)"));
    QCOMPARE(t.w->mainPanel().zeroMvolt(), 1000);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("1000"));
    t.click(QStringLiteral("optSensore(0)"));
    QCOMPARE(t.w->mainPanel().zeroMvolt(), 500);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("500"));
}

void TestWindow::panelSwitching()
{
    Window t;
    auto release = [&](int index) {
        auto *label = t.get(QStringLiteral("lblLabel(%1)").arg(index));
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    };
    auto front = [&] {
        QStringList enabled;
        for (const char *p : {"fraMain", "fraSecondary", "fraSensata"})
            if (t.get(QString::fromLatin1(p))->isEnabled())
                enabled << QString::fromLatin1(p);
        return enabled.join(QLatin1Char(','));
    };
    release(4);
    release(2);
    QCOMPARE(front(), QStringLiteral("fraMain"));
    release(2);
    QCOMPARE(front(), QStringLiteral("fraSensata"));
    QCOMPARE(t.w->childAt(QPoint(264, 200))->objectName().isEmpty(), false);
    t.click(QStringLiteral("cmdSensataBack"));
    QCOMPARE(front(), QStringLiteral("fraMain"));
    // The first release on "SCALA (bar)" is still counted.
    release(4);
    QCOMPARE(front(), QStringLiteral("fraSecondary"));
    QCOMPARE(t.w->clickScala(), 0);
    t.click(QStringLiteral("cmdBack"));
    QCOMPARE(front(), QStringLiteral("fraMain"));
    // Other headings count nothing.
    for (int i : {0, 1, 3, 5, 6, 7})
        release(i);
    QCOMPARE(t.w->clickScala(), 0);
    QCOMPARE(t.w->clickSensata(), 0);
    QCOMPARE(front(), QStringLiteral("fraMain"));
    // Switching resets nothing.
    QCOMPARE(t.text(QStringLiteral("txtADC")), QStringLiteral("102"));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::pressShowsTheBorder()
{
    Window t;
    auto *scala = t.get<dravino::Label>(QStringLiteral("lblLabel(4)"));
    QTest::mousePress(scala, Qt::LeftButton);
    QVERIFY(scala->hasBorder());
    QTest::mouseRelease(scala, Qt::LeftButton);
    QVERIFY(!scala->hasBorder());
    QTest::mousePress(scala, Qt::RightButton);
    QVERIFY(scala->hasBorder());
    QTest::mouseRelease(scala, Qt::RightButton); // the release that opens the panel
    QVERIFY(!scala->hasBorder());
    QVERIFY(t.get(QStringLiteral("fraSecondary"))->isEnabled());
    auto *mv = t.get<dravino::Label>(QStringLiteral("lblLabel(0)"));
    QTest::mousePress(mv, Qt::LeftButton);
    QVERIFY(!mv->hasBorder());
}

void TestWindow::links_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shellResult");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("logo, left button") << "picLogo" << int(Qt::LeftButton) << dravino::kShellOk
                                       << dravino::kMakerWebAddress << "";
    QTest::newRow("logo, right button") << "picLogo" << int(Qt::RightButton) << dravino::kShellOk
                                        << dravino::kMakerWebAddress << "";
    QTest::newRow("logo, no browser") << "picLogo" << int(Qt::LeftButton) << dravino::kShellNoAssociation
                                      << dravino::kMakerWebAddress << "Errore 31";
    QTest::newRow("mail, right button") << "lblMail" << int(Qt::RightButton) << dravino::kShellOk
                                        << "mailto:lab@example.com" << "";
    QTest::newRow("mail, no mail program") << "lblMail" << int(Qt::LeftButton) << dravino::kShellNoAssociation
                                           << "mailto:lab@example.com" << "";
}

void TestWindow::links()
{
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(int, shellResult);
    QFETCH(QString, message);
    Window t;
    t.platform.shellResult = shellResult;
    auto *c = t.get(control);
    QTest::mousePress(c, Qt::MouseButton(button));
    if (auto *logo = qobject_cast<dravino::PictureBox *>(c))
        QVERIFY(logo->isRaised3D());
    QTest::mouseRelease(c, Qt::MouseButton(button));
    if (auto *logo = qobject_cast<dravino::PictureBox *>(c))
        QVERIFY(!logo->isRaised3D());
    QFETCH(QString, target);
    QCOMPARE(t.platform.opened, QStringList{target});
    if (message.isEmpty()) {
        QVERIFY(t.platform.messages.isEmpty());
    } else {
        QCOMPARE(t.platform.messages.size(), 1);
        QCOMPARE(t.platform.messages[0].text, message);
        QCOMPARE(t.platform.messages[0].title, QStringLiteral("Errore"));
        QCOMPARE(t.platform.messages[0].icon, MessageIcon::Critical);
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
