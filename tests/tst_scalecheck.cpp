// The scale and linearity computation on the grid's texts: the worked
// example, thresholds and bounds, rounding, and the error policy.

#include "core/ScaleCheck.h"

#include <QtTest>

using namespace dravino;

namespace {

ScaleGrid openingGrid()
{
    ScaleGrid g;
    g.bar = {"0", "400", "800", "1200", "1600", "2000"};
    g.adc = {"98", "232", "370", "506", "0", "0"};
    return g;
}

QStringList column(const std::array<std::string, kScaleRows> &c)
{
    QStringList out;
    for (const auto &s : c)
        out << QString::fromStdString(s);
    return out;
}

QString verdicts(const std::array<Verdict, kScaleRows> &c)
{
    QString out;
    for (auto v : c)
        out += v == Verdict::Green ? QLatin1Char('G') : v == Verdict::Red ? QLatin1Char('R') : QLatin1Char('-');
    return out;
}

QStringList failures(const std::vector<ScaleFailure> &f)
{
    QStringList out;
    for (const auto &x : f)
        out << (x.divisionByZero ? QStringLiteral("div0") : QString::number(x.number));
    return out;
}

} // namespace

class TestScaleCheck : public QObject
{
    Q_OBJECT
private slots:
    void workedExample_data();
    void workedExample();
    void validityThreshold();
    void boundsAreInclusive_data();
    void boundsAreInclusive();
    void averageRoundsHalvesToEven_data();
    void averageRoundsHalvesToEven();
    void failurePolicy_data();
    void failurePolicy();
    void linearityText_data();
    void linearityText();
};

void TestScaleCheck::workedExample_data()
{
    QTest::addColumn<bool>("bits12");
    QTest::addColumn<bool>("denso");
    QTest::addColumn<QStringList>("mvolt");
    QTest::addColumn<QStringList>("scala");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QStringList>("linearita");
    QTest::addColumn<QStringList>("scostamento");
    QTest::addColumn<QString>("colours");
    const QStringList mv10{"479", "1134", "1808", "2473", "0", "0"};
    QTest::newRow("Bosch, 10 bit")
        << false << false << mv10 << QStringList{"", "2443", "2408", "2407", "", ""} << "2419"
        << QStringList{"", "0.98%", "-0.46%", "-0.50%", "", ""}
        << QStringList{"", "24", "-11", "-12", "", ""} << "-GGG--";
    QTest::newRow("Denso, 10 bit")
        << false << true << mv10 << QStringList{"", "1954", "1926", "1926", "", ""} << "1935"
        << QStringList{"", "0.97%", "-0.47%", "-0.47%", "", ""}
        << QStringList{"", "19", "-9", "-9", "", ""} << "-GGG--";
    // 12 bit: 120, 283, 452, 618 mV; row 1 is not above 400 mV.
    QTest::newRow("Bosch, 12 bit")
        << true << false << QStringList{"120", "283", "452", "618", "0", "0"}
        << QStringList{"", "", "9639", "9639", "", ""} << "9639"
        << QStringList{"", "", "0.00%", "0.00%", "", ""}
        << QStringList{"", "", "0", "0", "", ""} << "--GG--";
    QTest::newRow("Denso, 12 bit")
        << true << true << QStringList{"120", "283", "452", "618", "0", "0"}
        << QStringList{"", "", "7711", "7711", "", ""} << "7711"
        << QStringList{"", "", "0.00%", "0.00%", "", ""}
        << QStringList{"", "", "0", "0", "", ""} << "--GG--";
}

void TestScaleCheck::workedExample()
{
    QFETCH(bool, bits12);
    QFETCH(bool, denso);
    auto g = openingGrid();
    const auto f = calcolaScala(g, {bits12, denso, true, '.'});
    QVERIFY(f.empty());
    QTEST(column(g.mvolt), "mvolt");
    QTEST(column(g.scala), "scala");
    QTEST(QString::fromStdString(g.media), "media");
    QTEST(column(g.linearita), "linearita");
    QTEST(column(g.scostamento), "scostamento");
    QFETCH(QString, colours);
    QCOMPARE(verdicts(g.linearitaColor), colours);
    QCOMPARE(verdicts(g.scostamentoColor), colours);
}

