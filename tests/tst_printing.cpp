// The print box through the window: the count of values, the refusals and
// their focus, and a table printed row by row through Calculate, with the
// calculator put back and the direction held.

#include "WindowFixture.h"
#include "ui/MainPanel.h"
#include "ui/PrintBox.h"
#include "ui/ScalePanel.h"

using dravino::MessageIcon;
using dravino::RecordedItem;

Q_DECLARE_METATYPE(dravino::MessageIcon)

namespace {

// The texts of the rows printed, in pairs, without headings, title or footer.
QStringList rowTexts(const QList<RecordedItem> &doc)
{
    QStringList out;
    for (const auto &item : doc)
        if (item.kind == RecordedItem::Text && item.font.pointSizeF() == 12 && !item.font.bold())
            out << item.text;
    return out;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void countsTheRows_data();
    void countsTheRows();
    void emptiedFieldLeavesTheCount();
    void directionCopiesTheCalculator();
    void refusals_data();
    void refusals();
    void printsAndPutsTheCalculatorBack();
    void leadingZeroFromIsPrintedAsTyped();
    void directionIsHeldThroughMessages();
    void zeroMillivoltRowHasNoStaleValue();
    void failingPrinterGivesAMessage();
};

void TestPrinting::countsTheRows_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("red");
    QTest::newRow("500 to 2500 by 20") << "500" << "2500" << "20" << "101 valori di stampa" << false;
    QTest::newRow("0 to 2680 by 20: 135") << "0" << "2680" << "20" << "135 valori di stampa" << false;
    QTest::newRow("0 to 2700 by 20: 136") << "0" << "2700" << "20" << "136 valori di stampa" << true;
    QTest::newRow("To equal to From") << "500" << "500" << "20" << "1 valori di stampa" << false;
    QTest::newRow("one step back") << "500" << "480" << "20" << "0 valori di stampa" << false;
    QTest::newRow("further back keeps the label") << "500" << "400" << "20" << "76 valori di stampa" << false;
    QTest::newRow("step not dividing: rows printed") << "0" << "50" << "20" << "3 valori di stampa" << false;
    QTest::newRow("step 0 keeps the label") << "500" << "2500" << "0" << "101 valori di stampa" << false;
}

void TestPrinting::countsTheRows()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, step);
    QFETCH(bool, red);
    Window t;
    t.typeInto(QStringLiteral("txtStampaDa"), from);
    t.typeInto(QStringLiteral("txtStampaA"), to);
    t.typeInto(QStringLiteral("txtStep"), step);
    t.key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), t.get(QStringLiteral("txtStep")));
    QTEST(t.text(QStringLiteral("lblValStampa")), "label");
    auto *label = t.get(QStringLiteral("lblValStampa"));
    QCOMPARE(colorOf(label) == QColor(255, 0, 0), red);
    QCOMPARE(label->toolTip(), red ? QStringLiteral("Troppi valori da stampare. Max 135") : QString());
}

void TestPrinting::emptiedFieldLeavesTheCount()
{
    Window t;
    t.typeInto(QStringLiteral("txtStep"), QStringLiteral("40"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("38 valori di stampa"));
    t.enter(QStringLiteral("txtStampaA"));
    t.key(Qt::Key_Backspace);
    t.key(Qt::Key_Tab);
    QCOMPARE(t.text(QStringLiteral("txtStampaA")), QString());
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("38 valori di stampa"));
    // Letters, signs and separators cannot be typed.
    t.typeInto(QStringLiteral("txtStampaDa"), QStringLiteral("1a-,.2"));
    QCOMPARE(t.text(QStringLiteral("txtStampaDa")), QStringLiteral("12"));
}

void TestPrinting::directionCopiesTheCalculator()
{
    Window t;
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("350"));
    t.key(Qt::Key_Return);
    t.click(QStringLiteral("optStampa(1)"));
    QCOMPARE(t.text(QStringLiteral("txtStampaDa")), QStringLiteral("350"));
    QCOMPARE(t.text(QStringLiteral("txtStampaA")), QStringLiteral("2000"));
    QCOMPARE(t.text(QStringLiteral("txtStep")), QStringLiteral("20"));
    QVERIFY(dravino::isBold(t.get(QStringLiteral("optStampa(1)"))));
    QVERIFY(!dravino::isBold(t.get(QStringLiteral("optStampa(0)"))));
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("1200"));
    t.click(QStringLiteral("optStampa(0)"));
    QCOMPARE(t.text(QStringLiteral("txtStampaDa")), QStringLiteral("1200"));
    QCOMPARE(t.text(QStringLiteral("txtStampaA")), QStringLiteral("4500"));
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("166 valori di stampa"));
}

