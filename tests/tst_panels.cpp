// The scale panel and the Sensata panel through the window: computing from
// the grid, its colours and messages, the average modes, the printed sheet,
// and decoding a Sensata number with its marks.

#include "WindowFixture.h"

#include <QClipboard>
#include <QPushButton>

using dravino::MessageIcon;
using dravino::RecordedItem;

namespace {
const QColor kInside(0, 120, 0);
const QColor kOutside(220, 0, 0);

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void scaleComputesTheOpeningValues();
    void scaleResolutionRecomputes();
    void scaleFieldsFilterAndFill();
    void scaleEnterInAnEmptyField();
    void scaleManualAverage();
    void scaleDivisionByZero();
    void scaleSensorChoiceIsBoldOnly();
    void scaleSheetPrintsTheScreen();
    void scaleSheetAfterCancel();
    void sensataDecodes_data();
    void sensataDecodes();
    void sensataKeyFilter();
    void sensataMarks();
};

static void openScale(Window &t)
{
    for (int i = 0; i < 2; ++i) {
        auto *label = t.get(QStringLiteral("lblLabel(4)"));
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    }
    QVERIFY(t.get(QStringLiteral("fraSecondary"))->isEnabled());
}

static void openSensata(Window &t)
{
    for (int i = 0; i < 2; ++i) {
        auto *label = t.get(QStringLiteral("lblLabel(2)"));
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    }
    QVERIFY(t.get(QStringLiteral("fraSensata"))->isEnabled());
}

static QStringList column(const Window &t, const char *name)
{
    QStringList out;
    for (int i = 0; i < 6; ++i)
        out << t.text(QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i));
    return out;
}

void TestPanels::scaleComputesTheOpeningValues()
{
    Window t;
    openScale(t);
    QCOMPARE(t.text(QStringLiteral("lblScalaOttenuta(0)")), QStringLiteral("--"));
    t.click(QStringLiteral("cmdScala"));
    QCOMPARE(column(t, "lblMvoltScala"), (QStringList{"479", "1134", "1808", "2473", "0", "0"}));
    QCOMPARE(column(t, "lblScalaOttenuta"), (QStringList{"", "2443", "2408", "2407", "", ""}));
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("2419"));
    QCOMPARE(column(t, "lblLinearità"), (QStringList{"", "0,98%", "-0,46%", "-0,50%", "", ""}));
    QCOMPARE(column(t, "lblScostamento"), (QStringList{"", "24", "-11", "-12", "", ""}));
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(colorOf(t.get(QStringLiteral("lblLinearità(%1)").arg(i))), kInside);
        QCOMPARE(colorOf(t.get(QStringLiteral("lblScostamento(%1)").arg(i))), kInside);
    }
    QVERIFY(t.platform.messages.isEmpty());
}

void TestPanels::scaleResolutionRecomputes()
{
    Window t;
    openScale(t);
    t.click(QStringLiteral("optADCScala(1)"));
    QCOMPARE(column(t, "lblMvoltScala"), (QStringList{"120", "283", "452", "618", "0", "0"}));
    QCOMPARE(column(t, "lblScalaOttenuta"), (QStringList{"", "", "9639", "9639", "", ""}));
    // Row 1 was never computed: its colours stay as they were.
    QCOMPARE(colorOf(t.get(QStringLiteral("lblLinearità(1)"))), QColor(0, 0, 0));
}

void TestPanels::scaleFieldsFilterAndFill()
{
    Window t;
    openScale(t);
    t.typeInto(QStringLiteral("txtBarScala(1)"), QStringLiteral("0x4-00"));
    QCOMPARE(t.text(QStringLiteral("txtBarScala(1)")), QStringLiteral("0400"));
    t.key(Qt::Key_Return); // Enter computes and rewrites 0400 as 400
    QCOMPARE(t.text(QStringLiteral("txtBarScala(1)")), QStringLiteral("400"));
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("2419"));
    t.enter(QStringLiteral("txtADCValue(2)"));
    t.key(Qt::Key_Backspace);
    t.key(Qt::Key_Tab);
    QCOMPARE(t.text(QStringLiteral("txtADCValue(2)")), QStringLiteral("0"));
}

void TestPanels::scaleEnterInAnEmptyField()
{
    Window t;
    openScale(t);
    t.enter(QStringLiteral("txtADCValue(1)"));
    t.key(Qt::Key_Backspace);
    t.key(Qt::Key_Return);
    QCOMPARE(t.messageTexts(), (QStringList{"Errore 13  Tipo non corrispondente", "Errore 13  Tipo non corrispondente"}));
    QCOMPARE(t.platform.messages[0].title, QStringLiteral("Calcolo scala"));
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(t.text(QStringLiteral("txtADCValue(1)")), QString());
    QCOMPARE(column(t, "lblScalaOttenuta"), (QStringList{"", "", "2408", "2407", "", ""}));
}

