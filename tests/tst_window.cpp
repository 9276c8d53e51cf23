// The real window driven as a technician drives it, one scenario a row
// (the script language is in WindowFixture.h): the calculator, the
// converter count and the zero point, the print box, the scale check, the
// Sensata decoder, panel switching and the links.

#include "CalibrationSample.h"
#include "WindowFixture.h"
#include "ui/calibration/CalibrationModel.h"
#include "ui/calibration/CalibrationSession.h"

#include <QScrollArea>
#include "ui/ScalePanel.h"

#include <QAccessible>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QSet>
#include <memory>

namespace {
const char *const kMvoltHigh = "milliVolt|I|Valore di milliVolt troppo alto.   ";
const char *const kBarHigh = "Calcola pressione|C|Valore di pressione introdotto troppo alto.  ";
const char *const kZeroRange = "Zero Bar|I| Il valore di tensione deve essere\r\n compreso tra 400 e 1200 mVolt";
const char *const kNotPlausible = "Intervallo di valori|I|Valore non plausibile  ";
const char *const kPrinted = "Stampa valori di pressione/tensione|I|Stampa effettuata su PDF";
const char *const kOpenScale = "lblLabel(4);lblLabel(4);";
const char *const kOpenSensata = "lblLabel(2);lblLabel(2);";
const char *const kTypeMismatch = "Calcolo scala|C|Errore 13  Tipo non corrispondente";
const char *const kStale = "Stampa foglio scala|I|Le letture o le impostazioni sono cambiate dopo l'ultimo calcolo: il foglio esce "
                           "senza esito e la prova non viene registrata. Premi calcola per dare l'esito al foglio.";

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void startUpState();
    void calibrationReadings_data();
    void calibrationReadings();
    void calibrationPoints_data();
    void calibrationPoints();
    void calibrationPlanKeepsReadings();
    void calibrationProblems_data();
    void calibrationProblems();
    void controlsDoNotOverlap_data();
    void controlsDoNotOverlap();
    void tabChains_data();
    void tabChains();
    void optionGroups_data();
    void optionGroups();
    void accessibility();
    void qtTextsAreItalian();
    void calculator_data();
    void calculator() { RUN_SCENARIO(); }
    void countAndZeroPoint_data();
    void countAndZeroPoint() { RUN_SCENARIO(); }
    void printBox_data();
    void printBox() { RUN_SCENARIO(); }
    void scaleCheck_data();
    void scaleCheck() { RUN_SCENARIO(); }
    void sensata_data();
    void sensata() { RUN_SCENARIO(); }
    void switchingAndLinks_data();
    void switchingAndLinks() { RUN_SCENARIO(); }
    void printButtonHoldsItsPage_data();
    void printButtonHoldsItsPage();
    void windowFitsTheScreen();
    void windowSwitchIsNoNewFocus();
    void scaleSheetPrintsTheScreen();
};

void TestWindow::startUpState()
{
    Window t;
    const QStringList wrong = t.check(
        "txtMvolt1=500;txtPressione=0;txtADC=102;txtADC?=102,3;cboScala=2000;cboScala?=coefficiente: 0,5;"
        "optSensore(0)^=1;optSensore(0)*=#ff0000;optStampa(0)^=1;optStampa(1)^=0;optADCBit(0)*=#0000ff;"
        "optSensore(1)?=Sensori con scala compresa tra 2000 e 2500 bar;optSensore(2)?=Sensore con scala 2200 bar;"
        "txtStampaA=2000;lblValStampa=76 valori di stampa;cboSensata(0)=MY;lblSensata(7)=Made in MALAYSIA;"
        "cboSensata(1)=;lblSensata(8)=;lblSensata(0)=Numero sul sensore;front=fraMain;focus=txtMvolt1;dir=0;"
        "zero=500;lblLabel(0)^=1;lblLabel(2)^=0;shaMillivolt*=#ff00ff;msgs=;imgSensore(3)?=Sensore Bosch 0281006158");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(t.w->windowTitle(), QStringLiteral("Dravino 10/2024"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(t.get(QStringLiteral("imgSensore(%1)").arg(i))->isVisible(), i == 3);
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(), QStringLiteral("Stampa su PDF; porta cups-pdf:/"));
    QCOMPARE(t.get(QStringLiteral("cmdStampaScala"))->toolTip(), QStringLiteral("Stampa su PDF; porta cups-pdf:/"));
    QCOMPARE(t.platform.printerQueries, 1);
    QCOMPARE(t.get<dravino::RectShape>(QStringLiteral("shaPressione"))->borderColor(),
             dravino::designColor(dravino::kButtonFace));
}

void TestWindow::controlsDoNotOverlap_data()
{
    QTest::addColumn<QString>("open");
    QTest::newRow("main") << "";
    QTest::newRow("scale") << kOpenScale;
    QTest::newRow("Sensata") << kOpenSensata;
}

void TestWindow::controlsDoNotOverlap()
{
    // What a technician sees of each panel: every control whole inside the
    // box it sits in, and no two side by side covering each other (a focus
    // frame surrounds its field by design; the design's twips let
    // neighbours share a line of pixels).
    QFETCH(QString, open);
    Window t;
    t.run(open);
    QCOMPARE(t.get(QStringLiteral("canvas"))->size(), QSize(528, 398));
    QStringList wrong;
    const std::function<void(QWidget *)> look = [&](QWidget *box) {
        QList<QWidget *> shown;
        for (QWidget *c : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c->isVisible() && !c->objectName().isEmpty() && !qobject_cast<dravino::RectShape *>(c))
                shown << c;
        for (int i = 0; i < shown.size(); ++i) {
            if (!box->rect().contains(shown[i]->geometry()))
                wrong << shown[i]->objectName() + QLatin1String(" outside ") + box->objectName();
            for (int j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().adjusted(0, 0, -1, -1).intersects(shown[j]->geometry().adjusted(0, 0, -1, -1)))
                    wrong << shown[i]->objectName() + QLatin1String(" over ") + shown[j]->objectName();
            look(shown[i]);
        }
    };
    look(t.get(t.front()));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestWindow::tabChains_data()
{
    // The design's tab positions, panel by panel; of an option group Tab
    // stops at the checked option only, the arrows move within it.
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("chain");
    QTest::newRow("main") << "" << "txtMvolt1 txtPressione cmdZeroBar optADCBit(0) cboScala txtADC picLogo cmdCalcola "
                                   "optSensore(0) txtStampaDa txtStampaA txtStep optStampa(0) cmdStampa txtMvolt2 lblMail";
    QTest::newRow("main, other options") << "optADCBit(1);optSensore(1);optStampa(1);txtMvolt1"
        << "txtMvolt1 txtPressione cmdZeroBar optADCBit(1) cboScala txtADC picLogo cmdCalcola "
           "optSensore(1) txtStampaDa txtStampaA txtStep optStampa(1) cmdStampa txtMvolt2 lblMail";
    QTest::newRow("scale") << kOpenScale
        << "txtBarScala(0) txtBarScala(1) txtBarScala(2) txtBarScala(3) txtBarScala(4) txtBarScala(5) "
           "txtADCValue(0) txtADCValue(1) txtADCValue(2) txtADCValue(3) txtADCValue(4) txtADCValue(5) "
           "optADCScala(0) txtScalaMedia optSensoreTipo(0) optMedia(0) cmdScala cmdStampaScala cmdBack cmdTaratura";
    QTest::newRow("scale, other options") << QString(kOpenScale) + "optADCScala(1);optSensoreTipo(1);optMedia(1);txtBarScala(0)"
        << "txtBarScala(0) txtBarScala(1) txtBarScala(2) txtBarScala(3) txtBarScala(4) txtBarScala(5) "
           "txtADCValue(0) txtADCValue(1) txtADCValue(2) txtADCValue(3) txtADCValue(4) txtADCValue(5) "
           "optADCScala(1) txtScalaMedia optSensoreTipo(1) optMedia(1) cmdScala cmdStampaScala cmdBack cmdTaratura";
    QTest::newRow("Sensata") << kOpenSensata << "txtSensataCode cboSensata(0) cboSensata(1) cmdSensata cmdSensataBack";
}

void TestWindow::tabChains()
{
    QFETCH(QString, open);
    QFETCH(QString, chain);
    Window t;
    t.run(open);
    const QStringList expected = chain.split(QLatin1Char(' '));
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.first());
    // Twice round, forwards; then once backwards.
    QStringList seen;
    for (int i = 0; i < 2 * expected.size(); ++i) {
        t.key(Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, (expected.mid(1) + expected + expected.first(1)));
    QStringList back;
    for (int i = 0; i < expected.size(); ++i) {
        t.key(Qt::Key_Backtab);
        back.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(back, expected);
}

void TestWindow::optionGroups_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("options"); // the group's buttons, the checked one first
    QTest::newRow("ADC bits") << "" << "optADCBit(0) optADCBit(1)";
    QTest::newRow("sensor family") << "" << "optSensore(0) optSensore(1) optSensore(2)";
    QTest::newRow("print direction") << "" << "optStampa(0) optStampa(1)";
    QTest::newRow("scale ADC bits") << kOpenScale << "optADCScala(0) optADCScala(1)";
    QTest::newRow("average") << kOpenScale << "optMedia(0) optMedia(1)";
    QTest::newRow("sensor kind") << kOpenScale << "optSensoreTipo(0) optSensoreTipo(1)";
}

void TestWindow::optionGroups()
{
    QFETCH(QString, open);
    QFETCH(QString, options);
    Window t;
    t.run(open);
    const QStringList names = options.split(QLatin1Char(' '));
    const auto checked = [&] {
        QString out;
        for (const QString &n : names)
            out += t.get<QRadioButton>(n)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    };
    const auto only = [&](int i) { return QString(names.size(), QLatin1Char('0')).replace(i, 1, QLatin1Char('1')); };
    QCOMPARE(checked(), only(0));
    // Every button by the mouse, then back to the first; each leaves one checked.
    for (int i : {1, 0, int(names.size()) - 1, 0}) {
        auto *b = t.get<QRadioButton>(names[i]);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        QVERIFY2(checked() == only(i), qPrintable(names[i] + QLatin1String(": ") + checked()));
    }
}

namespace {
// Every object of the accessibility tree below iface that is not invisible.
void visibleObjects(QAccessibleInterface *iface, QList<QAccessibleInterface *> &out)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        out << child;
        visibleObjects(child, out);
    }
}
} // namespace