void TestPrinting::refusals_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("scaleEntry");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("focus");
    const QString plausible = QStringLiteral("Valore non plausibile  ");
    const QString range = QStringLiteral("Intervallo di valori");
    const QString outOfScale = QStringLiteral("Valore di fine stampa fuori scala ");
    const QString printRange = QStringLiteral("Stampa intervallo di valori");
    const auto info = MessageIcon::Information;
    const auto warn = MessageIcon::Exclamation;
    QTest::newRow("empty Step") << 0 << 7 << "500" << "2500" << "" << plausible << range << info << "txtStep";
    QTest::newRow("letters in From") << 0 << 7 << "5x" << "" << "20" << plausible << range << info << "txtStampaDa";
    QTest::newRow("empty To before Step") << 0 << 7 << "500" << "" << "" << plausible << range << info << "txtStampaA";
    QTest::newRow("Step 0") << 0 << 7 << "500" << "2500" << "0" << plausible << range << info << "txtStep";
    QTest::newRow("negative Step") << 0 << 7 << "500" << "2500" << "-20" << plausible << range << info << "txtStep";
    QTest::newRow("beyond 16 bits") << 0 << 7 << "500" << "99999" << "20" << plausible << range << info << "txtStampaA";
    QTest::newRow("millivolt To 4901") << 0 << 7 << "4800" << "4901" << "20" << outOfScale << "Parametro di stampa" << info << "txtStampaA";
    QTest::newRow("pressure To 1801 at 1800 bar") << 1 << 6 << "1700" << "1801" << "20" << outOfScale << "Parametro di stampa" << info << "txtStampaA";
    QTest::newRow("high to low")
        << 0 << 7 << "500" << "400" << "20"
        << QStringLiteral("Intervallo di valori stampabili:\r\nsolo dal valore più basso verso quello più alto.")
        << printRange << warn << "txtStampaDa";
    QTest::newRow("nothing to print") << 0 << 7 << "500" << "480" << "20" << "Nessun valore da stampare." << printRange << warn << "cmdStampa";
    QTest::newRow("136 values")
        << 0 << 7 << "0" << "2700" << "20"
        << QStringLiteral("Troppi valori da stampare  (136) .  Il massimo consentito è 135.\r\n"
                          "Diminuire l'intervallo di pressione/mVolt o lo Step di risoluzione.")
        << printRange << warn << "cmdStampa";
}

void TestPrinting::refusals()
{
    QFETCH(int, direction);
    QFETCH(int, scaleEntry);
    QFETCH(QString, message);
    Window t;
    t.chooseEntry(QStringLiteral("cboScala"), scaleEntry);
    t.click(QStringLiteral("optStampa(%1)").arg(direction));
    // Pasted text passes no key filter: write the fields as a paste would.
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, step);
    t.edit(QStringLiteral("txtStampaDa"))->setText(from);
    t.edit(QStringLiteral("txtStampaA"))->setText(to);
    t.edit(QStringLiteral("txtStep"))->setText(step);
    const QString mv = t.text(QStringLiteral("txtMvolt1"));
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, message);
    QTEST(t.platform.messages[0].title, "title");
    QTEST(t.platform.messages[0].icon, "icon");
    QTEST(QApplication::focusWidget()->objectName(), "focus");
    QVERIFY(t.platform.documents.isEmpty());
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), mv);
    QCOMPARE(t.w->mainPanel().calcDirection(), direction);
}

