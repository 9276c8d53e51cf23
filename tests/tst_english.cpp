// The English window: its texts, one message of each part of the program,
// the printed pages read back from real PDFs, the Sensata date in English
// formats, every text translated, and the choice of language from the
// arguments and the desktop's preferred languages.

#include "CalibrationSample.h"
#include "PdfWords.h"
#include "print/CalibrationCertificate.h"
#include "print/QtPrintSurface.h"
#include "WindowFixture.h"
#include "print/Footer.h"

#include <QMenu>
#include <QProcess>

using dravino::Language;

class TestEnglish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { dravino::applyLanguage(Language::English); }
    void startUpTexts();
    void messages_data();
    void messages() { RUN_SCENARIO(); }
    void printedPages();
    void calibrationCertificateInEnglish();
    void traceWindowOnTheScreen();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void languageFromTheDesktop();
};

void TestEnglish::startUpTexts()
{
    Window t;
    const QStringList wrong = t.check(
        "lblLabel(2)=Pressure;lblLabel(4)=SCALE (bar);cmdCalcola=Calculate;fraSensore=Sensor type;fraStampa=Print;"
        "fraSecondary=Scale and linearity;"
        "optSensore(1)=Denso 1-way;optSensore(2)?=Sensor with a full scale of 2200 bar;"
        "lblLabel(5)=from;lblLabel(6)=to;lblValStampa=76 values to print;cboScala?=coefficient: 0.5;"
        "txtADC?=102.3;imgSensore(3)?=Bosch sensor 0281006158;cmdZeroBar?=Zero-point drift setting: zero in use 500 mV;"
        "lblSecondary(4)=linearity;lblSecondary(5)=deviation;optMedia(0)=automatic average;cmdScala=calculate;"
        "lblSensata(0)=Number on the sensor;lblSensata(5)=date of manufacture;lblSensata(7)=Made in MALAYSIA");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QCOMPARE(t.w->windowTitle(), QStringLiteral("Dravino 10/2024"));
    QCOMPARE(t.get(QStringLiteral("cmdStampa"))->toolTip(), QStringLiteral("Print on PDF; port cups-pdf:/"));
    // Qt's own texts are English too.
    std::unique_ptr<QMenu> menu(t.edit(QStringLiteral("txtMvolt1"))->createStandardContextMenu());
    QCOMPARE(menuTexts(menu.get()).value(0), QStringLiteral("&Undo"));
}

void TestEnglish::messages_data()
{
    scenarioColumns();
    const char *const scale = "lblLabel(4);lblLabel(4);";
    const char *const sensata = "lblLabel(2);lblLabel(2);";
    QTest::newRow("voltage limit") << "txtMvolt1<5001;!Return" << "msgs=Millivolt|I|Millivolt value too high.   ";
    QTest::newRow("pressure limit") << "txtPressione<2401;!Return" << "msgs=Calculate pressure|C|Pressure entered too high.  ";
    QTest::newRow("zero point") << "txtMvolt1<;txtMvolt1=300;cmdZeroBar" << "msgs=Zero point|I| The voltage must lie\r\n between 400 and 1200 mVolt";
    QTest::newRow("count") << "txtADC<2000;!Return" << "msgs=10-bit ADC count|I|ADC count too high";
    QTest::newRow("a count with a point") << "txtADC<1.5;!Return" << "txtMvolt1=10;txtADC=2;msgs=";
    QTest::newRow("link") << "@shellfails;picLogo" << "msgs=Error|C|Error 31";
    QTest::newRow("print range") << "txtStampaDa=;cmdStampa" << "msgs=Range of values|I|Implausible value  ";
    QTest::newRow("printed") << "txtStampaA=520;cmdStampa" << "msgs=Printing pressure/voltage values|I|Printed on PDF";
    QTest::newRow("refused, saved") << "@printerfails;cmdStampa" << "msgs=Printing pressure/voltage values|E|Printing on Guasta "
        "failed: client-error-not-possible. The page was saved as PDF file /home/tecnico/Documenti/Dravino.pdf.";
    QTest::newRow("too many") << "txtStampaDa=0;txtStampaA=2700;cmdStampa"
        << "msgs=Printing a range of values|E|Too many values to print  (136) .  The maximum allowed is 135.\r\nNarrow the pressure/mVolt range or raise the Step.";
    QTest::newRow("scale: zero division") << QString(scale) + "txtADCValue(1)=98;cmdScala" << "msgs=Scale check|C|Calculation error ";
    QTest::newRow("scale: type mismatch") << QString(scale) + "txtADCValue(1)=x;cmdScala"
        << "msgs=Scale check|C|Error 13  Type mismatch&&Scale check|C|Error 13  Type mismatch";
    QTest::newRow("Sensata date") << QString(sensata) + "txtSensataCode=13136421110;cmdSensata"
        << "lblSensata(0)=Number on the sensor (11);lblSensata(3)=Thu. 5/16/2013;lblSensata(4)=421110;msgs=";
    QTest::newRow("Sensata unknown") << QString(sensata) + "txtSensataCode=1313;cmdSensata" << "msgs=Date check|I|Unknown date value";
    QTest::newRow("Sensata marks") << QString(sensata) + "cboSensata(0)#3;cboSensata(1)#1" << "lblSensata(7)=Made in MEXICO;lblSensata(8)=for CNG (methane)";
}

