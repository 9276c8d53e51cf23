// The core's arithmetic at its edges (the window's suites drive the everyday
// values through it): whole numbers as text, the transfer functions'
// rounding, the scale and linearity computation with its error policy and
// limits, the value table's count and rows, and the Sensata calendar.

#include "core/PrintRange.h"
#include "core/ScaleCheck.h"
#include "core/Sensata.h"
#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <QtTest>
#include <clocale>
#include <cstdio>

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

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void roundsHalvesToEven();
    void readsWholeNumbers_data();
    void readsWholeNumbers();
    void writesSingles();
    void transferFunctions_data();
    void transferFunctions();
    void scaleCheck_data();
    void scaleCheck();
    void linearityText();
    void printCount_data();
    void printCount();
    void printRows_data();
    void printRows();
    void sensata_data();
    void sensata();
};

void TestCore::roundsHalvesToEven()
{
    const std::pair<double, double> cases[] = {{0.5, 0},      {1.5, 2},        {2.5, 2},       {-0.5, 0},
                                               {-1.5, -2},    {2418.5, 2418},  {2419.5, 2420}, {2.5000001, 3},
                                               {2.4999999, 2}};
    for (auto [x, expected] : cases)
        QCOMPARE(roundHalfEven(x), expected);
}

void TestCore::readsWholeNumbers_data()
{
    // 16-bit and 32-bit readings: a value, "nan" (not a number) or "over".
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("int16");
    QTest::addColumn<QString>("int32");
    QTest::newRow("leading zero") << "0500" << '.' << "500" << "500";
    QTest::newRow("empty") << "" << '.' << "nan" << "nan";
    QTest::newRow("letters") << "4a5" << '.' << "nan" << "nan";
    QTest::newRow("lone sign") << "-" << '.' << "nan" << "nan";
    QTest::newRow("two signs") << "--1" << '.' << "nan" << "nan";
    QTest::newRow("exponent") << "1e3" << '.' << "nan" << "nan";
    QTest::newRow("negative, blanks") << " -50 " << '.' << "-50" << "-50";
    QTest::newRow("half to even") << "2.5" << '.' << "2" << "2";
    QTest::newRow("locale comma") << "1,5" << ',' << "2" << "2";
    QTest::newRow("point when comma is the separator") << "1.5" << ',' << "nan" << "nan";
    QTest::newRow("16-bit top") << "32767" << '.' << "32767" << "32767";
    QTest::newRow("beyond 16 bits") << "32768" << '.' << "over" << "32768";
    QTest::newRow("16-bit bottom") << "-32768" << '.' << "-32768" << "-32768";
    QTest::newRow("beyond 32 bits") << "2147483648" << '.' << "over" << "over";
    QTest::newRow("very long") << QString(400, QLatin1Char('9')) << '.' << "over" << "over";
}

void TestCore::readsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(char, separator);
    const auto show = [](auto r) {
        return r.error == NumberError::NotANumber ? QStringLiteral("nan")
            : r.error == NumberError::Overflow    ? QStringLiteral("over")
                                                  : QString::number(r.value);
    };
    QTEST(show(toInt16(text.toStdString(), separator)), "int16");
    QTEST(show(toInt32(text.toStdString(), separator)), "int32");
}

void TestCore::writesSingles()
{
    // Seven significant digits, no trailing zeros, the locale's separator.
    QCOMPARE(singleToText(0.5f, ','), "0,5");
    QCOMPARE(singleToText(coefficient(SensorType::BoschDelphiVdo, 1800), '.'), "0.45");
    QCOMPARE(singleToText(coefficient(SensorType::DensoTwoWay, 2200), '.'), "0.7333333");
    QCOMPARE(singleToText(102.0f, '.'), "102");
    QCOMPARE(singleToText(409.49997f, '.'), "409.5");
    // The coefficients as stored in single precision.
    QCOMPARE(double(coefficient(SensorType::BoschDelphiVdo, 1800)), 0.44999998807907104);
    QCOMPARE(double(coefficient(SensorType::DensoOneWay, 2000)), 0.625);
    QCOMPARE(double(coefficient(SensorType::DensoTwoWay, 2200)), 0.7333333492279053);
}