void TestWindow::accessibility()
{
    // What a screen reader finds: only the panel in front, every control
    // named after what the screen shows, the focus in that panel.
    Window t;
    for (const QString &step : {QString(), QStringLiteral("!F2"), QStringLiteral("!Escape"), QStringLiteral("!F3"),
                                QStringLiteral("cmdSensataBack"), QString::fromLatin1(kOpenScale)}) {
        t.run(step);
        QWidget *front = t.get(t.front());
        QList<QAccessibleInterface *> seen;
        visibleObjects(QAccessible::queryAccessibleInterface(t.w.get()), seen);
        QSet<QString> names;
        for (QAccessibleInterface *i : seen) {
            auto *w = qobject_cast<QWidget *>(i->object());
            if (!w)
                continue;
            QVERIFY2(w == front || front->isAncestorOf(w) || w->isAncestorOf(front),
                     qPrintable(step + QLatin1String(": ") + w->objectName()));
            if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QComboBox *>(w->parentWidget()))
                continue;
            // On Linux a list's name is its value; its heading names it.
            const auto labels = i->relations(QAccessible::Label);
            const QString name = qobject_cast<QComboBox *>(w) && !labels.isEmpty()
                ? labels.first().first->text(QAccessible::Name) : i->text(QAccessible::Name);
            const QString value = i->text(QAccessible::Value);
            QVERIFY2(!name.isEmpty() && name != value, qPrintable(w->objectName() + QLatin1String(": ") + name));
            QVERIFY2(!names.contains(name) || qobject_cast<QRadioButton *>(w), qPrintable(name));
            names << name;
        }
        QVERIFY2(front->isAncestorOf(QApplication::focusWidget()), qPrintable(step));
    }
    const std::pair<const char *, const char *> named[] = {
        {"txtMvolt1", "mVolt 1"}, {"txtStampaDa", "Stampa da"}, {"txtStampaA", "Stampa fino a"}, {"txtStep", "Passo"},
        {"txtBarScala(2)", "Pressione riga 2 (bar)"}, {"txtADCValue(2)", "ADC riga 2"},
        {"lblLinearità(2)", "Linearità riga 2"}, {"lblScostamento(5)", "Scostamento riga 5 (bar)"},
        {"lblSensata(1)", "Sigla paese"}, {"lblSensata(2)", "Sigla gas"}, {"fraOpt", "Risoluzione ADC"},
        {"Picture2", "Media"}, {"picLogo", "Sito del produttore"}, {"lblMail", "Scrivi all'autore"},
        {"fraMain", "Calcolatore pressione/tensione"}, {"fraSecondary", "Scala e linearità"}};
    for (auto [control, name] : named)
        QCOMPARE(QAccessible::queryAccessibleInterface(t.get(QString::fromUtf8(control)))->text(QAccessible::Name),
                 QString::fromUtf8(name));
    // A list is announced through its heading, the label relation.
    auto *list = QAccessible::queryAccessibleInterface(t.get(QStringLiteral("cboScala")));
    QCOMPARE(list->relations(QAccessible::Label).value(0).first->text(QAccessible::Name), QStringLiteral("SCALA (bar)"));
    // The count field tells the range it takes, whatever its tooltip shows.
    auto *adc = QAccessible::queryAccessibleInterface(t.get(QStringLiteral("txtADC")));
    QCOMPARE(adc->text(QAccessible::Description), QStringLiteral("Valore compreso tra 0 e 1023"));
    // A result is heard in the field the user is in.
    t.run(QStringLiteral("cmdBack;txtMvolt1<4500;!Return"));
    QCOMPARE(QAccessible::queryAccessibleInterface(t.get(QStringLiteral("txtMvolt1")))->text(QAccessible::Description),
             QStringLiteral("Pressione 2000 bar, ADC 921"));
    t.run(QStringLiteral("optSensore(2);txtPressione<2200;!Return"));
    QCOMPARE(QAccessible::queryAccessibleInterface(t.get(QStringLiteral("txtPressione")))->text(QAccessible::Description),
             QStringLiteral("mVolt 4000, mVolt 2 4500, ADC 818"));
}