void TestEnglish::printedPages()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext is missing (make deps installs poppler-utils)");
    QTemporaryDir dir;
    // The table and the sheet as the window prints them.
    Window t;
    t.platform.pdfTo = dir.filePath(QStringLiteral("table.pdf"));
    t.run(QStringLiteral("txtMvolt1<540;cmdZeroBar;txtStampaDa<500;txtStampaA<1400;cmdStampa"));
    const QString table = pdfText(t.platform.pdfTo);
    QVERIFY2(table.contains(QStringLiteral("Pressure against voltage of a pressure sensor with a full scale of 2000 bar")), qPrintable(table));
    QVERIFY(table.contains(QStringLiteral("MVolt Bar")));
    QVERIFY2(table.contains(dravino::printDate(QDate::currentDate())), qPrintable(table));
    QVERIFY2(table.contains(QStringLiteral("Sensor Bosch / Delphi / Vdo, zero in use 540 mV (the family's own: 500 mV)")), qPrintable(table));
    // Positions, fonts and colours are the Italian table's, checked in tst_documents.

    // The sheet, as the scale panel prints it, with the English prompt.
    t.platform.pdfTo = dir.filePath(QStringLiteral("sheet.pdf"));
    t.run(QStringLiteral("lblLabel(4);lblLabel(4);@answer:ab1;cmdScala;cmdStampaScala"));
    QCOMPARE(t.platform.prompts, QStringList{QStringLiteral("Enter the sensor's code or part number|Sensor code")});
    const QString printed = pdfText(t.platform.pdfTo);
    for (const char *words : {"BAR ADC mVolt SCALE Linearity Deviation", "Sensor: AB1", "Average full scale: 2419",
                              "Rail pressure sensor test certificate Certificate no. ", "Result of the check: FAIL",
                              "Decision rule (version 2): each row within linearity ±1 % and deviation ±24 bar of the average; the average "
                              "within ±24 bar of the nominal full scale; at least 3 rows computed, one at 1000 bar or more; a row measured "
                              "and not computed fails", "Readings typed by hand.", "Signature:",
                              "Nominal full scale 2000 bar: average 2419 bar, beyond ±24 bar; the nearest full scale is 2400 bar",
                              "row 1, 400 bar: PASS row 2, 800 bar: PASS row 3, 1200 bar: PASS", " · page 1 of 1"})
        QVERIFY2(printed.contains(QString::fromUtf8(words)), qPrintable(printed));
}

void TestEnglish::calibrationCertificateInEnglish()
{
    // The calibration certificate in English: its title, number and page,
    // the run's verdict, the conditional words, the annex.
    Window t; // (the English translation loaded)
    dravino::CalibrationSheet sheet;
    sheet.data = dravino::test::sampleCalibration(dravino::Acceptance::GuardBand, true);
    sheet.code = QStringLiteral("0281002930");
    sheet.now = QDateTime(QDate(2026, 12, 8), QTime(10, 30));
    sheet.certificate = QStringLiteral("7");
    sheet.job.operatorName = QStringLiteral("Mario Rossi");
    dravino::QtPrintSurface s;
    dravino::printCalibrationCertificate(s, sheet);
    QTemporaryDir dir;
    QFile out(dir.filePath(QStringLiteral("c.pdf")));
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(s.pdf()) > 0);
    out.close();
    const QString text = pdfText(out.fileName());
    for (const char *words : {"Calibration certificate no. 7 Rail pressure sensor 0281002930 page 1 of 5", "As found: FAIL",
                              "As left (after adjustment): PASS", "Annex: uncertainty budget of the worst point",
                              "Expanded uncertainty U = k · u_c", "Operator: Mario Rossi", "page 5 of 5"})
        QVERIFY2(text.contains(QString::fromUtf8(words)), qPrintable(QString::fromUtf8(words) + QLatin1String("\n in: ") + text));
}

