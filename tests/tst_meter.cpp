// The bench multimeter read by libsigrok's scpi-dmm driver from a stand-in
// meter on 127.0.0.1 (MeterStandIn.h): a reading into mVolt 1 as if typed
// and entered, into a scale row as the converter's count, and every fault
// told in words with the field left as it was; live reading started and
// stopped; the window closed while a reading hangs.

#include "CalibrationSample.h"
#include "MeterStandIn.h"
#include "print/Footer.h"
#include "PrintServerStandIn.h"
#include "WindowFixture.h"
#include "base/Settings.h"
#include "base/Workers.h"
#include "archive/Archive.h"
#include "instrument/Acquisition.h"
#include "instrument/Meter.h"
#include "PdfWords.h"
#include "ui/trace/TraceWindow.h"
#include "ui/trace/GuidedTestWindow.h"
#include "print/RecordedItem.h"
#include "print/RecordingSurface.h"
#include "ui/archive/RecordedSheet.h"
#include "print/GuidedReport.h"
#include "DriveSample.h"
#include <QTableWidget>
#include "ui/dialogs/InstrumentDialog.h"
#include "ui/calibration/CalibrationWindow.h"
#include "ui/calibration/CalibrationSession.h"
#include "ui/archive/ArchiveModel.h"
#include "archive/Location.h"
#include "print/PdfFile.h"
#include "print/Spreadsheet.h"

#include <QElapsedTimer>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QWheelEvent>
#include <QSpinBox>
#include <QCheckBox>
#include <QTableView>
#include <thread>

namespace {
const QByteArray kDc = "\"VOLT +1.000000E+01,+1.000000E-06\"";
const char *const kTitle = "Multimetro|E|";

// F7's window, opened as the technician opens it.
dravino::TraceWindow *openTrace(Window &t)
{
    // From the main window, as the technician goes back to it.
    t.w->activateWindow();
    if (!QTest::qWaitFor([&t] { return QApplication::activeWindow() == t.w.get(); }, 2000))
        qWarning("the main window is not active");
    t.run(QStringLiteral("!F7"));
    auto *trace = t.w->findChild<dravino::TraceWindow *>(QStringLiteral("frmTraccia"));
    if (trace && !QTest::qWaitFor([trace] { return trace->isVisible(); }))
        qWarning("the trace window did not show");
    return trace;
}

QString shown(dravino::TraceWindow *trace, const char *label) { return trace->findChild<QLabel *>(QLatin1String(label))->text(); }

// A reading of mv as the meter gives it.
dravino::MeterReading volts(double mv)
{
    dravino::MeterReading r;
    r.kind = dravino::MeterReading::Volts;
    r.volts = mv / 1000.0;
    return r;
}
} // namespace

class TestMeter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("DRAVINO_METER_TIMEOUT_MS", "2500"); }
    void cleanup() { qunsetenv("DRAVINO_INSTRUMENT"); }
    void readings_data();
    void readings();
    void liveReading();
    void liveReadingStopsOnAFault_data();
    void liveReadingStopsOnAFault();
    void liveReadingRidesOutADrop();
    void closingWhileAReadingHangs();
    void choosingTheMeter();
    void choosingAnOscilloscope();
    void readingsAtOnce();
    void searchGivesUp();
    void withoutTheModule();
    void meterOnTheCertificate_data();
    void meterOnTheCertificate();
    void traceFromTheMeter();
    void demoDeviceKeepsItsRate_data();
    void demoDeviceKeepsItsRate();
    void traceFromAnOscilloscope();
    void oscilloscopeFaultsTold_data();
    void oscilloscopeFaultsTold();
    void readingWhileTracing();
    void guidedTestOnTheCapture();
    void guidedLimitsPerVehicle();
    void supplyFromASecondChannel_data();
    void supplyFromASecondChannel();
    void traceOfAKeyOff();
    void traceTellsTheSignal_data();
    void traceTellsTheSignal();
    void calibrationByKeys();
    void meterAccuracyKept_data();
    void meterAccuracyKept();
};

void TestMeter::readings_data()
{
    // The meter (its function and reading; "-" no meter at all, "gone"
    // nobody at its port, "nodriver" a driver libsigrok does not have);
    // what is done; what the technician then sees.
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("checks");
    const QString unchanged = QStringLiteral("txtMvolt1=500;txtPressione=0;");
    QTest::newRow("2.5 V into mVolt 1: converted as if entered") << kDc << QByteArray("+2.50000000E+00") << "txtMvolt1<;!F9;~meter"
        << "txtMvolt1=2500;txtPressione=1000;msgs=;focus=txtMvolt1;txtMvolt1[=2500";
    QTest::newRow("4.5004 V: to the nearest mV") << kDc << QByteArray("+4.50040000E+00") << "txtMvolt1<;!F9;~meter" << "txtMvolt1=4500;txtPressione=2000";
    QTest::newRow("0.0025 V: halves to even") << kDc << QByteArray("+2.50000000E-03") << "txtMvolt1<;!F9;~meter" << "txtMvolt1=2";
    // True halves in libsigrok's single precision: 62.5 and 187.5 mV.
    QTest::newRow("0.0625 V: a half, down to even") << kDc << QByteArray("+6.25000000E-02") << "txtMvolt1<;!F9;~meter" << "txtMvolt1=62";
    QTest::newRow("0.1875 V: a half, up to even") << kDc << QByteArray("+1.87500000E-01") << "txtMvolt1<;!F9;~meter" << "txtMvolt1=188";
    QTest::newRow("5.1 V: Calculate's own message") << kDc << QByteArray("+5.10000000E+00") << "txtMvolt1<;!F9;~meter"
        << "txtMvolt1=0;msgs=milliVolt|I|Valore di milliVolt troppo alto.   ";
    QTest::newRow("12.5 V: more than the field takes") << kDc << QByteArray("+1.25000000E+01") << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro legge 12,500 V: il campo mVolt 1 prende da 0 a 9999 mV.";
    QTest::newRow("into a scale row: the 10-bit count") << kDc << QByteArray("+2.50000000E+00") << "!F2;txtADCValue(4)<;!F9;~meter"
        << "txtADCValue(4)=512;txtADCValue(4)[=512;msgs=";
    QTest::newRow("1.2345 V into a scale row: 1235 mV, 252.68 counts, 253") << kDc << QByteArray("+1.23450000E+00")
        << "!F2;txtADCValue(4)<;!F9;~meter" << "txtADCValue(4)=253;msgs=";
    QTest::newRow("into a scale row: the 12-bit count") << kDc << QByteArray("+2.50000000E+00")
        << "!F2;optADCScala(1);txtADCValue(4)<;!F9;~meter" << "txtADCValue(4)=2047;msgs=";
    // A count the converter cannot show is refused in calcola's words.
    QTest::newRow("5.000 V into a 10-bit row: 1023") << kDc << QByteArray("+5.00000000E+00") << "!F2;txtADCValue(4)<;!F9;~meter"
        << "txtADCValue(4)=1023;msgs=";
    QTest::newRow("5.003 V into a 10-bit row: 1024, refused") << kDc << QByteArray("+5.00300000E+00") << "!F2;txtADCValue(4)<;!F9;~meter"
        << "txtADCValue(4)=0;msgs=" + QString(kTitle) + "Riga 4: il valore ADC 1024 supera 1023, il massimo del convertitore a 10 bit.";
    QTest::newRow("5.000 V into a 12-bit row: 4095") << kDc << QByteArray("+5.00000000E+00")
        << "!F2;optADCScala(1);txtADCValue(4)<;!F9;~meter" << "txtADCValue(4)=4095;msgs=";
    QTest::newRow("5.001 V into a 12-bit row: 4096, refused") << kDc << QByteArray("+5.00100000E+00")
        << "!F2;optADCScala(1);txtADCValue(4)<;!F9;~meter"
        << "txtADCValue(4)=0;msgs=" + QString(kTitle) + "Riga 4: il valore ADC 4096 supera 4095, il massimo del convertitore a 12 bit.";
    // A reading after calcola: the results no longer belong to the readings.
    QTest::newRow("into a scale row after calcola: no verdict") << kDc << QByteArray("+2.50000000E+00")
        << "!F2;cmdScala;txtADCValue(4)<;!F9;~meter;@answer:x;cmdStampaScala"
        << "txtADCValue(4)=512;verdict=senza esito;msgs=Stampa foglio scala|I|Le letture o le impostazioni sono cambiate dopo l'ultimo "
           "calcolo: il foglio esce senza esito e la prova non viene registrata. Premi calcola per dare l'esito al foglio.";
    QTest::newRow("elsewhere nothing") << kDc << QByteArray("+2.50000000E+00") << "txtPressione<;!F9;~meter" << unchanged + "msgs=";
    QTest::newRow("AC volts") << QByteArray("\"VOLT:AC +1.000000E+01,+1.000000E-06\"") << QByteArray("+2.5E+00") << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro non misura tensione continua (misura V AC): mettilo su V DC.";
    QTest::newRow("ohms") << QByteArray("\"RES +1.000000E+03,+1.000000E-03\"") << QByteArray("+1.2E+02") << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro non misura tensione continua (misura Ω): mettilo su V DC.";
    QTest::newRow("amperes") << QByteArray("\"CURR +1.000000E+00,+1.000000E-06\"") << QByteArray("+0.5E+00") << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro non misura tensione continua (misura A DC): mettilo su V DC.";
    QTest::newRow("overload") << kDc << QByteArray("+9.9E+37") << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro è fuori scala (OL): la tensione è oltre la sua portata.";
    QTest::newRow("silent: given up at the limit") << kDc << QByteArray() << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro DEVICE non risponde.";
    QTest::newRow("unplugged") << QByteArray("gone") << QByteArray() << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro DEVICE non si trova: è collegato e acceso?";
    QTest::newRow("no meter chosen") << QByteArray("-") << QByteArray() << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=Multimetro|I|Nessun multimetro scelto: sceglilo con Strumento... (F8).";
    QTest::newRow("a driver libsigrok does not have") << QByteArray("nodriver") << QByteArray() << "txtMvolt1<;!F9;~meter"
        << unchanged + "msgs=" + kTitle + "Il multimetro DEVICE non si può usare: la libreria libsigrok installata non ha il driver pinza-magica.";
}

void TestMeter::readings()
{
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, reading);
    QFETCH(QString, actions);
    QFETCH(QString, checks);
    MeterStandIn meter(reading, function);
    QString device = meter.device();
    if (function == "gone")
        device = QStringLiteral("scpi-dmm:conn=tcp-raw/127.0.0.1/1");
    else if (function == "nodriver")
        device = QStringLiteral("pinza-magica:conn=/dev/null");
    if (function != "-")
        qputenv("DRAVINO_INSTRUMENT", device.toUtf8());
    Window t;
    QElapsedTimer told;
    told.start();
    t.run(actions);
    // Every fault told within 5 s.
    QVERIFY2(told.elapsed() < 5000, qPrintable(QString::number(told.elapsed())));
    const QStringList wrong = t.check(QString(checks).replace(QStringLiteral("DEVICE"), device)) + t.errors();
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("\n   "))));
}

void TestMeter::liveReading()
{
    // Shift+F9 in mVolt 1: the pressure follows the meter, the field says
    // so to the eye and to a screen reader; a key typed stops it.
    MeterStandIn meter("+1.50000000E+00");
    qputenv("DRAVINO_INSTRUMENT", meter.device().toUtf8());
    Window t;
    t.run(QStringLiteral("txtMvolt1<;!F9;!shiftF9")); // (started while F9's reading is under way)
    auto *mark = t.get<QLabel>(QStringLiteral("lblLettura"));
    QTRY_COMPARE_WITH_TIMEOUT(t.text(QStringLiteral("txtPressione")), QStringLiteral("500"), 10000);
    QVERIFY(mark->isVisible());
    QVERIFY(t.get(QStringLiteral("txtMvolt1"))->accessibleDescription().startsWith(QStringLiteral("Lettura continua dal multimetro")));
    meter.setReading("+2.50000000E+00");
    QTRY_COMPARE_WITH_TIMEOUT(t.text(QStringLiteral("txtPressione")), QStringLiteral("1000"), 10000);
    t.run(QStringLiteral("!type:3"));
    QVERIFY(!mark->isVisible());
    QTest::qWait(300); // (the stream stops within its next packet)
    const int afterStop = meter.readings();
    QTest::qWait(1500);
    QCOMPARE(meter.readings(), afterStop);
    QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("3"));
    QCOMPARE(t.get(QStringLiteral("txtMvolt1"))->accessibleDescription(), QString());
    // Started again, it stops where the focus leaves the field, and the
    // field the focus went to keeps it.
    t.run(QStringLiteral("!shiftF9;~meter"));
    QVERIFY(mark->isVisible());
    t.run(QStringLiteral("!Tab"));
    QVERIFY(!mark->isVisible());
    QTest::qWait(1500);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtPressione"));
}

