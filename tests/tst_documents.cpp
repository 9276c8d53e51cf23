// The two printed documents on a recording surface (positions, fonts,
// colours, groups, footer), and real PDFs from the Qt print surface read
// back with pdftotext -bbox, and the PDF file written without a printer
// through the faults a workshop meets (full disk, read-only or missing
// folder, names in the way, no home).

#include "CalibrationSample.h"
#include "PageCompare.h"
#include "PdfWords.h"
#include "TestMain.h"
#include "core/Characteristic.h"
#include "core/CheckRule.h"
#include "print/CalibrationCertificate.h"
#include "print/CharacteristicChart.h"
#include "print/Delivery.h"
#include "print/Footer.h"
#include "print/PdfFile.h"
#include "print/QtPrintSurface.h"
#include "print/RecordingSurface.h"
#include "print/TraceChart.h"
#include "print/ScaleSheet.h"
#include "print/ValueTable.h"
#include "print/Workshop.h"
#include "ui/printjob/PrintJob.h"

#include <QDataStream>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

using namespace dravino;

namespace {

const QDateTime kNow(QDate(2026, 12, 6), QTime(9, 30));

// Bosch rows at 2000 bar from the core, step 20.
void printTable(PrintSurface &s, int from, int to, bool millivolt = true)
{
    PrintTable t;
    t.direction = millivolt ? ConversionDirection::MillivoltToPressure : ConversionDirection::PressureToMillivolt;
    t.from = from;
    t.to = to;
    t.step = 20;
    printValueTable(s, {QStringLiteral("2000"), millivolt, valueTableRows(printRows(t), QString::number(from)), kNow});
}

QList<RecordedItem> items(const RecordingSurface &s, const QString &text, RecordedItem::Kind kind = RecordedItem::Text)
{
    QList<RecordedItem> out;
    for (const auto &i : s.items())
        if (i.kind == kind && (kind == RecordedItem::Line || i.text == text || text.isNull()))
            out << i;
    return out;
}

double right(const RecordingSurface &s, const RecordedItem &i) { return i.x + s.widthOf(i.font, i.text); }

// How a printed text looks: "size bold|regular italic? #colour".
QString look(const RecordedItem &i)
{
    return QStringLiteral("%1 %2%3 %4")
        .arg(i.font.pointSizeF())
        .arg(i.font.bold() ? QStringLiteral("bold") : QStringLiteral("regular"))
        .arg(i.font.italic() ? QStringLiteral(" italic") : QString())
        .arg(i.color.name());
}

// The texts printed from the one starting with first, each with its look,
// while they continue one line (each starts where the last ended).
QStringList lineFrom(const RecordingSurface &s, const QString &first)
{
    QStringList out;
    const auto all = s.items();
    qsizetype at = -1;
    for (qsizetype k = 0; k < all.size(); ++k)
        if (all[k].kind == RecordedItem::Text && all[k].text == first) {
            at = k;
            break;
        }
    for (qsizetype k = at; k >= 0 && k < all.size() && all[k].kind == RecordedItem::Text; ++k) {
        if (k > at && (all[k].y != all[at].y || qAbs(all[k].x - right(s, all[k - 1])) > 0.01))
            break;
        out << all[k].text + QLatin1Char('|') + look(all[k]);
    }
    return out;
}

// The footer of a build that names no maker's web page.
const QStringList kFooter{"Dravino|9 bold #000000", " - ©Laboratorio Dravino|9 regular italic #000000",
                          "  -  06/12/2026 09:30|9 regular #000000"};

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void valueTableLayout_data();
    void valueTableLayout();
    void traceChartPeakDetect_data();
    void traceChartPeakDetect();
    void scaleSheetLayout();
    void pdfWithoutPrinter_data();
    void pdfWithoutPrinter();
    void pdfFolderFromHome();
    void printReports_data();
    void printReports();
    void previewIsThePrintedPage_data();
    void previewIsThePrintedPage();
    void sheetForTheCustomer_data();
    void sheetForTheCustomer();
    void characteristicOnTheSheet_data();
    void characteristicOnTheSheet();
    void verdictWords_data();
    void verdictWords();
    void fieldsLeftEmpty_data();
    void fieldsLeftEmpty();
    void logoFaults_data();
    void logoFaults();
    void pagesOfADocument_data();
    void pagesOfADocument();
    void calibrationCertificate_data();
    void calibrationCertificate();
};

void TestDocuments::valueTableLayout_data()
{
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("groups");
    QTest::addColumn<bool>("millivolt");
    QTest::newRow("45 rows, one group") << 1380 << 1 << true;
    QTest::newRow("46 rows, two groups") << 1400 << 2 << true;
    QTest::newRow("101 rows") << 2500 << 3 << true;
    QTest::newRow("135 rows fill three groups") << 3180 << 3 << true;
    QTest::newRow("pressure first") << 1400 << 2 << false;
}

void TestDocuments::traceChartPeakDetect_data()
{
    // A minute read every millisecond at idle (1300 mV), with a 25 ms snap
    // to 3500 mV at 30 s and a 2 ms dropout to 400 mV at 45 s: the chart
    // draws both to their height and depth, whatever the view.
    QTest::addColumn<qint64>("from"); // the view, ms (from == to: the whole)
    QTest::addColumn<qint64>("to");
    QTest::addColumn<double>("highest");
    QTest::addColumn<double>("lowest");
    QTest::newRow("the whole minute") << qint64(0) << qint64(0) << 3500.0 << 400.0;
    QTest::newRow("a second about the snap") << qint64(29500) << qint64(30500) << 3500.0 << 1300.0;
    QTest::newRow("a second about the dropout") << qint64(44500) << qint64(45500) << 1300.0 << 400.0;
    QTest::newRow("the dropout's own 10 ms") << qint64(44995) << qint64(45005) << 1300.0 << 400.0;
    QTest::newRow("a second of idle, neither") << qint64(10000) << qint64(11000) << 1300.0 << 1300.0;
}

void TestDocuments::traceChartPeakDetect()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    Trace trace;
    for (std::int64_t ms = 0; ms <= 60000; ++ms)
        trace.add(ms, ms >= 30000 && ms < 30025 ? 3500 : ms >= 45000 && ms < 45002 ? 400 : 1300);
    TraceView view;
    view.trace = &trace;
    if (to > from)
        view.shown = TraceSpan{from, to};
    RecordingSurface s;
    const QRectF area(1000, 1000, 10000, 6000);
    const QRectF plot = tracePlotArea(s, area);
    printTraceChart(s, area, view);
    QFETCH(double, highest);
    QFETCH(double, lowest);
    double top = 0, bottom = 5000;
    for (const RecordedItem &i : s.items())
        if (i.kind == RecordedItem::Line && i.color == QColor(0, 0, 170)) {
            QVERIFY2(i.x >= plot.left() - 1 && i.x2 <= plot.right() + 1, "a line off the plot");
            for (const double y : {i.y, i.y2}) {
                const double mv = (plot.bottom() - y) / plot.height() * 5000;
                top = std::max(top, mv);
                bottom = std::min(bottom, mv);
            }
        }
    QVERIFY2(std::abs(top - highest) < 2 && std::abs(bottom - lowest) < 2, qPrintable(QStringLiteral("%1 to %2 mV").arg(bottom).arg(top)));
    // The oldest let go past the bound, told.
    Trace bounded{16};
    for (int i = 0; i < 17; ++i)
        bounded.add(i, 500);
    view.trace = &bounded;
    QCOMPARE(traceWholeLine(view), QStringLiteral("Traccia: minimo 500 mV (0 bar), massimo 500 mV (0 bar), media 500 mV (0 bar); letture: 15; "
                                                  "le 2 letture più vecchie lasciate per stare nella memoria (la traccia ne tiene 16)"));
}