void TestScaleCheck::validityThreshold()
{
    // At 12 bit 328 counts are 400.49 mV -> 400 (skipped) and 329 counts
    // 401.71 mV -> 402 (computed).
    auto g = openingGrid();
    g.adc = {"0", "328", "329", "0", "0", "0"};
    g.bar = {"0", "100", "100", "0", "0", "0"};
    calcolaScala(g, {true, false, true, '.'});
    QCOMPARE(QString::fromStdString(g.mvolt[1]), QStringLiteral("400"));
    QCOMPARE(QString::fromStdString(g.scala[1]), QString());
    QCOMPARE(QString::fromStdString(g.mvolt[2]), QStringLiteral("402"));
    QCOMPARE(QString::fromStdString(g.scala[2]), QStringLiteral("995"));
}

// 3276 counts at 12 bit are 4000 mV above a zero row of 0: a row's scale is
// then its pressure exactly.
static ScaleGrid exactRows(std::initializer_list<int> scales)
{
    ScaleGrid g;
    g.adc = {"0", "0", "0", "0", "0", "0"};
    g.bar = {"0", "0", "0", "0", "0", "0"};
    int i = 1;
    for (int scale : scales) {
        g.adc[i] = "3276";
        g.bar[i++] = std::to_string(scale);
    }
    return g;
}

void TestScaleCheck::boundsAreInclusive_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("linearity");
    QTest::addColumn<QString>("colours"); // linearity, deviation
    // Average 2400: tolerance 24.
    QTest::newRow("deviation +24 equals tolerance") << "2400" << 2424 << "0.99%" << "GG";
    QTest::newRow("deviation +25 beyond") << "2400" << 2425 << "1.03%" << "RR";
    QTest::newRow("deviation -24 equals tolerance") << "2400" << 2376 << "-1.01%" << "RG";
    QTest::newRow("deviation -25 beyond") << "2400" << 2375 << "-1.05%" << "RR";
    QTest::newRow("linearity exactly +1.00 %") << "99" << 100 << "1.00%" << "GG";
    QTest::newRow("linearity exactly -1.00 %") << "101" << 100 << "-1.00%" << "GG";
    QTest::newRow("manual average 0") << "0" << 2424 << "100.00%" << "RR";
}

void TestScaleCheck::boundsAreInclusive()
{
    QFETCH(QString, media);
    QFETCH(int, scale);
    auto g = exactRows({scale});
    g.media = media.toStdString();
    const auto f = calcolaScala(g, {true, false, false, '.'});
    QVERIFY(f.empty());
    QCOMPARE(QString::fromStdString(g.scala[1]), QString::number(scale));
    QTEST(QString::fromStdString(g.linearita[1]), "linearity");
    QFETCH(QString, colours);
    QCOMPARE(verdicts(g.linearitaColor).mid(1, 1) + verdicts(g.scostamentoColor).mid(1, 1), colours);
}

void TestScaleCheck::averageRoundsHalvesToEven_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("media");
    QTest::newRow("2418.5 to 2418") << 2418 << 2419 << "2418";
    QTest::newRow("2419.5 to 2420") << 2419 << 2420 << "2420";
}

void TestScaleCheck::averageRoundsHalvesToEven()
{
    QFETCH(int, a);
    QFETCH(int, b);
    auto g = exactRows({a, b});
    calcolaScala(g, {true, false, true, '.'});
    QTEST(QString::fromStdString(g.media), "media");
}