void TestPanels::scaleManualAverage()
{
    Window t;
    openScale(t);
    t.click(QStringLiteral("cmdScala"));
    t.click(QStringLiteral("txtScalaMedia"));
    t.key(Qt::Key_A);      // letters are dropped
    t.key(Qt::Key_Return); // Enter computes nothing here
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("2419"));
    QVERIFY(t.get<QRadioButton>(QStringLiteral("optMedia(0)"))->isChecked());
    // A digit switches to the manual average and replaces the old one.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2400"));
    QVERIFY(t.get<QRadioButton>(QStringLiteral("optMedia(1)"))->isChecked());
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("2400"));
    t.click(QStringLiteral("cmdScala"));
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("2400"));
    QCOMPARE(column(t, "lblScostamento"), (QStringList{"", "43", "8", "7", "", ""}));
    QCOMPARE(colorOf(t.get(QStringLiteral("lblScostamento(1)"))), kOutside);
    QCOMPARE(colorOf(t.get(QStringLiteral("lblScostamento(2)"))), kInside);
    // Choosing "media manuale" puts the focus in the average, text selected.
    t.click(QStringLiteral("cmdScala"));
    t.get<QRadioButton>(QStringLiteral("optMedia(1)"))->click();
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtScalaMedia")));
    QCOMPARE(t.edit(QStringLiteral("txtScalaMedia"))->selectedText(), QStringLiteral("2400"));
}

void TestPanels::scaleDivisionByZero()
{
    Window t;
    openScale(t);
    t.edit(QStringLiteral("txtADCValue(1)"))->setText(QStringLiteral("98"));
    t.click(QStringLiteral("cmdScala"));
    QCOMPARE(t.messageTexts(), QStringList{QStringLiteral("Errore di calcolo ")});
    QCOMPARE(t.platform.messages[0].title, QStringLiteral("Calcolo scala"));
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QString());
    QCOMPARE(column(t, "lblMvoltScala"), (QStringList{"479", "479", "1808", "2473", "0", "0"}));
}

void TestPanels::scaleSensorChoiceIsBoldOnly()
{
    Window t;
    openScale(t);
    QVERIFY(dravino::isBold(t.get(QStringLiteral("optSensoreTipo(0)"))));
    t.click(QStringLiteral("optSensoreTipo(1)"));
    QVERIFY(dravino::isBold(t.get(QStringLiteral("optSensoreTipo(1)"))));
    QVERIFY(!dravino::isBold(t.get(QStringLiteral("optSensoreTipo(0)"))));
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QString()); // nothing recomputed
    t.click(QStringLiteral("cmdScala"));
    QCOMPARE(t.text(QStringLiteral("txtScalaMedia")), QStringLiteral("1935"));
}

void TestPanels::scaleSheetPrintsTheScreen()
{
    Window t;
    openScale(t);
    t.platform.inputAnswer = QStringLiteral("abc12");
    t.edit(QStringLiteral("txtADCValue(4)"))->setText(QStringLiteral("10")); // 49 mV: row 4 not computed
    t.click(QStringLiteral("cmdScala"));
    t.edit(QStringLiteral("txtScalaMedia"))->setText(QStringLiteral("2430"));
    t.click(QStringLiteral("cmdStampaScala"));
    QCOMPARE(t.platform.prompts, QStringList{QStringLiteral("Inserisci il codice o la sigla del sensore|Sigla del sensore")});
    QCOMPARE(t.platform.documents.size(), 1);
    const auto &doc = t.platform.documents[0];
    auto find = [&](const QString &text) {
        for (const auto &i : doc)
            if (i.kind == RecordedItem::Text && i.text == text)
                return i;
        return RecordedItem{};
    };
    QCOMPARE(find(QStringLiteral("ABC12")).text, QStringLiteral("ABC12"));
    QCOMPARE(find(QStringLiteral("2430")).text, QStringLiteral("2430")); // printed as typed
    QCOMPARE(find(QStringLiteral("0,98%")).color, kInside);
    QCOMPARE(find(QStringLiteral("1600")).color, QColor(255, 0, 0));
    QCOMPARE(find(QStringLiteral("1134")).color, QColor(0, 0, 255));
    QVERIFY(t.platform.messages.isEmpty());
}

void TestPanels::scaleSheetAfterCancel()
{
    Window t;
    openScale(t);
    t.platform.inputAnswer = QString();
    t.click(QStringLiteral("cmdStampaScala"));
    QCOMPARE(t.platform.documents.size(), 1);
    QStringList texts;
    for (const auto &i : t.platform.documents[0])
        if (i.kind == RecordedItem::Text)
            texts << i.text;
    const int at = texts.indexOf(QStringLiteral("Sensore: "));
    QVERIFY(at > 0);
    QCOMPARE(texts.at(at + 1), QStringLiteral("Valore medio della scala:  "));
    QVERIFY(texts.contains(QStringLiteral("--"))); // the opening contents
}