void TestDocuments::valueTableLayout()
{
    QFETCH(int, to);
    QFETCH(int, groups);
    QFETCH(bool, millivolt);
    RecordingSurface s;
    printTable(s, 500, to, millivolt);
    QCOMPARE(s.documentsEnded(), 1);
    const double h = s.lineHeightOf(defaultPrintFont()); // 12 pt
    QVERIFY2(h >= 266 && h <= 272, qPrintable(QString::number(h)));

    // Title: 13 pt italic, centred on 11700 as one text; the scale bold green.
    const auto title = items(s, QStringLiteral("Rapporto tra la pressione e la tensione di un sensore pressione con fondo scala a ")).value(0);
    QVERIFY(title.font.italic() && title.font.pointSizeF() == 13 && title.y == 400);
    QFont regular = title.font;
    regular.setItalic(false);
    QCOMPARE(title.x, (11700 - s.widthOf(regular, title.text + QStringLiteral("2000 bar"))) / 2);
    const auto scale = items(s, QStringLiteral("2000")).value(0);
    QVERIFY(scale.font.bold() && scale.font.italic() && scale.color == QColor(20, 100, 10));

    // Headings of every group at 950, right-aligned at R1 and R2.
    const auto first = items(s, millivolt ? QStringLiteral("MVolt") : QStringLiteral("Bar"));
    const auto second = items(s, millivolt ? QStringLiteral("Bar") : QStringLiteral("MVolt"));
    QCOMPARE(first.size(), groups);
    for (int g = 0; g < groups; ++g) {
        QCOMPARE(first[g].y, 950.0);
        QCOMPARE(right(s, first[g]), 1350.0 + 4000 * g);
        QCOMPARE(right(s, second[g]), 2850.0 + 4000 * g);
    }
    QCOMPARE(items(s, QStringLiteral("MVolt")).value(0).color, QColor(255, 0, 0));
    QCOMPARE(items(s, QStringLiteral("Bar")).value(0).color, QColor(0, 0, 255));

    // Rows: the first below the headings' line and 200 more, h + 45 apart,
    // 45 to a group, the last one above the column break.
    const auto row0 = items(s, QStringLiteral("500")).value(0);
    QCOMPARE(row0.y, 950 + h + 200);
    QCOMPARE(right(s, row0), 1350.0);
    QCOMPARE(items(s, QStringLiteral("520")).value(0).y - row0.y, h + 45);
    const auto last = items(s, QString::number(to)).value(0);
    QCOMPARE(right(s, last), 1350.0 + 4000 * (groups - 1));
    QVERIFY(last.y < 15400);

    // A rule under every row, from L to R2, 10 below the row's line.
    const auto rules = items(s, {}, RecordedItem::Line);
    QCOMPARE(rules.size(), (to - 500) / 20 + 1);
    QCOMPARE(rules[0].x, 850.0);
    QCOMPARE(rules[0].x2, 2850.0);
    QCOMPARE(rules[0].y, row0.y + h + 10);
    const double lefts[] = {850, 4810, 8800};
    QCOMPARE(rules.last().x, lefts[groups - 1]);

    // Footer at 15800, one line in 9 pt: name bold, author italic, web
    // address bold blue, date.
    QCOMPARE(items(s, QStringLiteral("Dravino")).value(0).y, 15800.0);
    QCOMPARE(lineFrom(s, QStringLiteral("Dravino")), kFooter);
    QCOMPARE(lineFrom(s, QStringLiteral("Rapporto tra la pressione e la tensione di un sensore pressione con fondo scala a ")).mid(1),
             QStringList({"2000|13 bold italic #14640a", " bar|13 regular italic #000000"}));
}

void TestDocuments::scaleSheetLayout()
{
    ScaleSheet sheet;
    const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 120, 0), verdictRed(220, 0, 0), black(0, 0, 0);
    ScaleGrid g;
    for (int i = 0; i < 6; ++i) {
        g.bar[i] = std::to_string(400 * i);
        g.adc[i] = "98";
        g.mvolt[i] = "479";
        g.scala[i] = i ? "2443" : "";
        g.linearita[i] = i ? "0,98%" : "";
        g.scostamento[i] = i ? "24" : "";
        g.linearitaColor[i] = i ? Verdict::Green : Verdict::Unchanged;
        g.scostamentoColor[i] = i == 5 ? Verdict::Red : i ? Verdict::Green : Verdict::Unchanged;
    }
    g.media = "2419";
    sheet.check = ScaleCheckModel::restored(g, {}, false);
    sheet.code = QStringLiteral("ABC12");
    sheet.now = kNow;
    RecordingSurface s;
    printScaleSheet(s, sheet);
    QCOMPARE(s.documentsEnded(), 1);

    const char *const headings[] = {"BAR", "ADC", "mVolt", "SCALA", "Linearità", "Scostamento"};
    const double lefts[] = {1050, 2600, 4300, 5800, 7800, 9600};
    for (int c = 0; c < 6; ++c) {
        const auto h = items(s, QString::fromUtf8(headings[c])).value(0);
        QVERIFY(h.x == lefts[c] && h.y == 400 && h.font.bold() && h.font.family() == QLatin1String("Arial"));
    }
    const double row = s.lineHeightOf(defaultPrintFont()); // bold or not
    const auto bar0 = items(s, QStringLiteral("0")).value(0);
    QCOMPARE(bar0.y, 400 + row + 200);
    QVERIFY(right(s, bar0) == 1512 && bar0.color == red);
    const auto lin = items(s, QStringLiteral("0,98%"));
    QVERIFY(lin.size() == 5 && right(s, lin[0]) == 8803 && lin[0].color == green);
    const auto deviation = items(s, QStringLiteral("24"));
    QVERIFY(deviation.size() == 5 && deviation[0].color == green && deviation[4].color == verdictRed);
    QCOMPARE(right(s, deviation.value(0)), 10500.0);
    QVERIFY(items(s, QStringLiteral("98")).value(0).color == black && items(s, QStringLiteral("479")).value(0).color == blue);
    // Each row a line plus 180; the rule 80 below the line, 950 to 11100.
    QCOMPARE(items(s, QStringLiteral("400")).value(0).y - bar0.y, row + 180);
    QList<RecordedItem> rules; // (the lines above the characteristic)
    for (const RecordedItem &l : items(s, {}, RecordedItem::Line))
        if (l.y < 8600)
            rules << l;
    QVERIFY(rules.size() == 6 && rules[0].x == 950 && rules[0].x2 == 11100 && rules[0].y == bar0.y + row + 80);

    // The closing lines: caption regular, value bold, all black; the footer.
    const auto code = items(s, QStringLiteral("Sensore: ")).value(0);
    QVERIFY(code.x == 1000 && code.y == rules.last().y + 100 + 300);
    QCOMPARE(lineFrom(s, QStringLiteral("Sensore: ")), QStringList({"Sensore: |12 regular #000000", "ABC12|12 bold #000000"}));
    const auto media = items(s, QStringLiteral("Valore medio della scala:  ")).value(0);
    QVERIFY(media.x == 1000 && media.y == code.y + row + 200);
    QCOMPARE(lineFrom(s, QStringLiteral("Valore medio della scala:  ")),
             QStringList({"Valore medio della scala:  |12 regular #000000", "2419|12 bold #000000"}));
    const auto footer = items(s, QStringLiteral("Dravino")).value(0);
    QVERIFY(footer.x == 1000 && footer.y == media.y + row + 200);
    QCOMPARE(lineFrom(s, QStringLiteral("Dravino")), kFooter);
    // The surface is left Arial 9 pt, neither bold nor italic, black.
    QVERIFY(s.font().pointSizeF() == 9 && !s.font().bold() && !s.font().italic() && s.foreColor() == Qt::black);
}

namespace {
// The folder's entries, hidden ones included, with what a link points to.
QStringList entries(const QString &folder)
{
    QStringList out;
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        out << f.fileName() + (f.isSymLink() ? QStringLiteral("->") + f.symLinkTarget().section(QLatin1Char('/'), -1)
                               : f.isDir()   ? QStringLiteral("/")
                                             : QString());
    return out;
}

// The page a surface holds, as a PDF file in dir.
QString savedPdf(QtPrintSurface &s, const QTemporaryDir &dir)
{
    const QString pdf = dir.filePath(QStringLiteral("foglio.pdf"));
    QFile out(pdf);
    if (!out.open(QIODevice::WriteOnly) || out.write(s.pdf()) != s.pdf().size())
        return {};
    return pdf;
}

bool mountTmpfs(const QString &dir, const QString &options)
{
    return QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", dir}) == 0;
}

// The rows that need root run in the CTest entry tst_documents_root.
bool asRoot() { return qEnvironmentVariableIsSet("DRAVINO_ROOT_ROWS"); }

QString requirement(const QStringList &)
{
    if (asRoot() && geteuid() != 0)
        return QStringLiteral("mounting a small or read-only tmpfs needs root (CI runs as root)");
    return {};
}
} // namespace

void TestDocuments::pdfWithoutPrinter_data()
{
    // How the folder is prepared; the files it holds after one document; the
    // start of the message (empty: placed, and named in the device name) and
    // the system's reason it ends with (0: not looked at).
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("why");
    QTest::newRow("empty folder") << "" << "Dravino.pdf" << "" << 0;
    QTest::newRow("names in the way") << "file;dir;dangling" << "Dravino (2).pdf/,Dravino (3).pdf->outside.pdf,Dravino (4).pdf,Dravino.pdf" << "" << 0;
    QTest::newRow("full disk") << "fsize" << "" << "Impossibile scrivere il file PDF" << EFBIG;
    // What a save killed half-way left under Dravino's hidden names goes
    // once it is old; a fresh one (another window's save) and the user's stay.
    QTest::newRow("leftovers of a killed save") << "leftovers"
        << ".Dravino-0000beef.part,.appunti.part,Dravino.pdf" << "" << 0;
    // A real small file system, and a read-only one (root ignores a
    // folder's permissions): as root only, in a CTest entry of their own.
    if (asRoot()) {
        QTest::newRow("full tmpfs") << "tmpfs" << "filler" << "Impossibile scrivere il file PDF" << ENOSPC;
        QTest::newRow("read-only tmpfs") << "readonly" << "" << "Impossibile scrivere il file PDF nella cartella" << EROFS;
        QTest::newRow("saved as, into a read-only tmpfs") << "readonly;saveas" << "" << "Impossibile scrivere il file PDF nella cartella" << EROFS;
        // A USB stick: no unnamed files, no links.
        QTest::newRow("FAT stick") << "fat;file" << "Dravino (2).pdf,Dravino.pdf" << "" << 0;
    } else if (geteuid() != 0) {
        QTest::newRow("read-only folder") << "readonly" << "" << "Impossibile scrivere il file PDF nella cartella" << EACCES;
        QTest::newRow("saved as, into a read-only folder") << "readonly;saveas" << "" << "Impossibile scrivere il file PDF nella cartella" << EACCES;
    }
    // The name the user chose is a link to nowhere: the link is replaced,
    // nothing is written where it pointed.
    QTest::newRow("saved as, over a dangling link") << "linkas;saveas" << "tabella.pdf" << "" << 0;
    QTest::newRow("missing folder") << "missing" << "" << "Impossibile scrivere il file PDF nella cartella" << ENOENT;
    QTest::newRow("no folder at all") << "none" << "" << "Nessuna stampante e nessuna cartella" << 0;
}