void TestEnglish::traceWindowOnTheScreen()
{
    // The English trace is wider than the Italian: still all of it on the
    // screen, its Close in view.
    Window t;
    t.run(QStringLiteral("!F7"));
    auto *trace = t.w->findChild<QWidget *>(QStringLiteral("frmTraccia"));
    QVERIFY(trace);
    QTRY_VERIFY(trace->isVisible());
    QCOMPARE(trace->windowTitle(), QStringLiteral("Sensor trace"));
    const QRect avail = trace->screen()->availableGeometry();
    QVERIFY2(avail.contains(trace->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6").arg(trace->frameGeometry().x()).arg(trace->frameGeometry().y())
                            .arg(trace->frameGeometry().width()).arg(trace->frameGeometry().height()).arg(avail.width()).arg(avail.height())));
    auto *close = trace->findChild<QWidget *>(QStringLiteral("cmdChiudiTraccia"));
    QVERIFY(trace->rect().contains(QRect(close->mapTo(trace, QPoint()), close->size())));
    trace->close();
}

void TestEnglish::everyTextTranslated_data()
{
    // The English of every text; the Italian plural forms ("1 prova").
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("English") << "dravino_en.ts" << QStringList{};
    QTest::newRow("Italian plurals") << "dravino_it.ts" << QStringList{QStringLiteral("-pluralonly")};
}

void TestEnglish::everyTextTranslated()
{
    // Every text the sources hold today has its translation: the texts
    // gathered again from the sources into a copy of the file, and
    // lrelease finds none unfinished.
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString ts = dir.filePath(file);
    QVERIFY(QFile::copy(QStringLiteral(DRAVINO_SOURCE_DIR "/translations/") + file, ts));
    // The sources as the build knows them (update_translations' own project).
    const QString project = dir.filePath(QStringLiteral("project.json"));
    QProcess tool;
    tool.start(QStringLiteral(DRAVINO_CMAKE), {QStringLiteral("-DIN_FILE=" DRAVINO_LUPDATE_PROJECT), QStringLiteral("-DOUT_FILE=") + project,
                                               "-P", QStringLiteral(DRAVINO_LUPDATE_SCRIPT)});
    QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
    tool.start(QStringLiteral(DRAVINO_LUPDATE), QStringList{"-project", project, "-no-obsolete", "-locations", "none", "-ts", ts} + options);
    QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
    tool.start(QStringLiteral(DRAVINO_LRELEASE), {ts, "-qm", dir.filePath(QStringLiteral("out.qm"))});
    QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
    const QString said = QString::fromLocal8Bit(tool.readAllStandardOutput());
    QVERIFY2(said.contains(QLatin1String(" finished and 0 unfinished")) && !said.contains(QLatin1String("untranslated")),
             qPrintable(said));
    // One and more, in the window's language.
    dravino::applyLanguage(file.contains(QLatin1String("_it")) ? Language::Italian : Language::English);
    const auto paused = [](int n) {
        return QCoreApplication::translate("dravino::TraceWindow", "In pausa: la traccia tiene le sue %Ln letture.", nullptr, n);
    };
    QCOMPARE(paused(1) + QLatin1Char('|') + paused(1200),
             file.contains(QLatin1String("_it")) ? QStringLiteral("In pausa: la traccia tiene 1 lettura.|In pausa: la traccia tiene le sue 1.200 letture.")
                                                 : QStringLiteral("Paused: the trace keeps 1 reading.|Paused: the trace keeps its 1,200 readings."));
    dravino::applyLanguage(Language::English);
}

void TestEnglish::languageFromTheDesktop()
{
    // Run by CTest with LANGUAGE and LANG set and the language expected.
    const QByteArray expected = qgetenv("DRAVINO_EXPECT_LANGUAGE");
    if (expected.isEmpty())
        QSKIP("no desktop language given (CTest's tst_language_* entries give one)");
    const QStringList args = qEnvironmentVariable("DRAVINO_ARGUMENTS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const Language got = dravino::chooseLanguage(args, QLocale::system().uiLanguages());
    QCOMPARE(got == Language::English ? QByteArray("en") : QByteArray("it"), expected);
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