void TestMeter::liveReadingStopsOnAFault_data()
{
    // What the meter turns to while it is read live, and what is told.
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<QString>("told");
    QTest::newRow("AC volts") << QByteArray("\"VOLT:AC +1.000000E+01,+1.000000E-06\"") << QByteArray("+1.5E+00")
                              << "Il multimetro non misura tensione continua (misura V AC): mettilo su V DC.";
    QTest::newRow("overload") << kDc << QByteArray("+9.9E+37") << "Il multimetro è fuori scala (OL): la tensione è oltre la sua portata.";
    QTest::newRow("more than the field takes") << kDc << QByteArray("+1.25000000E+01")
                                               << "Il multimetro legge 12,500 V: il campo mVolt 1 prende da 0 a 9999 mV.";
    QTest::newRow("silent") << kDc << QByteArray() << "Il multimetro DEVICE non risponde.";
}

void TestMeter::liveReadingStopsOnAFault()
{
    // A fault ends the live reading: told once, the mark gone for the eye
    // and for a screen reader, the meter no longer read.
    QFETCH(QByteArray, function);
    QFETCH(QByteArray, reading);
    QFETCH(QString, told);
    MeterStandIn meter("+1.50000000E+00");
    qputenv("DRAVINO_INSTRUMENT", meter.device().toUtf8());
    Window t;
    t.run(QStringLiteral("txtMvolt1<;!shiftF9"));
    auto *mark = t.get<QLabel>(QStringLiteral("lblLettura"));
    QTRY_COMPARE_WITH_TIMEOUT(t.text(QStringLiteral("txtPressione")), QStringLiteral("500"), 10000);
    QVERIFY(mark->isVisible());
    meter.setFunction(function);
    meter.setReading(reading);
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 10000);
    QCOMPARE(t.platform.messages[0].text, QString(told).replace(QStringLiteral("DEVICE"), meter.device()));
    QVERIFY(!mark->isVisible());
    QVERIFY(!t.get(QStringLiteral("txtMvolt1"))->accessibleDescription().startsWith(QStringLiteral("Lettura continua")));
    QTest::qWait(300); // (the stream stops within its next packet)
    const int after = meter.readings();
    QTest::qWait(1000);
    QCOMPARE(meter.readings(), after);
    QCOMPARE(t.platform.messages.size(), 1);
}

void TestMeter::liveReadingRidesOutADrop()
{
    // The meter gone for a moment (a cable moved): the live reading goes on
    // when it is back, nothing said; gone for longer, told once.
    auto meter = std::make_unique<MeterStandIn>("+1.50000000E+00");
    const quint16 port = meter->port();
    qputenv("DRAVINO_INSTRUMENT", meter->device().toUtf8());
    Window t;
    t.run(QStringLiteral("txtMvolt1<;!shiftF9"));
    auto *mark = t.get<QLabel>(QStringLiteral("lblLettura"));
    QTRY_COMPARE_WITH_TIMEOUT(t.text(QStringLiteral("txtPressione")), QStringLiteral("500"), 10000);
    meter.reset();
    QTest::qWait(800);
    meter = std::make_unique<MeterStandIn>("+2.50000000E+00", kDc, port);
    QTRY_COMPARE_WITH_TIMEOUT(t.text(QStringLiteral("txtPressione")), QStringLiteral("1000"), 10000);
    QVERIFY(mark->isVisible());
    QCOMPARE(t.platform.messages.size(), 0);
    meter.reset();
    QTRY_COMPARE_WITH_TIMEOUT(t.platform.messages.size(), 1, 10000);
    QVERIFY2(t.platform.messages[0].text.endsWith(QStringLiteral("non si trova: è collegato e acceso?")), qPrintable(t.platform.messages[0].text));
    QVERIFY(!mark->isVisible());
    QTest::qWait(1000);
    QCOMPARE(t.platform.messages.size(), 1);
}

void TestMeter::closingWhileAReadingHangs()
{
    // The window closes while a meter that never answers is being read
    // (by F9 and by the trace window beside it): the program still ends
    // within a second of it.
    MeterStandIn meter({});
    qputenv("DRAVINO_INSTRUMENT", meter.device().toUtf8());
    QElapsedTimer clock;
    {
        Window t;
        t.run(QStringLiteral("txtMvolt1<;!F9;!F7"));
        QTest::qWait(300);
        QVERIFY(t.w->findChild<dravino::TraceWindow *>()->isVisible());
        clock.start();
    }
    QVERIFY(dravino::endWorkers(900, clock.elapsed()) || clock.elapsed() < 1000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestMeter::choosingTheMeter()
{
    // F8: libsigrok's multimeter drivers listed, the meter at a connection
    // found, a reading tried, the choice kept for F9.
    MeterStandIn meter("+2.50000000E+00");
    const QString conn = meter.device().section(QStringLiteral("conn="), 1);
    Window t;
    QString found, tried;
    whenModal<QDialog>([&](QDialog *dialog) {
        const auto close = qScopeGuard([dialog] { dialog->accept(); });
        auto *driver = dialog->findChild<QComboBox *>(QStringLiteral("cboDriver"));
        QTRY_VERIFY(driver->findData(QStringLiteral("scpi-dmm")) >= 0);
        QVERIFY(driver->findData(QStringLiteral("demo")) >= 0); // (an oscilloscope)
        driver->setCurrentIndex(driver->findData(QStringLiteral("scpi-dmm")));
        dialog->findChild<QLineEdit *>(QStringLiteral("txtConnessione"))->setText(conn);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCerca")), Qt::LeftButton);
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstStrumenti"));
        QTRY_COMPARE_WITH_TIMEOUT(list->count(), 1, 10000);
        found = list->item(0)->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdProva")), Qt::LeftButton);
        auto *state = dialog->findChild<QLabel *>(QStringLiteral("lblStatoStrumento"));
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Lettura:")), 10000);
        tried = state->text();
    });
    t.run(QStringLiteral("!F8"));
    QCOMPARE(found, QStringLiteral("Agilent Technologies 34405A — %1").arg(meter.device()));
    QCOMPARE(tried, QStringLiteral("Lettura: 2,5000 V DC"));
    QCOMPARE(dravino::configuredInstrument(), meter.device());
    t.w->activateWindow(); // offscreen, nobody gives it back when the dialog closes
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    t.run(QStringLiteral("txtMvolt1<;!F9;~meter"));
    QCOMPARE(t.check(QStringLiteral("txtMvolt1=2500;msgs=")) + t.errors(), QStringList());
    dravino::setSettingsValue(QStringLiteral("instrument"), {});
}

void TestMeter::choosingAnOscilloscope()
{
    // F8: an oscilloscope's driver, its channel typed, its rate and probe
    // chosen by keys: the device string carries them, a reading is tried
    // through its stream (the probe's factor applied), and the trace then
    // streams from it at that rate.
    Window t;
    QString tried, device;
    whenModal<QDialog>([&](QDialog *dialog) {
        const auto close = qScopeGuard([dialog] { dialog->accept(); });
        auto *driver = dialog->findChild<QComboBox *>(QStringLiteral("cboDriver"));
        QTRY_VERIFY(driver->findData(QStringLiteral("demo")) >= 0);
        dialog->findChild<QLineEdit *>(QStringLiteral("txtStrumento"))->clear();
        driver->setCurrentIndex(driver->findData(QStringLiteral("demo")));
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtCanale")), QStringLiteral("A0"));
        auto *rate = dialog->findChild<QComboBox *>(QStringLiteral("cboCampionamento"));
        QTest::keyClick(rate, Qt::Key_Down); // 10 kS/s
        QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("cboSonda")), Qt::Key_Down); // x10
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtCanaleAlimentazione")), QStringLiteral("A1"));
        device = dialog->findChild<QLineEdit *>(QStringLiteral("txtStrumento"))->text();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdProva")), Qt::LeftButton);
        auto *state = dialog->findChild<QLabel *>(QStringLiteral("lblStatoStrumento"));
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Lettura:")), 10000);
        tried = state->text();
    });
    t.run(QStringLiteral("!F8"));
    QCOMPARE(device, QStringLiteral("demo:channel=A0:samplerate=10000:probe=x10:supply=A1"));
    QVERIFY2(tried == QStringLiteral("Lettura: 100,0000 V DC") || tried == QStringLiteral("Lettura: -100,0000 V DC"), qPrintable(tried));
    QCOMPARE(dravino::configuredInstrument(), device);
    auto *trace = openTrace(t);
    QVERIFY(trace);
    auto *acquisition = t.w->findChild<dravino::Acquisition *>();
    QTRY_VERIFY_WITH_TIMEOUT(acquisition->received() > 0, 10000);
    QCOMPARE(acquisition->rateHz(), 10000.0);
    QCOMPARE(acquisition->device(), device);
    trace->close();
    dravino::setSettingsValue(QStringLiteral("instrument"), {});
}

void TestMeter::readingsAtOnce()
{
    // Readings and searches on several threads at once, as when a reading
    // given up at the time limit still runs while the next one starts:
    // every one answered, none ending the program.
    MeterStandIn meter("+2.50000000E+00");
    std::atomic_int volts = 0, found = 0;
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&] {
            for (int n = 0; n < 5; ++n)
                volts += dravino::readMeter(meter.device()).kind == dravino::MeterReading::Volts;
            found += int(dravino::scanMeters(QStringLiteral("scpi-dmm"), meter.device().section(QStringLiteral("conn="), 1)).size());
        });
    for (auto &thread : threads)
        thread.join();
    QCOMPARE(volts.load(), 20);
    QCOMPARE(found.load(), 4);
}

void TestMeter::searchGivesUp()
{
    // A search at an address whose connection never completes: a reading
    // of the meter meanwhile is not held up by it; the search is given up at
    // three times a reading's limit (7.5 s here), said so, Cerca is back,
    // and the next search finds the meter.
    PrintServerStandIn nobody(PrintServerStandIn::Blackhole);
    MeterStandIn meter("+2.50000000E+00");
    Window t;
    QStringList said;
    whenModal<QDialog>([&](QDialog *dialog) {
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        auto *driver = dialog->findChild<QComboBox *>(QStringLiteral("cboDriver"));
        QTRY_VERIFY(driver->findData(QStringLiteral("scpi-dmm")) >= 0);
        driver->setCurrentIndex(driver->findData(QStringLiteral("scpi-dmm")));
        auto *conn = dialog->findChild<QLineEdit *>(QStringLiteral("txtConnessione"));
        conn->setText(QStringLiteral("tcp-raw/") + nobody.address().replace(':', '/'));
        auto *search = dialog->findChild<QPushButton *>(QStringLiteral("cmdCerca"));
        auto *state = dialog->findChild<QLabel *>(QStringLiteral("lblStatoStrumento"));
        QTest::mouseClick(search, Qt::LeftButton);
        QVERIFY(!search->isEnabled());
        dialog->findChild<QLineEdit *>(QStringLiteral("txtStrumento"))->setText(meter.device());
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdProva")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QStringLiteral("Lettura: ")), 5000);
        said << state->text();
        QVERIFY(!search->isEnabled()); // (the search still under way)
        QTRY_VERIFY_WITH_TIMEOUT(search->isEnabled(), 15000);
        said << state->text();
        conn->setText(meter.device().section(QStringLiteral("conn="), 1));
        QTest::mouseClick(search, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(search->isEnabled(), 10000);
        said << state->text();
    });
    t.run(QStringLiteral("!F8"));
    QCOMPARE(said, QStringList({"Lettura: 2,5000 V DC", "Nessun multimetro ha risposto entro 8 s.", "Multimetri trovati: 1"}));
}

void TestMeter::withoutTheModule()
{
    // The meters' module missing (tst_meter_without_module): the dialog
    // says why it offers no driver; F9 says why it reads nothing.
    // (or there, and not loading: tst_meter_unloadable_module; the loader's own words then)
    const QString module = qEnvironmentVariable("DRAVINO_METER_MODULE");
    if (module != QLatin1String("/nessun/modulo.so") && !module.endsWith(QLatin1String("unloadable.so")))
        QSKIP("the meters' module is there (tst_meter_without_module takes it away)");
    const QString why = QFileInfo::exists(module) ? QStringLiteral("Impossibile caricare la libreria %1: (libdravino_gone.so: cannot open shared object "
                                                                   "file: No such file or directory)").arg(module)
                                                  : QStringLiteral("il modulo dei multimetri libdravino_meter.so non è installato");
    qputenv("DRAVINO_INSTRUMENT", "scpi-dmm:conn=tcp-raw/127.0.0.1/1");
    Window t;
    QString said;
    whenModal<QDialog>([&said](QDialog *dialog) {
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        auto *state = dialog->findChild<QLabel *>(QStringLiteral("lblStatoStrumento"));
        QTRY_VERIFY(!state->text().isEmpty());
        said = state->text();
        QVERIFY(!dialog->findChild<QComboBox *>(QStringLiteral("cboDriver"))->isEnabled());
    });
    t.run(QStringLiteral("!F8"));
    QCOMPARE(said, QStringLiteral("Nessun driver di multimetro: %1.").arg(why));
    t.w->activateWindow(); // (offscreen, nothing gives it back after a dialog)
    QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
    t.run(QStringLiteral("txtMvolt1<;!F9;~meter"));
    QTRY_COMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.messages[0].text, QStringLiteral("Il multimetro scpi-dmm:conn=tcp-raw/127.0.0.1/1 non si può leggere (%1).").arg(why));
}