void TestDocuments::pdfWithoutPrinter()
{
    QFETCH(QString, setup);
    QFETCH(QString, after);
    QFETCH(QString, error);
    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("Documents"));
    QVERIFY(QDir().mkpath(folder));
    const QString outside = root.filePath(QStringLiteral("outside.pdf"));
    dravino::test::Undo undo;
    for (const QString &step : setup.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("file")) {
            QFile keep(QDir(folder).filePath(QStringLiteral("Dravino.pdf")));
            QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep") == 4);
        } else if (step == QLatin1String("dir")) {
            QVERIFY(QDir(folder).mkdir(QStringLiteral("Dravino (2).pdf")));
        } else if (step == QLatin1String("dangling")) {
            QVERIFY(QFile::link(outside, QDir(folder).filePath(QStringLiteral("Dravino (3).pdf"))));
        } else if (step == QLatin1String("fsize")) {
            // Files may not grow past 2 KB: writes fail as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit oldLimit{};
            getrlimit(RLIMIT_FSIZE, &oldLimit);
            rlimit small = oldLimit;
            small.rlim_cur = 2048;
            setrlimit(RLIMIT_FSIZE, &small);
            undo << [oldLimit] { setrlimit(RLIMIT_FSIZE, &oldLimit); };
        } else if (step == QLatin1String("tmpfs")) {
            QVERIFY(mountTmpfs(folder, QStringLiteral("size=16k")));
            undo << [folder] { QProcess::execute(QStringLiteral("umount"), {folder}); };
            QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(12 * 1024, 'x'));
        } else if (step == QLatin1String("readonly")) {
            if (geteuid() == 0) {
                QVERIFY(mountTmpfs(folder, QStringLiteral("ro,size=16k")));
                undo << [folder] { QProcess::execute(QStringLiteral("umount"), {folder}); };
            } else {
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
                undo << [folder] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); };
            }
        } else if (step == QLatin1String("leftovers")) {
            const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
            for (const char *name : {".Dravino-0badc0de.part", ".Scala ABC 2026-12-06.pdf.0badc0de.part", ".Dravino-0000beef.part",
                                     ".appunti.part"}) {
                QFile f(QDir(folder).filePath(QString::fromUtf8(name)));
                QVERIFY(f.open(QIODevice::WriteOnly));
                if (QByteArray(name).contains("0badc0de") || QByteArray(name).contains("appunti"))
                    QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
            }
        } else if (step == QLatin1String("fat")) {
            if (QStandardPaths::findExecutable(QStringLiteral("fusefat")).isEmpty()
                || QStandardPaths::findExecutable(QStringLiteral("mkfs.vfat")).isEmpty())
                QSKIP("fusefat or mkfs.vfat is missing (make deps installs them)");
            const QString image = root.filePath(QStringLiteral("chiavetta.img"));
            QFile stick(image);
            QVERIFY(stick.open(QIODevice::WriteOnly) && stick.resize(4 << 20));
            stick.close();
            QCOMPARE(QProcess::execute(QStringLiteral("mkfs.vfat"), {image}), 0);
            QCOMPARE(QProcess::execute(QStringLiteral("fusefat"), {"-o", "rw+", image, folder}), 0);
            undo << [folder] { QProcess::execute(QStringLiteral("fusermount"), {"-u", folder}); };
        } else if (step == QLatin1String("linkas")) {
            QVERIFY(QFile::link(outside, QDir(folder).filePath(QStringLiteral("tabella.pdf"))));
        } else if (step == QLatin1String("missing")) {
            folder = root.filePath(QStringLiteral("gone"));
        } else if (step == QLatin1String("none")) {
            folder.clear();
        }
    }
    const QStringList before = entries(root.path());
    QtPrintSurface s;
    printTable(s, 0, 2680);
    // (saveas: the name the user chose in the save dialog)
    const PrintOutcome o = setup.contains(QLatin1String("saveas"))
        ? deliver({.pdf = s.pdf(), .saveAs = QDir(folder).filePath(QStringLiteral("tabella.pdf"))})
        : saveToFolder(s.pdf(), folder);
    const QString placed = o.file;
    const QString message = reportOf(o, false).value().text;
    const QStringList afterFiles = folder.isEmpty() ? QStringList() : entries(folder);

    QCOMPARE(afterFiles.join(QLatin1Char(',')), after);
    if (error.isEmpty()) {
        QCOMPARE(message, (setup.contains(QLatin1String("saveas")) ? QStringLiteral("Pagina salvata nel file PDF ")
                                                                     : QStringLiteral("Stampa effettuata su file PDF "))
                              + placed);
        QVERIFY(isCompletePdf(placed));
    } else {
        QVERIFY2(message.startsWith(error), qPrintable(message));
        // The message names the folder or the file and the system's reason:
        // a folder that cannot be written is not a full disk, nor the reverse.
        if (!folder.isEmpty())
            QVERIFY2(message.contains(folder) && message.contains(QLatin1String(": ")), qPrintable(message));
        QFETCH(int, why);
        if (why)
            QVERIFY2(message.endsWith(QStringLiteral(": %1.").arg(QString::fromLocal8Bit(std::strerror(why)))), qPrintable(message));
        QVERIFY(placed.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(outside));
    // Nothing written outside the folder either.
    QCOMPARE(entries(root.path()).filter(QRegularExpression(QStringLiteral("^(?!Documents)"))),
             before.filter(QRegularExpression(QStringLiteral("^(?!Documents)"))));
    const QFile keep(QDir(folder).filePath(QStringLiteral("Dravino.pdf")));
    if (setup.contains(QLatin1String("file")))
        QCOMPARE(keep.size(), 4);
}

void TestDocuments::pdfFolderFromHome()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", oldHome); });
    qunsetenv("HOME");
    QCOMPARE(pdfFolder(), QString());
    qputenv("HOME", home.path().toLocal8Bit());
    QCOMPARE(pdfFolder(), home.path()); // no documents folder: the home
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    QCOMPARE(pdfFolder(), home.filePath(QStringLiteral("Documents")));
    // An exact name that stands already is never replaced.
    QFile existing(home.filePath(QStringLiteral("table.pdf")));
    QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("keep") == 4);
    existing.close();
    QtPrintSurface s;
    printTable(s, 0, 100);
    const WrittenFile w = writePdf(s.pdf(), home.path(), QStringLiteral("table.pdf"));
    QVERIFY2(w.error.startsWith(QStringLiteral("Impossibile salvare il file PDF ") + existing.fileName()), qPrintable(w.error));
    QCOMPARE(entries(home.path()), QStringList({"Documents/", "table.pdf"}));
}

void TestDocuments::previewIsThePrintedPage_data()
{
    // The page previewed; the page printed; the largest share of pixels
    // that may differ.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("same");
    QTest::newRow("table") << "table" << "table" << true;
    QTest::newRow("sheet") << "sheet" << "sheet" << true;
    QTest::newRow("one cell's colour differs") << "sheet" << "sheet, row 1 red" << false;
}

void TestDocuments::previewIsThePrintedPage()
{
    QFETCH(QString, shown);
    QFETCH(QString, printed);
    QFETCH(bool, same);
    const auto draw = [](QtPrintSurface &s, const QString &what) {
        if (what.startsWith(QLatin1String("sheet"))) {
            ScaleSheet sheet;
            ScaleGrid g;
            for (int i = 0; i < kScaleRows; ++i) {
                g.bar[i] = std::to_string(400 * i);
                g.adc[i] = "98";
                g.mvolt[i] = "479";
                g.linearita[i] = i ? "0,98%" : "";
                g.linearitaColor[i] = i % 2 ? Verdict::Green : Verdict::Red;
                if (i == 1 && what.endsWith(QLatin1String("red")))
                    g.linearitaColor[i] = Verdict::Red;
            }
            sheet.check = ScaleCheckModel::restored(g, {}, false);
            sheet.code = QStringLiteral("ABC12");
            sheet.now = kNow;
            printScaleSheet(s, sheet);
        } else {
            printTable(s, 0, 2680, what == QLatin1String("table"));
        }
    };
    QtPrintSurface preview, page;
    draw(preview, shown);
    draw(page, printed);
    const double difference = pageDifference(preview, page.pdf(), 100);
    qInfo("%s: %.5f %% of the pixels differ", QTest::currentDataTag(), difference * 100);
    // A share of 1 in 100,000 is a few pixels of anti-aliasing at most.
    QVERIFY2((difference < 1e-5) == same, qPrintable(QString::number(difference)));
}

