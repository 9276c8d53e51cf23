// The scale and linearity computation on the grid's texts: the worked
// example, thresholds and inclusive bounds, rounding, and the error policy.
// Each row gives the readings and pressures of rows 0..5 (comma-separated),
// the settings, and the results expected (only those named are checked).

#include "core/ScaleCheck.h"

#include <QtTest>

using namespace dravino;

namespace {

QString joined(const std::array<std::string, kScaleRows> &c)
{
    QStringList out;
    for (const auto &s : c)
        out << QString::fromStdString(s);
    return out.join(QLatin1Char('/'));
}

QString verdicts(const std::array<Verdict, kScaleRows> &c)
{
    QString out;
    for (auto v : c)
        out += v == Verdict::Green ? QLatin1Char('G') : v == Verdict::Red ? QLatin1Char('R') : QLatin1Char('-');
    return out;
}

} // namespace

class TestScaleCheck : public QObject
{
    Q_OBJECT
private slots:
    void computes_data();
    void computes();
    void linearityText();
};

void TestScaleCheck::computes_data()
{
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("settings"); // "12": 12 bit, "D": Denso, "M:n": manual average n
    QTest::addColumn<QString>("expected");
    const QString adc = QStringLiteral("98,232,370,506,0,0"), bar = QStringLiteral("0,400,800,1200,1600,2000");
    QTest::newRow("opening values, Bosch, 10 bit") << adc << bar << ""
        << "mv=479/1134/1808/2473/0/0;scala=/2443/2408/2407//;media=2419;lin=/0.98%/-0.46%/-0.50%//;"
           "dev=/24/-11/-12//;linColour=-GGG--;devColour=-GGG--;fail=";
    QTest::newRow("Denso, 10 bit") << adc << bar << "D" << "scala=/1954/1926/1926//;media=1935;fail=";
    QTest::newRow("Bosch, 12 bit: row 1 not above 400 mV") << adc << bar << "12"
        << "mv=120/283/452/618/0/0;scala=//9639/9639//;media=9639;linColour=--GG--";
    QTest::newRow("Denso, 12 bit") << adc << bar << "12D" << "scala=//7711/7711//;media=7711";
    // At 12 bit 328 counts are 400.49 mV (skipped), 329 counts 401.71 mV.
    QTest::newRow("400 mV skipped, 402 computed") << "0,328,329,0,0,0" << "0,100,100,0,0,0" << "12" << "mv=0/400/402/0/0/0;scala=//995///";
    // 3276 counts at 12 bit are 4000 mV: a row's scale is its pressure.
    QTest::newRow("deviation +24 equals the tolerance") << "0,3276" << "0,2424" << "12M:2400" << "lin=/0.99%////;linColour=-G----;devColour=-G----";
    QTest::newRow("deviation +25 beyond") << "0,3276" << "0,2425" << "12M:2400" << "lin=/1.03%////;devColour=-R----";
    QTest::newRow("deviation -24 equals the tolerance") << "0,3276" << "0,2376" << "12M:2400" << "lin=/-1.01%////;linColour=-R----;devColour=-G----";
    QTest::newRow("deviation -25 beyond") << "0,3276" << "0,2375" << "12M:2400" << "devColour=-R----";
    QTest::newRow("linearity exactly +1.00%") << "0,3276" << "0,100" << "12M:99" << "lin=/1.00%////;linColour=-G----";
    QTest::newRow("linearity exactly -1.00%") << "0,3276" << "0,100" << "12M:101" << "lin=/-1.00%////;linColour=-G----";
    QTest::newRow("manual average 0") << "0,3276" << "0,2424" << "12M:0" << "lin=/100.00%////;linColour=-R----;devColour=-R----";
    QTest::newRow("average 2418.5 to 2418") << "0,3276,3276" << "0,2418,2419" << "12" << "media=2418";
    QTest::newRow("average 2419.5 to 2420") << "0,3276,3276" << "0,2419,2420" << "12" << "media=2420";
    QTest::newRow("leading zeros go") << "0098,232" << "0,0400" << "" << "adc=98/232/0/0/0/0;bar=0/400/0/0/0/0";
    QTest::newRow("row 0's pressure takes no part") << adc << "999,400,800,1200,1600,2000" << "" << "media=2419";
    // The error policy.
    QTest::newRow("same reading as row 0: stops") << "98,98" << "0,400" << "" << "scala=/////;media=;fail=div0";
    QTest::newRow("pressure 0 under an average: stops") << "98,232,370" << "0,400,0" << "" << "scala=/2443/0///;media=1222;dev=/////;fail=div0";
    QTest::newRow("0/0 in a row: counted as 0") << "98,98" << "0,0" << "" << "scala=/0////;media=0;dev=/0////;fail=6,6";
    QTest::newRow("no row above 400 mV") << "0,0,0,0,0,0" << bar << "" << "scala=/////;media=0;lin=/////;fail=6";
    QTest::newRow("an empty reading: twice 13") << "98,,370,506,0,0" << bar << "" << "adc=98//370/506/0/0;scala=//2408/2407//;media=2408;fail=13,13";
    QTest::newRow("manual average above 32767") << adc << bar << "M:40000" << "dev=/-37557/-37592/-37593//;devColour=-RRR--;fail=6";
    QTest::newRow("a scale above 32767") << "98,100" << "0,200" << "" << "scala=/80000////;dev=/0////;fail=6,6";
    QTest::newRow("letters in a pressure") << "98,232" << "0,4x0" << "" << "bar=0/4x0/0/0/0/0;scala=/0////;lin=/100.00%////;fail=13,13,6";
}