void TestWindow::calculator_data()
{
    scenarioColumns();
    const QString high = QStringLiteral("msgs=") + kMvoltHigh;
    // Voltage to pressure, every family.
    QTest::newRow("Bosch 2000 bar 4500 mV") << "txtMvolt1<4500;!Return" << "txtPressione=2000;txtADC=921;txtMvolt2=;focus=txtMvolt1;dir=0;msgs=";
    // Reading after reading: after Enter the text is selected, the next one typed replaces it.
    QTest::newRow("4500 Enter, 3000 Enter") << "txtMvolt1<4500;!Return;!type:3000;!Return" << "txtMvolt1=3000;txtPressione=1250;txtMvolt1[=3000";
    QTest::newRow("120 Enter, 0 Enter") << "txtMvolt1<120;!Return;!type:0;!Return" << "txtMvolt1=0";
    QTest::newRow("1000 bar Enter, 500 Enter") << "txtPressione<1000;!Return;!type:500;!Return" << "txtPressione=500;txtMvolt1=1500;txtPressione[=500";
    QTest::newRow("400 mV: below zero") << "txtMvolt1<400;!Return" << "txtPressione=-50;txtADC=82";
    QTest::newRow("Bosch 1800 bar 4500 mV") << "cboScala#6;txtMvolt1<4500;!Return" << "txtPressione=1800;cboScala?=coefficiente: 0,45";
    QTest::newRow("Denso 1 via 4200 mV") << "optSensore(1);txtMvolt1<4200;!Return" << "txtPressione=2000;txtADC=859;cboScala=2000";
    QTest::newRow("Denso 2 vie 4000 mV") << "optSensore(2);txtMvolt1<4000;!Return" << "txtPressione=2200;txtMvolt2=4500;txtMvolt2*=#1b7225;cboScala=2200";
    QTest::newRow("Denso 2 vie 4400 mV: still green") << "optSensore(2);txtMvolt1<4400;!Return" << "txtMvolt2=4900;txtMvolt2*=#1b7225;msgs=";
    QTest::newRow("Denso 2 vie 4401 mV: red") << "optSensore(2);txtMvolt1<4401;!Return" << "txtMvolt2=4901;txtMvolt2*=#ff0000;msgs=";
    // Pressure to voltage.
    QTest::newRow("Bosch 1000 bar") << "txtPressione<1000;!Return" << "txtMvolt1=2500;dir=1";
    QTest::newRow("Bosch 2400 bar: the limit") << "txtPressione<2400;!Return" << "txtMvolt1=5300;msgs=";
    QTest::newRow("Denso 2 vie 2200 bar") << "optSensore(2);txtPressione<2200;!Return" << "txtMvolt1=4000;txtMvolt2=4500";
    const QString longResult = QStringLiteral("cboScala#0;txtPressione<500;!Return;txtMvolt1;");
    QTest::newRow("150 bar scale: 13833 mV shown whole") << longResult << "txtMvolt1=13833;txtMvolt1[=13833";
    QTest::newRow("no paste over it lengthens it") << longResult + "!paste:" + QString(150, QLatin1Char('7')) << "txtMvolt1=13833";
    QTest::newRow("nor one of five characters") << longResult + "!ctrlv:12345" << "txtMvolt1=13833";
    QTest::newRow("nor the context menu's") << longResult + "!menupaste:12345" << "txtMvolt1=13833";
    QTest::newRow("a paste of four replaces it") << longResult + "!menupaste:1234" << "txtMvolt1=1234";
    // Limits and their messages.
    QTest::newRow("Bosch 5001 mV") << "txtMvolt1<5001;!Return" << "txtMvolt1=0;txtPressione=0;focus=txtMvolt1;" + high;
    QTest::newRow("Bosch 5000 mV") << "txtMvolt1<5000;!Return" << "txtPressione=2250;msgs=";
    QTest::newRow("Denso 4700 mV: no warning") << "optSensore(1);txtMvolt1<4700;!Return" << "msgs=";
    QTest::newRow("5001 mV refused from the Calcola button") << "txtMvolt1=5001;txtPressione;cmdCalcola" << "focus=txtMvolt1;txtMvolt1=0;dir=0;" + high;
    QTest::newRow("2401 bar refused from the Calcola button") << "txtPressione=2401;txtMvolt1;cmdCalcola" << QStringLiteral("focus=txtPressione;txtPressione=0;dir=1;msgs=") + kBarHigh;
    QTest::newRow("Denso 4800 mV: warned, converted") << "optSensore(1);txtMvolt1<4800;!Return" << "txtPressione=2375;" + high;
    QTest::newRow("2401 bar") << "txtPressione<2401;!Return" << QStringLiteral("txtPressione=0;txtMvolt1=500;focus=txtPressione;msgs=") + kBarHigh;
    QTest::newRow("0 mV converts nothing") << "txtPressione<7;txtMvolt1<0;!Return" << "txtPressione=7;msgs=";
    // The field last entered sets the direction; buttons and options keep it.
    QTest::newRow("pressure field, then Calcola") << "txtPressione<1000;cmdCalcola" << "txtMvolt1=2500;dir=1";
    QTest::newRow("back to the voltage, Enter") << "txtPressione<1000;cmdCalcola;txtMvolt1<4500;!Return" << "txtPressione=2000;dir=0";
    QTest::newRow("click into pressure, then an option") << "txtPressione;optADCBit(1);cmdZeroBar" << "dir=1;lblLabel(2)^=1;lblLabel(0)^=0;shaPressione*=#ff00ff;shaMillivolt*=#efefef";
    QTest::newRow("entering selects the text") << "txtPressione;txtMvolt1<" << "txtMvolt1[=500";
    // Key filter, Enter, arrows and page keys.
    QTest::newRow("only digits") << "txtMvolt1<4a5-,." << "txtMvolt1=45";
    QTest::newRow("Backspace") << "txtMvolt1<45;!Backspace" << "txtMvolt1=4";
    QTest::newRow("Ctrl+C copies nothing") << "txtMvolt1<;!ctrlc" << "clip=;txtMvolt1=500";
    QTest::newRow("four characters, Enter stays") << "txtMvolt1<123456;!Return" << "txtMvolt1=1234;focus=txtMvolt1";
    QTest::newRow("4899 up") << "txtMvolt1<4899;!Up" << "txtMvolt1=4900;txtPressione=2200";
    QTest::newRow("4900 page up stops") << "txtMvolt1<4900;!PageUp" << "txtMvolt1=4900;txtPressione=0";
    QTest::newRow("4901 up stops") << "txtMvolt1<4901;!Up" << "txtMvolt1=4901;txtPressione=0";
    QTest::newRow("keypad Enter converts") << "txtMvolt1<4500;!Enter" << "txtPressione=2000;focus=txtMvolt1";
    QTest::newRow("0 down stops") << "txtMvolt1<0;!Down" << "txtMvolt1=0";
    QTest::newRow("1 down converts nothing") << "txtPressione<7;txtMvolt1<1;!PageDown" << "txtMvolt1=0;txtPressione=7";
    QTest::newRow("Denso 4700 up warns each step") << "optSensore(1);txtMvolt1<4700;!Up;!Up" << "txtMvolt1=4702;txtPressione=2314;" + high + "&&" + kMvoltHigh;
    QTest::newRow("2400 bar up refused") << "txtPressione<2400;!Up" << QStringLiteral("txtPressione=0;txtMvolt1=500;msgs=") + kBarHigh;
    QTest::newRow("3099 bar up at 3000 bar") << "cboScala#16;txtPressione<3099;!Up;!Up" << "txtPressione=3100;txtMvolt1=4633";
    QTest::newRow("emptied field up") << "txtMvolt1<;!Backspace;!Up" << "txtMvolt1=1;txtPressione=-250";
    // Families and full scales.
    QTest::newRow("Denso 1 via keeps the pressure direction") << "txtPressione<1000;!Return;optSensore(1)"
        << "dir=1;txtPressione=1000;txtMvolt1=2600;cboScala=2000;zero=1000;optSensore(1)^=1;optSensore(0)^=0;optSensore(0)*=#000000";
    QTest::newRow("Denso 2 vie: second output, no printing") << "optSensore(2)" << "txtMvolt2=1500;fraStampa%=0;cmdStampa%=0;cboScala=2200";
    QTest::newRow("back to Bosch keeps the scale") << "optSensore(2);optSensore(0)" << "txtMvolt2=;fraStampa%=1;cboScala=2200;zero=500";
    QTest::newRow("smaller scale clamps the pressure") << "txtPressione<1950;!Return;cboScala#6" << "txtPressione=1800;txtMvolt1=4500;txtStampaA=1800";
    // Ctrl+A selects the whole text in every entry field, whatever its key filter.
    QTest::newRow("Ctrl+A in mVolt 1") << "txtMvolt1<45;!ctrla" << "txtMvolt1[=45;txtMvolt1=45";
    QTest::newRow("Ctrl+A in a scale cell") << QString::fromLatin1(kOpenScale) + "txtBarScala(2)<8;!ctrla" << "txtBarScala(2)[=8";
    QTest::newRow("the current entry chosen again") << "txtPressione<7;txtMvolt1<4500;cboScala#7" << "txtPressione=2000";
    QTest::newRow("typing in the list changes nothing") << "cboScala<1234;!Return;cmdCalcola" << "cboScala=2000;txtStampaA=2000;txtPressione=0;cboScala?=coefficiente: 0,5";
    QTest::newRow("leaving the list shows the entry in use") << "cboScala#6;cboScala<abc;!Tab" << "cboScala=1800;focus=txtADC;cboScala?=coefficiente: 0,45";
    QTest::newRow("an entry's exact text chooses it") << "cboScala<1800;!Return" << "cboScala=1800;txtStampaA=1800";
    // Pasted text never ends the program; what does not convert is "0".
    QTest::newRow("letters pasted") << "txtMvolt1<;!paste:abc;!Return" << "txtMvolt1=0;txtPressione=0;msgs=";
    QTest::newRow("sign pasted") << "txtPressione<;!paste:-5;!Return;!Up" << "txtPressione=-4";
    QTest::newRow("decimal pasted") << "txtMvolt1<;!paste:1,5;!Return" << "txtPressione=-249";
    QTest::newRow("unicode pasted") << "txtPressione<;!paste:½€;!Return" << "txtPressione=0;txtMvolt1=500";
}