void TestCore::transferFunctions_data()
{
    // mv -> bar when bar is computed, bar -> mv otherwise.
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("fullScale");
    QTest::addColumn<int>("zero");
    QTest::addColumn<bool>("toPressure");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("Bosch 2000: 501 mV, 0.5 to 0") << 0 << 2000 << 500 << true << 501 << 0;
    QTest::newRow("Bosch 2000: 503 mV, 1.5 to 2") << 0 << 2000 << 500 << true << 503 << 2;
    QTest::newRow("Bosch 2000: 499 mV, -0.5 to 0") << 0 << 2000 << 500 << true << 499 << 0;
    QTest::newRow("zero 540: 541 mV") << 0 << 2000 << 540 << true << 541 << 0;
    QTest::newRow("Bosch 1800: 900 bar") << 0 << 1800 << 500 << false << 900 << 2500;
    QTest::newRow("Bosch 1800: 1 bar") << 0 << 1800 << 500 << false << 1 << 502;
    QTest::newRow("Denso 1 via: 2000 bar") << 1 << 2000 << 1000 << false << 2000 << 4200;
    QTest::newRow("Denso zero 950: 2000 bar") << 1 << 2000 << 950 << false << 2000 << 4150;
    QTest::newRow("150 bar scale: 550 bar") << 0 << 150 << 500 << false << 550 << 15167;
}

void TestCore::transferFunctions()
{
    QFETCH(int, family);
    QFETCH(int, fullScale);
    QFETCH(int, zero);
    QFETCH(bool, toPressure);
    QFETCH(int, in);
    const auto type = static_cast<SensorType>(family);
    QTEST(toPressure ? pressureFromVoltage(type, fullScale, zero, in) : voltageFromPressure(type, fullScale, zero, in),
          "out");
}

// Each row: the readings and pressures of rows 0..5 (comma-separated), the
// settings, and the results expected (only those named are checked).
void TestCore::scaleCheck_data()
{
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("settings"); // "12": 12 bit, "D": Denso, "M:n": manual average n
    QTest::addColumn<QString>("expected");
    const QString adc = QStringLiteral("98,232,370,506,0,0"), bar = QStringLiteral("0,400,800,1200,1600,2000");
    QTest::newRow("Denso, 12 bit") << adc << bar << "12D" << "scala=//7711/7711//;media=7711";
    // At 12 bit 328 counts are 400.49 mV (skipped), 329 counts 401.71 mV.
    QTest::newRow("10 bit: 82 counts are 401 mV, computed") << "0,82" << "0,100" << "" << "mv=0/401/0/0/0/0;scala=/998////";
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
    // The window the verdicts used: 24.5 goes to 24, 25.5 to 26.
    QTest::newRow("tolerance 24.5 to 24") << "0,3276" << "0,2450" << "12" << "tol=24;devColour=-G----";
    QTest::newRow("tolerance 25.5 to 26") << "0,3276" << "0,2550" << "12" << "tol=26";
    QTest::newRow("average 2419.5 to 2420") << "0,3276,3276" << "0,2419,2420" << "12" << "media=2420";
    QTest::newRow("leading zeros go") << "0098,232" << "0,0400" << "" << "adc=98/232/0/0/0/0;bar=0/400/0/0/0/0";
    QTest::newRow("row 0's pressure takes no part") << adc << "999,400,800,1200,1600,2000" << "" << "media=2419";
    // The error policy.
    QTest::newRow("pressure 0 under an average: stops") << "98,232,370" << "0,400,0" << "" << "scala=/2443/0///;media=1222;dev=/////;fail=div0";
    QTest::newRow("0/0 in a row: counted as 0") << "98,98" << "0,0" << "" << "scala=/0////;media=0;dev=/0////;fail=6,6";
    QTest::newRow("no row above 400 mV") << "0,0,0,0,0,0" << bar << "" << "scala=/////;media=0;lin=/////;fail=6";
    QTest::newRow("manual average above 32767") << adc << bar << "M:40000" << "dev=/-37557/-37592/-37593//;devColour=-RRR--;fail=6";
    QTest::newRow("a scale above 32767") << "98,100" << "0,200" << "" << "scala=/80000////;dev=/0////;fail=6,6";
    QTest::newRow("letters in a pressure") << "98,232" << "0,4x0" << "" << "bar=0/4x0/0/0/0/0;scala=/0////;lin=/100.00%////;fail=13,13,6";
}