void TestDocuments::printReports_data()
{
    // An outcome: kind (P printed, H held, S saved, F failed, A abandoned,
    // C sent as job 12 and not confirmed, Q sent with no job and not
    // confirmed, Z sent), the printer's failure (- none,
    // U unreachable, N no answer, R refused, X not accepting), its reason
    // (causes by name, any other words as they stand), the file or the file's error; for the table (T) or the
    // sheet (S); the printer's name ("PDF" unless given).
    // What the technician is told: icon|text, or nothing.
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("told");
    const QString file = QStringLiteral("/home/t/Documenti/Dravino.pdf");
    QTest::newRow("printed: table") << "P|-|||T" << "I|Stampa effettuata su PDF";
    QTest::newRow("printed: the sheet is quiet") << "P|-|||S" << "";
    QTest::newRow("given up: nothing") << "A|N|||T" << "";
    QTest::newRow("held, reason in Italian") << "H|-|Paused||S" << "E|La stampa su PDF è in attesa: la stampante è ferma (in pausa) e la stamperà quando verrà riattivata.";
    QTest::newRow("held, unknown reason as the printer gives it") << "H|-|Fuser hot||T" << "E|La stampa su PDF è in attesa: la stampante è ferma (Fuser hot) e la stamperà quando verrà riattivata.";
    QTest::newRow("held, no reason") << "H|-|||T" << "E|La stampa su PDF è in attesa: la stampante è ferma e la stamperà quando verrà riattivata.";
    QTest::newRow("no printer: the file, also for the sheet") << "S|-||" + file + "|S" << "I|Stampa effettuata su file PDF " + file;
    QTest::newRow("server not answering") << "S|N||" + file + "|T" << "E|Impossibile stampare su PDF: il server di stampa non risponde. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("server not answering, printer never named") << "S|N||" + file + "|T|" << "E|Impossibile stampare sulla stampante predefinita: il server di stampa non risponde. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("server away, with the reason") << "S|U|ConnectionRefused|" + file + "|S" << "E|Impossibile stampare su PDF: il server di stampa non è raggiungibile (rifiuta la connessione). La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("server away, no reason") << "S|U||" + file + "|T" << "E|Impossibile stampare su PDF: il server di stampa non è raggiungibile. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("not accepting, no reason") << "S|X||" + file + "|T" << "E|La stampante PDF non accetta stampe (rifiuta i lavori): la pagina non è stata stampata. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("refused, no reason") << "S|R||" + file + "|T" << "E|La stampa su PDF non è riuscita: nessuna risposta valida dal server di stampa. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("refused: page incomplete") << "S|R|PageIncomplete|" + file + "|T" << "E|La stampa su PDF non è riuscita: la pagina non è arrivata per intero. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("job cancelled") << "S|R|JobCancelled|" + file + "|T" << "E|La stampa su PDF non è riuscita: la stampa è stata annullata. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("not taken, saying no more") << "S|R|NotTaken|" + file + "|T" << "E|La stampa su PDF non è riuscita: la stampante non ha preso la pagina. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("job aborted") << "S|R|JobAborted|" + file + "|T" << "E|La stampa su PDF non è riuscita: la stampa è stata interrotta. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("not accepting: out of paper") << "S|X|MediaEmpty|" + file + "|T" << "E|La stampante PDF non accetta stampe (carta esaurita): la pagina non è stata stampata. La pagina è stata salvata nel file PDF " + file + ".";
    QTest::newRow("held: door open, out of toner") << "H|-|DoorOpen,TonerEmpty||T" << "E|La stampa su PDF è in attesa: la stampante è ferma (sportello aperto, toner esaurito) e la stamperà quando verrà riattivata.";
    // A printing system that tells nothing of its jobs: sent, not printed.
    QTest::newRow("sent: the table") << "Z|-|||T" << "I|Pagina inviata a PDF";
    QTest::newRow("sent: the sheet says so too") << "Z|-|||S" << "I|Pagina inviata a PDF";
    QTest::newRow("sent, never confirmed") << "C|N|||S" << "E|La pagina è stata inviata a PDF (lavoro 12), ma il server di stampa non ne ha confermato la stampa: controllare la stampante.";
    // Qt's printing numbers no job: a page it was handing over when the time passed.
    QTest::newRow("sent, never confirmed, no job") << "Q|N|||S" << "E|La pagina è stata inviata a PDF, ma il sistema di stampa non ne ha confermato la stampa: controllare la stampante.";
    QTest::newRow("lost: no printer, no folder") << "F|-|||T" << "C|Nessuna stampante e nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.";
    QTest::newRow("lost: printer and folder fail") << "F|N||Impossibile scrivere il file PDF nella cartella /x: No space left on device.|T"
        << "C|Impossibile stampare su PDF: il server di stampa non risponde. Impossibile scrivere il file PDF nella cartella /x: No space left on device.";
    QTest::newRow("lost: printer fails, no folder") << "F|R|client-error-not-possible||S"
        << "C|La stampa su PDF non è riuscita: client-error-not-possible. Nessuna cartella in cui salvare il file PDF: la pagina non è stata salvata.";
}

void TestDocuments::printReports()
{
    QFETCH(QString, outcome);
    const QStringList f = outcome.split(QLatin1Char('|'));
    PrintOutcome o;
    o.kind = f[0] == QLatin1String("P")   ? PrintOutcome::Printed
        : f[0] == QLatin1String("H")      ? PrintOutcome::Held
        : f[0] == QLatin1String("S")      ? PrintOutcome::SavedToFile
        : f[0] == QLatin1String("A")      ? PrintOutcome::Abandoned
        : f[0] == QLatin1String("C") || f[0] == QLatin1String("Q") ? PrintOutcome::Unconfirmed
        : f[0] == QLatin1String("Z")      ? PrintOutcome::Sent
                                          : PrintOutcome::Failed;
    o.job = f[0] == QLatin1String("Q") ? 0 : 12;
    o.device = f.size() > 5 ? f[5] : QStringLiteral("PDF");
    const QChar why = f[1].at(0);
    o.printerFailure = why == QLatin1Char('U') ? PrintFailure::Unreachable
        : why == QLatin1Char('N')              ? PrintFailure::NoAnswer
        : why == QLatin1Char('R') || why == QLatin1Char('X') ? PrintFailure::Refused
                                                             : PrintFailure::None;
    o.printerNotAccepting = why == QLatin1Char('X');
    static const QHash<QString, PrintReason::Cause> causes = {
        {"Paused", PrintReason::Paused}, {"ConnectionRefused", PrintReason::ConnectionRefused},
        {"PageIncomplete", PrintReason::PageIncomplete}, {"JobCancelled", PrintReason::JobCancelled},
        {"JobAborted", PrintReason::JobAborted}, {"MediaEmpty", PrintReason::MediaEmpty},
        {"DoorOpen", PrintReason::DoorOpen}, {"TonerEmpty", PrintReason::TonerEmpty},
        {"NotTaken", PrintReason::NotTaken}};
    for (const QString &part : f[2].split(QLatin1Char(','), Qt::SkipEmptyParts))
        o.printerReason.parts.append(causes.contains(part) ? PrintReason::Part{causes[part], {}}
                                                           : PrintReason::Part{PrintReason::Words, part});
    (o.kind == PrintOutcome::Failed ? o.fileError : o.file) = f[3];
    const auto report = reportOf(o, f[4] == QLatin1String("S"));
    QTEST(report ? QString(QLatin1Char("IEC"[int(report->icon)])) + QLatin1Char('|') + report->text : QString(), "told");
}