void TestWindow::countAndZeroPoint_data()
{
    scenarioColumns();
    // A count converts to voltage and pressure; the focus comes back.
    const char *const count = "txtPressione=777;txtPressione;txtADC<";
    const char *const after = ";dir=0;focus=txtADC;lblLabel(0)^=1;msgs=";
    QTest::newRow("10 bit 1023") << QString(count) + "1023;!Return" << QString("txtMvolt1=5000;txtPressione=2250;txtADC=1023;txtADC[=1023") + after;
    QTest::newRow("10 bit 102: -0.5 bar to 0") << QString(count) + "102;!Return" << QString("txtMvolt1=499;txtPressione=0;txtADC=102") + after;
    QTest::newRow("12 bit 1") << "optADCBit(1);" + QString(count) + "1;!Return" << QString("txtMvolt1=1;txtPressione=-250") + after;
    QTest::newRow("12 bit 0: no pressure") << "optADCBit(1);" + QString(count) + "0;!Return" << QString("txtMvolt1=0;txtPressione=777") + after;
    QTest::newRow("1,5 rounds to 2") << QString(count) + "1,5;!Return" << QString("txtMvolt1=10;txtPressione=-245;txtADC=2") + after;
    QTest::newRow("2,5 rounds to 2") << QString(count) + "2,5;!Return" << QString("txtMvolt1=10;txtADC=2") + after;
    QTest::newRow("3,5 rounds to 4") << QString(count) + "3,5;!Return" << QString("txtMvolt1=20;txtADC=4") + after;
    QTest::newRow("0,6 rounds to 1") << QString(count) + "0,6;!Return" << QString("txtMvolt1=5;txtADC=1") + after;
    QTest::newRow("negative: no pressure") << QString(count) + "-5;!Return" << QString("txtMvolt1=-24;txtPressione=777;txtADC=-5") + after;
    // Refused counts change nothing.
    const char *const refused = "txtPressione<100;!Return;txtADC=";
    const QString kept = QStringLiteral("txtMvolt1=700;txtPressione=100;dir=1;focus=txtADC;msgs=Calcolo ADC a ");
    QTest::newRow("10 bit 1024") << QString(refused) + "1024;txtADC<;!Return" << kept + "10 bit|I|Valore di ADC troppo alto";
    QTest::newRow("12 bit 4095") << "optADCBit(1);" + QString(count) + "4095;!Return" << QString("txtMvolt1=5000;txtADC=4095") + after;
    QTest::newRow("12 bit 4096") << "optADCBit(1);" + QString(refused) + "4096;txtADC<;!Return" << kept + "12 bit|I|Valore di ADC troppo alto";
    QTest::newRow("empty") << QString(refused) + ";txtADC<;!Return" << kept + "10 bit|I|Valore di ADC troppo alto";
    QTest::newRow("letters") << QString(refused) + "abc;txtADC<;!Return" << kept + "10 bit|I|Valore di ADC troppo alto";
    // Switching the resolution recounts the present voltage.
    QTest::newRow("10 to 12 bit at 500 mV") << "optADCBit(1)" << "txtADC=409;txtADC?=Valore compreso tra 0 e 4095;optADCBit(1)*=#0000ff;optADCBit(0)*=#000000";
    QTest::newRow("12 to 10 bit at 2500 mV") << "optADCBit(1);txtMvolt1<2500;!Return;optADCBit(0)" << "txtADC=512;txtADC?=Valore compreso tra 0 e 1023";
    // SET 0 bar: 401..1199, nothing else changes.
    const char *const set = "txtPressione<100;!Return;txtMvolt1<;txtMvolt1=";
    QTest::newRow("400 refused") << QString(set) + "400;cmdZeroBar" << QStringLiteral("zero=500;txtPressione=100;txtADC=143;dir=0;msgs=") + kZeroRange;
    QTest::newRow("401 accepted") << QString(set) + "401;cmdZeroBar" << "zero=401;txtPressione=0;txtMvolt1=401;txtADC=143;dir=0;msgs=;"
                                                                       "cmdZeroBar?=Gestione deriva di start: zero in uso 401 mV";
    QTest::newRow("1199 accepted") << QString(set) + "1199;cmdZeroBar" << "zero=1199;txtPressione=0;msgs=";
    QTest::newRow("1200 refused") << QString(set) + "1200;cmdZeroBar" << QStringLiteral("cmdZeroBar?=Gestione deriva di start: zero in uso 500 mV;zero=500;msgs=") + kZeroRange;
    QTest::newRow("empty refused") << QString(set) + ";cmdZeroBar" << QStringLiteral("zero=500;msgs=") + kZeroRange;
    // Converting from a new zero point.
    QTest::newRow("Bosch 540: 4500 mV") << "txtMvolt1<540;cmdZeroBar;txtMvolt1<4500;!Return" << "txtPressione=1980;txtADC=921";
    QTest::newRow("Bosch 540: 1000 bar") << "txtMvolt1<540;cmdZeroBar;txtPressione<1000;!Return" << "txtMvolt1=2540";
    QTest::newRow("Denso 950: 4200 mV") << "optSensore(1);txtMvolt1<950;cmdZeroBar;txtMvolt1<4200;!Return" << "txtPressione=2031";
    QTest::newRow("a full scale keeps it") << "txtMvolt1<540;cmdZeroBar;cboScala#6" << "zero=540";
    QTest::newRow("a family discards it") << "txtMvolt1<540;cmdZeroBar;optSensore(1)" << "zero=1000;txtMvolt1=1000";
}

void TestWindow::printBox_data()
{
    scenarioColumns();
    // The count of values, red above 135.
    const char *const plain = ";lblValStampa*=#000000;lblValStampa?=;focus=txtStep";
    QTest::newRow("500 to 2500 by 20") << "txtStampaA<2500;txtStep<20;!Return" << QString("lblValStampa=101 valori di stampa") + plain;
    QTest::newRow("0 to 2680: 135") << "txtStampaDa<0;txtStampaA<2680;txtStep<;!Return" << QString("lblValStampa=135 valori di stampa") + plain;
    QTest::newRow("0 to 2700: 136") << "txtStampaDa<0;txtStampaA<2700;txtStep<;!Return" << "lblValStampa=136 valori di stampa;lblValStampa*=#ff0000;lblValStampa?=Troppi valori da stampare. Max 135";
    QTest::newRow("To equal to From") << "txtStampaA<500;txtStep<;!Return" << "lblValStampa=1 valori di stampa";
    QTest::newRow("one step back") << "txtStampaA<480;txtStep<;!Return" << "lblValStampa=0 valori di stampa";
    QTest::newRow("further back keeps the label") << "txtStampaA<400;txtStep<;!Return" << "lblValStampa=76 valori di stampa";
    QTest::newRow("step not dividing: rows printed") << "txtStampaDa<0;txtStampaA<50;txtStep<;!Return" << "lblValStampa=3 valori di stampa";
    QTest::newRow("step 0 keeps the label") << "txtStep<0;!Return" << "lblValStampa=76 valori di stampa";
    QTest::newRow("emptied field keeps the label") << "txtStep<40;!Return;txtStampaA<;!Backspace;!Tab" << "txtStampaA=;lblValStampa=38 valori di stampa";
    QTest::newRow("only digits") << "txtStampaDa<1a-,.2" << "txtStampaDa=12";
    // The direction copies the calculator's field.
    QTest::newRow("pressione") << "txtPressione<350;!Return;optStampa(1)" << "txtStampaDa=350;txtStampaA=2000;txtStep=20;optStampa(1)^=1;optStampa(0)^=0";
    QTest::newRow("millivolt") << "txtMvolt1<1200;optStampa(0)" << "txtStampaDa=1200;txtStampaA=4500;lblValStampa=166 valori di stampa";
    // Refusals, in their order, with their focus; nothing printed.
    const auto refusal = [](const char *dir, const char *from, const char *to, const char *step) {
        return QStringLiteral("%1txtStampaDa=%2;txtStampaA=%3;txtStep=%4;cmdStampa").arg(dir, from, to, step);
    };
    const char *const low = "Stampa intervallo di valori|E|";
    QTest::newRow("empty Step") << refusal("", "500", "2500", "") << QStringLiteral("focus=txtStep;rows=;msgs=") + kNotPlausible;
    QTest::newRow("letters in From") << refusal("", "5x", "", "20") << QStringLiteral("focus=txtStampaDa;msgs=") + kNotPlausible;
    QTest::newRow("empty To before Step") << refusal("", "500", "", "") << QStringLiteral("focus=txtStampaA;msgs=") + kNotPlausible;
    QTest::newRow("Step 0") << refusal("", "500", "2500", "0") << QStringLiteral("focus=txtStep;rows=;msgs=") + kNotPlausible;
    QTest::newRow("negative Step") << refusal("", "500", "2500", "-20") << QStringLiteral("focus=txtStep;msgs=") + kNotPlausible;
    QTest::newRow("millivolt To 4900 prints") << refusal("", "4860", "4900", "20") << QStringLiteral("rows=4860,2180,4880,2190,4900,2200;msgs=") + kPrinted;
    QTest::newRow("millivolt To 4901") << refusal("", "4800", "4901", "20") << "focus=txtStampaA;dir=0;msgs=Parametro di stampa|I|Valore di fine stampa fuori scala ";
    QTest::newRow("pressure To 1801 at 1800 bar") << refusal("cboScala#6;optStampa(1);", "1700", "1801", "20") << "focus=txtStampaA;dir=1;rows=;msgs=Parametro di stampa|I|Valore di fine stampa fuori scala ";
    QTest::newRow("high to low") << refusal("", "500", "400", "20") << QString("focus=txtStampaDa;msgs=") + low + "Intervallo di valori stampabili:\r\nsolo dal valore più basso verso quello più alto.";
    QTest::newRow("nothing to print") << refusal("", "500", "480", "20") << QString("focus=cmdStampa;msgs=") + low + "Nessun valore da stampare.";
    QTest::newRow("136 values") << refusal("", "0", "2700", "20") << QString("rows=;msgs=") + low + "Troppi valori da stampare  (136) .  Il massimo consentito è 135.\r\nDiminuire l'intervallo di pressione/mVolt o lo Step di risoluzione.";
    // Printing: row by row through Calculate, then the calculator put back.
    QTest::newRow("pressure 1800 bar: To 1800 prints") << "cboScala#6;optStampa(1);txtStampaDa=1700;txtStep=50;cmdStampa" << QStringLiteral("rows=1700,4278,1750,4389,1800,4500;msgs=") + kPrinted;
    QTest::newRow("calculator put back") << "txtPressione<1000;!Return;txtStampaA<520;cmdStampa"
        << QStringLiteral("rows=500,0,520,10;txtMvolt1=2500;txtPressione=1000;dir=0;lblValStampa=2 valori di stampa;msgs=") + kPrinted;
    QTest::newRow("From 0500 printed as typed") << "txtStampaDa=0500;txtStampaA=560;cmdStampa" << "rows=0500,0,520,10,540,20,560,30;txtStampaDa=500;lblValStampa=4 valori di stampa";
    QTest::newRow("0 mV has no value, not a stale one") << "txtStampaDa=0;txtStampaA=1000;txtStep=500;cmdStampa" << "rows=0,--,500,0,1000,250";
    // Each row converted from its own value: a zero point of 1199 mV with
    // 5199 mV left in the voltage field, which Calculate refuses, changes no
    // row, and the calculator stays exactly as it was.
    QTest::newRow("rows from their own values") << "txtMvolt1<1199;cmdZeroBar;txtPressione<2000;!Return;optStampa(1);txtStampaDa=1900;txtStep=100;cmdStampa"
        << QString("rows=1900,4999,2000,5199;txtMvolt1=5199;txtPressione=2000;dir=1;focus=cmdStampa;msgs=") + kPrinted;
    // Denso 1 way warns for every row above 4700 mV, and for nothing beyond the last row.
    QTest::newRow("Denso 1 way above 4700") << "optSensore(1);txtStampaDa=4600;txtStampaA=4800;txtStep=100;cmdStampa"
        << QString("rows=4600,2250,4700,2312,4800,2375;txtMvolt1=1000;msgs=") + kMvoltHigh + "&&" + kPrinted;
    QTest::newRow("Denso 1 way up to 4700") << "optSensore(1);txtStampaDa=4600;txtStampaA=4700;txtStep=100;cmdStampa"
        << QString("rows=4600,2250,4700,2312;msgs=") + kPrinted;
    QTest::newRow("a failing printer") << "@printerfails;cmdStampa" << "txtMvolt1=500;txtStampaDa=500;msgs=Stampa valori di pressione/tensione|E|La stampa su Guasta non è riuscita: client-error-not-possible. La pagina è stata salvata nel file PDF /home/tecnico/Documenti/Dravino.pdf.";
}