void TestMeter::traceFromTheMeter()
{
    // F7 reads the meter over and over: the latest reading large, in mV and
    // bar; another function is told in the window's own words and adds
    // nothing; paused, the meter is not read; gone silent, the trace stands,
    // told and grey, and goes on when the meter is back; closed, the meter
    // is left alone.
    auto meter = std::make_unique<MeterStandIn>("+1.50000000E+00");
    const quint16 port = meter->port();
    qputenv("DRAVINO_INSTRUMENT", meter->device().toUtf8());
    Window t;
    auto *trace = openTrace(t);
    QVERIFY(trace);
    QCOMPARE(trace->windowTitle(), QStringLiteral("Traccia del sensore"));
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblUltima"), QStringLiteral("1500 mV   500 bar"), 10000);
    meter->setReading("+2.50000000E+00");
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblUltima"), QStringLiteral("2500 mV   1000 bar"), 10000);
    QCOMPARE(shown(trace, "lblStatoTraccia"), QStringLiteral("Lettura in corso."));
    const auto &samples = trace->trace().samples();
    QTRY_VERIFY_WITH_TIMEOUT(samples.size() >= 4, 10000);
    for (std::size_t i = 1; i < samples.size(); ++i)
        QVERIFY(samples[i].ms >= samples[i - 1].ms);
    meter->setFunction("\"VOLT:AC +1.000000E+01,+1.000000E-06\"");
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"),
                              QStringLiteral("Il multimetro non misura tensione continua (misura V AC): mettilo su V DC."), 10000);
    const std::size_t beforeAc = samples.size();
    QTest::qWait(600);
    QCOMPARE(samples.size(), beforeAc);
    meter->setFunction(kDc);
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"), QStringLiteral("Lettura in corso."), 10000);
    // Paused: nothing more read, said; the button says how to go on.
    auto *pause = trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"));
    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(pause->text(), QStringLiteral("&Riprendi"));
    QVERIFY(shown(trace, "lblStatoTraccia").startsWith(QStringLiteral("In pausa: la traccia tiene le sue ")));
    QTest::qWait(300);
    int reads = meter->readings();
    QTest::qWait(800);
    QCOMPARE(meter->readings(), reads);
    QTest::mouseClick(pause, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(meter->readings() > reads, 5000);
    // Silent: standing still after a second, grey, then the meter's fault.
    meter->setReading({});
    QTRY_VERIFY_WITH_TIMEOUT(shown(trace, "lblStatoTraccia").startsWith(QStringLiteral("Nessuna lettura da 1,")), 5000);
    QVERIFY(trace->findChild<dravino::TracePlot *>()->view().stale);
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"), QStringLiteral("Il multimetro %1 non risponde.").arg(meter->device()), 10000);
    // Unplugged and back: the trace goes on from what it kept.
    const std::size_t kept = samples.size();
    meter.reset();
    meter = std::make_unique<MeterStandIn>("+1.00000000E+00", kDc, port);
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"), QStringLiteral("Lettura in corso."), 15000);
    QVERIFY(samples.size() > kept && !trace->findChild<dravino::TracePlot *>()->view().stale);
    QCOMPARE(shown(trace, "lblUltima"), QStringLiteral("1000 mV   250 bar"));
    // Closed: gone, and the meter left alone.
    const dravino::Trace *capture = &trace->trace(); // (the main window's: it stays)
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdChiudiTraccia")), Qt::LeftButton);
    QTRY_VERIFY(!t.w->findChild<dravino::TraceWindow *>());
    QTest::qWait(300);
    reads = meter->readings();
    QTest::qWait(800);
    QCOMPARE(meter->readings(), reads);
    // Opened again: the capture is the main window's, kept; reading goes
    // on after what it holds, stamped later; Cancella clears it.
    const std::size_t closedWith = capture->samples().size();
    QVERIFY(closedWith > kept);
    trace = openTrace(t);
    QVERIFY(trace);
    QCOMPARE(&trace->trace(), capture);
    const auto &again = trace->trace().samples();
    QVERIFY(again.size() >= closedWith);
    const std::int64_t closedAt = again[closedWith - 1].ms;
    QTRY_VERIFY_WITH_TIMEOUT(again.size() > closedWith && again.back().ms > closedAt + 1000, 10000);
    QVERIFY(shown(trace, "lblTraccia").startsWith(QStringLiteral("Traccia: minimo ")));
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdPausa")), Qt::LeftButton);
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdCancella")), Qt::LeftButton);
    QVERIFY(trace->trace().empty());
    QCOMPARE(shown(trace, "lblUltima"), QStringLiteral("-- mV   -- bar"));
    QCOMPARE(shown(trace, "lblTraccia"), QStringLiteral("Traccia: nessuna lettura"));
}

void TestMeter::demoDeviceKeepsItsRate_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<double>("perSecond");
    QTest::newRow("1 kS/s") << "1k" << 1e3;
    QTest::newRow("10 kS/s") << "10k" << 1e4;
    QTest::newRow("100 kS/s") << "100000" << 1e5;
}

void TestMeter::demoDeviceKeepsItsRate()
{
    // libsigrok's demo device streamed at a rate: the readings received
    // over three seconds of its packets are the rate's, within a percent,
    // and each millisecond is kept (none lost, none made up).
    QFETCH(QString, rate);
    QFETCH(double, perSecond);
    qputenv("DRAVINO_INSTRUMENT", QStringLiteral("demo:channel=A0:samplerate=%1").arg(rate).toUtf8()); // (a square of ±10 V, 10 readings a period)
    dravino::Acquisition acquisition;
    QObject listener;
    std::vector<dravino::TraceSample> kept;
    connect(&acquisition, &dravino::Acquisition::arrived, &listener,
            [&kept](const std::vector<dravino::TraceSample> &s) { kept.insert(kept.end(), s.begin(), s.end()); });
    acquisition.listen(&listener);
    QTRY_VERIFY_WITH_TIMEOUT(acquisition.received() > 0, 10000);
    QCOMPARE(acquisition.rateHz(), perSecond);
    QCOMPARE(acquisition.channel(), QStringLiteral("A0"));
    QTest::qWait(500);
    const std::uint64_t from = acquisition.received();
    const std::int64_t fromMs = acquisition.newest()->ms;
    QTest::qWait(3000);
    const std::uint64_t to = acquisition.received();
    const std::int64_t toMs = acquisition.newest()->ms;
    acquisition.release(&listener);
    QVERIFY(!acquisition.running());
    const double got = double(to - from) * 1000.0 / double(toMs - fromMs);
    qInfo("%s: %.0f readings a second over %lld ms", qPrintable(rate), got, static_cast<long long>(toMs - fromMs));
    QVERIFY2(std::fabs(got / perSecond - 1) <= 0.01, qPrintable(QString::number(got)));
    // Each millisecond in order, none missing: one reading at 1 kS/s; above
    // it, ten or more readings a millisecond kept as its lowest and highest.
    // (The first millisecond has what came of it after the stream began.)
    QVERIFY(kept.size() > 1000);
    std::size_t start = 1;
    while (kept[start].ms == kept[0].ms)
        ++start;
    for (std::size_t i = start; i < kept.size(); ++i) {
        QVERIFY(std::fabs(kept[i].mv) == 10000);
        if (perSecond == 1e3)
            QVERIFY(kept[i].ms == kept[i - 1].ms + 1);
        else if ((i - start) % 2 == 1)
            QVERIFY2(kept[i].ms == kept[i - 1].ms && kept[i].mv == -kept[i - 1].mv && kept[i - 1].ms == kept[i - 2].ms + 1,
                     qPrintable(QStringLiteral("at %1 ms").arg(kept[i].ms)));
    }
}

void TestMeter::traceFromAnOscilloscope()
{
    // The trace from an oscilloscope (the demo device at 1 kS/s, 1.3 V):
    // each reading kept, a millisecond after the one before, the capture as
    // long as the time it ran; F9 meanwhile takes the newest reading, and
    // no second session is opened for it.
    qputenv("DRAVINO_INSTRUMENT", "demo:channel=A0:samplerate=1k:pattern=square:amplitude=0:offset=1.3");
    Window t;
    auto *trace = openTrace(t);
    QVERIFY(trace);
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"), QStringLiteral("Lettura in corso."), 10000);
    const auto &samples = trace->trace().samples();
    QTRY_VERIFY_WITH_TIMEOUT(samples.size() > 1500, 10000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        QCOMPARE(samples[i].mv, 1300.0);
        QVERIFY(i == 0 || samples[i].ms == samples[i - 1].ms + 1);
    }
    QCOMPARE(trace->trace().durationMs() + 1, std::int64_t(samples.size()));
    QCOMPARE(shown(trace, "lblUltima"), QStringLiteral("1300 mV   400 bar"));
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    auto *acquisition = t.w->findChild<dravino::Acquisition *>();
    for (int i = 0; i < 5; ++i) {
        t.edit(QStringLiteral("txtMvolt1"))->clear();
        t.run(QStringLiteral("txtMvolt1<;!F9"));
        QTRY_VERIFY(!t.text(QStringLiteral("txtMvolt1")).isEmpty());
        QCOMPARE(t.text(QStringLiteral("txtMvolt1")), QStringLiteral("1300"));
        QCOMPARE(t.platform.messages.size(), 0);
        QVERIFY(!t.w->readingMeter()); // (no reading of its own)
    }
    // Saved as a sigrok session while the stream holds libsigrok: written
    // all the same (through the stream's own context), and read back.
    QTemporaryDir dir;
    t.platform.saveAs = dir.filePath(QStringLiteral("scope.sr"));
    const int messages = int(t.platform.messages.size());
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdSalvaSessione")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(int(t.platform.messages.size()), messages + 1, 10000);
    QCOMPARE(t.platform.messages.last().text,
             QStringLiteral("Traccia salvata come sessione sigrok %1").arg(QDir::toNativeSeparators(t.platform.saveAs)));
    QVERIFY(acquisition->running());
    std::size_t readBack = 0;
    QString why;
    QVERIFY2(dravino::loadSession(t.platform.saveAs, [&](const float *, const std::uint8_t *marks, std::size_t n, double) {
        for (std::size_t i = 0; i < n; ++i)
            readBack += marks[i];
        return true;
    }, &why), qPrintable(why));
    QVERIFY(readBack >= 2 * 1500); // (two slots a millisecond, each a reading)
    // Paused, the capture stands and the stream stops (nothing else
    // listens); the guided test's window listens while it is open.
    trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"))->click();
    QVERIFY(!acquisition->running());
    QTest::qWait(300);
    const std::size_t paused = samples.size();
    QTest::qWait(500);
    QCOMPARE(samples.size(), paused);
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    t.run(QStringLiteral("!shiftF7"));
    auto *guided = t.w->findChild<dravino::GuidedTestWindow *>(QStringLiteral("frmProvaGuidata"));
    QVERIFY(guided);
    QVERIFY(acquisition->running());
    guided->close(); // (it goes as it closes)
    QTRY_VERIFY(!t.w->findChild<dravino::GuidedTestWindow *>());
    QVERIFY(!acquisition->running());
}