void TestDocuments::sheetForTheCustomer_data()
{
    // The sheet, read back from its PDF: what it is made of (C computed,
    // F a failing check, N judged against 2000 bar, S changed since its
    // computation, W the workshop, J the job, R a reprint, T under today's
    // workshop, L a name and an address too long for the band, K a
    // certificate, H readings typed, M rows 1-3 from the meter, calibrated
    // until the day after, X the day before); phrases it holds; one it must not.
    QTest::addColumn<QString>("made");
    QTest::addColumn<QStringList>("holds");
    QTest::addColumn<QString>("never");
    QTest::addColumn<QString>("code"); // typed at the prompt; the lines it takes
    QTest::addColumn<int>("lines");
    const QString longCode = QStringLiteral("CODICE-SENSORE-RAIL-0281006158-PROVA-BANCO-OFFICINA-CLIENTE-ROSSI-2026-DICEMBRE");
    QTest::newRow("a passing check") << "CWJ"
        << QStringList{"Officina Rossi Diesel", "Via dell'Industria 12, 10135 Torino · tel. 011 555 0123 · officina@rossidiesel.it",
                       "Esito della prova: CONFORME",
                       "Regola di decisione (versione 2): ogni riga entro linearità ±1 % e scostamento ±24 bar dalla media; la media "
                       "entro ±24 bar dal fondo scala nominale; almeno 3 righe calcolate, una a 1200 bar o più; una riga misurata e non "
                       "calcolata non è conforme",
                       "Fondo scala nominale 2400 bar: media 2419 bar, entro ±24 bar", "Sensore Bosch/VDO/Delphi · ADC a 10 bit · media automatica · zero 479 mV",
                       "riga 1, 400 bar: CONFORME riga 2, 800 bar: CONFORME riga 3, 1200 bar: CONFORME",
                       "Foglio di prova", "prova del 06/12/2026 09:30 · pagina 1 di 1",
                       "Cliente: Trasporti Bianchi srl · Veicolo: AB 123 CD · Commessa: C-18 · Operatore: M. Rossi"}
        << "NON" << "ABC12" << 1;
    QTest::newRow("a failing check") << "CF"
        << QStringList{"Esito della prova: NON CONFORME", "media manuale",
                       "riga 1, 400 bar: NON CONFORME (linearità 5,85 % oltre ±1 %, scostamento 143 bar oltre ±23 bar) riga 2"}
        << "Officina" << "ABC12" << 1;
    QTest::newRow("no computation: no verdict") << "WJ" << QStringList{"Officina Rossi Diesel", "Cliente:"} << "Esito" << "ABC12" << 1;
    // Changed since: the entries alone, beside no result of the other computation.
    QTest::newRow("changed since: the entries alone") << "S"
        << QStringList{"BAR ADC 0 98 400 232 800 371 1200 506 1600 0 2000 0 mVolt SCALA Linearità Scostamento Sensore: ABC12 Valore medio "
                       "della scala: Dravino"}
        << "2443" << "ABC12" << 1;
    // A computation stopped by a failure: no verdict, and why.
    QTest::newRow("a failed computation: why") << "E"
        << QStringList{"Senza esito: il calcolo non è andato a buon fine (divisione per zero)."} << "Esito della prova" << "ABC12" << 1;
    QTest::newRow("changed since: no verdict, said") << "SJ"
        << QStringList{"Senza esito: le letture o le impostazioni sono cambiate dopo l'ultimo calcolo.", "Cliente:"} << "CONFORME" << "ABC12" << 1;
    QTest::newRow("judged against 2000 bar") << "CN"
        << QStringList{"Esito della prova: NON CONFORME", "Fondo scala nominale 2000 bar: media 2419 bar, fuori di ±24 bar; il fondo scala più vicino è 2400 bar",
                       "riga 1, 400 bar: CONFORME riga 2, 800 bar: CONFORME riga 3, 1200 bar: CONFORME"} << "Senza" << "ABC12" << 1;
    // A record of the first rule's days reprints with its rule, named.
    QTest::newRow("judged by the first rule") << "C1"
        << QStringList{"Regola di decisione (versione 1): ogni riga entro linearità ±1 % e scostamento ±24 bar dalla media; la media "
                       "entro ±24 bar dal fondo scala nominale Fondo scala"} << "almeno 3" << "ABC12" << 1;
    // A copy and a preview say so where the number goes.
    QTest::newRow("a copy") << "CKP" << QStringList{"Certificato n. 7F3A9C-12 (copia)"} << "anteprima" << "ABC12" << 1;
    QTest::newRow("a preview") << "CV" << QStringList{"Certificato n. anteprima · prova del 06/12/2026 09:30 · pagina 1 di 1", "Firma:"}
        << "copia" << "ABC12" << 1;
    QTest::newRow("a reprint") << "CR" << QStringList{"Ristampa del 07/12/2026 della prova del 06/12/2026 09:30", "Esito della prova: CONFORME"}
        << "Cliente" << "ABC12" << 1;
    QTest::newRow("a certificate, readings typed") << "CKHJ"
        << QStringList{"Certificato di prova del sensore di pressione rail Certificato n. 7F3A9C-12 · prova del 06/12/2026 09:30 · pagina 1 di 1",
                       "Esito della prova: CONFORME", "Letture inserite a mano. Cliente:", "Data: 06/12/2026", "Firma:"}
        << "multimetro" << "ABC12" << 1;
    QTest::newRow("no certificate: no title, no signature") << "CH" << QStringList{"Esito della prova: CONFORME", "Letture inserite a mano."}
        << "Certificato" << "ABC12" << 1;
    QTest::newRow("readings from the meter, calibrated") << "CKM"
        << QStringList{"Letture dal multimetro Fluke 87V, n. di serie 41230 (righe 1 a 400 bar, 2 a 800 bar, 3 a 1200 bar), taratura "
                       "valida fino al 07/12/2026; le altre inserite a mano."} << "SCADUTA" << "ABC12" << 1;
    QTest::newRow("readings from the meter, calibration past") << "CKMX"
        << QStringList{"Letture dal multimetro Fluke 87V, n. di serie 41230 (righe 1 a 400 bar, 2 a 800 bar, 3 a 1200 bar), TARATURA "
                       "SCADUTA il 05/12/2026; le altre"}
        << "valida" << "ABC12" << 1;
    QTest::newRow("a reprint under today's workshop") << "CRT"
        << QStringList{"Ristampa del 07/12/2026 della prova del 06/12/2026 09:30, con l'intestazione dell'officina di oggi"} << "Cliente" << "ABC12" << 1;
    QTest::newRow("a name and address too long") << "CWL" << QStringList{"Esito della prova: CONFORME", "..."} << "Ristampa" << "ABC12" << 1;
    QTest::newRow("a code of 80 characters") << "C" << QStringList{"Esito della prova: CONFORME"} << "Officina" << longCode << 2;
    QTest::newRow("a word longer than the page") << "" << QStringList{"Valore medio"} << "Esito" << QString(240, QLatin1Char('W')) << 3;
    QTest::newRow("a code of 600 characters: the verdict stays") << "C" << QStringList{"Esito della prova: CONFORME", "riga 3, 1200 bar:"} << "Officina"
                                                                   << QString(600, QLatin1Char('W')) << 3;
}

