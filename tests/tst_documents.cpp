// The two printed documents on a recording surface (positions, fonts,
// colours, groups, footer), and one real PDF from the Qt print surface read
// back with pdftotext -bbox.

#include "PdfWords.h"
#include "print/QtPrintSurface.h"
#include "print/RecordingSurface.h"
#include "print/ScaleSheet.h"
#include "print/ValueTable.h"

#include <QPageLayout>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace dravino;

namespace {

// Rows as a calculator would give them: millivolts and their pressures.
class CountingRows final : public ValueTableRows
{
public:
    explicit CountingRows(int from) : m_v(from) {}
    void start() override {}
    QString steppedText() const override { return QString::number(m_v); }
    QString computedText() const override { return QString::number((m_v - 500) / 2); }
    void advance(int step) override { m_v += step; }

private:
    int m_v;
};

ValueTableInput table(int from, int to, int step, bool millivolt = true)
{
    return {QStringLiteral("2000"), millivolt, from, to, step, QDateTime(QDate(2026, 12, 6), QTime(9, 30))};
}

QList<RecordedItem> texts(const RecordingSurface &s, const QString &text)
{
    QList<RecordedItem> out;
    for (const auto &i : s.items())
        if (i.kind == RecordedItem::Text && i.text == text)
            out << i;
    return out;
}

double rightEdge(const RecordingSurface &s, const RecordedItem &i) { return i.x + s.widthOf(i.font, i.text); }

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void defaultFaceKeeps45RowsAColumn();
    void valueTableLayout_data();
    void valueTableLayout();
    void valueTableFillsThreeGroups();
    void pressureTableSwapsTheHeadings();
    void scaleSheetLayout();
    void realPdfFromTheQtSurface();
    void noPrinterWritesANewPdf();
};

void TestDocuments::defaultFaceKeeps45RowsAColumn()
{
    RecordingSurface s;
    const double h = s.lineHeightOf(defaultPrintFont());
    QVERIFY2(h >= 266 && h <= 272, qPrintable(QString::number(h)));
}

void TestDocuments::valueTableLayout_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("groups");
    QTest::newRow("101 rows") << 500 << 2500 << 3;
    QTest::newRow("45 rows, one group") << 500 << 1380 << 1;
    QTest::newRow("46 rows") << 500 << 1400 << 2;
}

void TestDocuments::valueTableLayout()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, groups);
    RecordingSurface s;
    CountingRows rows(from);
    printValueTable(s, table(from, to, 20), rows);
    QCOMPARE(s.documentsEnded(), 1);

    // Title: 13 pt italic, centred on 11700 as one text, the scale bold green.
    const auto *start = s.find(QStringLiteral(
        "Rapporto tra la pressione e la tensione di un sensore pressione con fondo scala a "));
    QVERIFY(start);
    QCOMPARE(start->y, 400.0);
    QVERIFY(start->font.italic() && !start->font.bold());
    QCOMPARE(start->font.pointSizeF(), 13.0);
    QFont regular = start->font;
    regular.setItalic(false);
    const double whole = s.widthOf(regular, start->text + QStringLiteral("2000 bar"));
    QCOMPARE(start->x, (11700 - whole) / 2);
    const auto scale = texts(s, QStringLiteral("2000")).first();
    QVERIFY(scale.font.bold() && scale.font.italic());
    QCOMPARE(scale.color, QColor(20, 100, 10));

    // Headings of every group at y 950, right-aligned at R1 and R2.
    const auto mvolt = texts(s, QStringLiteral("MVolt"));
    const auto bar = texts(s, QStringLiteral("Bar"));
    QCOMPARE(mvolt.size(), groups);
    for (int g = 0; g < groups; ++g) {
        QCOMPARE(mvolt[g].y, 950.0);
        QCOMPARE(rightEdge(s, mvolt[g]), 1350.0 + 4000 * g);
        QCOMPARE(rightEdge(s, bar[g]), 2850.0 + 4000 * g);
        QCOMPARE(mvolt[g].color, QColor(255, 0, 0));
        QCOMPARE(bar[g].color, QColor(0, 0, 255));
    }

    // First row below the headings' line and 200 more; h + 45 a row.
    const double h = s.lineHeightOf(defaultPrintFont()); // 12 pt
    const auto first = texts(s, QString::number(from)).first();
    QCOMPARE(first.y, 950 + h + 200);
    QCOMPARE(rightEdge(s, first), 1350.0);
    const auto second = texts(s, QString::number(from + 20)).first();
    QCOMPARE(second.y - first.y, h + 45);

    // Rules: from L to R2, 10 below each row's line; L is 850, 4810, 8800.
    QList<RecordedItem> rules;
    for (const auto &i : s.items())
        if (i.kind == RecordedItem::Line)
            rules << i;
    QCOMPARE(rules.size(), (to - from) / 20 + 1);
    QCOMPARE(rules[0].x, 850.0);
    QCOMPARE(rules[0].x2, 2850.0);
    QCOMPARE(rules[0].y, first.y + h + 10);
    const double lefts[] = {850, 4810, 8800};
    QCOMPARE(rules.last().x, lefts[groups - 1]);

    // Footer at 15800, centred, in 9 pt.
    const auto *name = s.find(QStringLiteral("Dravino"));
    QVERIFY(name && name->font.bold());
    QCOMPARE(name->y, 15800.0);
    QCOMPARE(name->font.pointSizeF(), 9.0);
    const auto *web = s.find(QStringLiteral("https://dravino.example.com/"));
    QVERIFY(web && web->font.bold());
    QCOMPARE(web->color, QColor(0, 0, 255));
    QVERIFY(s.find(QStringLiteral("  -  06/12/26 09:30")));
}

