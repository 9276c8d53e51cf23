// A value table printed through the program's own print path on the
// machine's default printer, a cups-pdf queue, and read back from the PDF
// that the spooler writes. tools/cups-pdf-setup.sh sets such a queue up;
// without it the test is skipped, except under CI, where it must run.

#include "PdfWords.h"
#include "WindowFixture.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>
#include <pwd.h>
#include <unistd.h>

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void tablePrintsOnTheDefaultPrinter();
};

void TestPrinter::tablePrintsOnTheDefaultPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() || !printer.makeAndModel().contains(QLatin1String("PDF"), Qt::CaseInsensitive)) {
        if (qgetenv("CI") == "true")
            QFAIL("CI needs a cups-pdf queue as the default printer: run tools/cups-pdf-setup.sh");
        QSKIP("the default printer is not a cups-pdf queue (tools/cups-pdf-setup.sh sets one up, as root)");
    }
    // cups-pdf writes into the submitting user's home as the password file has it.
    const QDir out(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    const QStringList before = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Window t;
    t.platform.realPrinter = true;
    t.run(QStringLiteral("txtStampaDa=0;txtStampaA=2680;cmdStampa"));
    QCOMPARE(t.check(QStringLiteral("msgs=Stampa valori di pressione/tensione|I|Stampa effettuata su ") + printer.printerName()),
             QStringList());

    // The spooler works on its own time.
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const auto &f : out.entryList({QStringLiteral("*.pdf")}, QDir::Files))
                if (!before.contains(f))
                    pdf = out.filePath(f);
            return !pdf.isEmpty();
        }(),
        60000);
    QTest::qWait(1000); // let cups-pdf finish writing
    // Spooled output keeps x and the baselines; the tops move a little.
    QPrinter reference(QPrinter::HighResolution);
    reference.setPrinterName(printer.printerName());
    const double margin = reference.pageLayout().paintRect(QPageLayout::Point).left();
    const QStringList wrong = valueTableProblems(pdf, margin, 20);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