void TestDocuments::sheetForTheCustomer()
{
    QFETCH(QString, made);
    QFETCH(QStringList, holds);
    QFETCH(QString, never);
    QFETCH(QString, code);
    QFETCH(int, lines);
    ScaleSheet sheet;
    // The opening readings, against 2400 bar (passing) or 2000 (N); F: a
    // manual average of 2300 fails the rows; S: a reading changed since; E:
    // a computation stopped by a division by zero; 1:
    // judged by the first rule; P: a copy; V: a preview.
    ScaleCheckModel &check = sheet.check;
    const bool failing = made.contains(QLatin1Char('F'));
    check.setAverage("2300");
    check.setSettings({false, false, !failing, made.contains(QLatin1Char('N')) ? 2000 : 2400});
    if (made.contains(QLatin1Char('E')))
        check.setAdc(1, "98"); // the zero row's reading: a division by zero
    check.compute(',');
    if (made.contains(QLatin1Char('S')))
        check.setAdc(2, "371");
    else if (!made.contains(QLatin1Char('C')) && !made.contains(QLatin1Char('E')))
        check = ScaleCheckModel::restored(check.grid(), check.settings(), false);
    sheet.code = code;
    sheet.now = kNow;
    if (made.contains(QLatin1Char('W')))
        sheet.frame.workshop = {QStringLiteral("Officina Rossi Diesel"), QStringLiteral("Via dell'Industria 12, 10135 Torino"),
                                QStringLiteral("011 555 0123"), QStringLiteral("officina@rossidiesel.it")};
    if (made.contains(QLatin1Char('L')))
        sheet.frame.workshop = {QStringLiteral("Officina ").repeated(40), QStringLiteral("Via lunga ").repeated(60)};
    sheet.frame.logo = QImage(QStringLiteral(DRAVINO_SOURCE_DIR "/resources/dravino.png"));
    if (made.contains(QLatin1Char('J')))
        sheet.job = {QStringLiteral("Trasporti Bianchi srl"), QStringLiteral("AB 123 CD"), QStringLiteral("C-18"), QStringLiteral("M. Rossi")};
    if (made.contains(QLatin1Char('R')))
        sheet.reprinted = kNow.addDays(1);
    sheet.todaysIdentity = made.contains(QLatin1Char('T'));
    if (made.contains(QLatin1Char('K')))
        sheet.certificate = QStringLiteral("7F3A9C-12");
    sheet.copy = made.contains(QLatin1Char('P'));
    sheet.preview = made.contains(QLatin1Char('V'));
    if (made.contains(QLatin1Char('1')))
        sheet.rule = firstRule();
    sheet.instrument.known = made.contains(QLatin1Char('H')) || made.contains(QLatin1Char('M'));
    if (made.contains(QLatin1Char('M')))
        sheet.instrument = {true, QStringLiteral("Fluke"), QStringLiteral("87V"), QStringLiteral("41230"),
                            kNow.date().addDays(made.contains(QLatin1Char('X')) ? -1 : 1), {1, 2, 3}};
    QtPrintSurface s;
    printScaleSheet(s, sheet);
    QTemporaryDir dir;
    const QString pdf = savedPdf(s, dir);
    QVERIFY(!pdf.isEmpty());
    if (const QString keep = qEnvironmentVariable("DRAVINO_KEEP_PDF"); !keep.isEmpty())
        QFile::copy(pdf, keep);
    // A certificate's PDF is archival (PDF/A-1b).
    QCOMPARE(s.pdf().contains("pdfaid:part"), !sheet.certificate.isEmpty() || sheet.preview);

    const QList<PdfWord> words = pdfWords(pdf);
    QStringList all;
    double gridTop = 0, footer = 0;
    for (const PdfWord &w : words) {
        all << w.text;
        // Every word on the page, as text (searchable), no placeholder.
        QVERIFY2(w.xMin >= 0 && w.xMax <= 595 && w.yMin >= 0 && w.yMax <= 842, qPrintable(w.text));
        QVERIFY2(!w.text.contains(QLatin1String("example.")), qPrintable(w.text));
        if (w.text == QLatin1String("BAR"))
            gridTop = w.yMin;
        if (w.text == QLatin1String("Dravino"))
            footer = w.yMax;
    }
    const QString text = all.join(QLatin1Char(' '));
    for (const QString &phrase : holds)
        QVERIFY2(text.contains(phrase), qPrintable(phrase + QLatin1String("\n in: ") + text));
    QVERIFY2(!text.contains(never), qPrintable(never));
    // The characteristic as text and lines: no picture on the page but the logo.
    QVERIFY2(text.contains(QLatin1String("Tensione (mV)")) && text.contains(QLatin1String("Pressione (bar)")), qPrintable(text));
    const QStringList pictures = dravino::test::outputOf(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                     .split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^\\s+1\\s+\\d+\\s+image ")));
    QCOMPARE(pictures.size(), 1);
    // The band above never reaches the grid; what is added below starts under the footer.
    bool band = true; // the words before the grid's first heading
    for (const PdfWord &w : words) {
        band = band && w.text != QLatin1String("BAR");
        if (band)
            QVERIFY2(w.yMax < gridTop, qPrintable(w.text));
        if (w.text == QLatin1String("Esito") || w.text == QLatin1String("Ristampa") || w.text == QLatin1String("Cliente:")
            || w.text == QLatin1String("Firma:"))
            QVERIFY2(w.yMin > footer, qPrintable(w.text));
    }
    // A certificate's title and number at the top, in the band above the
    // grid; the operator's name printed above the signature, with the date.
    if (!sheet.certificate.isEmpty() || sheet.preview) {
        if (!sheet.job.operatorName.isEmpty())
            QVERIFY2(pdfText(pdf).contains(QStringLiteral("Operatore: M. Rossi Data: 06/12/2026 Firma:")), qPrintable(pdfText(pdf)));
        const auto title = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == QLatin1String("Certificato"); });
        QVERIFY(title != words.end() && title->yMax < gridTop);
    }
    // The code from "Sensore:" to "Valore" (past three lines cut with "..."), each further line under
    // the first one's start, none past the rules' right end (11100 twips).
    const qsizetype at = all.indexOf(QStringLiteral("Sensore:")), end = all.indexOf(QStringLiteral("Valore"), at);
    const QString printed = all.mid(at + 1, end - at - 1).join(QString());
    QVERIFY2(printed == code || (printed.endsWith(QLatin1String("...")) && code.startsWith(printed.chopped(3))), qPrintable(printed));
    QCOMPARE(end - at - 1, lines);
    for (qsizetype i = at + 1; i < end; ++i) {
        QVERIFY2(words[i].xMax <= 555 + QtPrintSurface::kMarginPoints + 1, qPrintable(words[i].text));
        QCOMPARE(qRound(words[i].xMin), qRound(words[at + 1].xMin));
        QVERIFY(i == at + 1 || words[i].yMin > words[i - 1].yMax - 1);
    }
    // On a black-and-white printer the verdict is still there: black, bold.
    if (made.contains(QLatin1Char('C'))) {
        const auto verdict = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == QLatin1String("Esito"); });
        QVERIFY(verdict != words.end());
        QProcess gray;
        gray.start(QStringLiteral("pdftoppm"), {"-gray", "-r", "72", "-singlefile", pdf, dir.filePath(QStringLiteral("bn"))});
        QVERIFY(gray.waitForFinished(30000) && gray.exitCode() == 0);
        const QImage page(dir.filePath(QStringLiteral("bn.pgm")));
        int darkest = 255;
        for (int y = int(verdict->yMin); y <= int(verdict->yMax); ++y)
            for (int x = int(verdict->xMin); x <= int(verdict->xMax); ++x)
                darkest = std::min(darkest, qGray(page.pixel(x, y)));
        QVERIFY2(darkest < 40, qPrintable(QString::number(darkest)));
    }
}

void TestDocuments::characteristicOnTheSheet_data()
{
    // The opening check against 2400 bar: computed (passing rows), with a
    // manual average of 2300 (every row outside the band around it),
    // changed since its computation, never computed; what the legend then
    // says.
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("legend");
    QTest::newRow("passing rows") << "C" << "linea nominale a 2400 bar|fascia della media 2419 bar ±24 bar|lettura entro i limiti|lettura dello zero";
    QTest::newRow("rows outside") << "CF" << "linea nominale a 2400 bar|fascia della media 2300 bar ±23 bar|lettura fuori dai limiti|lettura dello zero";
    QTest::newRow("changed since") << "S" << "linea nominale a 2400 bar|lettura";
    QTest::newRow("never computed") << "" << "linea nominale a 2400 bar|lettura";
}

void TestDocuments::characteristicOnTheSheet()
{
    // Each reading's mark where its pressure and voltage put it on the
    // axes the page prints, its shape after its verdict; in the lower half.
    QFETCH(QString, made);
    ScaleSheet sheet;
    ScaleCheckModel &check = sheet.check;
    check.setAverage("2300");
    check.setSettings({false, false, !made.contains(QLatin1Char('F')), 2400});
    if (made.contains(QLatin1Char('C')))
        check.compute(',');
    if (made.contains(QLatin1Char('S'))) {
        check.compute(',');
        check.setAdc(2, "371");
    }
    sheet.now = kNow;
    RecordingSurface s;
    printScaleSheet(s, sheet);
    const double footer = items(s, QStringLiteral("Dravino")).value(0).y;
    // The frame: the long black verticals below the half.
    QRectF plot;
    for (const RecordedItem &l : items(s, {}, RecordedItem::Line))
        if (l.color == Qt::black && l.x == l.x2 && qAbs(l.y2 - l.y) > 2000 && l.y > 8000)
            plot |= QRectF(QPointF(l.x, std::min(l.y, l.y2)), QPointF(l.x + 0.01, std::max(l.y, l.y2)));
    QVERIFY(plot.top() >= 8600 && plot.top() > footer && plot.bottom() < 16000 && plot.width() > 9000 && plot.height() > 4000);
    // The axes' ends as labelled: 0 to 5000 mV, 0 to the last pressure.
    const auto at = [&](const QString &text) { return items(s, text).value(0); };
    QVERIFY(at(QStringLiteral("5000")).y < plot.top() && at(QStringLiteral("Tensione (mV)")).y < at(QStringLiteral("5000")).y);
    const auto pressure = at(QStringLiteral("Pressione (bar)"));
    QVERIFY(pressure.y > plot.bottom() && qAbs(pressure.x + s.widthOf(pressure.font, pressure.text) / 2 - plot.center().x()) < 1);
    RecordedItem last; // the pressures under the axis: the last at its end
    for (const RecordedItem &t : items(s, QString()))
        if (qAbs(t.y - plot.bottom() - 40) < 1 && t.x > last.x)
            last = t;
    const double xEnd = last.text.toDouble();
    QVERIFY2(xEnd == 3000 && last.font.pointSizeF() == 8, qPrintable(last.text)); // past 2400 + 10 %, on a 500 step
    QVERIFY(qAbs(last.x + s.widthOf(last.font, last.text) / 2 - plot.right()) < 1);
    // The marks: short lines in the plot, four a square, two a cross.
    QStringList got;
    const auto lines = items(s, {}, RecordedItem::Line);
    for (int i = 0; i < lines.size(); ++i) {
        const RecordedItem &l = lines[i];
        if (std::hypot(l.x2 - l.x, l.y2 - l.y) > 300 || l.y < plot.top() - 200 || l.y > plot.bottom() + 200
            || (l.color.red() == l.color.green() && l.color != Qt::black)) // the band's hatching
            continue;
        // (a diamond's four slanted sides join end to start; a cross's two do not)
        const bool slanted = l.x != l.x2 && l.y != l.y2;
        const bool diamond = slanted && i + 1 < lines.size() && lines[i + 1].x == l.x2 && lines[i + 1].y == l.y2;
        const bool crossed = slanted && !diamond;
        const int n = crossed ? 2 : 4;
        double cx = 0, cy = 0;
        for (int k = i; k < i + n; ++k)
            cx += (lines[k].x + lines[k].x2) / (2 * n), cy += (lines[k].y + lines[k].y2) / (2 * n);
        got << QStringLiteral("%1 %2 %3,%4").arg(crossed ? "x" : diamond ? "<>" : "[]", l.color.name()).arg(qRound(cx)).arg(qRound(cy));
        i += n - 1;
    }
    QStringList expected;
    const Characteristic c = characteristicOf(check, judge(check, sheet.rule));
    for (const CharacteristicPoint &p : c.points)
        expected << QStringLiteral("%1 %2 %3,%4")
                        .arg(p.mark == CharacteristicPoint::Outside ? "x" : p.mark == CharacteristicPoint::Within ? "[]" : "<>",
                             p.mark == CharacteristicPoint::Outside ? "#dc0000" : p.mark == CharacteristicPoint::Within ? "#007800" : "#000000")
                        .arg(qRound(plot.left() + p.bar / xEnd * plot.width()))
                        .arg(qRound(plot.bottom() - p.mv / 5000.0 * plot.height()));
    QCOMPARE(got, expected);
    QCOMPARE(c.points.size(), size_t(4));
    // The long slanted lines: the band's edges, then the nominal line, each
    // the full scale its slope gives from the zero reading.
    QStringList slopes, lineFullScales;
    for (const RecordedItem &l : lines)
        if (l.x != l.x2 && l.y != l.y2 && std::hypot(l.x2 - l.x, l.y2 - l.y) > 1000) {
            const double bar = (l.x2 - plot.left()) / plot.width() * xEnd, mv = (plot.bottom() - l.y2) / plot.height() * 5000;
            slopes << QStringLiteral("%1 %2").arg(l.color.name()).arg(qRound(bar * c.spanMv / (mv - c.zeroMv)));
        }
    if (c.tolerance > 0)
        lineFullScales << QStringLiteral("#6e6e6e %1").arg(c.bandCentre - c.tolerance) << QStringLiteral("#6e6e6e %1").arg(c.bandCentre + c.tolerance);
    QCOMPARE(slopes, lineFullScales << QStringLiteral("#000000 2400"));
    // The legend, under the axis's title, names only what is drawn.
    QStringList legend;
    for (const RecordedItem &t : items(s, QString()))
        if (t.y > pressure.y && t.y < plot.bottom() + 1500)
            legend << t.text;
    QTEST(legend.join(QLatin1Char('|')), "legend");
}