void TestWindow::scaleCheck_data()
{
    scenarioColumns();
    const QString open = QString::fromLatin1(kOpenScale);
    QTest::newRow("opening values") << open + "cmdScala"
        << "lblMvoltScala(*)=479,1134,1808,2473,0,0;lblScalaOttenuta(*)=,2443,2408,2407,,;txtScalaMedia=2419;"
           "lblLinearità(*)=,0,98%,-0,46%,-0,50%,,;lblScostamento(*)=,24,-11,-12,,;"
           "lblLinearità(*)*=#000000,#007800,#007800,#007800,#000000,#000000;lblScostamento(3)*=#007800;msgs=";
    QTest::newRow("12 bit recomputes at once") << open + "optADCScala(1)" << "lblMvoltScala(*)=120,283,452,618,0,0;lblScalaOttenuta(*)=,,9639,9639,,;lblLinearità(1)*=#000000";
    QTest::newRow("Denso") << open + "optSensoreTipo(1);cmdScala" << "txtScalaMedia=1935;optSensoreTipo(1)^=1;optSensoreTipo(0)^=0";
    QTest::newRow("sensor choice computes nothing") << open + "optSensoreTipo(1)" << "txtScalaMedia=;lblScalaOttenuta(0)=--";
    QTest::newRow("only digits; Enter computes") << open + "txtBarScala(1)<0x4-00;!Return" << "txtBarScala(1)=400;txtScalaMedia=2419";
    QTest::newRow("emptied field set to 0") << open + "txtADCValue(2)<;!Backspace;!Tab" << "txtADCValue(2)=0";
    QTest::newRow("Enter in an emptied field") << open + "txtADCValue(1)<;!Backspace;!Return"
        << QString("txtADCValue(1)=;lblScalaOttenuta(*)=,,2408,2407,,;msgs=") + kTypeMismatch + "&&" + kTypeMismatch;
    QTest::newRow("a digit switches to the manual average") << open + "cmdScala;txtScalaMedia;!Return;txtScalaMedia<;!Backspace"
        << "optMedia(1)%=1;txtScalaMedia=;msgs=";
    QTest::newRow("manual average") << open + "cmdScala;txtScalaMedia<2400;cmdScala"
        << "txtScalaMedia=2400;lblScostamento(*)=,43,8,7,,;lblScostamento(1)*=#dc0000;lblScostamento(2)*=#007800";
    QTest::newRow("media manuale selects the average") << open + "cmdScala;optMedia(1)" << "focus=txtScalaMedia;txtScalaMedia[=2419";
    QTest::newRow("same reading as the zero row") << open + "txtADCValue(1)=98;cmdScala"
        << "msgs=Calcolo scala|C|Errore di calcolo ;txtScalaMedia=;lblMvoltScala(*)=479,479,1808,2473,0,0";
    // A count the converter cannot show: told, its row not computed.
    QTest::newRow("10 bit 1023: computed") << open + "txtADCValue(1)=1023;cmdScala" << "lblMvoltScala(1)=5000;lblScalaOttenuta(1)=354;msgs=";
    QTest::newRow("10 bit 1024: told, not computed") << open + "txtADCValue(1)=1024;cmdScala"
        << "lblMvoltScala(*)=479,,1808,2473,0,0;lblScalaOttenuta(*)=,,2408,2407,,;txtScalaMedia=2408;"
           "msgs=Calcolo scala|E|Riga 1: il valore ADC 1024 supera 1023, il massimo del convertitore a 10 bit.";
    QTest::newRow("12 bit 4095: computed") << open + "optADCScala(1);txtADCValue(3)=4095;cmdScala" << "lblMvoltScala(3)=5000;msgs=";
    QTest::newRow("12 bit 4096: told, not computed") << open + "optADCScala(1);txtADCValue(3)=4096;cmdScala"
        << "lblMvoltScala(3)=;lblScalaOttenuta(*)=,,9639,,,;"
           "msgs=Calcolo scala|E|Riga 3: il valore ADC 4096 supera 4095, il massimo del convertitore a 12 bit.";
    // Counts a switch to 10 bit finds beyond it in several rows: one message naming them.
    QTest::newRow("12 to 10 bit, three rows beyond: told once") << open + "optADCScala(1);txtADCValue(1)=1100;txtADCValue(2)=2000;"
                                                                          "txtADCValue(3)=3000;cmdScala;optADCScala(0)"
        << "lblMvoltScala(*)=479,,,,0,0;msgs=Calcolo scala|E|Righe 1, 2, 3: i valori ADC 1100, 2000, 3000 superano 1023, il massimo "
           "del convertitore a 10 bit.&&Calcolo scala|C|Errore 6  Overflow"; // (no row left to average)
    // The check's verdict beside the grid, in a word; why in its tooltip.
    QTest::newRow("the panel's verdict: failing") << open + "cmdScala" << "lblEsito=Esito: NON CONFORME;lblEsito*=#dc0000;"
                                                                         "lblEsito?=La media è fuori dallo scostamento ammesso dal fondo scala nominale";
    QTest::newRow("the panel's verdict: passing") << "cboScala#10;" + open + "cmdScala" << "lblEsito=Esito: CONFORME;lblEsito*=#007800";
    QTest::newRow("the panel's verdict: a row failing") << open + "txtADCValue(3)=508;cboScala#10;cmdScala"
        << "lblEsito=Esito: NON CONFORME;lblEsito?=Righe fuori dai limiti: 1";
    QTest::newRow("the panel's verdict: before calcola") << open << "lblEsito=";
    QTest::newRow("the panel's verdict: changed since") << open + "cmdScala;txtADCValue(2)=371"
        << "lblEsito=Esito: da ricalcolare;lblEsito*=#000000";
    QTest::newRow("the panel's verdict: too few rows") << open + "txtADCValue(2)=0;txtADCValue(3)=0;cmdScala"
        << "lblEsito=Senza esito;lblEsito?=Righe calcolate: 1, ne servono almeno 3";
    QTest::newRow("the panel's verdict: a failed computation") << open + "txtADCValue(1)=98;cmdScala"
        << "lblEsito=Senza esito;lblEsito?=Il calcolo non è andato a buon fine";
    // The nominal full scale is the calculator's.
    QTest::newRow("the nominal full scale") << open << "lblFondoNominale=Fondo scala nominale 2000 bar";
    QTest::newRow("another full scale chosen") << "cboScala#10;" + open << "lblFondoNominale=Fondo scala nominale 2400 bar";
    // The sheet's verdict belongs to the readings printed: after calcola,
    // every kind of change leaves it without one, and says so.
    const QString computed = open + "cmdScala;";
    const QString print = QStringLiteral(";@answer:x;cmdStampaScala");
    QTest::newRow("computed: the verdict") << computed + print << "verdict=Esito della prova: NON CONFORME;msgs=";
    QTest::newRow("computed against 2400 bar") << "cboScala#10;" + computed + print << "verdict=Esito della prova: CONFORME;msgs=";
    QTest::newRow("never computed: none") << open + print << "verdict=none;msgs=";
    for (const char *change : {"txtADCValue(2)<371", "txtADCValue(2)=371", "txtBarScala(3)<1201", "optSensoreTipo(1)", "optMedia(1)",
                               "txtScalaMedia<2430", "cmdBack;cboScala#10;lblLabel(4);lblLabel(4)"})
        QTest::newRow(qPrintable(QStringLiteral("changed after calcola: ") + QLatin1String(change)))
            << computed + change + print << QStringLiteral("verdict=senza esito;msgs=") + kStale;
    QTest::newRow("12 bit computes again") << computed + "optADCScala(1)" + print << "verdict=Esito della prova: NON CONFORME;msgs=";
    QTest::newRow("changed, computed again") << computed + "txtADCValue(2)=371;cmdScala" + print << "verdict=Esito della prova: NON CONFORME;msgs=";
    QTest::newRow("the same reading typed again") << computed + "txtADCValue(2)<370" + print << "verdict=Esito della prova: NON CONFORME;msgs=";
}