void TestMeter::oscilloscopeFaultsTold_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("told");
    QTest::newRow("a channel it does not have")
        << "demo:channel=A9"
        << "L'oscilloscopio demo:channel=A9 non ha il canale analogico A9: scegli il canale con Strumento... (F8).";
    QTest::newRow("a supply's channel it does not have")
        << "demo:channel=A0:supply=A9"
        << "L'oscilloscopio demo:channel=A0:supply=A9 non ha il canale analogico A9: scegli il canale con Strumento... (F8).";
    QTest::newRow("a rate that is no rate")
        << "demo:channel=A0:samplerate=fast"
        << "L'oscilloscopio demo:channel=A0:samplerate=fast non accetta la frequenza di campionamento fast: scegline un'altra con Strumento... (F8).";
    QTest::newRow("a probe neither x1 nor x10") << "demo:channel=A0:probe=x3" << "La sonda \"x3\" non va: scegli x1 o x10 con Strumento... (F8).";
    QTest::newRow("x10 on a signal read at x1: beyond the signal's range")
        << "demo:channel=A0:samplerate=1k:probe=x10:pattern=square:amplitude=0:offset=1.3"
        << "Letture oltre 5 V (13000 mV): impossibili per questo sensore. La sonda è impostata x10: è davvero una sonda x10?";
    QTest::newRow("none chosen") << "" << "Nessun multimetro scelto: sceglilo con Strumento... (F8).";
    QTest::newRow("a driver libsigrok does not have")
        << "no-such-scope:channel=CH1"
        << "Il multimetro no-such-scope:channel=CH1 non si può usare: la libreria libsigrok installata non ha il driver no-such-scope.";
}

void TestMeter::oscilloscopeFaultsTold()
{
    // A good capture, the trace closed, another source chosen: opened
    // again, the trace tells the source's fault in its own words within
    // 5 s, and keeps the capture.
    QFETCH(QString, source);
    QFETCH(QString, told);
    qputenv("DRAVINO_INSTRUMENT", "demo:channel=A0:samplerate=1k:pattern=square:amplitude=0:offset=1.3");
    Window t;
    dravino::setSettingsValue(QStringLiteral("instrument"), {}); // (none chosen but by the environment)
    auto *trace = openTrace(t);
    QVERIFY(trace);
    QTRY_VERIFY_WITH_TIMEOUT(trace->trace().samples().size() > 100, 10000);
    trace->close();
    QTRY_VERIFY(!t.w->findChild<dravino::TraceWindow *>());
    qputenv("DRAVINO_INSTRUMENT", source.toUtf8());
    trace = openTrace(t);
    QVERIFY(trace);
    const std::size_t kept = trace->trace().samples().size();
    QVERIFY(kept > 100);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblStatoTraccia"), told, 5000);
    qInfo("told after %lld ms", static_cast<long long>(clock.elapsed()));
    QVERIFY(trace->trace().samples().size() >= kept);
    QVERIFY(trace->trace().samples().front().mv == 1300);
}

void TestMeter::readingWhileTracing()
{
    // F9 while the trace reads the meter over and over: the trace's newest
    // reading, at once, every time (not refused while the trace's own
    // reading is under way); paused, F9 reads the meter itself.
    auto meter = std::make_unique<MeterStandIn>("+1.50000000E+00");
    qputenv("DRAVINO_INSTRUMENT", meter->device().toUtf8());
    Window t;
    auto *trace = openTrace(t);
    QVERIFY(trace);
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblUltima"), QStringLiteral("1500 mV   500 bar"), 10000);
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    QVERIFY(trace->reading());
    for (int i = 0; i < 10; ++i) {
        t.edit(QStringLiteral("txtMvolt1"))->clear();
        t.run(QStringLiteral("txtMvolt1<;!F9"));
        const QStringList wrong = t.check(QStringLiteral("txtMvolt1=1500;txtPressione=500;msgs="));
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("F9 number %1: ").arg(i + 1) + wrong.join(QLatin1Char('\n'))));
        QTest::qWait(20); // (the trace's readings come and go meanwhile)
    }
    meter->setReading("+2.50000000E+00");
    QTRY_COMPARE_WITH_TIMEOUT(shown(trace, "lblUltima"), QStringLiteral("2500 mV   1000 bar"), 10000);
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    t.run(QStringLiteral("txtMvolt1<;!F9"));
    QCOMPARE(t.check(QStringLiteral("txtMvolt1=2500;msgs=")), QStringList());
    // Paused: the meter itself, its answer later.
    trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"))->click();
    QVERIFY(!trace->reading());
    meter->setReading("+1.00000000E+00");
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    QTRY_VERIFY_WITH_TIMEOUT(!t.w->readingMeter(), 10000);
    QTest::qWait(300); // (the stream stops within its next packet)
    const int before = meter->readings();
    t.run(QStringLiteral("txtMvolt1<;!F9;~meter"));
    QCOMPARE(t.check(QStringLiteral("txtMvolt1=1000;msgs=")), QStringList());
    QCOMPARE(meter->readings(), before + 1);
}

void TestMeter::guidedTestOnTheCapture()
{
    // A drive with a 2 ms dropout at the snap's top, read back from its CSV
    // into the trace, then Shift+F7: each step judged on its part, the
    // dropout found and named, the supply skipped with its reason, the
    // whole test failed. Cleared, Valuta judges nothing: never a pass.
    qputenv("DRAVINO_INSTRUMENT", "scpi-dmm:conn=tcp-raw/127.0.0.1/1"); // (nobody there: the file reads)
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Traccia 2026-12-06 10.15.csv"));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        drive::Drive d;
        d.dropoutMs = 2;
        f.write(QByteArray::fromStdString(drive::driveCsv(d)));
    }
    Window t;
    auto *trace = openTrace(t);
    QVERIFY(trace);
    trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"))->click();
    t.platform.openAnswer = file;
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdApriTraccia")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(trace->trace().samples().size() == 24700, 10000);
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    t.run(QStringLiteral("!shiftF7"));
    auto *guided = t.w->findChild<dravino::GuidedTestWindow *>(QStringLiteral("frmProvaGuidata"));
    QVERIFY(guided);
    QTRY_VERIFY(guided->isVisible());
    QCOMPARE(guided->windowTitle(), QStringLiteral("Prova guidata del sensore"));
    auto *steps = guided->findChild<QTableWidget *>(QStringLiteral("lstPassi"));
    QStringList rows;
    for (int r = 0; r < steps->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < steps->columnCount(); ++c)
            cells << steps->item(r, c)->text();
        rows << cells.join(QStringLiteral(" | "));
    }
    QCOMPARE(rows, (QStringList{
        "Chiave inserita, motore spento | CONFORME | 500 mV | da 0,0 a 2,0 s | 500 ± 50 mV",
        "Alimentazione 5 V | SALTATO | nessuna lettura dell'alimentazione: scrivila in Alimentazione |  | da 4900 a 5100 mV",
        "Avviamento | CONFORME | 1,5 s | da 2,0 a 3,5 s | al minimo entro 3,0 s",
        "Minimo | CONFORME | 1300 mV, ondulazione 40 mV | da 4,0 a 8,5 s | da 1100 a 1800 mV, ondulazione fino a 60 mV",
        "Colpo di acceleratore | NON CONFORME | picco 3500 mV, caduta di 3100 mV a 9,350 s: caduta del segnale (connettore?) | da 9,1 a 9,6 s | "
        "picco almeno 3000 mV, nessuna caduta oltre 500 mV in 5 ms",
        "Chiave disinserita | CONFORME | 8,6 s | da 13,5 a 22,1 s | allo zero (550 mV) entro 15,0 s"}));
    QVERIFY(steps->item(4, 1)->font().bold() && !steps->item(0, 1)->font().bold());
    QCOMPARE(guided->findChild<QLabel *>(QStringLiteral("lblEsitoProva"))->text(), QStringLiteral("Esito della prova: NON CONFORME"));
    QCOMPARE(guided->findChild<QLabel *>(QStringLiteral("lblLimitiProva"))->text(), QStringLiteral("Limiti: generico Bosch/VDO/Delphi (versione 1)."));
    const auto overall = [&] { return guided->findChild<QLabel *>(QStringLiteral("lblEsitoProva"))->text(); };
    const auto button = [&](const char *name) { return guided->findChild<QPushButton *>(QLatin1String(name)); };
    const auto typeIn = [&](const char *name, const QString &text) {
        auto *field = guided->findChild<QLineEdit *>(QLatin1String(name));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    guided->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), guided);

    // The supply measured at the pin: judged, the levels then as at 5 V.
    typeIn("txtAlimentazione", QStringLiteral("4950"));
    QCOMPARE(steps->item(1, 1)->text() + " | " + steps->item(1, 2)->text(), QStringLiteral("CONFORME | 4950 mV"));
    QCOMPARE(steps->item(0, 2)->text(), QStringLiteral("500 mV (505 mV a 5 V)"));
    typeIn("txtAlimentazione", QStringLiteral("4,8 V"));
    QCOMPARE(t.check(QStringLiteral("msgs=Prova guidata del sensore|E|L'alimentazione \"4,8 V\" non è un numero di mV: il passo resta "
                                    "saltato.")) + t.errors(), QStringList());
    t.platform.messages.clear();
    QCOMPARE(steps->item(1, 1)->text(), QStringLiteral("SALTATO"));
    QTest::mouseClick(button("cmdStampaProva"), Qt::LeftButton); // (nothing printed until it is put right)
    QCOMPARE(t.platform.messages.size(), 1);
    QCOMPARE(t.platform.documents.size(), 0);
    t.platform.messages.clear();
    typeIn("txtAlimentazione", QStringLiteral("4950"));

    // The snap's part moved by the technician to end before the dropout:
    // judged there, said moved, and the whole test passes; found again, it fails.
    QTest::mouseClick(steps->viewport(), Qt::LeftButton, {}, steps->visualItemRect(steps->item(4, 0)).center());
    QCOMPARE(guided->findChild<QLineEdit *>(QStringLiteral("txtParteDa"))->text() + " " +
                 guided->findChild<QLineEdit *>(QStringLiteral("txtParteA"))->text(),
             QStringLiteral("9,069 9,632"));
    QVERIFY(!button("cmdTrovaParte")->isEnabled());
    typeIn("txtParteA", QStringLiteral("9,1"));
    typeIn("txtParteDa", QStringLiteral("9,2"));
    QTest::mouseClick(button("cmdSpostaParte"), Qt::LeftButton);
    QCOMPARE(t.check(QStringLiteral("msgs=Prova guidata del sensore|E|Scrivi dove comincia e dove finisce la parte, in secondi dall'inizio "
                                    "della traccia (la fine dopo l'inizio).")) + t.errors(), QStringList());
    t.platform.messages.clear();
    typeIn("txtParteDa", QStringLiteral("9,05"));
    typeIn("txtParteA", QStringLiteral("9.349"));
    QTest::mouseClick(button("cmdSpostaParte"), Qt::LeftButton);
    QCOMPARE(steps->item(4, 0)->text() + " | " + steps->item(4, 1)->text() + " | " + steps->item(4, 3)->text(),
             QStringLiteral("Colpo di acceleratore (parte spostata) | CONFORME | da 9,1 a 9,3 s"));
    QCOMPARE(overall(), QStringLiteral("Esito della prova: CONFORME"));
    QVERIFY(button("cmdTrovaParte")->isEnabled());
    QTest::mouseClick(button("cmdTrovaParte"), Qt::LeftButton);
    QCOMPARE(steps->item(4, 0)->text() + " | " + steps->item(4, 1)->text(), QStringLiteral("Colpo di acceleratore | NON CONFORME"));
    QCOMPARE(overall(), QStringLiteral("Esito della prova: NON CONFORME"));

    // Printed: the report, and the test recorded in the archive as judged,
    // once however often it is printed.
    QTemporaryDir data;
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    const auto forget = qScopeGuard([] { qunsetenv("DRAVINO_ARCHIVE"); });
    typeIn("txtVeicoloProva", QStringLiteral("FIAT DUCATO AB123CD"));
    typeIn("txtSiglaProva", QStringLiteral("0281002930"));
    for (int twice = 0; twice < 2; ++twice) {
        QTest::mouseClick(button("cmdStampaProva"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return t.platform.pending == 0 && t.platform.documents.size() == twice + 1; }, 10000));
    }
    QStringList page;
    for (const dravino::RecordedItem &item : t.platform.documents.value(0))
        if (item.kind == dravino::RecordedItem::Text)
            page << item.text;
    const QString words = page.join(QLatin1Char('|'));
    for (const QString &line : {QStringLiteral("Prova guidata del sensore"), QStringLiteral("Veicolo: FIAT DUCATO AB123CD"),
                                QStringLiteral("Alimentazione misurata: 4950 mV; i livelli giudicati come a 5 V"),
                                QStringLiteral("Limiti: generico Bosch/VDO/Delphi (versione 1)."), QStringLiteral("Esito della prova: NON CONFORME"),
                                QStringLiteral("5. Colpo di acceleratore: |NON CONFORME|misurato: picco 3500 mV (3535 mV a 5 V), caduta di 3100 mV")})
        QVERIFY2(words.contains(line), qPrintable(line + QStringLiteral(" not in ") + words));
    // The verdict and a failed step in bold red; each step's part marked on the chart by its number.
    for (const QString &red : {QStringLiteral("Esito della prova: NON CONFORME"), QStringLiteral("NON CONFORME")}) {
        const auto item = std::find_if(t.platform.documents[0].begin(), t.platform.documents[0].end(),
                                       [&](const dravino::RecordedItem &i) { return i.text == red; });
        QVERIFY(item != t.platform.documents[0].end() && item->font.bold() && item->color == QColor(200, 0, 0));
    }
    for (const char *mark : {"1", "3", "4", "5", "6"})
        QVERIFY2(page.contains(QLatin1String(mark)), mark);
    const dravino::Archive archive(qEnvironmentVariable("DRAVINO_ARCHIVE"));
    QTRY_COMPARE(archive.count({}), 1);
    QTest::qWait(300);
    QCOMPARE(archive.count({}), 1);
    const dravino::CheckSummary listed = archive.page({}, nullptr, 1).value(0);
    QCOMPARE(dravino::ArchiveModel::cell(listed, dravino::ArchiveModel::Kind), QStringLiteral("prova guidata"));
    QCOMPARE(dravino::ArchiveModel::cell(listed, dravino::ArchiveModel::Result), QStringLiteral("NON CONFORME"));
    QCOMPARE(listed.code + " " + listed.jobData.vehicle, QStringLiteral("0281002930 FIAT DUCATO AB123CD"));
    const dravino::GuidedData kept = dravino::guidedFrom(archive.records({listed.key}).value(0).guided);
    QCOMPARE(kept.supplyMv, std::optional<double>(4950));
    QCOMPARE(int(kept.result.steps[4].reason), int(dravino::GuidedStep::Dropout));
    // Its capture judged again gives what was recorded.
    dravino::Trace again;
    for (const dravino::TraceSample &s : kept.capture)
        again.add(s.ms, s.mv);
    const dravino::GuidedResult rejudged = dravino::runGuidedTest(again, kept.limits, kept.given, kept.supplyMv);
    for (std::size_t i = 0; i < rejudged.steps.size(); ++i)
        QVERIFY2(rejudged.steps[i].outcome == kept.result.steps[i].outcome && rejudged.steps[i].value == kept.result.steps[i].value,
                 qPrintable(QString::number(i)));
    // Reprinted from the archive: the same report, saying it is a reprint.
    dravino::RecordingSurface reprint;
    dravino::printRecordedSheet(reprint, archive.records({listed.key}).value(0), dravino::PageFrame{});
    QStringList reprinted;
    for (const dravino::RecordedItem &item : reprint.items())
        if (item.kind == dravino::RecordedItem::Text)
            reprinted << item.text;
    QVERIFY2(reprinted.join(QLatin1Char('|')).contains(QStringLiteral("Ristampa del ")), qPrintable(reprinted.join(QLatin1Char('|'))));
    const auto judged = [](const QStringList &lines) { // (from the verdict to the last step, the footer aside)
        const auto from = lines.indexOf(QStringLiteral("Esito della prova: NON CONFORME"));
        return lines.mid(from, lines.indexOf(QStringLiteral("6. Chiave disinserita: ")) + 3 - from);
    };
    QCOMPARE(judged(reprinted), judged(page));
    QVERIFY(judged(page).size() > 40);
    // (kept from the start to a second past key off's end, not the rest at the end)
    QCOMPARE(kept.capture.back().ms, *kept.result.steps[5].toMs + 1000);
    QCOMPARE(kept.capture.front().ms, trace->trace().samples().front().ms);

    // Nothing in the capture: every step not judged, and the test no pass.
    trace->activateWindow();
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdCancella")), Qt::LeftButton);
    QTest::mouseClick(guided->findChild<QPushButton *>(QStringLiteral("cmdValuta")), Qt::LeftButton);
    QCOMPARE(guided->findChild<QLabel *>(QStringLiteral("lblEsitoProva"))->text(),
             QStringLiteral("Esito della prova: NON VALUTABILE (un passo non si è potuto giudicare)"));
    QCOMPARE(steps->item(0, 1)->text(), QStringLiteral("NON VALUTABILE"));
    QCOMPARE(steps->item(0, 2)->text(), QStringLiteral("non si trova nella traccia"));
    guided->close();
    QTRY_VERIFY(!t.w->findChild<dravino::GuidedTestWindow *>());
}