void TestCore::scaleCheck()
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
                                     {"tol", QString::number(g.tolerance)},
                                     {"fail", fail.join(QLatin1Char(','))}};
    for (const QString &e : expected.split(QLatin1Char(';'))) {
        const QString key = e.section(QLatin1Char('='), 0, 0);
        QVERIFY2(got.contains(key), qPrintable(key));
        QCOMPARE(got.value(key), e.section(QLatin1Char('='), 1));
    }
}

void TestCore::linearityText()
{
    QCOMPARE(formatLinearity(0.9824f, '.'), "0.98");
    QCOMPARE(formatLinearity(-0.4985f, '.'), "-0.50");
    QCOMPARE(formatLinearity(12.3456f, ','), "12,35");
    QCOMPARE(formatLinearity(-0.001f, '.'), "0.00");
    // A hundredth's half (exact in single precision) goes away from zero.
    QCOMPARE(formatLinearity(0.125f, '.'), "0.13");
    QCOMPARE(formatLinearity(-0.125f, '.'), "-0.13");
    QCOMPARE(formatLinearity(2.375f, ','), "2,38");
}

void TestCore::printCount_data()
{
    // From, To, Step as typed; the rows the table holds, or "none".
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("count");
    QTest::newRow("less than one step back") << "500 490 20" << "0";
    QTest::newRow("further back") << "500 479 20" << "-1";
    QTest::newRow("step 1") << "0 0 1" << "1";
    QTest::newRow("step 0") << "0 100 0" << "none";
    QTest::newRow("negative step") << "0 100 -5" << "none";
    QTest::newRow("16-bit ends") << "-32768 32767 1" << "none";
    QTest::newRow("widest span in 16 bits") << "-16384 16383 1" << "32768";
    QTest::newRow("beyond 16 bits") << "0 32768 1" << "none";
    QTest::newRow("letters") << "0 1x 20" << "none";
    QTest::newRow("comma fraction rounds") << "0 100 2,5" << "51";
}

void TestCore::printCount()
{
    QFETCH(QString, range);
    const QStringList p = range.split(QLatin1Char(' '));
    const auto n = countPrintValues(p[0].toStdString(), p[1].toStdString(), p[2].toStdString(), ',');
    QTEST(n ? QString::number(*n) : QStringLiteral("none"), "count");
}

void TestCore::printRows_data()
{
    // Family (0..2), zero mV, full scale, m (from mV) or p (from bar), From,
    // To, Step; each row "value:result" ("-" nothing converted), "!" where
    // the voltage message comes, "^" where the pressure message comes.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("rows");
    QTest::newRow("negative pressure converts nothing") << "0 500 2000 p -1 0 1" << "-1:- 0:500";
    QTest::newRow("Bosch 5000 mV passes") << "0 500 2000 m 5000 5000 1" << "5000:2250";
    QTest::newRow("Bosch 5001 mV refused") << "0 500 2000 m 5001 5001 1" << "5001:-!";
    QTest::newRow("Denso 1 way 4700 passes, 4701 warns") << "1 1000 2000 m 4700 4701 1" << "4700:2312 4701:2313!";
    QTest::newRow("Denso 2 ways never warns") << "2 1000 2200 m 4400 4401 1" << "4400:2493 4401:2494";
    QTest::newRow("pressure 2400 at 2000 passes") << "0 500 2000 p 2400 2400 1" << "2400:5300";
    QTest::newRow("pressure 2401 at 2000 refused") << "0 500 2000 p 2401 2401 1" << "2401:-^";
    QTest::newRow("no row beyond To") << "0 500 2000 m 500 559 20" << "500:0 520:10 540:20";
    QTest::newRow("backwards") << "0 500 2000 m 500 480 20" << "";
    QTest::newRow("step 0") << "0 500 2000 m 500 600 0" << "";
    QTest::newRow("up to the 16-bit end") << "0 500 2000 p 32766 32767 1" << "32766:-^ 32767:-^";
}