void TestWindow::sensata_data()
{
    scenarioColumns();
    const QString open = QString::fromLatin1(kOpenSensata);
    const auto decode = [&](const char *number) { return open + QStringLiteral("txtSensataCode=%1;cmdSensata").arg(number); };
    QTest::newRow("default") << decode("13136421110") << "lblSensata(0)=Numero sul sensore (11);lblSensata(3)=gio. 16/05/2013;lblSensata(4)=421110;msgs=";
    QTest::newRow("74 prefix") << decode("7413136421110") << "lblSensata(0)=Numero sul sensore (13);lblSensata(3)=gio. 16/05/2013;lblSensata(4)=421110";
    QTest::newRow("short form") << decode("1361342") << "lblSensata(3)=gio. 16/05/2013;lblSensata(4)=42";
    QTest::newRow("day 366 of 2020") << decode("20366000") << "lblSensata(3)=gio. 31/12/2020";
    QTest::newRow("too short") << decode("1313") << "lblSensata(0)=Numero sul sensore (4);lblSensata(3)=;msgs=Verifica data|I|Valore data non conosciuto";
    QTest::newRow("74 leaves no year") << decode("74136") << "lblSensata(3)=;msgs=Calcolo data|C|Errore 13  Tipo non corrispondente";
    QTest::newRow("pasted letters") << decode("1x136421110") << "msgs=Calcolo data|C|Errore 13  Tipo non corrispondente";
    // After a decode the number is selected: the next code, typed or scanned, replaces it.
    QTest::newRow("next code after Enter") << open + "txtSensataCode<13136421110;!Return;!type:1361342;!Return"
        << "txtSensataCode=1361342;lblSensata(3)=gio. 16/05/2013;lblSensata(4)=42;focus=txtSensataCode";
    QTest::newRow("next code after Calcola") << open + "txtSensataCode<13136421110;cmdSensata;!type:20366000;!Return"
        << "txtSensataCode=20366000;lblSensata(3)=gio. 31/12/2020";
    QTest::newRow("next code after a refusal") << open + "txtSensataCode<1313;!Return;!type:13136421110;!Return"
        << "txtSensataCode=13136421110;lblSensata(4)=421110;msgs=Verifica data|I|Valore data non conosciuto";
    QTest::newRow("Ctrl+A selects the number") << open + "txtSensataCode<123;!ctrla" << "txtSensataCode[=123";
    // Esc closes an open list; only the next Esc goes back.
    QTest::newRow("Esc in the country list") << open + "open:cboSensata(0);!Escape" << "popup=0;front=fraSensata";
    QTest::newRow("Esc in the gas list, then Esc") << open + "open:cboSensata(1);!Escape;!Escape" << "popup=0;front=fraMain";
    QTest::newRow("typing: digits only, Enter decodes") << open + "txtSensataCode<13a136-421110;!Return"
        << "txtSensataCode=13136421110;lblSensata(0)=Numero sul sensore (11);lblSensata(3)=gio. 16/05/2013";
    QTest::newRow("Ctrl+V pastes anything") << open + "txtSensataCode<;!ctrlv:74 136421110;!Return" << "txtSensataCode=74 136421110;msgs=Calcolo data|C|Errore 13  Tipo non corrispondente";
    QTest::newRow("an emoji counts one") << open + "txtSensataCode=1\U0001F600" << "lblSensata(0)=Numero sul sensore (2)";
    QTest::newRow("gas mark refreshes the country") << open + "cboSensata(1)#0" << "lblSensata(8)=per GPL;lblSensata(7)=Made in MALAYSIA";
    QTest::newRow("the first country") << open + "cboSensata(0)#0" << "lblSensata(7)=Made in BULGARIA;cboSensata(0)=BG?";
    QTest::newRow("Ctrl+C copies the number") << open + "txtSensataCode<;!ctrlc" << "clip=13136421110";
    QTest::newRow("both marks") << open + "cboSensata(0)#6;cboSensata(1)#1" << "lblSensata(7)=Made in REP. DOMINICANA;lblSensata(8)=per CNG (Metano)";
    QTest::newRow("no marks selected") << open + "cboSensata(1)#1;cboSensata(0)#-1;cboSensata(1)#-1" << "lblSensata(7)=Made in SCONOSCIUTO;lblSensata(8)=per CNG (Metano)";
}

void TestWindow::switchingAndLinks_data()
{
    scenarioColumns();
    QTest::newRow("one release each opens nothing") << "lblLabel(4);lblLabel(2)" << "front=fraMain";
    // Two releases make a double click only within the desktop's interval.
    // (Each press and release takes 1 ms on the fixture's clock.)
    const int interval = QApplication::doubleClickInterval();
    QTest::newRow("second release on the interval opens") << QStringLiteral("lblLabel(4);~%1;lblLabel(4)").arg(interval - 2) << "front=fraSecondary";
    QTest::newRow("second release 1 ms later opens nothing") << QStringLiteral("lblLabel(4);~%1;lblLabel(4)").arg(interval - 1) << "front=fraMain";
    QTest::newRow("a late release counts as a first one") << "lblLabel(4);~5000;lblLabel(4);lblLabel(4)" << "front=fraSecondary";
    QTest::newRow("Pressione: minutes apart open nothing") << "lblLabel(2);~120000;lblLabel(2)" << "front=fraMain";
    QTest::newRow("second on Pressione opens Sensata") << "lblLabel(4);lblLabel(2);lblLabel(2)" << "front=fraSensata";
    QTest::newRow("the first release on SCALA stays counted") << "lblLabel(4);lblLabel(2);lblLabel(2);cmdSensataBack;lblLabel(4)" << "front=fraSecondary";
    QTest::newRow("back") << "lblLabel(4);lblLabel(4);cmdBack;lblLabel(4)" << "front=fraMain";
    QTest::newRow("other headings count nothing") << "lblLabel(0);lblLabel(1);lblLabel(3);lblLabel(5);lblLabel(6);lblLabel(7);lblLabel(4)" << "front=fraMain";
    QTest::newRow("right button counts too") << "right:lblLabel(4);right:lblLabel(4)" << "front=fraSecondary";
    QTest::newRow("switching resets nothing") << "txtMvolt1<4500;!Return;lblLabel(4);lblLabel(4);cmdBack" << "txtPressione=2000;txtADC=921;msgs=";
    QTest::newRow("F2 opens the scale panel") << "!F2" << "front=fraSecondary;focus=txtBarScala(0)";
    QTest::newRow("F3 the Sensata panel") << "txtPressione;!F3" << "front=fraSensata;focus=txtSensataCode;dir=1";
    QTest::newRow("Esc returns to the field left") << "txtPressione;!F3;!Escape" << "front=fraMain;focus=txtPressione;dir=1;lblLabel(2)^=1";
    QTest::newRow("back returns to the field left") << "txtStep<3;lblLabel(4);lblLabel(4);cmdBack" << "front=fraMain;focus=txtStep";
    QTest::newRow("back after F2 returns to the field left") << "txtPressione;!F2;cmdBack" << "focus=txtPressione;dir=1";
    QTest::newRow("F3 over the scale panel does nothing") << "!F2;!F3" << "front=fraSecondary";
    QTest::newRow("opens a second time") << "lblLabel(4);lblLabel(4);cmdBack;lblLabel(4);lblLabel(4)" << "front=fraSecondary";
    QTest::newRow("Sensata a second time") << "!F3;cmdSensataBack;lblLabel(2);lblLabel(2);!Escape;!F3" << "front=fraSensata";
    QTest::newRow("logo") << "picLogo" << "opened=https://officina.test/;msgs=";
    QTest::newRow("logo from the keyboard") << "txtADC<;!Tab;!Return;!Space" << "focus=picLogo;opened=https://officina.test/,https://officina.test/";
    QTest::newRow("mail from the keyboard") << "txtStep<;!Tab;!Tab;!Tab;!Tab;!Enter" << "focus=lblMail;opened=mailto:lab@officina.test";
    QTest::newRow("logo, no browser") << "@shellfails;picLogo" << "opened=https://officina.test/;msgs=Errore|C|Errore 31";
    QTest::newRow("mail, right button") << "right:lblMail" << "opened=mailto:lab@officina.test";
    QTest::newRow("mail, no mail program: silent") << "@shellfails;lblMail" << "opened=mailto:lab@officina.test;msgs=";
}