void TestMeter::guidedLimitsPerVehicle()
{
    // A vehicle's own limits, kept by the workshop: a set that could not
    // judge is told, field named; one kept is picked by the vehicle's name
    // (any case), judged by, counted up a version when changed; the
    // generic set chosen again is the generic.
    Window t;
    const auto forget = qScopeGuard([] { dravino::setSettingsValue(QStringLiteral("guided/limitSets"), {}); });
    t.run(QStringLiteral("!shiftF7"));
    auto *guided = t.w->findChild<dravino::GuidedTestWindow *>(QStringLiteral("frmProvaGuidata"));
    QVERIFY(guided);
    guided->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), guided);
    auto *vehicle = guided->findChild<QLineEdit *>(QStringLiteral("txtVeicoloProva"));
    auto *sets = guided->findChild<QComboBox *>(QStringLiteral("cboLimitiProva"));
    auto *steps = guided->findChild<QTableWidget *>(QStringLiteral("lstPassi"));
    const auto limitsShown = [&] { return guided->findChild<QLabel *>(QStringLiteral("lblLimitiProva"))->text(); };
    // Tab leaves the list of steps (a keyboard's user is not kept in its cells).
    steps->setFocus();
    QTRY_VERIFY(steps->hasFocus());
    QTest::keyClick(steps, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), guided->findChild<QPushButton *>(QStringLiteral("cmdValuta")));
    vehicle->setFocus();
    QTest::keyClicks(vehicle, QStringLiteral("Ducato 2.3"));
    QTest::keyClick(vehicle, Qt::Key_Return);
    QCOMPARE(limitsShown(), QStringLiteral("Limiti: generico Bosch/VDO/Delphi (versione 1)."));
    // The dialog, proposing the vehicle's name; its fields as typed, then OK.
    const auto inDialog = [&](const QList<std::pair<int, QString>> &fields, bool twice) {
        QTimer::singleShot(0, guided, [&, fields, twice] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(d && d->objectName() == QLatin1String("frmLimitiProva"));
            const auto never = qScopeGuard([d] { if (d->isVisible()) d->reject(); }); // (a check that fails leaves no dialog open)
            QTRY_VERIFY(d->isActiveWindow());
            QCOMPARE(d->findChild<QComboBox *>(QStringLiteral("cboNomeLimiti"))->currentText(), QStringLiteral("Ducato 2.3"));
            auto *ok = d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            for (const auto &[i, text] : fields) {
                auto *field = d->findChild<QLineEdit *>(QStringLiteral("txtLimiteProva(%1)").arg(i));
                field->selectAll();
                QTest::keyClicks(field, text);
                if (twice) { // (first with the idle band upside down)
                    QTest::mouseClick(ok, Qt::LeftButton);
                    QVERIFY(d->isVisible());
                    QTRY_COMPARE(QApplication::focusWidget(), field);
                    QTest::keyClicks(field, QStringLiteral("1400"));
                }
            }
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(guided->findChild<QPushButton *>(QStringLiteral("cmdLimitiProva")), Qt::LeftButton);
    };
    inDialog({{5, QStringLiteral("1900")}}, true);
    QCOMPARE(t.check(QStringLiteral("msgs=Limiti per veicolo|E|Con questi limiti la prova non potrebbe giudicare: Minimo da (mV) la banda "
                                    "è rovesciata o non lascia posto tra lo zero, il minimo e il picco.")) + t.errors(), QStringList());
    t.platform.messages.clear();
    QCOMPARE(sets->currentText(), QStringLiteral("Ducato 2.3"));
    QCOMPARE(limitsShown(), QStringLiteral("Limiti: Ducato 2.3 (versione 1)."));
    QCOMPARE(steps->item(3, 4)->text(), QStringLiteral("da 1400 a 1800 mV, ondulazione fino a 60 mV")); // (its own beat the generic)
    inDialog({{6, QStringLiteral("1600")}}, false);
    QCOMPARE(limitsShown(), QStringLiteral("Limiti: Ducato 2.3 (versione 2)."));
    QCOMPARE(steps->item(3, 4)->text(), QStringLiteral("da 1400 a 1600 mV, ondulazione fino a 60 mV"));
    // The generic chosen; then the vehicle typed again, any case: its own.
    sets->setFocus();
    QTest::keyClick(sets, Qt::Key_Home);
    QCOMPARE(limitsShown(), QStringLiteral("Limiti: generico Bosch/VDO/Delphi (versione 1)."));
    vehicle->setFocus();
    vehicle->selectAll();
    QTest::keyClicks(vehicle, QStringLiteral(" DUCATO 2.3 "));
    QTest::keyClick(vehicle, Qt::Key_Return);
    QCOMPARE(limitsShown(), QStringLiteral("Limiti: Ducato 2.3 (versione 2)."));
    // Another family has none of it.
    QCOMPARE(dravino::guidedLimitsForVehicle(dravino::loadGuidedLimitSets(), dravino::SensorType::DensoOneWay, QStringLiteral("Ducato 2.3")),
             std::nullopt);
    guided->close();
}

void TestMeter::supplyFromASecondChannel_data()
{
    // The demo's A1 set as a supply would read (amplitude 0, at an offset),
    // or not connected (the program's keys without supply=).
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("expected"); // the supply's row: verdict | measured
    QTest::newRow("A1 at 5 V") << "demo:channel=A0:supply=A1:samplerate=1000:A1.pattern=square:A1.amplitude=0:A1.offset=5"
                               << "CONFORME | 5000 mV";
    QTest::newRow("A1 at 4,5 V") << "demo:channel=A0:supply=A1:samplerate=1000:A1.pattern=square:A1.amplitude=0:A1.offset=4.5"
                                 << "GUASTO DI CABLAGGIO | 4500 mV: fuori dai limiti (centralina o cablaggio, non il sensore)";
    QTest::newRow("none named") << "demo:channel=A0:samplerate=1000"
                                << "SALTATO | nessuna lettura dell'alimentazione: scrivila in Alimentazione";
}