void TestDocuments::verdictWords_data()
{
    // Readings and pressures of rows 0..5, the settings ("12" 12 bit, "M:N"
    // a manual average, "n:N" the nominal), and, read back from the PDF,
    // the verdict (none: "") and a phrase the page holds: each row's verdict
    // with its pressure and, where it failed, the value that failed to the
    // precision it was judged at; why there is no verdict.
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("words");
    const QString opening = QStringLiteral("98,232,370,506,0,0"), bars = QStringLiteral("0,400,800,1200,1600,2000");
    QTest::newRow("every row passing") << opening << bars << "n:2400" << "CONFORME"
        << "riga 1, 400 bar: CONFORME riga 2, 800 bar: CONFORME riga 3, 1200 bar: CONFORME ";
    QTest::newRow("linearity within, deviation beyond") << "0,100,100,100" << "0,1241,1241,1241" << "M:10050" << "NON CONFORME"
        << "riga 1, 1241 bar: NON CONFORME (scostamento 101 bar oltre ±100 bar)";
    QTest::newRow("linearity beyond, deviation within") << "0,3276,3276,3276" << "0,2376,2376,2376" << "12;M:2400;n:2400" << "NON CONFORME"
        << "riga 3, 2376 bar: NON CONFORME (linearità -1,01 % oltre ±1 %) ";
    QTest::newRow("one row failing among passing") << "98,232,370,508" << bars << "n:2400" << "NON CONFORME"
        << "riga 1, 400 bar: NON CONFORME (linearità 1,15 % oltre ±1 %, scostamento 28 bar oltre ±24 bar) riga 2, 800 bar: "
           "CONFORME riga 3, 1200 bar: CONFORME ";
    // The grid's 1,00% in red: the band says 1,004.
    QTest::newRow("linearity 1.004 %") << "0,3276,3276,3276,3276,3276" << "0,2459,2459,2458,2459,2490" << "12" << "NON CONFORME"
        << "riga 5, 2490 bar: NON CONFORME (linearità 1,004 % oltre ±1 %)";
    QTest::newRow("a measured row left out") << "102,80,430,594,757,921" << bars << "n:2000" << "NON CONFORME"
        << "riga 1, 400 bar: NON CONFORME: 391 mV, non oltre i 400 mV sotto cui una lettura non si calcola riga 2, 800 bar: CONFORME";
    QTest::newRow("one row computed") << "102,266" << bars << "n:2000" << ""
        << "Senza esito: righe calcolate 1, la regola ne chiede almeno 3.";
    QTest::newRow("no row at half the nominal") << opening << bars << "n:3000" << ""
        << "Senza esito: nessuna riga calcolata a 1500 bar o più (metà del fondo scala nominale 3000 bar).";
    // The nearest full scale named only where it is another than the nominal.
    QTest::newRow("off its nominal, the nearest the same") << "0,819,1638,3276" << "0,505,1010,2020" << "12;M:2021;n:2000" << "NON CONFORME"
        << "Fondo scala nominale 2000 bar: media 2021 bar, fuori di ±20 bar Sensore ";
    QTest::newRow("an average pasted with its decimal comma") << opening << bars << "M:2419,5;n:2000" << "NON CONFORME"
        << "Fondo scala nominale 2000 bar: media 2419,5 bar, fuori di ±24 bar; il fondo scala più vicino è 2400 bar";
}

void TestDocuments::verdictWords()
{
    QFETCH(QString, adc);
    QFETCH(QString, bar);
    QFETCH(QString, settings);
    ScaleSheet sheet;
    const QStringList a = adc.split(QLatin1Char(',')), b = bar.split(QLatin1Char(','));
    for (int i = 0; i < kScaleRows; ++i) {
        sheet.check.setAdc(i, i < a.size() ? a[i].toStdString() : "0");
        sheet.check.setBar(i, i < b.size() ? b[i].toStdString() : "0");
    }
    ScaleCheckSettings set;
    for (const QString &s : settings.split(QLatin1Char(';'))) {
        set.bits12 = set.bits12 || s == QLatin1String("12");
        if (s.startsWith(QLatin1String("M:"))) {
            set.automaticAverage = false;
            sheet.check.setAverage(s.mid(2).toStdString());
        }
        if (s.startsWith(QLatin1String("n:")))
            set.nominalFullScale = s.mid(2).toInt();
    }
    sheet.check.setSettings(set);
    QVERIFY(sheet.check.compute(',').empty());
    sheet.now = kNow;
    QtPrintSurface s;
    printScaleSheet(s, sheet);
    QTemporaryDir dir;
    const QString text = pdfText(savedPdf(s, dir)) + QLatin1Char(' ');
    QFETCH(QString, verdict);
    QFETCH(QString, words);
    if (verdict.isEmpty())
        QVERIFY2(!text.contains(QStringLiteral("Esito della prova")), qPrintable(text));
    else
        QVERIFY2(text.contains(QStringLiteral("Esito della prova: %1 Regola di decisione (versione 2):").arg(verdict)), qPrintable(text));
    QVERIFY2(text.contains(words), qPrintable(text));
}

void TestDocuments::fieldsLeftEmpty_data()
{
    // The workshop's field or the job's left empty; the band's lines and the
    // job's line on the sheet: no label stands for a field with nothing in it.
    QTest::addColumn<QString>("empty");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("job");
    const QString name = QStringLiteral("Officina Rossi Diesel"), address = QStringLiteral("Via dell'Industria 12, 10135 Torino");
    const QString job = QStringLiteral("Cliente: Bianchi · Veicolo: AB123CD · Commessa: C-1 · Operatore: Mario");
    QTest::newRow("none") << "" << name + "|" + address + " · tel. 011 555 0123 · officina@rossidiesel.it" << job;
    QTest::newRow("name") << "name" << address + " · tel. 011 555 0123 · officina@rossidiesel.it" << job;
    QTest::newRow("address") << "address" << name + "|tel. 011 555 0123 · officina@rossidiesel.it" << job;
    QTest::newRow("phone") << "phone" << name + "|" + address + " · officina@rossidiesel.it" << job;
    QTest::newRow("e-mail") << "email" << name + "|" + address + " · tel. 011 555 0123" << job;
    const QString band = name + "|" + address + " · tel. 011 555 0123 · officina@rossidiesel.it";
    QTest::newRow("customer") << "customer" << band << "Veicolo: AB123CD · Commessa: C-1 · Operatore: Mario";
    QTest::newRow("vehicle") << "vehicle" << band << "Cliente: Bianchi · Commessa: C-1 · Operatore: Mario";
    QTest::newRow("job number") << "job" << band << "Cliente: Bianchi · Veicolo: AB123CD · Operatore: Mario";
    QTest::newRow("operator") << "operator" << band << "Cliente: Bianchi · Veicolo: AB123CD · Commessa: C-1";
}

void TestDocuments::fieldsLeftEmpty()
{
    QFETCH(QString, empty);
    ScaleSheet sheet;
    sheet.now = kNow;
    Workshop &w = sheet.frame.workshop;
    w = {QStringLiteral("Officina Rossi Diesel"), QStringLiteral("Via dell'Industria 12, 10135 Torino"), QStringLiteral("011 555 0123"),
         QStringLiteral("officina@rossidiesel.it")};
    sheet.job = {QStringLiteral("Bianchi"), QStringLiteral("AB123CD"), QStringLiteral("C-1"), QStringLiteral("Mario")};
    const std::pair<const char *, QString *> fields[] = {{"name", &w.name}, {"address", &w.address}, {"phone", &w.phone},
                                                         {"email", &w.email}, {"customer", &sheet.job.customer},
                                                         {"vehicle", &sheet.job.vehicle}, {"job", &sheet.job.job},
                                                         {"operator", &sheet.job.operatorName}};
    for (const auto &[field, value] : fields)
        if (empty == QLatin1String(field))
            value->clear();
    RecordingSurface s;
    printScaleSheet(s, sheet);
    QStringList bandLines;
    QString job;
    for (const RecordedItem &item : s.items()) {
        if (item.kind == RecordedItem::Text && item.y < scalesheet::kHeadingY)
            bandLines << item.text;
        if (item.text.contains(QLatin1String(": ")) && item.font.pointSizeF() == 10)
            job = item.text;
    }
    // (the sheet's own lines first, at the band's right)
    QFETCH(QString, band);
    QCOMPARE(bandLines.join(QLatin1Char('|')), QStringLiteral("Foglio di prova|prova del 06/12/2026 09:30 · pagina 1 di 1|") + band);
    QTEST(job, "job");
}