void TestDocuments::valueTableFillsThreeGroups()
{
    RecordingSurface s;
    CountingRows rows(0);
    printValueTable(s, table(0, 2680, 20), rows);
    const auto mvolt = texts(s, QStringLiteral("MVolt"));
    QCOMPARE(mvolt.size(), 3);
    // 45 rows each; the last row stays on the page, above the footer.
    const auto last = texts(s, QStringLiteral("2680")).first();
    QCOMPARE(rightEdge(s, last), 9350.0);
    QVERIFY(last.y < 15400);
    const auto firstOfThird = texts(s, QStringLiteral("1800")).first();
    QCOMPARE(rightEdge(s, firstOfThird), 9350.0);
    const auto lastOfSecond = texts(s, QStringLiteral("1780")).first();
    QCOMPARE(rightEdge(s, lastOfSecond), 5350.0);
    for (const auto &i : s.items())
        QVERIFY(i.x < 11906 && i.y < 16838);

    // A face too tall for 45 rows never starts a fourth group off the page.
    RecordingSurface tall;
    tall.FontName(QStringLiteral("DejaVu Serif"));
    CountingRows more(0);
    printValueTable(tall, table(0, 2680, 20), more);
    QVERIFY(texts(tall, QStringLiteral("MVolt")).size() <= 3);
}

void TestDocuments::pressureTableSwapsTheHeadings()
{
    RecordingSurface s;
    CountingRows rows(0);
    printValueTable(s, table(0, 100, 50, false), rows);
    QCOMPARE(rightEdge(s, texts(s, QStringLiteral("Bar")).first()), 1350.0);
    QCOMPARE(texts(s, QStringLiteral("Bar")).first().color, QColor(0, 0, 255));
    QCOMPARE(rightEdge(s, texts(s, QStringLiteral("MVolt")).first()), 2850.0);
}

void TestDocuments::scaleSheetLayout()
{
    ScaleSheet sheet;
    const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 120, 0), black(0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        sheet.cells[i][0] = {QString::number(400 * i), red};
        sheet.cells[i][1] = {QStringLiteral("98"), black};
        sheet.cells[i][2] = {QStringLiteral("479"), blue};
        sheet.cells[i][3] = {i == 0 ? QString() : QStringLiteral("2443"), black};
        sheet.cells[i][4] = {i == 0 ? QString() : QStringLiteral("0,98%"), green};
        sheet.cells[i][5] = {i == 0 ? QString() : QStringLiteral("24"), green};
    }
    sheet.code = QStringLiteral("ABC12");
    sheet.average = QStringLiteral("2419");
    sheet.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30));
    RecordingSurface s;
    printScaleSheet(s, sheet);
    QCOMPARE(s.documentsEnded(), 1);

    const QStringList headings{"BAR", "ADC", "mVolt", "SCALA", "Linearità", "Scostamento"};
    const double lefts[] = {1050, 2600, 4300, 5800, 7800, 9600};
    for (int c = 0; c < 6; ++c) {
        const auto *h = s.find(headings[c]);
        QVERIFY(h);
        QCOMPARE(h->x, lefts[c]);
        QCOMPARE(h->y, 400.0);
        QVERIFY(h->font.bold());
        QCOMPARE(h->font.family(), QStringLiteral("Arial"));
    }
    QFont f = defaultPrintFont();
    f.setBold(true);
    const double h = s.lineHeightOf(f);
    const auto firstBar = texts(s, QStringLiteral("0")).first();
    QCOMPARE(firstBar.y, 400 + h + 200);
    QCOMPARE(rightEdge(s, firstBar), 1512.0);
    QCOMPARE(firstBar.color, red);
    const auto lin = texts(s, QStringLiteral("0,98%"));
    QCOMPARE(lin.size(), 5);
    QCOMPARE(rightEdge(s, lin[0]), 8803.0);
    QCOMPARE(lin[0].color, green);
    QCOMPARE(rightEdge(s, texts(s, QStringLiteral("24")).first()), 10500.0);
    QCOMPARE(texts(s, QStringLiteral("479")).first().color, blue);
    // Each row: one line plus 180; the rule 80 below the line.
    const auto second = texts(s, QStringLiteral("400")).first();
    QFont regular = defaultPrintFont();
    const double row = s.lineHeightOf(regular);
    QCOMPARE(second.y - firstBar.y, row + 180);
    QList<RecordedItem> rules;
    for (const auto &i : s.items())
        if (i.kind == RecordedItem::Line)
            rules << i;
    QCOMPARE(rules.size(), 6);
    QCOMPARE(rules[0].x, 950.0);
    QCOMPARE(rules[0].x2, 11100.0);
    QCOMPARE(rules[0].y, firstBar.y + row + 80);

    const auto *sensore = s.find(QStringLiteral("Sensore: "));
    QVERIFY(sensore);
    QCOMPARE(sensore->x, 1000.0);
    QCOMPARE(sensore->y, rules.last().y + 100 + 300);
    const auto *code = s.find(QStringLiteral("ABC12"));
    QVERIFY(code && code->font.bold());
    const auto *media = s.find(QStringLiteral("Valore medio della scala:  "));
    QVERIFY(media);
    QCOMPARE(media->y, sensore->y + row + 200);
    QVERIFY(s.find(QStringLiteral("2419"))->font.bold());
    const auto *footer = s.find(QStringLiteral("Dravino"));
    QVERIFY(footer);
    QCOMPARE(footer->x, 1000.0);
    QCOMPARE(footer->y, media->y + row + 200);
    // The surface is left Arial 9 pt, neither bold nor italic, black.
    QCOMPARE(s.font().pointSizeF(), 9.0);
    QVERIFY(!s.font().bold() && !s.font().italic());
    QCOMPARE(s.foreColor(), QColor(Qt::black));
}