void TestMeter::supplyFromASecondChannel()
{
    // An oscilloscope's second channel at the sensor's supply pin: the
    // guided test, with nothing typed, judges the supply it streams, says
    // which channel it came from, and the report says so too; typed, the
    // typed one is judged.
    QFETCH(QString, device);
    qputenv("DRAVINO_INSTRUMENT", device.toUtf8());
    Window t;
    t.run(QStringLiteral("!shiftF7"));
    auto *guided = t.w->findChild<dravino::GuidedTestWindow *>(QStringLiteral("frmProvaGuidata"));
    QVERIFY(guided);
    auto *acquisition = t.w->findChild<dravino::Acquisition *>();
    QTRY_VERIFY_WITH_TIMEOUT(acquisition->received() > 0, 10000);
    const bool named = device.contains(QLatin1String("supply="));
    if (named)
        QTRY_VERIFY_WITH_TIMEOUT(acquisition->supply().has_value(), 10000);
    else
        QTest::qWait(300);
    QTest::mouseClick(guided->findChild<QPushButton *>(QStringLiteral("cmdValuta")), Qt::LeftButton);
    auto *steps = guided->findChild<QTableWidget *>(QStringLiteral("lstPassi"));
    QTEST(steps->item(1, 1)->text() + " | " + steps->item(1, 2)->text(), "expected");
    auto *field = guided->findChild<QLineEdit *>(QStringLiteral("txtAlimentazione"));
    QCOMPARE(field->placeholderText(), named ? QStringLiteral("%1 mV dal canale A1").arg(qRound64(acquisition->supply()->mv))
                                             : QStringLiteral("non misurata"));
    if (named) {
        QCOMPARE(guided->data().supplyChannel, QStringLiteral("A1"));
        dravino::RecordingSurface page;
        dravino::GuidedSheet sheet;
        sheet.data = guided->data();
        dravino::printGuidedReport(page, sheet);
        QStringList lines;
        for (const dravino::RecordedItem &item : page.items())
            lines << item.text;
        QVERIFY2(lines.contains(QStringLiteral("Alimentazione dal canale A1: %1 mV; i livelli giudicati come a 5 V").arg(qRound64(*sheet.data.supplyMv))),
                 qPrintable(lines.join(QLatin1Char('|'))));
    }
    // Typed, the meter's reading beats the channel's.
    guided->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), guided);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("4990"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(steps->item(1, 1)->text() + " | " + steps->item(1, 2)->text(), QStringLiteral("CONFORME | 4990 mV"));
    QCOMPARE(guided->data().supplyChannel, QString());
    guided->close();
    QTRY_VERIFY(!acquisition->running());
}