void TestWindow::printButtonHoldsItsPage_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("button");
    QTest::newRow("table") << "" << "cmdStampa";
    QTest::newRow("sheet") << QString::fromLatin1(kOpenScale) + "@answer:x" << "cmdStampaScala";
}

void TestWindow::printButtonHoldsItsPage()
{
    // While its page is on its way the button stays pressed, says so, and a
    // press meanwhile sends nothing; once the page has gone it is let up.
    QFETCH(QString, open);
    QFETCH(QString, button);
    Window t;
    t.run(open);
    auto *print = t.get<QPushButton>(button);
    const QString tooltip = print->toolTip();
    t.platform.holdPages = true;
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(print->isDown());
    QCOMPARE(print->toolTip(), QStringLiteral("Stampa in corso..."));
    QCOMPARE(print->accessibleDescription(), QStringLiteral("Stampa in corso..."));
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(t.platform.requests.size(), 1);
    QVERIFY(print->isDown());
    t.platform.releasePages();
    QVERIFY(!print->isDown());
    QCOMPARE(print->toolTip(), tooltip);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(t.platform.requests.size(), 2);
    t.platform.releasePages();
}

void TestWindow::windowFitsTheScreen()
{
    // The window, frame and all, lies inside the screen's available area;
    // Tab brings every control of every panel into view. On a small screen
    // (DRAVINO_SMALL_SCREEN) the design does not fit and the content scrolls.
    Window t;
    const QRect avail = t.w->screen()->availableGeometry();
    QTRY_VERIFY2(avail.contains(t.w->frameGeometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 on %5x%6").arg(t.w->frameGeometry().x()).arg(t.w->frameGeometry().y())
                                .arg(t.w->frameGeometry().width()).arg(t.w->frameGeometry().height()).arg(avail.width()).arg(avail.height())));
    auto *scroll = t.get<QScrollArea>(QStringLiteral("scroll"));
    QWidget *canvas = t.get(QStringLiteral("canvas"));
    if (qEnvironmentVariableIsSet("DRAVINO_SMALL_SCREEN"))
        QVERIFY(scroll->viewport()->height() < canvas->height());
    else
        QCOMPARE(scroll->viewport()->size(), canvas->size());
    for (const char *open : {"", "!F2", "!Escape;!F3"}) {
        t.run(QString::fromLatin1(open));
        for (int step = 0; step < 30; ++step) {
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            const QRect shown(f->mapTo(scroll->viewport(), QPoint(0, 0)), f->size());
            QVERIFY2(scroll->viewport()->rect().contains(shown),
                     qPrintable(QStringLiteral("%1 out of view: %2,%3").arg(f->objectName()).arg(shown.x()).arg(shown.y())));
            t.key(Qt::Key_Tab);
        }
    }
    // The archive window too, its buttons in view.
    t.run(QStringLiteral("!Escape;!F4"));
    auto *archive = t.w->findChild<QDialog *>(QStringLiteral("frmArchivio"));
    QVERIFY(archive);
    QTRY_VERIFY2(archive->isVisible() && avail.contains(archive->frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(archive->frameGeometry().width()).arg(archive->frameGeometry().height())));
    auto *close = archive->findChild<QWidget *>(QStringLiteral("cmdChiudiArchivio"));
    QVERIFY(archive->rect().contains(QRect(close->mapTo(archive, QPoint()), close->size())));
    archive->close();
    // The trace, beside the main window where there is room, all of it on
    // the screen; its Close in view.
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    t.run(QStringLiteral("!F7"));
    auto *trace = t.w->findChild<QWidget *>(QStringLiteral("frmTraccia"));
    QVERIFY(trace);
    QTRY_VERIFY2(trace->isVisible() && avail.contains(trace->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(trace->frameGeometry().x()).arg(trace->frameGeometry().y())
                                .arg(trace->frameGeometry().width()).arg(trace->frameGeometry().height())));
    // Tab reaches its Close and brings it into view (scrolled on a small screen).
    auto *closeTrace = trace->findChild<QWidget *>(QStringLiteral("cmdChiudiTraccia"));
    QTRY_COMPARE(QApplication::activeWindow(), trace);
    for (int i = 0; i < 20 && QApplication::focusWidget() != closeTrace; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : trace, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), closeTrace);
    QTRY_VERIFY(trace->rect().contains(QRect(closeTrace->mapTo(trace, QPoint()), closeTrace->size())));
    trace->close();
    QCOMPARE(t.errors(), QStringList());
}

void TestWindow::scaleSheetPrintsTheScreen()
{
    Window t;
    const auto says = [&](int document, const QString &text) {
        for (const auto &item : t.platform.documents.value(document))
            if (item.text.startsWith(text))
                return true;
        return false;
    };
    // Before any computation there is no verdict to give.
    t.run(QStringLiteral("%1@answer:nulla;cmdStampaScala").arg(kOpenScale));
    QVERIFY(!says(0, QStringLiteral("Esito della prova")));
    // What the screen shows, an average typed after the computation too,
    // and then no verdict.
    t.run(QStringLiteral("@answer:abc12;txtADCValue(4)=10;cmdScala;txtScalaMedia=2430;cmdStampaScala"));
    QVERIFY(!says(1, QStringLiteral("Esito della prova")) && says(1, QStringLiteral("2430")) && says(1, QStringLiteral("Senza esito")));
    t.platform.messages.clear();
    // Annulla: nothing printed, nothing said.
    t.run(QStringLiteral("cmdScala;@cancel;cmdStampaScala"));
    QCOMPARE(t.platform.prompts.size(), 3);
    QCOMPARE(t.platform.documents.size(), 2);
    QVERIFY(t.platform.messages.isEmpty());
}

void TestWindow::windowSwitchIsNoNewFocus()
{
    // A message box takes the focus and gives it back: the field's focus
    // steps (direction, marks, whole text selected) do not run again.
    Window t;
    t.run(QStringLiteral("txtMvolt1<45"));
    t.edit(QStringLiteral("txtMvolt1"))->deselect();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    t.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    QCOMPARE(t.check(QStringLiteral("focus=txtMvolt1;txtMvolt1[=;dir=0")), QStringList());
    t.run(QStringLiteral("txtPressione;txtMvolt1"));
    QCOMPARE(t.check(QStringLiteral("txtMvolt1[=45")), QStringList());
}

void TestWindow::qtTextsAreItalian()
{
    Window t;
    std::unique_ptr<QMenu> menu(t.edit(QStringLiteral("txtMvolt1"))->createStandardContextMenu());
    QCOMPARE(menuTexts(menu.get()), QStringList({"Ann&ulla", "&Rifai", "&Taglia", "&Copia", "&Incolla", "Elimina", "Seleziona tutto"}));
    // Annulla on the code prompt is no answer, not an empty code.
    whenModal<QDialog>([](QDialog *prompt) { prompt->reject(); });
    QVERIFY(!dravino::DesktopPlatform().inputText(t.w.get(), QStringLiteral("Codice"), QStringLiteral("Sigla del sensore")));
}

void TestWindow::calibrationReadings_data()
{
    // A reading typed in the unit of the plan: kept (its mV), or why not.
    QTest::addColumn<int>("bits");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("mv"); // -1: refused
    QTest::addColumn<QString>("why");
    const QString beyond10 = QStringLiteral("%1 non è un conteggio del convertitore a 10 bit (da 0 a 1023).");
    QTest::newRow("1023 counts: the last") << 10 << "1023" << 1023 * double(dravino::adcFactor(dravino::AdcResolution::Bits10)) << "";
    QTest::newRow("1024 counts: beyond") << 10 << "1024" << -1.0 << beyond10.arg(QStringLiteral("1024"));
    QTest::newRow("0 counts") << 10 << "0" << 0.0 << "";
    QTest::newRow("-1 counts") << 10 << "-1" << -1.0 << beyond10.arg(QStringLiteral("-1"));
    QTest::newRow("a fraction of a count") << 10 << "12,5" << -1.0 << beyond10.arg(QStringLiteral("12,5"));
    QTest::newRow("4095 at 12 bit") << 12 << "4095" << 4095 * double(dravino::adcFactor(dravino::AdcResolution::Bits12)) << "";
    QTest::newRow("4096 at 12 bit") << 12 << "4096" << -1.0 << "4096 non è un conteggio del convertitore a 12 bit (da 0 a 4095).";
    const QString outside = QStringLiteral("%1 mV è fuori dall'uscita di un sensore alimentato a 5 V (da 0 a 5000 mV).");
    QTest::newRow("5000 mV: the supply") << 0 << "5000" << 5000.0 << "";
    QTest::newRow("5000,1 mV") << 0 << "5000,1" << -1.0 << outside.arg(QStringLiteral("5000,1"));
    QTest::newRow("a decimal comma") << 0 << "2502,75" << 2502.75 << "";
    QTest::newRow("a decimal point") << 0 << " 2502.75 " << 2502.75 << "";
    QTest::newRow("-0,1 mV") << 0 << "-0,1" << -1.0 << outside.arg(QStringLiteral("-0,1"));
    QTest::newRow("no number") << 0 << "abc" << -1.0 << "\"abc\" non è una lettura: scrivi un numero.";
    QTest::newRow("two separators") << 0 << "1.500,5" << -1.0 << "\"1.500,5\" non è una lettura: scrivi un numero.";
    QTest::newRow("nothing: no reading") << 0 << "" << -2.0 << "";
}