void TestDocuments::realPdfFromTheQtSurface()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("table.pdf"));
    {
        QtPrintSurface s(pdf);
        CountingRows rows(0);
        printValueTable(s, table(0, 2680, 20), rows);
        QVERIFY(s.errorText().isEmpty());
    }
    const auto words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    const double margin = reference.pageLayout().margins(QPageLayout::Point).left();

    QList<PdfWord> mvolt, bar;
    for (const auto &w : words) {
        if (w.text == QLatin1String("MVolt"))
            mvolt << w;
        if (w.text == QLatin1String("Bar"))
            bar << w;
    }
    QCOMPARE(mvolt.size(), 3); // 135 values, three groups
    for (int g = 0; g < 3; ++g) {
        QVERIFY(qAbs((mvolt[g].xMax - margin) * 20 - (1350 + 4000 * g)) < 10);
        QVERIFY(qAbs((bar[g].xMax - margin) * 20 - (2850 + 4000 * g)) < 10);
    }
    // Title centred on 11700 twips.
    const auto titleStart = std::find_if(words.begin(), words.end(),
                                         [](const PdfWord &w) { return w.text == QLatin1String("Rapporto"); });
    const auto titleEnd = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == QLatin1String("bar"); });
    QVERIFY(titleStart != words.end() && titleEnd != words.end());
    const double centre = ((titleStart->xMin + titleEnd->xMax) / 2 - margin) * 20;
    QVERIFY2(qAbs(centre - 5850) < 20, qPrintable(QString::number(centre)));
    QVERIFY(qAbs((titleStart->yMin - margin) * 20 - 400) < 40);
    // Rows right-aligned: every value of the first group ends at 1350.
    int firstGroupRows = 0;
    for (const auto &w : words) {
        bool number = false;
        const int v = w.text.toInt(&number);
        if (number && v < 900 && v % 20 == 0 && w.xMax < margin + 100 && w.yMin > margin + 60) {
            ++firstGroupRows;
            QVERIFY(qAbs((w.xMax - margin) * 20 - 1350) < 10);
        }
    }
    QCOMPARE(firstGroupRows, 45);
}

void TestDocuments::noPrinterWritesANewPdf()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("Dravino.pdf")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    QCOMPARE(QtPrintSurface::unusedPdfPath(dir.path()), dir.filePath(QStringLiteral("Dravino (2).pdf")));
    QFile second(dir.filePath(QStringLiteral("Dravino (2).pdf")));
    QVERIFY(second.open(QIODevice::WriteOnly));
    second.close();
    QCOMPARE(QtPrintSurface::unusedPdfPath(dir.path()), dir.filePath(QStringLiteral("Dravino (3).pdf")));
    // Without a printer the document goes to the next free name.
    {
        QtPrintSurface s(PrintDestination{QStringLiteral("nessuna stampante (file PDF)"), dir.path(), false},
                         dir.path());
        s.Print(QStringLiteral("Dravino"), true);
        s.EndDoc();
        QVERIFY(s.errorText().isEmpty());
        QCOMPARE(s.outputFile(), dir.filePath(QStringLiteral("Dravino (3).pdf")));
        QVERIFY(s.Port().endsWith(QStringLiteral("Dravino (3).pdf")));
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Dravino (3).pdf"))).size() > 0);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep"));
    // A file that cannot be written gives an Italian message, not a crash.
    QtPrintSurface broken(dir.filePath(QStringLiteral("missing/folder/x.pdf")));
    broken.Print(QStringLiteral("x"), true);
    broken.EndDoc();
    QVERIFY(broken.errorText().startsWith(QStringLiteral("Impossibile")));
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