void TestScaleCheck::failurePolicy_data()
{
    QTest::addColumn<QStringList>("adc");
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("mediaIn");
    QTest::addColumn<QStringList>("expectedFailures");
    QTest::addColumn<QStringList>("scala");
    QTest::addColumn<QString>("media");
    QTest::addColumn<QStringList>("scostamento");
    const QStringList zeros{"0", "0", "0", "0", "0", "0"};
    QTest::newRow("same reading as zero row, pressure not 0")
        << QStringList{"98", "98", "0", "0", "0", "0"} << QStringList{"0", "400", "0", "0", "0", "0"}
        << true << "" << QStringList{"div0"} << QStringList{"", "", "", "", "", ""} << ""
        << QStringList{"", "", "", "", "", ""};
    QTest::newRow("pressure 0 with an average")
        << QStringList{"98", "232", "370", "0", "0", "0"} << QStringList{"0", "400", "0", "0", "0", "0"}
        << true << "" << QStringList{"div0"} << QStringList{"", "2443", "0", "", "", ""} << "1222"
        << QStringList{"", "", "", "", "", ""};
    QTest::newRow("pressure 0, same reading as zero row")
        << QStringList{"98", "98", "0", "0", "0", "0"} << QStringList{"0", "0", "0", "0", "0", "0"}
        << true << "" << QStringList{"6", "6"} << QStringList{"", "0", "", "", "", ""} << "0"
        << QStringList{"", "0", "", "", "", ""};
    QTest::newRow("no row above 400 mV")
        << zeros << QStringList{"0", "400", "800", "1200", "1600", "2000"} << true << ""
        << QStringList{"6"} << QStringList{"", "", "", "", "", ""} << "0"
        << QStringList{"", "", "", "", "", ""};
    QTest::newRow("empty reading in a row")
        << QStringList{"98", "", "370", "506", "0", "0"} << QStringList{"0", "400", "800", "1200", "1600", "2000"}
        << true << "" << QStringList{"13", "13"} << QStringList{"", "", "2408", "2407", "", ""} << "2408"
        << QStringList{"", "", "0", "-1", "", ""};
    QTest::newRow("manual average above 32767")
        << QStringList{"98", "232", "370", "506", "0", "0"} << QStringList{"0", "400", "800", "1200", "1600", "2000"}
        << false << "40000" << QStringList{"6"} << QStringList{"", "2443", "2408", "2407", "", ""} << "40000"
        << QStringList{"", "-37557", "-37592", "-37593", "", ""};
    QTest::newRow("row scale above 32767")
        << QStringList{"98", "100", "0", "0", "0", "0"} << QStringList{"0", "200", "0", "0", "0", "0"}
        << true << "" << QStringList{"6", "6"} << QStringList{"", "80000", "", "", "", ""} << "80000"
        << QStringList{"", "0", "", "", "", ""};
    QTest::newRow("pasted letters in a pressure")
        << QStringList{"98", "232", "0", "0", "0", "0"} << QStringList{"0", "4x0", "0", "0", "0", "0"}
        << true << "" << QStringList{"13", "13", "6"} << QStringList{"", "0", "", "", "", ""} << "0"
        << QStringList{"", "0", "", "", "", ""};
}

void TestScaleCheck::failurePolicy()
{
    QFETCH(QStringList, adc);
    QFETCH(QStringList, bar);
    QFETCH(bool, automatic);
    QFETCH(QString, mediaIn);
    ScaleGrid g;
    for (int i = 0; i < kScaleRows; ++i) {
        g.adc[i] = adc[i].toStdString();
        g.bar[i] = bar[i].toStdString();
    }
    g.media = mediaIn.toStdString();
    const auto f = calcolaScala(g, {false, false, automatic, '.'});
    QTEST(failures(f), "expectedFailures");
    QTEST(column(g.scala), "scala");
    QTEST(QString::fromStdString(g.media), "media");
    QTEST(column(g.scostamento), "scostamento");
}

void TestScaleCheck::linearityText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<char>("sep");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.9824") << 0.9824f << '.' << "0.98";
    QTest::newRow("-0.4985") << -0.4985f << '.' << "-0.50";
    QTest::newRow("12.3456") << 12.3456f << '.' << "12.35";
    QTest::newRow("comma") << 0.9824f << ',' << "0,98";
    QTest::newRow("tiny negative") << -0.001f << '.' << "0.00";
    QTest::newRow("100") << 100.0f << '.' << "100.00";
}

void TestScaleCheck::linearityText()
{
    QFETCH(float, value);
    QFETCH(char, sep);
    QTEST(QString::fromStdString(formatLinearity(value, sep)), "text");
}

QTEST_APPLESS_MAIN(TestScaleCheck)
#include "tst_scalecheck.moc"