void TestWindow::calibrationReadings()
{
    QFETCH(int, bits);
    QFETCH(QString, typed);
    QFETCH(double, mv);
    QFETCH(QString, why);
    dravino::CalibrationModel model;
    dravino::CalibrationModel::Setup setup = model.setup();
    setup.converterBits = bits;
    model.setSetup(setup);
    QCOMPARE(model.setReading(0, QStringLiteral("1")), QString());
    QCOMPARE(model.setReading(0, typed), why);
    const auto kept = model.readingMv(0, dravino::CalibrationModel::Phase::AsFound);
    if (mv == -2)
        QVERIFY(!kept); // cleared
    else if (mv < 0)
        QCOMPARE(kept, std::optional<double>(model.setup().converterBits ? double(dravino::adcFactor(bits == 12 ? dravino::AdcResolution::Bits12 : dravino::AdcResolution::Bits10)) : 1.0)); // unchanged
    else
        QCOMPARE(kept, std::optional<double>(mv));
}

void TestWindow::calibrationPoints_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read"); // the points, or why not
    QTest::newRow("the default") << "0 20 40 60 80 100" << "0 20 40 60 80 100";
    QTest::newRow("three: the fewest") << "0; 50 ;100%" << "0 50 100";
    QTest::newRow("two: too few") << "0 100" << "ci vogliono da 3 a 11 punti (ne sono scritti 2)";
    QTest::newRow("eleven: the most") << "0 10 20 30 40 50 60 70 80 90 100" << "0 10 20 30 40 50 60 70 80 90 100";
    QTest::newRow("twelve: too many") << "0 5 10 20 30 40 50 60 70 80 90 100" << "ci vogliono da 3 a 11 punti (ne sono scritti 12)";
    QTest::newRow("a fraction") << "0 12,5 100" << "0 12,5 100";
    QTest::newRow("not rising") << "0 50 50 100" << "i punti vanno scritti crescenti, senza ripeterne uno";
    QTest::newRow("past 100 %") << "0 50 100.5" << "100.5 % è fuori da 0–100 %";
    QTest::newRow("below 0 %") << "-1 50 100" << "-1 % è fuori da 0–100 %";
    QTest::newRow("a word") << "0 metà 100" << "\"metà\" non è un numero";
}

void TestWindow::calibrationPoints()
{
    QFETCH(QString, typed);
    QString why;
    const auto points = dravino::CalibrationModel::percentsOf(typed, &why);
    QTEST(points ? dravino::CalibrationModel::percentsText(*points) : why, "read");
}

void TestWindow::calibrationPlanKeepsReadings()
{
    // Rows in the order readings are taken: each cycle rising, then falling
    // from the point below the top. A point added keeps the readings of the
    // others; another full scale drops them all.
    using P = dravino::CalibrationModel::Phase;
    dravino::CalibrationModel model;
    dravino::CalibrationModel::Setup s = model.setup();
    s.converterBits = 0;
    s.percents = {0, 50, 100};
    s.cycles = 2;
    model.setSetup(s);
    QStringList places;
    for (int row = 0; row < model.rows(); ++row) {
        const auto at = model.place(row);
        places << QStringLiteral("%1%2%3").arg(at.cycle).arg(at.sweep == dravino::Sweep::Rising ? "+" : "-").arg(s.percents[std::size_t(at.point)]);
    }
    QCOMPARE(places.join(QLatin1Char(' ')), QStringLiteral("0+0 0+50 0+100 0-50 0-0 1+0 1+50 1+100 1-50 1-0"));
    for (int row = 0; row < model.rows(); ++row)
        QCOMPARE(model.setReading(row, QString::number(1000 + row)), QString());
    dravino::CalibrationModel::Setup more = s;
    more.percents = {0, 25, 50, 100};
    QVERIFY(!model.dropsReadings(more));
    model.setSetup(more);
    QCOMPARE(model.rows(), 14);
    QCOMPARE(model.reading(2, P::AsFound), std::optional<double>(1001)); // 50 % rising, cycle 1
    QCOMPARE(model.reading(1, P::AsFound), std::nullopt);                // 25 %: new
    QCOMPARE(model.reading(4, P::AsFound), std::optional<double>(1003)); // 50 % falling
    QCOMPARE(model.reading(5, P::AsFound), std::nullopt);                // 25 % falling: new
    QCOMPARE(model.firstMissing(), 1);
    dravino::CalibrationModel::Setup fewer = more;
    fewer.cycles = 1;
    QVERIFY(model.dropsReadings(fewer));
    dravino::CalibrationModel::Setup other = more;
    other.fullScale = 1800;
    QVERIFY(model.dropsReadings(other));
    model.setSetup(other);
    QVERIFY(!model.hasReadings());
}

void TestWindow::calibrationProblems_data()
{
    // What keeps a calibration from its certificate, and where the
    // technician is sent; the warnings the certificate will carry.
    QTest::addColumn<QString>("made");
    QTest::addColumn<int>("field"); // -1: none
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("warnings");
    using F = dravino::CalibrationProblem;
    QTest::newRow("complete") << "" << -1 << "" << "";
    QTest::newRow("a reading missing") << "missing" << int(F::Readings) << "Letture mancanti nel giro come trovato: 1 su 22 (la prima: ciclo 2, "
                                                                          "discesa, 800 bar)" << "";
    QTest::newRow("adjusted, as left not taken") << "adjusted" << int(F::Readings) << "Letture mancanti nel giro come lasciato: 22 su 22 (la prima: ciclo 1, salita, 0 bar)" << "";
    QTest::newRow("no reference") << "noreference" << int(F::Reference) << "Nessun riferimento di pressione scelto" << "";
    QTest::newRow("an uncertainty of zero") << "zero" << int(F::Reference) << "non ha un'incertezza maggiore di zero" << "";
    QTest::newRow("a class range below full scale") << "range" << int(F::Reference)
        << "Il campo del riferimento Manometro DPG-1 (n. A1234) (1999 bar) è sotto il fondo scala nominale di 2000 bar" << "(TUR) è 3,5 : 1";
    QTest::newRow("a class range at full scale") << "rangeok" << -1 << "" << "TUR";
    QTest::newRow("no code") << "nocode" << int(F::Code) << "Scrivi il codice del sensore" << "";
    QTest::newRow("no operator") << "nooperator" << int(F::Operator) << "Scrivi il nome dell'operatore" << "";
    QTest::newRow("the reference past due") << "pastdue" << -1 << "" << "La taratura del riferimento Manometro DPG-1 (n. A1234) è scaduta il";
    QTest::newRow("the reference due today") << "duetoday" << -1 << "" << "";
    QTest::newRow("TUR under 4") << "tur" << -1 << "" << "(TUR) è 2,5 : 1, sotto 4 : 1";
}

void TestWindow::calibrationProblems()
{
    QFETCH(QString, made);
    dravino::CalibrationModel model;
    const dravino::CalibrationData sample = dravino::test::sampleCalibration(dravino::Acceptance::Simple, false);
    model.load(sample, QStringLiteral("0281002930"), {});
    model.operatorName = QStringLiteral("Mario");
    const QDate today(2026, 12, 8);
    if (made == QLatin1String("missing"))
        model.setReading(model.rows() - 3, QString()); // the second cycle's 40 % falling
    if (made == QLatin1String("adjusted"))
        model.setAdjustment(dravino::CalibrationData::Adjustment::Adjusted);
    if (made == QLatin1String("noreference"))
        model.reference.reset();
    if (made == QLatin1String("zero"))
        model.reference->expandedBar = 0;
    if (made.startsWith(QLatin1String("range"))) {
        model.reference->kind = dravino::PressureReference::AccuracyClass;
        model.reference->classPercent = 0.25;
        model.reference->rangeBar = made == QLatin1String("range") ? 1999 : 2000;
    }
    if (made == QLatin1String("nocode"))
        model.code = QStringLiteral("  ");
    if (made == QLatin1String("nooperator"))
        model.operatorName.clear();
    if (made == QLatin1String("pastdue"))
        model.reference->due = today.addDays(-1);
    if (made == QLatin1String("duetoday"))
        model.reference->due = today;
    if (made == QLatin1String("tur"))
        model.reference->expandedBar = 8; // 20 bar of limit over 8: 2.5
    const auto problem = dravino::calibrationProblem(model, today);
    QFETCH(int, field);
    QFETCH(QString, words);
    QCOMPARE(problem ? int(problem->field) : -1, field);
    if (problem)
        QVERIFY2(problem->text.contains(words), qPrintable(problem->text));
    QFETCH(QString, warnings);
    const QString said = dravino::calibrationWarnings(model.data(), today).join(QLatin1Char('\n'));
    QVERIFY2(warnings.isEmpty() ? said.isEmpty() : said.contains(warnings), qPrintable(said));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
