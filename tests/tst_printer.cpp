// A value table printed through the program's own print path on the
// machine's default printer, a cups-pdf queue, and read back from the PDF
// that the spooler writes. tools/cups-pdf-setup.sh sets such a queue up;
// without it the test is skipped, except under CI, where it must run.

#include "PdfWords.h"
#include "print/QtPrintSurface.h"
#include "ui/MainPanel.h"
#include "ui/Platform.h"
#include "ui/frmDravino.h"

#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

using namespace dravino;

namespace {

// The desktop's printer with the other services answered by the test.
class PrinterPlatform final : public Platform
{
public:
    void message(QWidget *, const QString &text, const QString &, MessageIcon) override { messages << text; }
    QString inputText(QWidget *, const QString &, const QString &) override { return {}; }
    int shellOpen(const QString &) override { return kShellOk; }
    PrinterName printer() override { return m_desktop.printer(); }
    std::unique_ptr<PrintSurface> openPrinter() override { return m_desktop.openPrinter(); }
    QDate today() override { return QDate::currentDate(); }
    QStringList messages;

private:
    DesktopPlatform m_desktop;
};

QStringList pdfFiles(const QDir &dir)
{
    return dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void tablePrintsOnTheDefaultPrinter();
};

void TestPrinter::tablePrintsOnTheDefaultPrinter()
{
    const bool ci = qgetenv("CI") == "true";
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const bool cupsPdf = !printer.isNull()
        && (printer.makeAndModel().contains(QLatin1String("PDF"), Qt::CaseInsensitive)
            || printer.printerName() == QLatin1String("PDF"));
    if (!cupsPdf) {
        if (ci)
            QFAIL("CI needs a cups-pdf queue as the default printer: run tools/cups-pdf-setup.sh");
        QSKIP("the default printer is not a cups-pdf queue (tools/cups-pdf-setup.sh sets one up, as root)");
    }
    const QDir out(QDir::homePath() + QStringLiteral("/PDF"));
    const QStringList before = pdfFiles(out);

    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    PrinterPlatform platform;
    frmDravino w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.findChild<QLineEdit *>(QStringLiteral("txtStampaDa"))->setText(QStringLiteral("0"));
    w.findChild<QLineEdit *>(QStringLiteral("txtStampaA"))->setText(QStringLiteral("2680"));
    w.findChild<QPushButton *>(QStringLiteral("cmdStampa"))->click();
    QCOMPARE(platform.messages, QStringList{QStringLiteral("Stampa effettuata su ") + printer.printerName()});

    // The spooler works on its own time.
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            for (const auto &f : pdfFiles(out))
                if (!before.contains(f))
                    pdf = out.filePath(f);
            return !pdf.isEmpty();
        }(),
        60000);
    QTest::qWait(1000); // let cups-pdf finish writing
    const auto all = pdfWords(pdf);
    QList<PdfWord> mvolt, bar;
    for (const auto &word : all) {
        if (word.text == QLatin1String("MVolt"))
            mvolt << word;
        if (word.text == QLatin1String("Bar"))
            bar << word;
    }
    QCOMPARE(mvolt.size(), 3); // 135 values, three groups
    QPrinter reference(QPrinter::HighResolution);
    reference.setPrinterName(printer.printerName());
    const double margin = reference.pageLayout().paintRect(QPageLayout::Point).left();
    for (int g = 0; g < 3; ++g) {
        QVERIFY2(qAbs((mvolt[g].xMax - margin) * 20 - (1350 + 4000 * g)) < 20, qPrintable(QString::number(mvolt[g].xMax)));
        QVERIFY(qAbs((bar[g].xMax - margin) * 20 - (2850 + 4000 * g)) < 20);
        QVERIFY(qAbs(mvolt[g].yMin - mvolt[0].yMin) < 0.5);
    }
    // The title centred on 11700 twips.
    double left = 0, right = 0;
    for (const auto &word : all) {
        if (word.text == QLatin1String("Rapporto") && left == 0)
            left = word.xMin;
        if (word.text == QLatin1String("bar") && right == 0)
            right = word.xMax;
    }
    QVERIFY2(qAbs(((left + right) / 2 - margin) * 20 - 5850) < 30, qPrintable(QString::number(left)));
}

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