void TestCore::printRows()
{
    QFETCH(QString, table);
    const QStringList p = table.split(QLatin1Char(' '));
    PrintTable t{static_cast<SensorType>(p[0].toInt()), p[2].toInt(), p[1].toInt(),
                 p[3] == QLatin1String("m") ? ConversionDirection::MillivoltToPressure : ConversionDirection::PressureToMillivolt,
                 p[4].toInt(), p[5].toInt(), p[6].toInt()};
    QStringList out;
    for (const PrintRow &r : dravino::printRows(t))
        out << QStringLiteral("%1:%2%3").arg(r.stepped).arg(r.computed ? QString::number(*r.computed) : QStringLiteral("-"),
                                              r.warning == RowWarning::MillivoltTooHigh ? QStringLiteral("!")
                                              : r.warning == RowWarning::PressureTooHigh ? QStringLiteral("^") : QString());
    QTEST(out.join(QLatin1Char(' ')), "rows");
}

void TestCore::sensata_data()
{
    // The date and serial decoded, "unknown" (the date message) or "error 13".
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("currentYear");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("length");
    QTest::newRow("short form, no serial") << "13613" << 2026 << "2013-05-16 " << 5;
    QTest::newRow("day 001") << "13001000" << 2026 << "2013-01-01 000" << 8;
    QTest::newRow("day 365 of 2013") << "13365000" << 2026 << "2013-12-31 000" << 8;
    QTest::newRow("day 060 of 2020") << "20060000" << 2026 << "2020-02-29 000" << 8;
    QTest::newRow("day 060 of 2000") << "00060000" << 2026 << "2000-02-29 000" << 8;
    QTest::newRow("day 366 of leap 2000") << "00366000" << 2026 << "2000-12-31 000" << 8;
    QTest::newRow("day 366 of common 2001") << "01366000" << 2026 << "unknown" << 8;
    QTest::newRow("day 366 of common 2013") << "13366000" << 2026 << "unknown" << 8;
    QTest::newRow("day 000") << "13000000" << 2026 << "unknown" << 8;
    QTest::newRow("year 26 this year") << "26100000" << 2026 << "2026-04-10 000" << 8;
    QTest::newRow("year 27 last century") << "27100000" << 2026 << "1927-04-10 000" << 8;
    QTest::newRow("year 24 in 2026") << "24100000" << 2026 << "2024-04-09 000" << 8;
    QTest::newRow("year 24 seen in 2023") << "24100000" << 2023 << "1924-04-09 000" << 8;
    QTest::newRow("empty") << "" << 2026 << "unknown" << 0;
    QTest::newRow("74 leaves a one-digit year") << "741361" << 2026 << "unknown" << 6;
    QTest::newRow("sign in the day") << "13-36421110" << 2026 << "error 13" << 11;
    QTest::newRow("very long") << QString(5000, QLatin1Char('1')) << 2026 << "2011-04-21 " + QString(4995, QLatin1Char('1')) << 5000;
}

void TestCore::sensata()
{
    QFETCH(QString, number);
    QFETCH(int, currentYear);
    const auto d = decodeSensata(number.toStdString(), currentYear);
    using O = SensataDecoding::Outcome;
    const QString got = d.outcome == O::Date ? QDate(d.year, d.month, d.day).toString(Qt::ISODate) + QLatin1Char(' ') + QString::fromStdString(d.serial)
        : d.outcome == O::Error                ? QStringLiteral("error %1").arg(d.errorNumber)
                                               : QStringLiteral("unknown");
    QTEST(got, "expected");
    QTEST(int(d.length), "length");
}

// The C library takes its locale from the environment, as QApplication makes
// it do on a desktop; tst_core_it runs the suite with LC_ALL=it_IT.UTF-8,
// where strtod and printf want a comma. A missing locale skips the run
// (77), except under CI, where it fails.
int main(int argc, char *argv[])
{
    if (!std::setlocale(LC_ALL, "")) {
        const bool ci = qgetenv("CI") == "true";
        std::printf("%s: the locale '%s' is missing (make deps generates it_IT.UTF-8)\n",
                    ci ? "FAIL!  " : "SKIP   ", qgetenv("LC_ALL").constData());
        return ci ? 1 : 77;
    }
    TestCore test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_core.moc"