void TestScaleCheck::computes()
{
    QFETCH(QString, adc);
    QFETCH(QString, bar);
    QFETCH(QString, settings);
    QFETCH(QString, expected);
    ScaleGrid g;
    g.adc.fill("0");
    g.bar.fill("0");
    const QStringList a = adc.split(QLatin1Char(',')), b = bar.split(QLatin1Char(','));
    for (int i = 0; i < a.size(); ++i)
        g.adc[i] = a[i].toStdString();
    for (int i = 0; i < b.size(); ++i)
        g.bar[i] = b[i].toStdString();
    const bool manual = settings.contains(QLatin1String("M:"));
    if (manual)
        g.media = settings.section(QLatin1String("M:"), 1).toStdString();
    const auto failures = calcolaScala(g, {settings.startsWith(QLatin1String("12")),
                                           settings.contains(QLatin1Char('D')), !manual, '.'});
    QStringList fail;
    for (const auto &f : failures)
        fail << (f.divisionByZero ? QStringLiteral("div0") : QString::number(f.number));
    const QMap<QString, QString> got{{"mv", joined(g.mvolt)},          {"scala", joined(g.scala)},
                                     {"media", QString::fromStdString(g.media)},
                                     {"lin", joined(g.linearita)},     {"dev", joined(g.scostamento)},
                                     {"adc", joined(g.adc)},           {"bar", joined(g.bar)},
                                     {"linColour", verdicts(g.linearitaColor)},
                                     {"devColour", verdicts(g.scostamentoColor)},
                                     {"fail", fail.join(QLatin1Char(','))}};
    for (const QString &e : expected.split(QLatin1Char(';'))) {
        const QString key = e.section(QLatin1Char('='), 0, 0);
        QVERIFY2(got.contains(key), qPrintable(key));
        QCOMPARE(got.value(key), e.section(QLatin1Char('='), 1));
    }
}

void TestScaleCheck::linearityText()
{
    QCOMPARE(formatLinearity(0.9824f, '.'), "0.98");
    QCOMPARE(formatLinearity(-0.4985f, '.'), "-0.50");
    QCOMPARE(formatLinearity(12.3456f, ','), "12,35");
    QCOMPARE(formatLinearity(-0.001f, '.'), "0.00");
}

QTEST_APPLESS_MAIN(TestScaleCheck)
#include "tst_scalecheck.moc"