void TestPanels::sensataDecodes_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("default") << "13136421110" << "Numero sul sensore (11)" << "gio. 16/05/2013" << "421110" << "" << "";
    QTest::newRow("74 prefix") << "7413136421110" << "Numero sul sensore (13)" << "gio. 16/05/2013" << "421110" << "" << "";
    QTest::newRow("short form") << "1361342" << "Numero sul sensore (7)" << "gio. 16/05/2013" << "42" << "" << "";
    QTest::newRow("leap day 366") << "20366000" << "Numero sul sensore (8)" << "gio. 31/12/2020" << "000" << "" << "";
    QTest::newRow("too short") << "1313" << "Numero sul sensore (4)" << "" << "" << "Valore data non conosciuto" << "Verifica data";
    QTest::newRow("74, no year") << "74136" << "Numero sul sensore (5)" << "" << "" << "Errore 13  Tipo non corrispondente" << "Calcolo data";
    QTest::newRow("pasted letters") << "1x136421110" << "Numero sul sensore (11)" << "" << "" << "Errore 13  Tipo non corrispondente" << "Calcolo data";
}

void TestPanels::sensataDecodes()
{
    QFETCH(QString, number);
    QFETCH(QString, message);
    Window t;
    openSensata(t);
    t.edit(QStringLiteral("txtSensataCode"))->setText(number);
    t.click(QStringLiteral("cmdSensata"));
    QTEST(t.text(QStringLiteral("lblSensata(0)")), "length");
    QTEST(t.text(QStringLiteral("lblSensata(3)")), "date");
    QTEST(t.text(QStringLiteral("lblSensata(4)")), "serial");
    if (message.isEmpty()) {
        QVERIFY(t.platform.messages.isEmpty());
    } else {
        QCOMPARE(t.messageTexts(), QStringList{message});
        QTEST(t.platform.messages[0].title, "title");
        QCOMPARE(t.platform.messages[0].icon,
                 message.startsWith(QLatin1String("Errore")) ? MessageIcon::Critical : MessageIcon::Information);
    }
}

void TestPanels::sensataKeyFilter()
{
    Window t;
    openSensata(t);
    t.typeInto(QStringLiteral("txtSensataCode"), QStringLiteral("13a136-421110"));
    QCOMPARE(t.text(QStringLiteral("txtSensataCode")), QStringLiteral("13136421110"));
    QCOMPARE(t.text(QStringLiteral("lblSensata(0)")), QStringLiteral("Numero sul sensore (11)"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtSensataCode")), QStringLiteral("13136421110"));
    QCOMPARE(t.text(QStringLiteral("lblSensata(3)")), QStringLiteral("gio. 16/05/2013"));
    // Ctrl+V pastes whatever the clipboard holds.
    QApplication::clipboard()->setText(QStringLiteral("74 x"));
    t.enter(QStringLiteral("txtSensataCode"));
    t.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t.text(QStringLiteral("txtSensataCode")), QStringLiteral("74 x"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.text(QStringLiteral("lblSensata(3)")), QStringLiteral("gio. 16/05/2013"));
}

void TestPanels::sensataMarks()
{
    Window t;
    openSensata(t);
    t.chooseEntry(QStringLiteral("cboSensata(1)"), 0);
    QCOMPARE(t.text(QStringLiteral("lblSensata(8)")), QStringLiteral("per GPL"));
    QCOMPARE(t.text(QStringLiteral("lblSensata(7)")), QStringLiteral("Made in MALAYSIA"));
    t.chooseEntry(QStringLiteral("cboSensata(0)"), 6);
    QCOMPARE(t.text(QStringLiteral("lblSensata(7)")), QStringLiteral("Made in REP. DOMINICANA"));
    t.chooseEntry(QStringLiteral("cboSensata(1)"), 1);
    QCOMPARE(t.text(QStringLiteral("lblSensata(8)")), QStringLiteral("per CNG (Metano)"));
    // No country selected: unknown; the gas keeps its text without one.
    t.get<QComboBox>(QStringLiteral("cboSensata(0)"))->setCurrentIndex(-1);
    t.get<QComboBox>(QStringLiteral("cboSensata(1)"))->setCurrentIndex(-1);
    emit t.get<QComboBox>(QStringLiteral("cboSensata(1)"))->activated(-1);
    QCOMPARE(t.text(QStringLiteral("lblSensata(7)")), QStringLiteral("Made in SCONOSCIUTO"));
    QCOMPARE(t.text(QStringLiteral("lblSensata(8)")), QStringLiteral("per CNG (Metano)"));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