void TestMeter::traceOfAKeyOff()
{
    // A scripted sensor at ten readings a second: key on at rest (500 mV),
    // cranking (the rise), idle (1300), a snap (3500), back to idle, key
    // off and the decay to rest. The statistics of the whole and of the
    // decay selected from the keyboard, the cursors' time and rate, the
    // page, read back from its PDF.
    qputenv("DRAVINO_INSTRUMENT", "scpi-dmm:conn=tcp-raw/127.0.0.1/1"); // (nobody there: the script reads)
    QTemporaryDir dir;
    Window t;
    auto *trace = openTrace(t);
    QVERIFY(trace);
    // Nothing yet: nothing to export or print, said.
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdStampaTraccia")), Qt::LeftButton);
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QCOMPARE(t.check(QStringLiteral("msgs=Traccia del sensore|I|La traccia non ha letture: non c'è nulla da stampare.&&"
                                    "Traccia del sensore|I|La traccia non ha letture: non c'è nulla da esportare.")),
             QStringList());
    QCOMPARE(shown(trace, "lblUltima"), QStringLiteral("-- mV   -- bar"));
    trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"))->click(); // (the script alone)
    // Begun at 09:30, a Sunday morning; read until 09:30:26.
    const QDateTime begun(QDate(2026, 12, 6), QTime(9, 30, 0));
    for (int ms = 0; ms <= 26000; ms += 100) {
        const double mv = ms < 2000 ? 500 : ms < 4000 ? 500 + (ms - 2000) * 0.4 : ms < 9000 ? 1300 : ms < 10000 ? 1300 + (ms - 9000) * 2.2
            : ms < 11000 ? 3500 - (ms - 10000) * 2.2 : ms < 15000 ? 1300 : ms < 25000 ? 1300 - (ms - 15000) * 0.08 : 500;
        trace->take(volts(mv), ms, begun.addMSecs(ms + 60000 * (ms / 10000))); // (a reading late by minutes: not the start)
    }
    QCOMPARE(shown(trace, "lblUltima"), QStringLiteral("500 mV   0 bar"));
    QCOMPARE(shown(trace, "lblTraccia"), QStringLiteral("Traccia: minimo 500 mV (0 bar), massimo 3500 mV (1500 bar), media 1105 mV (303 bar); letture: 261"));
    auto *from = trace->findChild<QSpinBox *>(QStringLiteral("txtCursoreDa"));
    auto *to = trace->findChild<QSpinBox *>(QStringLiteral("txtCursoreA"));
    for (const auto &[box, mv] : {std::pair{from, "1200"}, std::pair{to, "600"}}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QLatin1String(mv));
    }
    // A fall from 1200 mV to 600 in the whole view: the decay after key
    // off, not the rise through 1200 when cranking.
    const QString decay = QStringLiteral("Da 1200 mV (passato a 16,3 s) a 600 mV (passato a 23,8 s) %1: 7,5 s, -40 bar/s");
    QCOMPARE(shown(trace, "lblCursori"), decay.arg("nella vista"));
    // The decay, selected from its end back to key off: 22 steps of half a second.
    auto *plot = trace->findChild<QWidget *>(QStringLiteral("graTraccia"));
    plot->setFocus();
    for (int i = 0; i < 22; ++i)
        QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(shown(trace, "lblSelezione"),
             QStringLiteral("Selezione da 15,0 s a 26,0 s: minimo 500 mV (0 bar), massimo 1300 mV (400 bar), media 864 mV (182 bar); letture: 111"));
    QCOMPARE(shown(trace, "lblCursori"), decay.arg("nella selezione"));
    // A selection that ends before the signal reached 600 mV: no passage.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(plot, Qt::Key_Left);
    QCOMPARE(shown(trace, "lblCursori"), QStringLiteral("Da 1200 mV a 600 mV: il segnale non passa da un livello all'altro nella selezione."));
    QTest::keyClick(plot, Qt::Key_Delete);
    QCOMPARE(shown(trace, "lblCursori"), decay.arg("nella vista"));
    // Zoomed from the keyboard: twice in about the middle (6,5 s to 13,0 s
    // of 26), then back half a view; the cursors look within it.
    QCOMPARE(shown(trace, "lblVista"), QStringLiteral("Vista intera: la rotella o + sul grafico per lo zoom."));
    QTest::keyClick(plot, Qt::Key_Plus);
    QTest::keyClick(plot, Qt::Key_Plus);
    QVERIFY2(shown(trace, "lblVista").startsWith(QStringLiteral("Vista da 9,8 s a 16,3 s: ")), qPrintable(shown(trace, "lblVista")));
    QCOMPARE(shown(trace, "lblCursori"), QStringLiteral("Da 1200 mV a 600 mV: il segnale non passa da un livello all'altro nella vista."));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(plot, Qt::Key_PageDown);
    // On by half a view at a time, and kept within the trace: its last 6,5 s.
    QVERIFY2(shown(trace, "lblVista").startsWith(QStringLiteral("Vista da 19,5 s a 26,0 s: ")), qPrintable(shown(trace, "lblVista")));
    QCOMPARE(shown(trace, "lblCursori"), QStringLiteral("Da 1200 mV a 600 mV: il segnale non passa da un livello all'altro nella vista."));
    QTest::keyClick(plot, Qt::Key_PageUp);
    QVERIFY2(shown(trace, "lblVista").startsWith(QStringLiteral("Vista da 16,3 s a 22,8 s: ")), qPrintable(shown(trace, "lblVista")));
    QTest::keyClick(plot, Qt::Key_Minus);
    QTest::keyClick(plot, Qt::Key_Minus);
    QCOMPARE(shown(trace, "lblVista"), QStringLiteral("Vista intera: la rotella o + sul grafico per lo zoom."));
    // The wheel: a notch in about the pointer, the button back to the whole.
    const QPointF middle(plot->width() / 2.0, plot->height() / 2.0);
    QWheelEvent wheel(middle, plot->mapToGlobal(middle), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot, &wheel);
    QVERIFY2(shown(trace, "lblVista").startsWith(QStringLiteral("Vista da ")), qPrintable(shown(trace, "lblVista")));
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdVistaIntera")), Qt::LeftButton);
    QCOMPARE(shown(trace, "lblVista"), QStringLiteral("Vista intera: la rotella o + sul grafico per lo zoom."));
    // Dragged with the mouse, right to left past both ends of the chart.
    QTest::mousePress(plot, Qt::LeftButton, {}, QPoint(plot->width() - 1, plot->height() / 2));
    QMouseEvent drag(QEvent::MouseMove, QPointF(0, plot->height() / 2), plot->mapToGlobal(QPointF(0, plot->height() / 2)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &drag);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(0, plot->height() / 2));
    QVERIFY2(shown(trace, "lblSelezione").startsWith(QStringLiteral("Selezione da 0,0 s a 26,0 s: minimo 500 mV (0 bar), massimo 3500 mV")),
             qPrintable(shown(trace, "lblSelezione")));
    QTest::keyClick(plot, Qt::Key_Delete);
    QTest::keyClick(plot, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(plot, Qt::Key_Home);
    QVERIFY(shown(trace, "lblSelezione").startsWith(QStringLiteral("Selezione da 0,0 s a 26,0 s: minimo 500 mV")));
    // Exported: a line a reading, from the first (s), mV, bar; the same as a spreadsheet's numbers.
    t.platform.saveAs = dir.filePath(QStringLiteral("traccia.csv"));
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdEsportaCsv")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(t.platform.saveAs).size() > 0, 10000);
    // The file proposed is named after when the trace began.
    QCOMPARE(t.platform.saveDialogs.last().section(QLatin1Char('|'), 1, 1).section(QLatin1Char('/'), -1),
             QStringLiteral("Traccia 2026-12-06 09.30.csv"));
    QFile csv(t.platform.saveAs);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).remove(QChar(0xfeff)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 263); // the headings, 261 readings, the last line's end
    QCOMPARE(lines.mid(0, 2) + lines.mid(100, 1) + lines.mid(261, 1),
             (QStringList{"Tempo (s);mV;bar", "0,000;500,000;0", "9,900;3280,000;1390", "26,000;500,000;0"}));
    // Opened back: the same capture, read for read (to the file's µV), shown and measured the
    // same; paused, named after its file. Asked first, as the trace held
    // readings; No keeps them.
    const std::vector<dravino::TraceSample> before = trace->trace().samples();
    const QString wholeLine = shown(trace, "lblTraccia");
    // (under the name the save dialog proposed: its start is the trace's)
    t.platform.openAnswer = dir.filePath(QStringLiteral("Traccia 2026-12-06 09.30.csv"));
    QVERIFY(QFile::copy(t.platform.saveAs, t.platform.openAnswer));
    t.platform.confirmAnswer = false;
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdApriTraccia")), Qt::LeftButton);
    QCOMPARE(t.platform.questions.last(), QStringLiteral("Traccia del sensore|La traccia ha 261 letture: le sostituisci con quelle del file?"));
    t.platform.confirmAnswer = true;
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdCancella")), Qt::LeftButton);
    QVERIFY(trace->trace().empty());
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdApriTraccia")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!trace->trace().empty(), 10000);
    QCOMPARE(trace->trace().samples().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        QVERIFY2(trace->trace().samples()[i].ms == before[i].ms && std::abs(trace->trace().samples()[i].mv - before[i].mv) < 0.0005,
                 qPrintable(QStringLiteral("reading %1").arg(i)));
    QCOMPARE(shown(trace, "lblTraccia"), wholeLine);
    QCOMPARE(shown(trace, "lblCursori"), decay.arg("nella vista"));
    QCOMPARE(shown(trace, "lblStatoTraccia"), QStringLiteral("Traccia dal file Traccia 2026-12-06 09.30.csv: 261 letture; Riprendi aggiunge quelle del multimetro."));
    QCOMPARE(trace->findChild<QPushButton *>(QStringLiteral("cmdPausa"))->text(), QStringLiteral("&Riprendi"));
    // Saved as a sigrok session (.sr, named as the export is) and opened
    // back: the same capture, read for read, its statistics the same.
    t.platform.saveAs = dir.filePath(QStringLiteral("traccia.sr"));
    const int savedBefore = int(t.platform.messages.size());
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdSalvaSessione")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(int(t.platform.messages.size()), savedBefore + 1, 10000);
    QCOMPARE(t.platform.messages.last().text,
             QStringLiteral("Traccia salvata come sessione sigrok %1").arg(QDir::toNativeSeparators(t.platform.saveAs)));
    QCOMPARE(t.platform.saveDialogs.last().section(QLatin1Char('|'), 1, 1).section(QLatin1Char('/'), -1),
             QStringLiteral("Traccia 2026-12-06 09.30.sr"));
    QCOMPARE(t.platform.saveDialogs.last().section(QLatin1Char('|'), 2), QStringLiteral("Sessione sigrok (*.sr)"));
    const QString session = dir.filePath(QStringLiteral("Traccia 2026-12-06 09.30.sr"));
    QVERIFY(QFile::copy(t.platform.saveAs, session));
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdCancella")), Qt::LeftButton);
    QVERIFY(trace->trace().empty());
    t.platform.openAnswer = session;
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdApriTraccia")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!trace->trace().empty(), 10000);
    QCOMPARE(trace->trace().samples().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        QVERIFY2(trace->trace().samples()[i].ms == before[i].ms && std::abs(trace->trace().samples()[i].mv - before[i].mv) < 0.0005,
                 qPrintable(QStringLiteral("reading %1").arg(i))); // (to the µV)
    QCOMPARE(shown(trace, "lblTraccia"), wholeLine);
    QCOMPARE(shown(trace, "lblStatoTraccia"), QStringLiteral("Traccia dal file Traccia 2026-12-06 09.30.sr: 261 letture; Riprendi aggiunge quelle del multimetro."));
    // What is not a trace, or is cut short: told, the capture kept.
    QFile halfSession(dir.filePath(QStringLiteral("tagliata.sr")));
    {
        QFile whole(session);
        QVERIFY(whole.open(QIODevice::ReadOnly) && halfSession.open(QIODevice::WriteOnly));
        halfSession.write(whole.read(whole.size() / 2));
        halfSession.close();
    }
    QFile notSession(dir.filePath(QStringLiteral("prove.sr")));
    QVERIFY(notSession.open(QIODevice::WriteOnly));
    notSession.write("Codice;Data;Esito\r\n7F3A;01/12/2026;CONFORME\r\n");
    notSession.close();
    const int messagesBefore = int(t.platform.messages.size());
    QFile cut(dir.filePath(QStringLiteral("tagliata.csv")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write("Tempo (s);mV;bar\r\n0,000;500,0;0\r\n0,100");
    cut.close();
    QFile other(dir.filePath(QStringLiteral("prove.csv")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("Codice;Data;Esito\r\n7F3A;01/12/2026;CONFORME\r\n");
    other.close();
    int opened = 0;
    for (const QString &file : {cut.fileName(), other.fileName(), dir.filePath(QStringLiteral("nessuno.csv")), halfSession.fileName(),
                                notSession.fileName()}) {
        t.platform.openAnswer = file;
        QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdApriTraccia")), Qt::LeftButton);
        ++opened;
        QTRY_COMPARE_WITH_TIMEOUT(int(t.platform.messages.size()), messagesBefore + opened, 10000);
        QCOMPARE(trace->trace().samples().size(), before.size());
    }
    QStringList told;
    for (const auto &m : t.platform.messages.mid(messagesBefore))
        told << m.text;
    QCOMPARE(told.value(0), QStringLiteral("Il file %1 è troncato: la riga 3 non ha i mV. La traccia resta com'era.").arg(QDir::toNativeSeparators(cut.fileName())));
    QCOMPARE(told.value(1), QStringLiteral("Il file %1 non è una traccia esportata: la sua prima riga non ha le colonne del tempo e dei mV. "
                                           "La traccia resta com'era.").arg(QDir::toNativeSeparators(other.fileName())));
    QVERIFY2(told.value(2).startsWith(QStringLiteral("Il file %1 non si apre: ").arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("nessuno.csv"))))),
             qPrintable(told.value(2)));
    for (const QFile *file : {&halfSession, &notSession})
        QVERIFY(told.contains(QStringLiteral("Il file %1 non è una sessione sigrok con un canale analogico. La traccia resta com'era.")
                                  .arg(QDir::toNativeSeparators(file->fileName()))));
    const dravino::Spreadsheet sheet = dravino::traceSheet(trace->trace(), trace->view().sensor);
    QCOMPARE(sheet.rows.size(), 261);
    QCOMPARE(sheet.rows[99], (QList<dravino::SheetCell>{9.9, 3280.0, 1390.0}));
    // The capture read back printed to a PDF: the statistics in words, the chart in lines and text.
    const QString pdf = dir.filePath(QStringLiteral("traccia.pdf"));
    t.platform.pdfTo = pdf;
    QTest::mouseClick(trace->findChild<QPushButton *>(QStringLiteral("cmdStampaTraccia")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pdf).size() > 0, 10000);
    QStringList words;
    for (const PdfWord &w : pdfWords(pdf))
        words << w.text;
    const QString text = words.join(QLatin1Char(' '));
    for (const char *phrase : {"Traccia del sensore Sensore Bosch/VDO/Delphi, fondo scala 2000 bar, zero 500 mV",
                               "Traccia: minimo 500 mV (0 bar), massimo 3500 mV (1500 bar), media 1105 mV (303 bar); letture: 261",
                               "Da 1200 mV (passato a 16,3 s) a 600 mV (passato a 23,8 s) nella vista: 7,5 s, -40 bar/s", "Tensione (mV)", "Pressione (bar)", "Tempo (s)",
                               "Dal 06/12/2026 09:30, per 26,0 s"})
        QVERIFY2(text.contains(QString::fromUtf8(phrase)), qPrintable(QString::fromUtf8(phrase) + QStringLiteral("\n in: ") + text));
    QCOMPARE(dravino::test::outputOf(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).count(QLatin1Char('\n')), 2); // (the headings alone)
}

void TestMeter::traceTellsTheSignal_data()
{
    // The latest reading against the signal's range (200 to 4800 mV, 4 % and
    // 96 % of 5 V) and the family's voltage limit (Denso's 4700 mV; a Bosch
    // sensor's 5000 lies beyond the range).
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("mv");
    QTest::addColumn<QString>("told");
    const QString below = QStringLiteral("Segnale sotto 200 mV: filo del segnale interrotto o a massa, o sensore senza alimentazione.");
    const QString above = QStringLiteral("Segnale sopra 4800 mV: filo del segnale sull'alimentazione, o massa del sensore interrotta.");
    const QString over = QStringLiteral("Segnale oltre il limite di tensione della famiglia (4700 mV).");
    const QString fine = QStringLiteral("Lettura in corso.");
    QTest::newRow("199") << "optSensore(0)" << 199.0 << below;
    QTest::newRow("200") << "optSensore(0)" << 200.0 << fine;
    QTest::newRow("Bosch at 4800") << "optSensore(0)" << 4800.0 << fine;
    QTest::newRow("Bosch at 4801") << "optSensore(0)" << 4801.0 << above;
    QTest::newRow("Denso at its limit") << "optSensore(1)" << 4700.0 << fine;
    QTest::newRow("Denso just over it") << "optSensore(1)" << 4701.0 << over;
    QTest::newRow("Denso at 4801") << "optSensore(1)" << 4801.0 << above;
}

void TestMeter::traceTellsTheSignal()
{
    QFETCH(QString, family);
    QFETCH(double, mv);
    qputenv("DRAVINO_INSTRUMENT", "scpi-dmm:conn=tcp-raw/127.0.0.1/1");
    Window t;
    t.run(family);
    auto *trace = openTrace(t);
    QVERIFY(trace);
    trace->take(volts(mv), trace->trace().empty() ? 0 : trace->trace().samples().back().ms);
    QTEST(shown(trace, "lblStatoTraccia"), "told");
    trace->close();
}


void TestMeter::meterOnTheCertificate_data()
{
    // The calibration's end as typed in Strumento... (days from today; none:
    // left empty), what is done after F9 put row 4's reading, the sheet's
    // line on the readings, and what is told before the page goes.
    QTest::addColumn<QString>("until");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("told");
    const QString meter = QStringLiteral("Letture dal multimetro Agilent Technologies 34405A, n. di serie MY00000001 (riga 4 a 1600 bar), ");
    const QString others = QStringLiteral("; le altre inserite a mano.");
    QTest::newRow("calibrated until yesterday: expired, told") << "-1" << "" << meter + "TARATURA SCADUTA il DAY" + others
        << "Stampa foglio scala|E|La taratura del multimetro è scaduta il DAY: il foglio lo dice.";
    QTest::newRow("calibrated until today: valid") << "0" << "" << meter + "taratura valida fino al DAY" + others << "";
    QTest::newRow("no date kept") << "" << "" << meter + "taratura non indicata" + others << "";
    QTest::newRow("the reading typed over: by hand") << "-1" << "txtADCValue(4)<512;" << "Letture inserite a mano." << "";
}

void TestMeter::meterOnTheCertificate()
{
    QFETCH(QString, until);
    QFETCH(QString, then);
    MeterStandIn meter("+2.50000000E+00");
    QTemporaryDir data;
    qputenv("DRAVINO_ARCHIVE", data.filePath(QStringLiteral("archivio.sqlite")).toLocal8Bit());
    const auto forget = qScopeGuard([] {
        qunsetenv("DRAVINO_ARCHIVE");
        dravino::setSettingsValue(QStringLiteral("instrumentCalibratedUntil"), {});
    });
    qputenv("DRAVINO_INSTRUMENT", meter.device().toUtf8());
    const QDate day = QDate::currentDate().addDays(until.toInt());
    Window t;
    // A date that is none is refused, the dialog stays open on its field.
    bool stayed = false;
    whenModal<QDialog>([&](QDialog *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("txtTaratura"));
        auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        field->setText(QStringLiteral("31/02/2026"));
        QTest::mouseClick(ok, Qt::LeftButton);
        // (the dialog's focus: a slow machine may not have made it active yet)
        stayed = dialog->isVisible() && dialog->focusWidget() == field && field->selectedText() == field->text();
        field->setText(until.isEmpty() ? QString() : day.toString(QStringLiteral("d/M/yyyy")));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    t.run(QStringLiteral("!F8"));
    QVERIFY(stayed);
    QCOMPARE(t.check(QStringLiteral("msgs=Strumento|E|\"31/02/2026\" non è una data: scrivi la scadenza della taratura come "
                                    "31/03/2027, o lasciala vuota.")) + t.errors(), QStringList());
    t.platform.messages.clear();
    t.w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), t.w.get());
    t.run(QStringLiteral("!F2;txtADCValue(4)<;!F9;~meter;") + then + QStringLiteral("cmdScala;@answer:abc;cmdStampaScala"));
    const QString shown = dravino::printDate(day); // (the whole year, on the page and in its words)
    QFETCH(QString, told);
    QCOMPARE(t.check(QStringLiteral("msgs=") + QString(told).replace(QStringLiteral("DAY"), shown)) + t.errors(), QStringList());
    QStringList page;
    for (const auto &item : t.platform.documents.value(0))
        page << item.text;
    QFETCH(QString, line);
    line.replace(QStringLiteral("DAY"), shown);
    QVERIFY2(page.join(QLatin1Char(' ')).contains(line), qPrintable(page.join(QLatin1Char('|'))));
    // The record says the same.
    const dravino::Archive archive(qEnvironmentVariable("DRAVINO_ARCHIVE"));
    QTRY_COMPARE(archive.count({}), 1);
    const dravino::CheckRecord r = archive.records({archive.page({}, nullptr, 1).value(0).key}).value(0);
    QCOMPARE(r.instrument.rows, then.isEmpty() ? QList<int>{4} : QList<int>{});
    // The meter named is the one of the readings on the page; none where all are typed.
    QCOMPARE(r.instrument.serial, then.isEmpty() ? QStringLiteral("MY00000001") : QString());
    // ... and each point says where its reading came from, and when.
    const auto point = std::find_if(r.points.begin(), r.points.end(), [](const dravino::MeasuredPoint &p) { return p.row == 4; });
    QVERIFY(point != r.points.end());
    QCOMPARE(point->source.kind, then.isEmpty() ? dravino::ReadingSource::Meter : dravino::ReadingSource::Typed);
    QCOMPARE(QString::fromStdString(point->source.serial), then.isEmpty() ? QStringLiteral("MY00000001") : QString());
    if (then.isEmpty())
        QVERIFY(qAbs(point->source.readAtMs - QDateTime::currentMSecsSinceEpoch()) < 60000);
    QCOMPARE(r.instrument.calibratedUntil, until.isEmpty() ? QDate() : day);
}

QTEST_MAIN(TestMeter)
void TestMeter::calibrationByKeys()
{
    // A calibration taken at the keyboard: F6 opens it on the calculator's
    // sensor; the plan, the sensor, the operator and the reference chosen by
    // keys; readings typed (one that does not read refused in words, its
    // cell back) and one read from the stand-in meter (F9 into the current
    // row). Stampa with readings missing names the first and takes the
    // focus there, nothing recorded. Complete, saved as a PDF and read
    // back: the issuer, the title, the number and "pagina N di 4" on every
    // page, the verdict in words, the annex's budget as recorded. Saved
    // again: the same certificate, a copy. In the archive (F4): a
    // calibration, which Elimina withdraws with its reason and keeps.
    MeterStandIn meter("+2.50200000E+00");
    qputenv("DRAVINO_INSTRUMENT", meter.device().toUtf8());
    QTemporaryDir out;
    Window t; // (the settings in a folder of the test's own from here on)
    dravino::saveReferences({dravino::test::sampleReference()});
    dravino::saveAcceptance(dravino::Acceptance::Simple);
    t.platform.realPages = true;
    t.key(Qt::Key_F6);
    dravino::CalibrationWindow *c = nullptr;
    QTRY_VERIFY((c = t.w->calibrationWindow()) && c->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), c);
    const auto in = [c](const char *name) {
        QWidget *w = c->findChild<QWidget *>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    };
    const auto combo = [&](const char *name) { return static_cast<QComboBox *>(in(name)); };
    // From the calculator: Bosch, 2000 bar, its 10-bit converter.
    QCOMPARE(combo("cboFamiglia")->currentIndex(), 0);
    QCOMPARE(combo("cboFondoScala")->currentText(), QStringLiteral("2000 bar"));
    QCOMPARE(combo("cboUnita")->currentData().toInt(), 10);
    // Keys into whatever has the focus (an editor the table opened, too).
    const auto keys = [](const QString &text) {
        for (const QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    };
    // (the table's editor commits on a queued call: it is let run)
    const auto press = [](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        QTest::qWait(20);
    };
    in("cboUnita")->setFocus();
    press(Qt::Key_Home); // mV, from the meter
    QCOMPARE(combo("cboUnita")->currentData().toInt(), 0);
    in("txtPunti")->setFocus();
    static_cast<QLineEdit *>(in("txtPunti"))->selectAll();
    keys(QStringLiteral("0 50 100"));
    press(Qt::Key_Return);
    auto *grid = static_cast<QTableView *>(in("grdLetture"));
    QCOMPARE(grid->model()->rowCount(), 5);
    in("txtCodiceTaratura")->setFocus();
    keys(QStringLiteral("0281002930"));
    in("txtOperatore")->setFocus();
    static_cast<QLineEdit *>(in("txtOperatore"))->clear();
    keys(QStringLiteral("Mario Rossi"));
    in("cboRiferimento")->setFocus();
    press(Qt::Key_Down);
    QCOMPARE(combo("cboRiferimento")->currentData().toString(), QStringLiteral("Manometro DPG-1"));
    // Row 0 typed; a text that is no reading refused, its cell open again.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, dravino::ReadingsTable::Reading));
    keys(QStringLiteral("500"));
    press(Qt::Key_Return);
    QTRY_COMPARE(grid->currentIndex().row(), 1); // (moved on once the editor closed: a busy machine takes its time)
    keys(QStringLiteral("abc"));
    t.platform.messages.clear();
    press(Qt::Key_Return);
    QCOMPARE(t.platform.messages.value(0).text, QStringLiteral("\"abc\" non è una lettura: scrivi un numero."));
    QCOMPARE(grid->currentIndex().row(), 1);
    QTRY_VERIFY(grid->indexWidget(grid->currentIndex()) || qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    press(Qt::Key_Escape);
    // Row 1 from the meter.
    t.key(Qt::Key_F9);
    QTRY_COMPARE_WITH_TIMEOUT(grid->model()->index(1, dravino::ReadingsTable::Reading).data().toString(), QStringLiteral("2502"), 10000);
    QCOMPARE(grid->model()->index(1, dravino::ReadingsTable::Reading).data(Qt::ToolTipRole).toString(), QStringLiteral("Letta dal multimetro"));
    QTRY_COMPARE(grid->currentIndex().row(), 2);
    // Stampa with three missing: the first named, the focus on it, nothing kept.
    t.platform.messages.clear();
    QTest::mouseClick(static_cast<QPushButton *>(in("cmdStampaTaratura")), Qt::LeftButton);
    QCOMPARE(t.platform.messages.value(0).text,
             QStringLiteral("Letture mancanti nel giro come trovato: 3 su 5 (la prima: ciclo 1, salita, 2000 bar). Senza ogni lettura "
                            "non c'è esito né certificato."));
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(grid->currentIndex().row(), 2);
    QCOMPARE(static_cast<QLabel *>(in("lblEsitoTaratura"))->text(), QStringLiteral("Senza esito come trovato: letture mancanti 3 su 5."));
    QCOMPARE(dravino::Archive(dravino::defaultArchivePath()).count({}), 0);
    for (const auto &[reading, next] : {std::pair{"4500", 3}, std::pair{"2503", 4}, std::pair{"501", 4}}) {
        keys(QString::fromLatin1(reading));
        press(Qt::Key_Return);
        QTRY_COMPARE(grid->currentIndex().row(), next);
    }
    QCOMPARE(static_cast<QLabel *>(in("lblEsitoTaratura"))->text(), QStringLiteral("Esito come trovato: CONFORME"));
    // Saved as a PDF: the certificate, numbered and recorded.
    t.platform.saveAs = out.filePath(QStringLiteral("taratura.pdf"));
    QTest::mouseClick(static_cast<QPushButton *>(in("cmdPdfTaratura")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dravino::isCompletePdf(t.platform.saveAs), 20000);
    QTRY_COMPARE(dravino::Archive(dravino::defaultArchivePath()).count({}), 1);
    dravino::Archive archive(dravino::defaultArchivePath());
    const dravino::CheckRecord record = archive.records({archive.page({}, nullptr, 1).value(0).key}).value(0);
    QVERIFY(record.kind == dravino::CheckKind::Calibration && record.zone == dravino::Zone::Pass);
    QCOMPARE(record.code, QStringLiteral("0281002930"));
    QCOMPARE(record.jobData.operatorName, QStringLiteral("Mario Rossi"));
    QVERIFY(!record.certificate.isEmpty());
    const dravino::CalibrationData data = dravino::calibrationFrom(record.calibration);
    QCOMPARE(data.asFound.at(0, dravino::Sweep::Rising, 1), std::optional<double>(2502));
    QCOMPARE(data.reference->name, QStringLiteral("Manometro DPG-1"));
    const auto pageText = [](const QString &pdf, int n) {
        return dravino::test::outputOf(QStringLiteral("pdftotext"), {"-f", QString::number(n), "-l", QString::number(n), "-layout", pdf, "-"})
            .simplified();
    };
    QVERIFY(dravino::test::outputOf(QStringLiteral("pdfinfo"), {t.platform.saveAs}).contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))));
    for (int n = 1; n <= 4; ++n) {
        const QString top = pageText(t.platform.saveAs, n).left(160);
        QVERIFY2(top.startsWith(QStringLiteral("Certificato di taratura n. %1 Sensore di pressione rail 0281002930 pagina %2 di 4").arg(record.certificate).arg(n)),
                 qPrintable(top));
    }
    QVERIFY(pageText(t.platform.saveAs, 1).contains(QStringLiteral("Come trovato: CONFORME")));
    // The words on the first page where the PDF puts them: the number at the right, above the verdict.
    double numberRight = 0, verdictTop = 0;
    for (const PdfWord &w : pdfWords(t.platform.saveAs)) {
        if (w.text == record.certificate && numberRight == 0)
            numberRight = w.xMax;
        if (w.text == QLatin1String("trovato:") && verdictTop == 0)
            verdictTop = w.yMin;
    }
    QVERIFY2(numberRight > 500 && verdictTop > 200, qPrintable(QStringLiteral("%1 %2").arg(numberRight).arg(verdictTop)));
    const QJsonObject budget = record.calibration.value(QStringLiteral("found")).toObject().value(QStringLiteral("budget")).toObject();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString annex = pageText(t.platform.saveAs, 4);
    QVERIFY2(annex.contains(QStringLiteral("Incertezza estesa U = k · u_c %1 bar").arg(locale.toString(budget.value(QStringLiteral("expanded")).toDouble(), 'f', 3))),
             qPrintable(annex));
    QVERIFY2(annex.contains(QStringLiteral("Accuratezza del multimetro (rettangolare)")), qPrintable(annex));
    // Saved again, unchanged, once the first page's outcome is in: the
    // same certificate, a copy, not recorded again.
    QTRY_VERIFY_WITH_TIMEOUT(!static_cast<QPushButton *>(in("cmdStampaTaratura"))->isDown() && t.platform.pending == 0
                                 && !c->session().numbering(),
                             20000);
    t.platform.saveAs = out.filePath(QStringLiteral("copia.pdf"));
    QTest::mouseClick(static_cast<QPushButton *>(in("cmdPdfTaratura")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dravino::isCompletePdf(t.platform.saveAs), 20000);
    QVERIFY(pageText(t.platform.saveAs, 2).contains(QStringLiteral("n. %1 (copia)").arg(record.certificate)));
    QCOMPARE(dravino::Archive(dravino::defaultArchivePath()).count({}), 1);
    c->close();
    // Listed as a calibration; withdrawn with its reason, kept, listed on request.
    t.w->openArchive();
    auto *archiveWindow = t.w->findChild<QDialog *>(QStringLiteral("frmArchivio"));
    QVERIFY(archiveWindow);
    auto *list = archiveWindow->findChild<QTableView *>(QStringLiteral("lstProve"));
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QTRY_COMPARE(list->model()->index(0, dravino::ArchiveModel::Kind).data().toString(), QStringLiteral("taratura"));
    QCOMPARE(list->model()->index(0, dravino::ArchiveModel::Result).data().toString(), QStringLiteral("CONFORME"));
    list->selectRow(0);
    t.platform.inputAnswer = QStringLiteral("riferimento sbagliato");
    QTest::mouseClick(archiveWindow->findChild<QPushButton *>(QStringLiteral("cmdElimina")), Qt::LeftButton);
    QTRY_COMPARE(list->model()->rowCount(), 0);
    QTest::mouseClick(archiveWindow->findChild<QCheckBox *>(QStringLiteral("chkRitirati")), Qt::LeftButton);
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, dravino::ArchiveModel::Result).data().toString(), QStringLiteral("CONFORME, RITIRATO"));
    QCOMPARE(dravino::Archive(dravino::defaultArchivePath()).records({record.key}).value(0).withdrawal.why, QStringLiteral("riferimento sbagliato"));
    archiveWindow->close();
}