void TestDocuments::logoFaults_data()
{
    // The logo's file; why it is not printed (empty: it is).
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("why");
    QTest::newRow("a picture") << "picture" << "";
    QTest::newRow("no file") << "missing" << "il file non c'è";
    QTest::newRow("no picture") << "text" << "il file non è un'immagine PNG, JPEG o SVG";
    QTest::newRow("a PNG of 20000 x 20000 pixels") << "huge" << "l'immagine è troppo grande (20000 × 20000 pixel): ne basta una di 1200 × 300";
}

void TestDocuments::logoFaults()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    QFile f(path);
    if (file == QLatin1String("picture")) {
        QVERIFY(QImage(QStringLiteral(DRAVINO_SOURCE_DIR "/resources/dravino.png")).save(path));
    } else if (file == QLatin1String("text")) {
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("no picture") > 0);
    } else if (file == QLatin1String("huge")) {
        // A PNG's header saying 20000 x 20000: what a reader learns first.
        const auto crc = [](const QByteArray &bytes) {
            quint32 c = 0xffffffffu;
            for (const char b : bytes) {
                c ^= quint8(b);
                for (int k = 0; k < 8; ++k)
                    c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
            }
            return ~c;
        };
        const auto chunk = [&crc](const QByteArray &type, const QByteArray &data) {
            QByteArray out;
            QDataStream s(&out, QIODevice::WriteOnly);
            s << quint32(data.size());
            out += type + data;
            QDataStream t(&out, QIODevice::Append);
            t << crc(type + data);
            return out;
        };
        QByteArray header;
        QDataStream h(&header, QIODevice::WriteOnly);
        h << quint32(20000) << quint32(20000) << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", qCompress(QByteArray(16, 0)).mid(4))
                + chunk("IEND", {}));
    }
    f.close();
    QString why;
    const QImage logo = readLogo(path, &why);
    QTEST(why, "why");
    QCOMPARE(logo.isNull(), !why.isEmpty());
}

void TestDocuments::pagesOfADocument_data()
{
    QTest::addColumn<bool>("archival");
    QTest::newRow("a document of two pages") << false;
    QTest::newRow("... archival: PDF/A-1b") << true;
}

void TestDocuments::pagesOfADocument()
{
    // A document of two pages: each text on its page of the PDF, each page
    // drawn under the other in the preview; archival, a PDF/A-1b.
    QFETCH(bool, archival);
    QtPrintSurface s;
    s.Archival(archival);
    s.CurrentX(1000);
    s.CurrentY(1000);
    s.Print(QStringLiteral("prima"), true);
    s.NewPage();
    QCOMPARE(s.Page(), 1);
    QCOMPARE(s.CurrentY(), 0.0);
    s.CurrentX(1000);
    s.Print(QStringLiteral("seconda"), true);
    s.EndDoc();
    QCOMPARE(s.Page(), 0);
    QTemporaryDir dir;
    const QString pdf = savedPdf(s, dir);
    const auto page = [&](int n) {
        return dravino::test::outputOf(QStringLiteral("pdftotext"), {"-f", QString::number(n), "-l", QString::number(n), pdf, "-"}).simplified();
    };
    QCOMPARE(page(1), QStringLiteral("prima"));
    QCOMPARE(page(2), QStringLiteral("seconda"));
    QVERIFY(dravino::test::outputOf(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    QCOMPARE(s.pdf().contains("pdfaid:part"), archival);
    QCOMPARE(s.drawing().value(1).page, 1);
    const QImage shown = s.render(20);
    const QImage one = dravino::renderPage({}, 20);
    QVERIFY2(shown.height() > 2 * one.height() && shown.width() == one.width(), qPrintable(QString::number(shown.height())));
}

void TestDocuments::calibrationCertificate_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("acceptance");
    QTest::addColumn<QStringList>("verdicts");
    QTest::newRow("as found and as left, guard band")
        << true << int(Acceptance::GuardBand) << QStringList{"Come trovato: NON CONFORME", "Come lasciato (dopo la regolazione): CONFORME"};
    QTest::newRow("as found only, simple acceptance") << false << int(Acceptance::Simple) << QStringList{"Come trovato: NON CONFORME"};
}

void TestDocuments::calibrationCertificate()
{
    // Read back as a customer reads it: the issuer, the title, the number
    // and "pagina N di M" at the top of every page; the verdicts in words;
    // the annex's budget with the worst point's numbers; archival.
    QFETCH(bool, left);
    QFETCH(int, acceptance);
    QFETCH(QStringList, verdicts);
    CalibrationSheet sheet;
    sheet.data = dravino::test::sampleCalibration(Acceptance(acceptance), left);
    sheet.code = QStringLiteral("0281002930");
    sheet.now = QDateTime(QDate(2026, 12, 8), QTime(10, 30));
    sheet.frame.workshop.name = QStringLiteral("Officina Rossi Diesel");
    sheet.frame.workshop.address = QStringLiteral("Via dell'Industria 12, Torino");
    sheet.job.operatorName = QStringLiteral("Mario Rossi");
    sheet.certificate = QStringLiteral("2026-0042");
    QtPrintSurface s;
    printCalibrationCertificate(s, sheet);
    QTemporaryDir dir;
    const QString pdf = savedPdf(s, dir);
    if (const QString keep = qEnvironmentVariable("DRAVINO_KEEP_PDF"); !keep.isEmpty())
        QFile::copy(pdf, keep);
    const int pages = left ? 5 : 4;
    QCOMPARE(calibrationPages(sheet), pages);
    QVERIFY(dravino::test::outputOf(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))));
    QVERIFY(s.pdf().contains("pdfaid:part"));
    for (int n = 1; n <= pages; ++n) {
        // Words of page n above its first rule, in reading order.
        const QString page = dravino::test::outputOf(QStringLiteral("pdftotext"), {"-f", QString::number(n), "-l", QString::number(n), "-layout", pdf, "-"});
        const QString top = page.left(600).simplified();
        QVERIFY2(top.startsWith(QStringLiteral("Officina Rossi Diesel")), qPrintable(top));
        QVERIFY2(top.contains(QStringLiteral("Certificato di taratura")) && top.contains(QStringLiteral("n. 2026-0042")), qPrintable(top));
        QVERIFY2(top.contains(QStringLiteral("pagina %1 di %2").arg(n).arg(pages)), qPrintable(top));
    }
    const QString all = pdfText(pdf);
    for (const QString &verdict : verdicts)
        QVERIFY2(all.contains(verdict), qPrintable(verdict));
    QVERIFY(all.contains(QStringLiteral("Data della taratura: %1").arg(printDateTime(sheet.now))));
    QVERIFY(printDateTime(sheet.now).contains(QStringLiteral("2026")));
    QVERIFY(all.contains(QStringLiteral("Manometro DPG-1 (n. A1234), certificato n. LAT 999 12345, U = %1 bar (k = %2)")
                             .arg(QLocale().toString(2.0, 'f', 3), QLocale().toString(2.0, 'f', 1))));
    QVERIFY(all.contains(QStringLiteral("Operatore: Mario Rossi")));
    // The budget of the worst point: the reference's 1 bar, the combined
    // and expanded uncertainty as the core works them out.
    const CalibrationResult r = left ? *sheet.data.left() : sheet.data.found();
    const Budget &b = r.points[std::size_t(r.worstPoint)].budget;
    const QString annex = dravino::test::outputOf(QStringLiteral("pdftotext"), {"-f", QString::number(pages), "-l", QString::number(pages), "-layout", pdf, "-"}).simplified();
    QVERIFY2(annex.contains(QStringLiteral("Allegato: bilancio di incertezza del punto peggiore")), qPrintable(annex));
    QVERIFY2(annex.contains(QStringLiteral("Riferimento di pressione (U del certificato, normale) %1 bar %1 1 %2")
                                .arg(QLocale().toString(2.0, 'f', 3), QLocale().toString(1.0, 'f', 4))),
             qPrintable(annex));
    QVERIFY2(annex.contains(QStringLiteral("Incertezza tipo composta u_c %1 bar").arg(QLocale().toString(b.combinedBar, 'f', 4))),
             qPrintable(annex));
    QVERIFY2(annex.contains(QStringLiteral("Incertezza estesa U = k · u_c %1 bar").arg(QLocale().toString(b.expandedBar, 'f', 3))), qPrintable(annex));
}

DRAVINO_TEST_MAIN_REQUIRING(TestDocuments, requirement)
#include "tst_documents.moc"