void TestPrinting::printsAndPutsTheCalculatorBack()
{
    Window t;
    t.platform.deviceName = QStringLiteral("Officina");
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("1000"));
    t.key(Qt::Key_Return); // voltage 2500, direction pressure to voltage
    t.typeInto(QStringLiteral("txtStampaA"), QStringLiteral("2500"));
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(t.platform.documents.size(), 1);
    const QStringList rows = rowTexts(t.platform.documents[0]);
    QCOMPARE(rows.size(), 2 * 101);
    QCOMPARE(rows.mid(0, 4), (QStringList{"500", "0", "520", "10"}));
    QCOMPARE(rows.mid(200, 2), (QStringList{"2500", "1000"}));
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Stampa effettuata su Officina"));
    QCOMPARE(t.platform.messages[0].title, QStringLiteral("Stampa valori di pressione/tensione"));
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Information);
    // The fields are back; the print button's direction stays.
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("2500"));
    QCOMPARE(t.text(QStringLiteral("txtPressione")), QStringLiteral("1000"));
    QCOMPARE(t.w->mainPanel().calcDirection(), 0);
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("101 valori di stampa"));
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(), QStringLiteral("Stampa su Officina; porta cups-pdf:/"));
    // The scale sheet's button keeps the printer named at start-up.
    QCOMPARE(t.get(QStringLiteral("cmdStampaScala"))->toolTip(), QStringLiteral("Stampa su PDF; porta cups-pdf:/"));
}

void TestPrinting::leadingZeroFromIsPrintedAsTyped()
{
    Window t;
    t.edit(QStringLiteral("txtStampaDa"))->setText(QStringLiteral("0500"));
    t.edit(QStringLiteral("txtStampaA"))->setText(QStringLiteral("560"));
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(rowTexts(t.platform.documents.value(0)),
             (QStringList{"0500", "0", "520", "10", "540", "20", "560", "30"}));
    QCOMPARE(t.text(QStringLiteral("txtStampaDa")), QStringLiteral("500"));
    QCOMPARE(t.text(QStringLiteral("lblValStampa")), QStringLiteral("4 valori di stampa"));
}

void TestPrinting::directionIsHeldThroughMessages()
{
    // A zero point of 1199 mV takes 2000 bar to 5199 mV, above the family's
    // 5000: every run that finds it in the voltage field refuses it and moves
    // the focus there, which would turn the direction to voltage.
    Window t;
    t.typeInto(QStringLiteral("txtMvolt1"), QStringLiteral("1199"));
    t.click(QStringLiteral("cmdZeroBar"));
    t.typeInto(QStringLiteral("txtPressione"), QStringLiteral("2000"));
    t.key(Qt::Key_Return);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("5199"));
    t.click(QStringLiteral("optStampa(1)"));
    t.edit(QStringLiteral("txtStampaDa"))->setText(QStringLiteral("1900"));
    t.edit(QStringLiteral("txtStep"))->setText(QStringLiteral("100"));
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(rowTexts(t.platform.documents.value(0)), (QStringList{"1900", "0", "2000", "5199"}));
    const QString high = QStringLiteral("Valore di milliVolt troppo alto.   ");
    QCOMPARE(t.messageTexts(), (QStringList{high, high, high, "Stampa effettuata su PDF"}));
    QCOMPARE(t.w->mainPanel().calcDirection(), 1);
}

void TestPrinting::zeroMillivoltRowHasNoStaleValue()
{
    Window t;
    t.edit(QStringLiteral("txtStampaDa"))->setText(QStringLiteral("0"));
    t.edit(QStringLiteral("txtStampaA"))->setText(QStringLiteral("1000"));
    t.edit(QStringLiteral("txtStep"))->setText(QStringLiteral("500"));
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(rowTexts(t.platform.documents.value(0)), (QStringList{"0", "--", "500", "0", "1000", "250"}));
}

void TestPrinting::failingPrinterGivesAMessage()
{
    Window t;
    t.platform.printerFails = true;
    t.click(QStringLiteral("cmdStampa"));
    QCOMPARE(t.messageTexts(), QStringList{QStringLiteral("La stampa su Guasta non è riuscita.")});
    QCOMPARE(t.platform.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("500"));
    QCOMPARE(t.text(QStringLiteral("txtStampaDa")), QStringLiteral("500"));
    // The scale sheet says so too.
    t.platform.messages.clear();
    t.w->scalePanel().StampaFoglioScala();
    QCOMPARE(t.messageTexts(), QStringList{QStringLiteral("La stampa su Guasta non è riuscita.")});
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