void TestMeter::meterAccuracyKept_data()
{
    // The meter's accuracy as typed in Strumento...: kept, or refused with
    // the field's focus back.
    QTest::addColumn<QString>("typed"); // % of reading, digits, resolution
    QTest::addColumn<QString>("refused"); // the field, or nothing
    QTest::newRow("kept") << "0,025|3|0,01" << "";
    QTest::newRow("zero % and digits: kept") << "0|0|1" << "";
    QTest::newRow("a resolution of zero") << "0,05|2|0" << "txtRisoluzione";
    QTest::newRow("a negative accuracy") << "-0,05|2|0,1" << "txtAccuratezza";
    QTest::newRow("digits that do not read") << "0,05|due|0,1" << "txtCifre";
}

void TestMeter::meterAccuracyKept()
{
    QFETCH(QString, typed);
    QFETCH(QString, refused);
    Window t;
    dravino::saveMeterAccuracy({0.05, 2, 1});
    auto *dialog = new dravino::InstrumentDialog(t.platform, t.w.get());
    const QStringList values = typed.split(QLatin1Char('|'));
    const char *const names[] = {"txtAccuratezza", "txtCifre", "txtRisoluzione"};
    for (int i = 0; i < 3; ++i)
        dialog->findChild<QLineEdit *>(QLatin1String(names[i]))->setText(values[i]);
    dialog->findChild<QLineEdit *>(QStringLiteral("txtCertificatoStrumento"))->setText(QStringLiteral(" LAT 019  4471 "));
    dialog->show();
    dialog->accept();
    QCOMPARE(dialog->isVisible(), !refused.isEmpty());
    if (refused.isEmpty()) {
        const dravino::MeterAccuracy kept = dravino::loadMeterAccuracy();
        QCOMPARE(QStringList({QLocale().toString(kept.percentOfReading), QLocale().toString(kept.digits), QLocale().toString(kept.resolutionMv)})
                     .join(QLatin1Char('|')),
                 typed);
        QCOMPARE(kept.certificate, QStringLiteral("LAT 019 4471"));
    } else {
        QCOMPARE(dialog->focusWidget()->objectName(), refused);
        QCOMPARE(dravino::loadMeterAccuracy(), (dravino::MeterAccuracy{0.05, 2, 1}));
    }
    delete dialog;
}

#include "tst_meter.moc"
