// The core's arithmetic, input -> expected: whole numbers as text, the
// transfer functions of the three families at all 17 full scales and their
// rounding, the converter counts at their limits, the scale and linearity
// computation with its error policy and limits, the scale check as a model
// (its verdict against the nominal full scale, its results made stale by
// every kind of change), the value table's count and rows, and the Sensata
// calendar.

#include "core/Characteristic.h"
#include "core/Calibration.h"
#include "core/CheckRule.h"
#include "core/PrintRange.h"
#include "core/ScaleCheck.h"
#include "core/ScaleCheckModel.h"
#include "core/Sensata.h"
#include "core/Sensor.h"
#include "core/SampleBins.h"
#include "core/Trace.h"
#include "core/TraceFile.h"
#include "core/GuidedTest.h"
#include "DriveSample.h"

#include <random>
#include "core/WholeNumber.h"

#include <QtTest>
#include <limits>
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

// A check with the rows' readings and pressures (comma-separated, the
// rest 0), then the steps: compute, adcN=, barN=, media=, nominal=, 12bit,
// 10bit, denso, bosch, manual, auto.
ScaleCheckModel played(const QString &adc, const QString &bar, const QString &steps)
{
    ScaleCheckModel check;
    const QStringList a = adc.split(QLatin1Char(',')), b = bar.split(QLatin1Char(','));
    for (int i = 0; i < kScaleRows; ++i) {
        check.setAdc(i, i < a.size() ? a[i].toStdString() : "0");
        check.setBar(i, i < b.size() ? b[i].toStdString() : "0");
    }
    for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = step.section(QLatin1Char('='), 0, 0), value = step.section(QLatin1Char('='), 1);
        if (step == QLatin1String("compute"))
            check.compute('.');
        else if (step == QLatin1String("compute,"))
            check.compute(',');
        else if (name.startsWith(QLatin1String("adc")))
            check.setAdc(name.mid(3).toInt(), value.toStdString());
        else if (name.startsWith(QLatin1String("bar")))
            check.setBar(name.mid(3).toInt(), value.toStdString());
        else if (name == QLatin1String("media"))
            check.setAverage(value.toStdString());
        else if (name == QLatin1String("nominal"))
            check.setNominalFullScale(value.toInt());
        else if (step == QLatin1String("12bit") || step == QLatin1String("10bit"))
            check.setBits12(step == QLatin1String("12bit"));
        else if (step == QLatin1String("denso") || step == QLatin1String("bosch"))
            check.setDenso(step == QLatin1String("denso"));
        else if (step == QLatin1String("manual") || step == QLatin1String("auto"))
            check.setAutomaticAverage(step == QLatin1String("auto"));
        else
            qFatal("unknown step %s", qPrintable(step));
    }
    return check;
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
    void everyFullScale_data();
    void everyFullScale();
    void converterCounts_data();
    void converterCounts();
    void scaleCheck_data();
    void scaleCheck();
    void judgement_data();
    void judgement();
    void judgedLinearity_data();
    void judgedLinearity();
    void calibration_data();
    void calibration();
    void uncertaintyBudget();
    void guardBand_data();
    void guardBand();
    void leastSquaresLine_data();
    void leastSquaresLine();
    void characteristic_data();
    void characteristic();
    void axisSteps_data();
    void axisSteps();
    void traceSpans_data();
    void traceSpans();
    void traceCursors_data();
    void traceCursors();
    void traceKeepsItsBound_data();
    void traceKeepsItsBound();
    void traceFileRead_data();
    void traceFileRead();
    void traceColumnsAsEachReading();
    void sampleBins_data();
    void sampleBins();
    void traceGrid_data();
    void traceGrid();
    void tracePacking_data();
    void tracePacking();
    void guidedTest_data();
    void guidedTest();
    void guidedSupply_data();
    void guidedSupply();
    void guidedOwnLimits_data();
    void guidedOwnLimits();
    void signalLevels_data();
    void signalLevels();
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
    // A count the converter cannot show is no reading: its row is not computed.
    QTest::newRow("10 bit 1023 computed") << "0,1023" << "0,2000" << "" << "mv=0/5000/0/0/0/0;scala=/1600////;fail=";
    QTest::newRow("10 bit 1024 not computed") << "0,1024,512" << "0,2000,1000" << "" << "mv=0//2502/0/0/0;scala=//1599///;fail=beyond1:1024>1023";
    QTest::newRow("12 bit 4095 computed") << "0,4095" << "0,2000" << "12" << "mv=0/5000/0/0/0/0;scala=/1600////;fail=";
    QTest::newRow("12 bit 4096 not computed") << "0,4096,2048" << "0,2000,1000" << "12" << "mv=0//2501/0/0/0;scala=//1599///;fail=beyond1:4096>4095";
    QTest::newRow("9999 at 10 bit") << "0,9999" << "0,2000" << "" << "mv=0//0/0/0/0;fail=beyond1:9999>1023,6";
    QTest::newRow("zero row beyond: nothing computed") << "1024,232,370" << "0,400,800" << "" << "mv=/1134/1808/0/0/0;scala=/////;media=;fail=beyond0:1024>1023";
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
        fail << (f.divisionByZero()                       ? QStringLiteral("div0")
                 : f.kind == ScaleFailure::CountBeyond ? QStringLiteral("beyond%1:%2>%3").arg(f.row).arg(f.count).arg(f.maxCount)
                                                       : QString::number(f.number));
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

void TestCore::everyFullScale_data()
{
    // Each family at each full scale: its zero point is 0 bar, zero + span
    // its full scale, half the span half of it, both ways.
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("fullScale");
    const char *const names[] = {"Bosch", "Denso 1 via", "Denso 2 vie"};
    for (int f = 0; f < 3; ++f)
        for (int scale : kFullScales)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 bar").arg(QLatin1String(names[f])).arg(scale))) << f << scale;
}

void TestCore::everyFullScale()
{
    QFETCH(int, family);
    QFETCH(int, fullScale);
    const auto type = static_cast<SensorType>(family);
    const int spans[] = {4000, 3200, 3000}, zeros[] = {500, 1000, 1000};
    const int span = spans[family], zero = zeros[family];
    QCOMPARE(dravino::family(type).spanMv, span);
    QCOMPARE(dravino::family(type).nominalZeroMv, zero);
    QCOMPARE(pressureFromVoltage(type, fullScale, zero, zero), 0);
    QCOMPARE(pressureFromVoltage(type, fullScale, zero, zero + span), fullScale);
    QCOMPARE(pressureFromVoltage(type, fullScale, zero, zero + span / 2), fullScale / 2);
    QCOMPARE(voltageFromPressure(type, fullScale, zero, 0), zero);
    QCOMPARE(voltageFromPressure(type, fullScale, zero, fullScale), zero + span);
    QCOMPARE(voltageFromPressure(type, fullScale, zero, fullScale / 2), zero + span / 2);
    QCOMPARE(double(coefficient(type, fullScale)), double(float(double(fullScale) / span)));
}

void TestCore::converterCounts_data()
{
    // 10 or 12 bit, mV -> the unrounded count, the count shown; the voltage of a count.
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("mv");
    QTest::addColumn<QString>("exact");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("countMv");
    QTest::newRow("10 bit 500 mV") << 10 << 500 << "102.3" << 102 << 499;
    QTest::newRow("10 bit 2500 mV: 511.5 to 512") << 10 << 2500 << "511.5" << 512 << 2502;
    QTest::newRow("10 bit 5000 mV: the highest") << 10 << 5000 << "1023" << 1023 << 5000;
    QTest::newRow("10 bit 0 mV") << 10 << 0 << "0" << 0 << 0;
    QTest::newRow("12 bit 500 mV") << 12 << 500 << "409.5" << 409 << 499;
    QTest::newRow("12 bit 2500 mV") << 12 << 2500 << "2047.5" << 2047 << 2499;
    QTest::newRow("12 bit 5000 mV: the highest") << 12 << 5000 << "4095" << 4095 << 5000;
    QTest::newRow("12 bit 1 mV") << 12 << 1 << "0.8189999" << 1 << 1;
}

void TestCore::converterCounts()
{
    QFETCH(int, bits);
    QFETCH(int, mv);
    const auto res = bits == 10 ? AdcResolution::Bits10 : AdcResolution::Bits12;
    QCOMPARE(adcMaxCount(res), bits == 10 ? 1023 : 4095);
    QTEST(QString::fromStdString(singleToText(adcCountExact(res, mv), '.')), "exact");
    QTEST(int(adcCount(res, mv)), "count");
    QTEST(int(voltageFromAdcCount(res, adcCount(res, mv))), "countMv");
}

// A scale check as the panel holds it: the readings and pressures of rows
// 0..5, then steps on the model ("compute", "compute," with a decimal
// comma, "adcN=TEXT", "barN=TEXT", "media=TEXT", "12bit", "10bit",
// "denso", "bosch", "manual", "auto", "nominal=N", "kept:media=TEXT" the
// check as a record holds it, its average another text) judged by today's
// rule, or by the first one ("rule=1"): "none" (no computation), "stale",
// "failed N" (the computation's first failure), or its verdict with its
// reasons (skippedN a measured row left out, outsideN a row outside its
// limits, few, low: no row high enough, off: the average off the nominal,
// average?: not a number), the average, the nominal and the nearest.
void TestCore::judgement_data()
{
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    const QString opening = QStringLiteral("98,232,370,506,0,0"), bars = QStringLiteral("0,400,800,1200,1600,2000");
    // At 12 bit 819, 1638 and 3276 counts are 1000, 2000 and 4000 mV over a
    // zero row of 0: rows at a quarter, half and the whole of S bar each
    // have the full scale S, and so has the average.
    const QString three = QStringLiteral("0,819,1638,3276");
    const QString s2020 = QStringLiteral("0,505,1010,2020"), s1980 = QStringLiteral("0,495,990,1980");
    QTest::newRow("not computed") << opening << bars << "nominal=2000" << "none";
    QTest::newRow("opening values against 2400 bar") << opening << bars << "nominal=2400;compute"
        << "PASS, average 2419, nominal 2400 passes ±24, nearest 2400";
    QTest::newRow("opening values against 2000 bar: the nearest named") << opening << bars << "nominal=2000;compute"
        << "FAIL (off), average 2419, nominal 2000 fails ±24, nearest 2400";
    // The average against the nominal, on each limit and one beyond.
    QTest::newRow("2020 against 2000: on the limit") << three << s2020 << "12bit;nominal=2000;compute"
        << "PASS, average 2020, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("2021 against 2000: beyond") << three << s2020 << "12bit;manual;media=2021;nominal=2000;compute"
        << "FAIL (off), average 2021, nominal 2000 fails ±20, nearest 2000";
    QTest::newRow("1980 against 2000: on the limit") << three << s1980 << "12bit;nominal=2000;compute"
        << "PASS, average 1980, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("1979 against 2000: beyond") << three << s1980 << "12bit;manual;media=1979;nominal=2000;compute"
        << "FAIL (off), average 1979, nominal 2000 fails ±20, nearest 2000";
    QTest::newRow("2250: the lower of two as near") << three << s2020 << "12bit;manual;media=2250;nominal=2200;compute"
        << "FAIL (outside1,outside2,outside3,off), average 2250, nominal 2200 fails ±22, nearest 2200";
    QTest::newRow("no nominal kept: rows alone") << opening << bars << "compute" << "PASS, average 2419";
    // A pasted average with a decimal comma reads as the computation read
    // it, and is judged so: 2419.5 is no pass against 2000.
    QTest::newRow("2419,5 pasted, against 2000") << opening << bars << "manual;media=2419,5;nominal=2000;compute,"
        << "FAIL (off), average 2419.5, nominal 2000 fails ±24, nearest 2400";
    QTest::newRow("2419,5 pasted, against 2400") << opening << bars << "manual;media=2419,5;nominal=2400;compute,"
        << "PASS, average 2419.5, nominal 2400 passes ±24, nearest 2400";
    // The rows' own limits: a linearity of 1.004 % fails, though shown 1.00 %.
    QTest::newRow("linearity 1.004 %: outside") << "0,3276,3276,3276,3276,3276" << "0,2459,2459,2458,2459,2490" << "12bit;compute"
        << "FAIL (outside5), average 2465";
    QTest::newRow("one row failing among passing") << "98,232,370,508" << bars << "nominal=2400;compute"
        << "FAIL (outside1), average 2415, nominal 2400 passes ±24, nearest 2400";
    // Enough points: three computed rows, one at half the nominal or more.
    QTest::newRow("two rows computed: no verdict") << "98,232,370" << bars << "nominal=2400;compute"
        << "NO VERDICT (few,off), average 2426, nominal 2400 fails ±24, nearest 2400";
    QTest::newRow("one row computed: no verdict") << "102,266" << bars << "nominal=2000;compute"
        << "NO VERDICT (few), average 1998, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("... which the first rule passed") << "102,266" << bars << "nominal=2000;compute;rule=1"
        << "PASS, average 1998, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("the top row at half the nominal") << opening << bars << "nominal=2400;compute"
        << "PASS, average 2419, nominal 2400 passes ±24, nearest 2400";
    QTest::newRow("the top row below half the nominal") << opening << bars << "nominal=2402;compute"
        << "NO VERDICT (low), average 2419, nominal 2402 passes ±24, nearest 2400";
    // A measured row the computation leaves out (391 mV under a zero of 499):
    // the sensor failed there.
    QTest::newRow("a measured row left out fails") << "102,80,430,594,757,921" << bars << "nominal=2000;compute"
        << "FAIL (skipped1), average 1998, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("... which the first rule passed") << "102,80,430,594,757,921" << bars << "nominal=2000;compute;rule=1"
        << "PASS, average 1998, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("a row with no pressure is unused, not left out") << "102,80,430,594,757,921" << "0,0,800,1200,1600,2000"
        << "nominal=2000;compute" << "PASS, average 1998, nominal 2000 passes ±20, nearest 2000";
    QTest::newRow("400 mV exactly: left out") << "0,328,656,984,1311" << "0,200,400,600,800" << "12bit;nominal=1600;compute"
        << "FAIL (skipped1,off), average 1998, nominal 1600 fails ±20, nearest 2000";
    QTest::newRow("402 mV: computed") << "0,329,656,984,1311" << "0,200,400,600,800" << "12bit;nominal=1600;compute"
        << "FAIL (off), average 1996, nominal 1600 fails ±20, nearest 2000";
    // A manual average and no row computed: nothing to certify on the average alone.
    QTest::newRow("a manual average, no row computed") << "98,0,0,0,0,0" << bars << "manual;media=2000;nominal=2000;compute"
        << "NO VERDICT (few), average 2000, nominal 2000 passes ±20, nearest 2000";
    // No verdict from what the computation did not give.
    QTest::newRow("a failed computation") << "98,98" << "0,400" << "nominal=2000;compute" << "failed 11";
    QTest::newRow("a count beyond the converter") << "98,1024,370" << bars << "nominal=2000;compute" << "failed 0";
    QTest::newRow("an average that does not read, as kept") << opening << bars << "nominal=2400;compute;kept:media=2419 bar"
        << "NO VERDICT (average?)";
    // Every kind of change after the computation, and computing again.
    const QString computed = QStringLiteral("nominal=2000;compute;");
    for (const char *change : {"adc2=371", "adc0=99", "bar3=1201", "media=2430", "12bit", "denso", "manual", "nominal=2400"})
        QTest::newRow(qPrintable(QStringLiteral("changed: ") + QLatin1String(change))) << opening << bars << computed + change << "stale";
    const QString again = QStringLiteral("FAIL (off), average 2419, nominal 2000 fails ±24, nearest 2400");
    QTest::newRow("a reading typed over with the same") << opening << bars << computed + "adc2=3;adc2=370" << again;
    QTest::newRow("an option there and back") << opening << bars << computed + "denso;bosch" << again;
    QTest::newRow("the option chosen already") << opening << bars << computed + "10bit;auto" << again;
    QTest::newRow("changed, computed again") << opening << bars << computed + "adc3=550;compute"
        << "FAIL (outside1,outside2,outside3,off), average 2341, nominal 2000 fails ±23, nearest 2300";
    QTest::newRow("changed, computed again and failing") << opening << bars << computed + "adc1=98;compute" << "failed 11";
    QTest::newRow("failed, then changed") << opening << bars << computed + "adc1=98;compute;adc1=232" << "stale";
    QTest::newRow("leading zeros rewritten: still its own") << "0098,232,370,506,0,0" << bars << "nominal=2000;compute" << again;
}

void TestCore::judgement()
{
    QFETCH(QString, adc);
    QFETCH(QString, bar);
    QFETCH(QString, steps);
    DecisionRule rule = todaysRule();
    if (steps.endsWith(QLatin1String(";rule=1"))) {
        rule = firstRule();
        steps.chop(7);
    }
    ScaleCheckModel check = played(adc, bar, steps.section(QStringLiteral(";kept:"), 0, 0));
    if (const QString kept = steps.section(QStringLiteral(";kept:media="), 1); !kept.isEmpty()) {
        ScaleGrid grid = check.grid();
        grid.media = kept.toStdString();
        check = ScaleCheckModel::restored(grid, check.settings(), true);
    }
    const Judgement j = judge(check, rule);
    QString got;
    if (!check.computed()) {
        got = check.stale() ? QStringLiteral("stale") : check.failed() ? QStringLiteral("failed %1").arg(check.failure()->number)
                                                                          : QStringLiteral("none");
        QCOMPARE(j.outcome, Judgement::NoVerdict);
    } else {
        static const char *const kinds[] = {"none", "failed", "average?", "skipped", "few", "low", "outside", "off"};
        QStringList reasons;
        for (const auto &r : j.reasons)
            reasons << QLatin1String(kinds[r.kind]) + (r.row > 0 ? QString::number(r.row) : QString());
        got = QLatin1String(j.outcome == Judgement::Pass ? "PASS" : j.outcome == Judgement::Fail ? "FAIL" : "NO VERDICT");
        if (!reasons.isEmpty())
            got += QStringLiteral(" (%1)").arg(reasons.join(QLatin1Char(',')));
        if (j.average)
            got += QStringLiteral(", average %1").arg(QString::fromStdString(averageText(*j.average, '.')));
        if (j.nominal > 0 && j.average)
            got += QStringLiteral(", nominal %1 %2 ±%3, nearest %4")
                       .arg(j.nominal).arg(j.nominalPasses ? "passes" : "fails").arg(j.tolerance).arg(j.nearestFullScale);
        else if (j.nominal > 0)
            got += QStringLiteral(", nominal %1 ±%2").arg(j.nominal).arg(j.tolerance);
    }
    QTEST(got, "expected");
}

void TestCore::judgedLinearity_data()
{
    // The linearity the verdict band prints: the grid's two decimals, more
    // where two would put it on the other side of the limit.
    QTest::addColumn<float>("percent");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1.004: over the limit, not 1.00") << 1.004f << "1,004";
    QTest::newRow("-1.004") << -1.004f << "-1,004";
    QTest::newRow("1.0001") << 1.0001f << "1,0001";
    QTest::newRow("1.00 exactly: within") << 1.0f << "1,00";
    QTest::newRow("0.98") << 0.9824f << "0,98";
    QTest::newRow("1.006: 1.01 says it already") << 1.006f << "1,01";
    QTest::newRow("0.996: within, though 1.00") << 0.996f << "1,00";
    QTest::newRow("-0.0001: no -0.00") << -0.0001f << "0,00";
}

void TestCore::judgedLinearity()
{
    QFETCH(float, percent);
    QTEST(QString::fromStdString(dravino::judgedLinearity(percent, 1.0, ',')), "shown");
}

namespace {
// A calibration's readings in mV: cycles separated by '/', each "rising
// readings | falling readings from the top down" (an empty reading: not
// taken), at the points given in % of a 2000 bar sensor of span 4000 mV
// from 500 mV.
CalibrationRun calibrationRun(const QString &percents, const QString &readings)
{
    CalibrationPlan plan;
    plan.percents.clear();
    for (const QString &p : percents.split(QLatin1Char(',')))
        plan.percents.push_back(p.toDouble());
    const QStringList cycles = readings.split(QLatin1Char('/'));
    plan.cycles = int(cycles.size());
    plan.converterBits = 0;
    CalibrationRun run(plan);
    for (int c = 0; c < cycles.size(); ++c) {
        const QStringList up = cycles[c].section(QLatin1Char('|'), 0, 0).split(QLatin1Char(','));
        const QStringList down = cycles[c].section(QLatin1Char('|'), 1, 1).split(QLatin1Char(','));
        for (int p = 0; p < plan.points(); ++p) {
            if (!up.value(p).trimmed().isEmpty())
                run.at(c, Sweep::Rising, p) = up[p].toDouble();
            const int fromTop = plan.points() - 2 - p;
            if (p < plan.points() - 1 && !down.value(fromTop).trimmed().isEmpty())
                run.at(c, Sweep::Falling, p) = down[fromTop].toDouble();
        }
    }
    return run;
}

QString percent(const JudgedResult &j)
{
    static const char *const zones[] = {"-", "P", "CP", "CF", "F"};
    return j.value ? QStringLiteral("%1%2").arg(*j.value, 0, 'f', 3).arg(QLatin1String(zones[int(j.zone)])) : QStringLiteral("-");
}
} // namespace

void TestCore::calibration_data()
{
    // Points (% of 2000 bar), readings (mV), the error's limit (the others
    // 1 %), and the results worked by hand (docs/calibration.md): each
    // point's larger error, then hysteresis, repeatability, terminal and
    // best-fit linearity, zero and span, in % of span with their zone
    // (simple acceptance), and the verdict.
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("readings");
    QTest::addColumn<double>("errorLimit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a sensor on its nominal line") << "0,50,100" << "500,2500,4500|2500,500" << 1.0
        << "errors 0.000,0.000,0.000 | h 0.000P r - t 0.000P b 0.000P z 0.000P s 0.000P | P";
    // Worked: errors +5/+3, +10/0, +20 bar; hysteresis 4 and 20 mV; the end
    // points' line 508 -> 4540 mV gives 2524 at 50 % (14 mV off); the
    // least-squares line 504 + 2.014 mV/bar leaves 18 mV at 50 % falling.
    QTest::newRow("hand-worked, one cycle") << "0,50,100" << "510,2520,4540|2500,506" << 1.0
        << "errors 0.250,0.500,1.000 | h 0.500P r - t 0.350P b 0.450P z 0.200P s 0.800P | P";
    QTest::newRow("the error's limit just below the largest") << "0,50,100" << "510,2520,4540|2500,506" << 0.99
        << "errors 0.250,0.500,1.000 | h 0.500P r - t 0.350P b 0.450P z 0.200P s 0.800P | F";
    // Two cycles: means 502/501, 2504/2505 and 4500 mV; the widest spread
    // at 50 % falling, 10 mV = 0.25 %; the end points' means 501.5 and
    // 4500 put 2500.75 at 50 %, 3.75 mV from its mean 2504.5; the
    // least-squares line 502.571 + 1.99979 mV/bar leaves 7.643 mV at 50 %
    // falling.
    QTest::newRow("two cycles") << "0,50,100" << "500,2500,4500|2500,500/504,2508,4500|2510,502" << 1.0
        << "errors 0.050,0.125,0.000 | h 0.025P r 0.250P t 0.094P b 0.191P z 0.037P s -0.037P | P";
    // Equal readings: a flat line, the whole span lost.
    QTest::newRow("equal readings") << "0,50,100" << "500,500,500|500,500" << 1.0
        << "errors 0.000,50.000,100.000 | h 0.000P r - t 0.000P b 0.000P z 0.000P s -100.000F | F";
    QTest::newRow("a reading missing: no verdict") << "0,50,100" << "500,,4500|2500,500" << 1.0
        << "errors 0.000,0.000,0.000 | h 0.000P r - t 0.000P b 0.000P z 0.000P s 0.000P | - missing 1";
    // No 0 % point: no zero, no span; the end points are 20 and 100 %.
    QTest::newRow("from 20 %") << "20,60,100" << "1300,2900,4500|2900,1300" << 1.0
        << "errors 0.000,0.000,0.000 | h 0.000P r - t 0.000P b 0.000P z - s - | P";
}

void TestCore::calibration()
{
    QFETCH(QString, points);
    QFETCH(QString, readings);
    QFETCH(double, errorLimit);
    const CalibrationRun run = calibrationRun(points, readings);
    QCOMPARE(QString::fromStdString(run.plan.fault()), QString());
    CalibrationLimits limits;
    limits.error = errorLimit;
    ReferenceStandard reference;
    reference.expandedBar = 2;
    const CalibrationResult r = evaluate(run, limits, reference, {}, Acceptance::Simple);
    QStringList errors;
    for (const PointResult &p : r.points)
        errors << (p.errorPercent ? QString::number(*p.errorPercent, 'f', 3) : QStringLiteral("-"));
    static const char *const zones[] = {"-", "P", "CP", "CF", "F"};
    QString got = QStringLiteral("errors %1 | h %2 r %3 t %4 b %5 z %6 s %7 | %8")
                      .arg(errors.join(QLatin1Char(',')), percent(r.hysteresis), percent(r.repeatability), percent(r.terminalLinearity),
                           percent(r.bestFitLinearity), percent(r.zero), percent(r.span), QLatin1String(zones[int(r.verdict)]));
    if (!r.complete())
        got += QStringLiteral(" missing %1").arg(r.missing.size());
    QTEST(got, "expected");
}

void TestCore::uncertaintyBudget()
{
    // The 50 % point of a sensor on its line read by a meter of ±(0.05 % +
    // 2 digits) with 1 mV resolution, against a reference of U = 2 bar
    // (k = 2); the sensitivity 2000 bar / 4000 mV. Worked by hand:
    // reference 2/2 = 1 bar; meter (1.25 + 2) mV / √3 × 0.5 = 0.93819 bar;
    // resolution 1/(2√3) × 0.5 = 0.14434 bar; combined 1.37878 bar; U = 2.75757 bar.
    const CalibrationRun run = calibrationRun(QStringLiteral("0,50,100"), QStringLiteral("500,2500,4500|2500,500"));
    ReferenceStandard reference;
    reference.expandedBar = 2;
    const CalibrationResult r = evaluate(run, {}, reference, {0.05, 2, 1}, Acceptance::Simple);
    const Budget &b = r.points[1].budget;
    QStringList terms;
    for (const BudgetTerm &t : b.terms)
        terms << QStringLiteral("%1:%2").arg(int(t.source)).arg(t.contributionBar, 0, 'f', 5);
    QCOMPARE(terms.join(QLatin1Char(' ')), QStringLiteral("0:1.00000 1:0.93819 2:0.14434 5:0.00000"));
    QCOMPARE(QString::number(b.combinedBar, 'f', 5), QStringLiteral("1.37878"));
    QCOMPARE(QString::number(b.expandedBar, 'f', 5), QStringLiteral("2.75757"));
    // The top point reads 4500 mV: the largest accuracy term, the worst point.
    QCOMPARE(r.worstPoint, 2);
    // TUR: 1 % of 2000 bar over the reference's 2 bar.
    QCOMPARE(r.tur, 10.0);
    // Two cycles add repeatability: s/√n of the wider sweep (7.071 mV / √2 × 0.5 bar/mV).
    const CalibrationRun twice = calibrationRun(QStringLiteral("0,50,100"), QStringLiteral("500,2500,4500|2500,500/504,2508,4500|2510,502"));
    const Budget b2 = evaluate(twice, {}, reference, {0.05, 2, 1}, Acceptance::Simple).points[1].budget;
    QCOMPARE(QString::number(b2.terms[3].contributionBar, 'f', 5), QStringLiteral("2.50000"));
    // Readings as 10-bit counts: the converter's count, 4.88759 mV / (2√3) × 0.5 bar/mV.
    CalibrationRun counts = run;
    counts.plan.converterBits = 10;
    const Budget b3 = evaluate(counts, {}, reference, {}, Acceptance::Simple).points[1].budget;
    QCOMPARE(QString::number(b3.terms[1].contributionBar, 'f', 5), QStringLiteral("0.70546"));
    // An accuracy class: 0.1 % of a 2500 bar range, rectangular.
    ReferenceStandard gauge;
    gauge.kind = ReferenceStandard::AccuracyClass;
    gauge.classPercent = 0.1;
    gauge.rangeBar = 2500;
    QCOMPARE(QString::number(gauge.standardUncertaintyBar(), 'f', 5), QStringLiteral("1.44338"));
    QCOMPARE(QString::fromStdString(gauge.fault(2000)), QString());
    gauge.rangeBar = 1800;
    QCOMPARE(QString::fromStdString(gauge.fault(2000)), QStringLiteral("range"));
    reference.expandedBar = 0;
    QCOMPARE(QString::fromStdString(reference.fault(2000)), QStringLiteral("uncertainty"));
}

void TestCore::guardBand_data()
{
    // A result against a limit of 1 % with U = 0.25 %: on and beside each
    // boundary, with a guard band and by simple acceptance.
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("guarded");
    QTest::addColumn<QString>("simple");
    QTest::newRow("well inside") << 0.5 << "P" << "P";
    QTest::newRow("on limit - U") << 0.75 << "P" << "P";
    QTest::newRow("just past limit - U") << 0.7500001 << "CP" << "P";
    QTest::newRow("on the limit") << 1.0 << "CP" << "P";
    QTest::newRow("just past the limit") << 1.0000001 << "CF" << "F";
    QTest::newRow("on limit + U") << 1.25 << "CF" << "F";
    QTest::newRow("just past limit + U") << 1.2500001 << "F" << "F";
    QTest::newRow("negative: its size") << -1.1 << "CF" << "F";
}

void TestCore::guardBand()
{
    QFETCH(double, value);
    static const char *const zones[] = {"-", "P", "CP", "CF", "F"};
    QTEST(QString::fromLatin1(zones[int(zoneOf(value, 1.0, 0.25, Acceptance::GuardBand))]), "guarded");
    QTEST(QString::fromLatin1(zones[int(zoneOf(value, 1.0, 0.25, Acceptance::Simple))]), "simple");
}

void TestCore::leastSquaresLine_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("line");
    // Anscombe, "Graphs in Statistical Analysis", The American Statistician
    // 27 (1973), data set I: the published fit y = 3.00 + 0.500 x.
    QTest::newRow("Anscombe I (published)") << "10,8,13,9,11,14,6,4,12,7,5" << "8.04,6.95,7.58,8.81,8.33,9.96,7.24,4.26,10.84,4.82,5.68"
                                            << "3.0001 + 0.5001x";
    QTest::newRow("two points") << "0,2000" << "500,4500" << "500.0000 + 2.0000x";
    QTest::newRow("equal readings: flat") << "0,1000,2000" << "700,700,700" << "700.0000 + 0.0000x";
    QTest::newRow("one point: none") << "1000" << "2500" << "none";
    QTest::newRow("one pressure: none") << "1000,1000" << "2500,2510" << "none";
}

void TestCore::leastSquaresLine()
{
    QFETCH(QString, x);
    QFETCH(QString, y);
    const auto numbers = [](const QString &list) {
        std::vector<double> out;
        for (const QString &v : list.split(QLatin1Char(',')))
            out.push_back(v.toDouble());
        return out;
    };
    const auto line = leastSquares(numbers(x), numbers(y));
    QTEST(line ? QStringLiteral("%1 + %2x").arg(line->intercept, 0, 'f', 4).arg(line->slope, 0, 'f', 4) : QStringLiteral("none"), "line");
}

void TestCore::characteristic_data()
{
    // The points a check's sheet draws (row:bar:mV and W within, O outside,
    // P not judged), from the readings it holds, marked as today's rule
    // judges its rows; its zero, span, nominal and the band the rule's
    // deviation window allows around the average (band 0: none).
    QTest::addColumn<QString>("adc");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    const QString opening = QStringLiteral("98,232,370,506,0,0"), bars = QStringLiteral("0,400,800,1200,1600,2000");
    QTest::newRow("computed, passing rows") << opening << bars << "nominal=2400;compute"
        << "0:0:479P 1:400:1134W 2:800:1808W 3:1200:2473W | zero 479 span 4000 nominal 2400 band 2419 ±24";
    QTest::newRow("not computed: no marks, no band") << opening << bars << "nominal=2000"
        << "0:0:479P 1:400:1134P 2:800:1808P 3:1200:2473P | zero 479 span 4000 nominal 2000 band 0 ±0";
    QTest::newRow("changed since: the readings held now") << opening << bars << "nominal=2000;compute;adc3=550"
        << "0:0:479P 1:400:1134P 2:800:1808P 3:1200:2688P | zero 479 span 4000 nominal 2000 band 0 ±0";
    QTest::newRow("a failing row is outside") << "98,232,370,508" << bars << "nominal=2400;compute"
        << "0:0:479P 1:400:1134O 2:800:1808W 3:1200:2483W | zero 479 span 4000 nominal 2400 band 2415 ±24";
    QTest::newRow("Denso, 12 bit") << "0,819,1638,3276" << "0,625,1250,2500" << "12bit;denso;nominal=2000;compute"
        << "0:0:0P 1:625:1000W 2:1250:2000W 3:2500:4000W | zero 0 span 3200 nominal 2000 band 2000 ±20";
    QTest::newRow("too few rows: no marks, no band") << "0,3276" << "0,2020" << "12bit;denso;nominal=2000;compute"
        << "0:0:0P 1:2020:4000P | zero 0 span 3200 nominal 2000 band 0 ±0";
    // A measured row the computation left out is a point where the sensor failed.
    QTest::newRow("a measured row left out: a cross") << "102,80,430,594,757,921" << bars << "nominal=2000;compute"
        << "0:0:499P 1:400:391O 2:800:2102W 3:1200:2903W 4:1600:3700W 5:2000:4501W | zero 499 span 4000 nominal 2000 band 1998 ±20";
    // A row counts from above 400 mV, as the check computes it.
    QTest::newRow("400 mV: not a reading") << "0,328,656" << "0,400,800" << "12bit;nominal=2000"
        << "0:0:0P 2:800:801P | zero 0 span 4000 nominal 2000 band 0 ±0";
    QTest::newRow("402 mV: a reading") << "0,329" << "0,400" << "12bit;nominal=2000"
        << "0:0:0P 1:400:402P | zero 0 span 4000 nominal 2000 band 0 ±0";
    QTest::newRow("a count beyond the converter, a pressure not a number") << "98,1024,370,506" << "0,400,x,1200" << "nominal=2000"
        << "0:0:479P 3:1200:2473P | zero 479 span 4000 nominal 2000 band 0 ±0";
    QTest::newRow("no zero reading: the family's own zero") << "x,232" << "0,400" << "denso"
        << "1:400:1134P | zero 1000 span 3200 nominal 0 band 0 ±0";
}

void TestCore::characteristic()
{
    QFETCH(QString, adc);
    QFETCH(QString, bar);
    QFETCH(QString, steps);
    const ScaleCheckModel check = played(adc, bar, steps);
    const Characteristic c = characteristicOf(check, judge(check, todaysRule()));
    QStringList got;
    for (const CharacteristicPoint &p : c.points)
        got << QStringLiteral("%1:%2:%3%4").arg(p.row).arg(p.bar).arg(p.mv).arg(QLatin1Char("PWO"[p.mark]));
    got << QStringLiteral("| zero %1 span %2 nominal %3 band %4 ±%5").arg(c.zeroMv).arg(c.spanMv).arg(c.nominal).arg(c.bandCentre).arg(c.tolerance);
    QTEST(got.join(QLatin1Char(' ')), "expected");
}

void TestCore::axisSteps_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("parts");
    QTest::addColumn<int>("step");
    QTest::newRow("2640 in 6") << 2640.0 << 6 << 500;
    QTest::newRow("3000 in 6: just over 500") << 3000.0 << 6 << 500;
    QTest::newRow("3001 in 6") << 3001.0 << 6 << 1000;
    QTest::newRow("1200 in 6") << 1200.0 << 6 << 200;
    QTest::newRow("165 in 6") << 165.0 << 6 << 50;
    QTest::newRow("5000 in 5") << 5000.0 << 5 << 1000;
    QTest::newRow("3 in 6: at least 1") << 3.0 << 6 << 1;
    QTest::newRow("nothing") << 0.0 << 6 << 1;
}

void TestCore::axisSteps()
{
    QFETCH(double, top);
    QFETCH(int, parts);
    QTEST(axisStep(top, parts), "step");
}

namespace {
// A trace of "ms:mV" readings, blank-separated.
Trace traceOf(const QString &readings)
{
    Trace t;
    for (const QString &r : readings.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        t.add(r.section(QLatin1Char(':'), 0, 0).toLongLong(), r.section(QLatin1Char(':'), 1).toDouble());
    return t;
}
const QString kWave = QStringLiteral("0:500 1000:500 2000:1300 3000:1300 4000:3500 5000:2300 6000:1100 7000:500");
} // namespace

void TestCore::traceSpans_data()
{
    // The statistics of a span (its ends included), the columns a chart of
    // it draws, staleness at a moment.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("ask");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the whole") << kWave << "stats" << "8: 500..3500 mean 1375";
    QTest::newRow("a span, its ends included") << kWave << "stats 2000 4000" << "3: 1300..3500 mean 2033.33";
    QTest::newRow("one short of each end") << kWave << "stats 2001 3999" << "1: 1300..1300 mean 1300";
    QTest::newRow("given backwards") << kWave << "stats 4000 2000" << "3: 1300..3500 mean 2033.33";
    QTest::newRow("nothing in it") << kWave << "stats 7001 9000" << "0: 0..0 mean 0";
    QTest::newRow("empty trace") << "" << "stats" << "0: 0..0 mean 0";
    QTest::newRow("a stamp going back is the last's") << "1000:1 900:2" << "stats 1000 1000" << "2: 1..2 mean 1.5";
    QTest::newRow("four columns") << kWave << "columns 0 7999 4" << "0:500-500 2000:1300-1300 4000:2300-3500(3500>2300) 6000:500-1100(1100>500)";
    QTest::newRow("a spike narrower than a column: its height kept")
        << "0:1300 10:1300 20:1300 25:3500 30:1300 40:1300" << "columns 0 39 2" << "0:1300-1300 20:1300-3500(1300>1300)";
    QTest::newRow("a column with none is left out") << "0:1 3000:2" << "columns 0 3999 4" << "0:1-1 3000:2-2";
    QTest::newRow("no columns") << kWave << "columns 0 7999 0" << "";
    QTest::newRow("a second after the last: not stale") << kWave << "stale 8000" << "false";
    QTest::newRow("past a second: stale") << kWave << "stale 8001" << "true";
    QTest::newRow("empty: never stale") << "" << "stale 99999" << "false";
}

void TestCore::traceSpans()
{
    QFETCH(QString, readings);
    QFETCH(QString, ask);
    const Trace t = traceOf(readings);
    const QStringList a = ask.split(QLatin1Char(' '));
    QString got;
    if (a[0] == QLatin1String("stats")) {
        const TraceStats st = a.size() > 1 ? t.stats(a[1].toLongLong(), a[2].toLongLong()) : t.stats();
        got = QStringLiteral("%1: %2..%3 mean %4").arg(st.count).arg(st.min).arg(st.max).arg(QString::number(st.mean, 'g', 6));
    } else if (a[0] == QLatin1String("columns")) {
        QStringList c;
        for (const TraceColumn &col : t.columns(a[1].toLongLong(), a[2].toLongLong(), a[3].toInt()))
            c << QStringLiteral("%1:%2-%3").arg(col.fromMs).arg(col.min).arg(col.max)
                     + (col.first != col.min || col.last != col.max ? QStringLiteral("(%1>%2)").arg(col.first).arg(col.last) : QString());
        got = c.join(QLatin1Char(' '));
    } else {
        got = t.stale(a[1].toLongLong()) ? QStringLiteral("true") : QStringLiteral("false");
    }
    QTEST(got, "expected");
}

void TestCore::sampleBins_data()
{
    // Readings "ms:mV" (ms with a fraction, as a stream stamps them; "xN@R
    // from:mV" are N readings at R a second from ms "from", all mV but the
    // listed "i=mV" ones) into each millisecond's lowest and highest, in
    // the order they came.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one a millisecond: each as it came") << "0.2:500 1.7:510 2.0:520" << "0:500 1:510 2:520";
    QTest::newRow("highest then lowest: that order") << "5.0:1300 5.3:1340 5.6:1260 5.9:1300" << "5:1340 1260";
    QTest::newRow("lowest then highest: that order") << "5.0:1300 5.3:1260 5.6:1340 5.9:1300" << "5:1260 1340";
    QTest::newRow("all equal: one") << "7.0:900 7.5:900 7.9:900" << "7:900";
    QTest::newRow("the millisecond's last instant stays in it") << "3.999:100 4.0:200" << "3:100 4:200";
    QTest::newRow("a gap: no millisecond made up") << "1.0:1 9.0:2" << "1:1 9:2";
    QTest::newRow("not a number: left out") << "1.0:1 1.5:nan 2.0:2" << "1:1 2:2";
    QTest::newRow("a 2 ms dropout in a megasample stream: its depth kept")
        << "x5000@1000000 0:1300 2000..3999=200" << "0:1300 1:1300 2:200 3:200 4:1300";
    QTest::newRow("a single low reading among a thousand: kept")
        << "x3000@1000000 0:3500 1500=3000" << "0:3500 1:3500 3000 2:3500";
}

void TestCore::sampleBins()
{
    QFETCH(QString, readings);
    SampleBins bins;
    std::uint64_t added = 0;
    if (readings.startsWith(QLatin1Char('x'))) {
        const QStringList parts = readings.split(QLatin1Char(' '));
        const long count = parts[0].mid(1).section(QLatin1Char('@'), 0, 0).toLong();
        const double rate = parts[0].section(QLatin1Char('@'), 1).toDouble();
        const double from = parts[1].section(QLatin1Char(':'), 0, 0).toDouble();
        const double mv = parts[1].section(QLatin1Char(':'), 1).toDouble();
        const QString odd = parts[2].section(QLatin1Char('='), 0, 0);
        const long oddFrom = odd.section(QLatin1String(".."), 0, 0).toLong();
        const long oddTo = odd.contains(QLatin1String("..")) ? odd.section(QLatin1String(".."), 1).toLong() : oddFrom;
        const double oddMv = parts[2].section(QLatin1Char('='), 1).toDouble();
        for (long i = 0; i < count; ++i)
            bins.add(from + double(i) * 1000.0 / rate, i >= oddFrom && i <= oddTo ? oddMv : mv);
        added = std::uint64_t(count);
    } else {
        for (const QString &r : readings.split(QLatin1Char(' '))) {
            const QString v = r.section(QLatin1Char(':'), 1);
            bins.add(r.section(QLatin1Char(':'), 0, 0).toDouble(),
                     v == QLatin1String("nan") ? std::numeric_limits<double>::quiet_NaN() : v.toDouble());
            added += v == QLatin1String("nan") ? 0 : 1;
        }
    }
    QStringList got;
    std::vector<TraceSample> out = bins.take(); // (closed so far)
    bins.flush();
    const std::vector<TraceSample> last = bins.take();
    out.insert(out.end(), last.begin(), last.end());
    std::int64_t at = INT64_MIN;
    for (const TraceSample &s : out) {
        if (s.ms == at)
            got.last() += QStringLiteral(" %1").arg(s.mv);
        else
            got << QStringLiteral("%1:%2").arg(s.ms).arg(s.mv);
        at = s.ms;
    }
    QTEST(got.join(QLatin1Char(' ')), "expected");
    QCOMPARE(bins.readings(), added);
}

void TestCore::traceGrid_data()
{
    // A trace on a session file's grid (two slots a millisecond, mV, "*"
    // marking a reading), and read back from it: the trace itself. Then
    // readings at another rate, as a file from elsewhere gives them
    // (unmarked: each one a reading), and the reader's bounds.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("a reading a millisecond") << "0:1 1:2" << "1* 1* 2* 2*" << "0:1 1:2";
    QTest::newRow("lowest and highest of a millisecond, in order") << "0:1 0:3 0:2 1:5" << "1* 3* 5* 5*" << "0:1 0:3 1:5";
    QTest::newRow("highest first") << "0:3 0:1 1:5" << "3* 1* 5* 5*" << "0:3 0:1 1:5";
    QTest::newRow("a gap: on the line, unmarked") << "0:1 3:4" << "1* 1* 2 2 3 3 4* 4*" << "0:1 3:4";
    QTest::newRow("stamped from 0 when read back") << "5:1.5 6:2.25" << "1.5* 1.5* 2.25* 2.25*" << "0:1.5 1:2.25";
    QTest::newRow("to the µV") << "0:1300.123 1:1300.124" << "1300.12* 1300.12* 1300.12* 1300.12*" << "0:1300.123 1:1300.124";
    QTest::newRow("empty") << "" << "" << "Empty";
    QTest::newRow("4 kHz from elsewhere: each ms's range") << "@4000 1 2 3 4 5 6 7 8" << "" << "0:1 0:4 1:5 1:8";
    QTest::newRow("no rate: not a session") << "@0 1 2" << "" << "NotASession";
    QTest::newRow("beyond the bound (3 readings)") << "@1000 1 2 3 4" << "" << "TooLarge";
    QTest::newRow("on the bound (3 readings)") << "@1000 1 2 3" << "" << "0:1 1:2 2:3";
}

void TestCore::traceGrid()
{
    QFETCH(QString, readings);
    QFETCH(QString, grid);
    QFETCH(QString, readBack);
    std::vector<float> volts;
    std::vector<std::uint8_t> marks;
    double rate = kTraceGridRateHz;
    std::size_t bound = kTraceCapacity;
    if (readings.startsWith(QLatin1Char('@'))) {
        const QStringList values = readings.mid(1).split(QLatin1Char(' '));
        rate = values[0].toDouble();
        for (const QString &v : values.mid(1))
            volts.push_back(float(v.toDouble() / 1000));
        bound = rate == 1000 ? 3 : bound; // (the bound rows: a bound of three)
    } else {
        const Trace t = traceOf(readings);
        QStringList written;
        traceToGrid(
            t,
            [&](const float *v, const std::uint8_t *m, std::size_t n) {
                for (std::size_t i = 0; i < n; ++i) {
                    written << QString::number(double(v[i]) * 1000, 'g', 6) + (m[i] ? QStringLiteral("*") : QString());
                    volts.push_back(v[i]);
                    marks.push_back(m[i]);
                }
            },
            3); // (chunks of three: a millisecond split between two)
        QCOMPARE(written.join(QLatin1Char(' ')), grid);
    }
    TraceFromRate reader(rate, bound);
    reader.add(volts.data(), marks.empty() ? nullptr : marks.data(), volts.size());
    const TraceFileRead r = reader.finish();
    QString got;
    switch (r.error) {
    case TraceFileRead::Empty:
        got = QStringLiteral("Empty");
        break;
    case TraceFileRead::NotASession:
        got = QStringLiteral("NotASession");
        break;
    case TraceFileRead::TooLarge:
        got = QStringLiteral("TooLarge");
        break;
    default: {
        QStringList out;
        for (const TraceSample &s : r.trace.samples())
            out << QStringLiteral("%1:%2").arg(s.ms).arg(s.mv, 0, 'g', 10);
        got = out.join(QLatin1Char(' '));
    }
    }
    QCOMPARE(got, readBack);
}

void TestCore::traceCursors_data()
{
    // The passage from one level to the other within a span, as a scope's
    // cursors measure it (the times between readings on the straight line
    // between them): a rise for a rising pair, a fall for a falling one.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<qint64>("after");
    QTest::addColumn<qint64>("until");
    QTest::addColumn<QString>("expected");
    constexpr qint64 kAll = INT64_MAX;
    QTest::newRow("the rise") << kWave << 900.0 << 3000.0 << qint64(INT64_MIN) << kAll << "1500 3772.73";
    QTest::newRow("the decay after the snap") << kWave << 3000.0 << 800.0 << qint64(4000) << kAll << "4416.67 6500";
    QTest::newRow("the decay, from the start: the rise is no fall") << kWave << 3000.0 << 800.0 << qint64(INT64_MIN) << kAll << "4416.67 6500";
    QTest::newRow("a level on a reading") << kWave << 1300.0 << 3500.0 << qint64(INT64_MIN) << kAll << "2000 4000";
    QTest::newRow("from the snap on, the rise is gone") << kWave << 900.0 << 3000.0 << qint64(4001) << kAll << "-";
    QTest::newRow("a level never reached") << kWave << 500.0 << 3600.0 << qint64(INT64_MIN) << kAll << "-";
    QTest::newRow("within one step") << kWave << 1400.0 << 3400.0 << qint64(3000) << kAll << "3045.45 3954.55";
    QTest::newRow("a span ending on the reading after the crossing") << kWave << 900.0 << 3000.0 << qint64(0) << qint64(4000) << "1500 3772.73";
    QTest::newRow("a span ending a ms before it") << kWave << 900.0 << 3000.0 << qint64(0) << qint64(3999) << "-";
    QTest::newRow("a second rise through the first level: the last") << "0:500 1000:1000 2000:800 3000:1500 4000:3500" << 900.0
                                                                   << 3000.0 << qint64(INT64_MIN) << kAll << "2142.86 3750";
    QTest::newRow("the key-off decay, after a rise through both") << "0:500 1000:1300 2000:1300 10000:1300 12000:600 15000:500"
                                                                 << 1200.0 << 600.0 << qint64(INT64_MIN) << kAll << "10285.7 12000";
}

void TestCore::traceCursors()
{
    QFETCH(QString, readings);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(qint64, after);
    QFETCH(qint64, until);
    const auto c = traceOf(readings).between(from, to, after, until);
    QTEST(c ? QStringLiteral("%1 %2").arg(QString::number(c->fromMs, 'g', 6), QString::number(c->toMs, 'g', 6)) : QStringLiteral("-"),
          "expected");
}

void TestCore::traceKeepsItsBound_data()
{
    // A full trace lets go of its oldest eighth (at least one reading) and
    // counts them; a clear starts the count again.
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("expected"); // readings kept, first kept, dropped
    QTest::newRow("one short of full") << 16 << 15 << "15 0 0";
    QTest::newRow("full") << 16 << 16 << "16 0 0";
    QTest::newRow("one past: an eighth goes") << 16 << 17 << "15 2 2";
    QTest::newRow("full again") << 16 << 18 << "16 2 2";
    QTest::newRow("past again") << 16 << 19 << "15 4 4";
    QTest::newRow("a bound under eight: one at a time") << 5 << 7 << "5 2 2";
    QTest::newRow("a bound of one") << 1 << 3 << "1 2 2";
}

void TestCore::traceKeepsItsBound()
{
    QFETCH(int, capacity);
    QFETCH(int, added);
    Trace t{std::size_t(capacity)};
    for (int i = 0; i < added; ++i)
        t.add(i, 500 + i);
    QTEST(QStringLiteral("%1 %2 %3").arg(t.samples().size()).arg(t.samples().front().ms).arg(t.dropped()), "expected");
    t.clear();
    QCOMPARE(t.dropped(), std::size_t(0));
}

void TestCore::traceFileRead_data()
{
    // A trace's CSV read back: the readings as "ms:mV", or the refusal and
    // its line; under a limit of 200 bytes and 4 readings where given.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("small");
    QTest::addColumn<QString>("expected");
    const QByteArray it = "\xEF\xBB\xBFTempo (s);mV;bar\r\n";
    QTest::newRow("as exported in Italian") << it + "0,000;500,0;0\r\n0,100;1300,5;400\r\n" << false << "0:500 100:1300.5";
    QTest::newRow("as exported in English") << QByteArray("Time (s),mV,bar\n0.000,500.0,0\n2.5,3500,1500\n") << false << "0:500 2500:3500";
    QTest::newRow("tab-separated, quoted, no last line end") << QByteArray("t\tmV\n\"1,5\"\t\"700\"") << false << "1500:700";
    QTest::newRow("a blank line skipped") << it + "0;500\r\n\r\n1;600\r\n" << false << "0:500 1000:600";
    QTest::newRow("the same time twice") << it + "1;500\n1;600\n" << false << "1000:500 1000:600";
    QTest::newRow("a time going back") << it + "1;500\n0,999;600\n" << false << "time goes back, line 3";
    QTest::newRow("another file's headings") << QByteArray("Pressione;Tensione\n1;2\n") << false << "not a capture, line 1";
    QTest::newRow("no separator") << QByteArray("%PDF-1.4\n") << false << "not a capture, line 1";
    QTest::newRow("nothing at all") << QByteArray() << false << "not a capture, line 1";
    QTest::newRow("headings only") << it << false << "empty, line 1";
    QTest::newRow("cut after a time") << it + "0;500\n0,1" << false << "truncated, line 3";
    QTest::newRow("cut after the separator") << it + "0;500\n0,1;" << false << "truncated, line 3";
    QTest::newRow("a word for a number") << it + "0;cinquecento\n" << false << "bad number, line 2";
    QTest::newRow("a decimal comma in a comma file") << QByteArray("t,mV\n0,5,1\n") << false << "0:5";
    QTest::newRow("a number and more") << it + "0;500x\n" << false << "bad number, line 2";
    QTest::newRow("not a number at all: nan") << it + "0;nan\n" << false << "bad number, line 2";
    QTest::newRow("four readings: the bound") << it + "0;1\n1;2\n2;3\n3;4\n" << true << "0:1 1000:2 2000:3 3000:4";
    QTest::newRow("five: one too many") << it + "0;1\n1;2\n2;3\n3;4\n4;5\n" << true << "too large, line 6";
    // (a time padded with zeros to the size)
    QTest::newRow("200 bytes: the limit") << it + QByteArray(200 - it.size() - 3, '0') + ";1\n" << true << "0:1";
    QTest::newRow("201 bytes: too large") << it + QByteArray(201 - it.size() - 3, '0') + ";1\n" << true << "too large, line 0";
}

void TestCore::traceFileRead()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, small);
    const TraceFileRead r = small ? readTraceCsv(std::string_view(file.constData(), std::size_t(file.size())), 200, 4)
                                  : readTraceCsv(std::string_view(file.constData(), std::size_t(file.size())));
    static const char *const errors[] = {"", "too large", "not a capture", "empty", "truncated", "bad number", "time goes back"};
    QString got;
    if (r.error != TraceFileRead::None) {
        QVERIFY(r.trace.empty());
        got = QStringLiteral("%1, line %2").arg(QLatin1String(errors[r.error])).arg(r.line);
    } else {
        QStringList readings;
        for (const TraceSample &t : r.trace.samples())
            readings << QStringLiteral("%1:%2").arg(t.ms).arg(QString::number(t.mv, 'g', 12));
        got = readings.join(QLatin1Char(' '));
    }
    QTEST(got, "expected");
}

void TestCore::traceColumnsAsEachReading()
{
    // The columns a chart draws, taken a block of readings at a time where
    // one fits a column, are the ones each reading alone gives: random
    // traces (some past a small bound, so that the oldest go), spans and
    // column counts, seed after seed.
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const std::size_t capacity = pick(0, 2) == 0 ? std::size_t(pick(1, 900)) : kTraceCapacity;
        Trace t{capacity};
        std::int64_t ms = pick(-1000, 1000);
        for (int i = pick(0, 3000); i > 0; --i) {
            ms += pick(0, 99) == 0 ? pick(0, 200) : pick(0, 2);
            t.add(ms, pick(0, 5000) + pick(0, 9) / 10.0);
        }
        for (int ask = 0; ask < 20; ++ask) {
            const std::int64_t from = ms - pick(0, 8000), to = from + pick(-5, 9000);
            const int count = pick(0, 2) == 0 ? pick(1, 8) : pick(0, 700); // (wide columns take whole blocks)
            std::vector<TraceColumn> each;
            const double slot = std::max(1.0, double(to - from + 1) / std::max(count, 1));
            if (count >= 1 && to >= from)
                for (const TraceSample &s : t.samples()) {
                    if (s.ms < from || s.ms > to)
                        continue;
                    const auto column = std::int64_t(from + std::floor(double(s.ms - from) / slot) * slot);
                    if (each.empty() || each.back().fromMs != column)
                        each.push_back({column, s.mv, s.mv, s.mv, s.mv});
                    else {
                        each.back().min = std::min(each.back().min, s.mv);
                        each.back().max = std::max(each.back().max, s.mv);
                        each.back().last = s.mv;
                    }
                }
            const auto got = t.columns(from, to, count);
            bool same = got.size() == each.size();
            for (std::size_t i = 0; same && i < got.size(); ++i)
                same = got[i].fromMs == each[i].fromMs && got[i].min == each[i].min && got[i].max == each[i].max
                    && got[i].first == each[i].first && got[i].last == each[i].last;
            QVERIFY2(same, qPrintable(QStringLiteral("seed %1, ask %2: columns %3 to %4 in %5 differ").arg(seed).arg(ask).arg(from).arg(to).arg(count)));
        }
    }
    qInfo("seeds 1 to 60 (each names itself where it fails)");
}


using drive::Drive;
using drive::driveCsv;
Q_DECLARE_METATYPE(Drive)

void TestCore::guidedTest_data()
{
    // Each step's verdict (P pass, F fail, W wiring, N not judged, - skipped,
    // with its reason), and the whole test's, for a Bosch sensor's generic
    // limits: zero 500 ± 50 mV, crank to idle in 3 s, idle 1100..1800 mV with
    // at most 60 mV of ripple, a snap to 3000 mV without a step down of over
    // 500 mV in 5 ms, key off to 550 mV in 15 s.
    QTest::addColumn<Drive>("drive");
    QTest::addColumn<QString>("expected");
    const QString good = QStringLiteral("rest P, supply -(no supply), crank P, idle P, snap P, key off P; P");
    QTest::newRow("a good sensor") << Drive{} << good;
    QTest::newRow("a 2 ms dropout at the snap's top")
        << Drive{.dropoutMs = 2} << "rest P, supply -(no supply), crank P, idle P, snap F(dropout), key off P; F";
    QTest::newRow("a dropout of 1 ms") << Drive{.dropoutMs = 1} << "rest P, supply -(no supply), crank P, idle P, snap F(dropout), key off P; F";
    QTest::newRow("0 mV with the key on: the wiring") << Drive{.restMv = 0} << "rest W(out of limit), supply -(no supply), crank P, idle P, snap P, key off P; F";
    QTest::newRow("the zero on its limit, 550") << Drive{.restMv = 550} << good;
    QTest::newRow("the zero 1 mV past it, 551")
        << Drive{.restMv = 551} << "rest F(out of limit), supply -(no supply), crank P, idle P, snap P, key off N(ends too soon); F";
    QTest::newRow("cranking too slow: 3,4 s from 550 to 1100 mV") << Drive{.crankMs = 4900} << "rest P, supply -(no supply), crank F(out of limit), idle P, snap P, key off P; F";
    QTest::newRow("ripple on its limit, 60 mV") << Drive{.rippleMv = 60} << good;
    QTest::newRow("ripple past it, 62 mV") << Drive{.rippleMv = 62} << "rest P, supply -(no supply), crank P, idle F(out of limit), snap P, key off P; F";
    QTest::newRow("a snap that stops short, 2900 mV")
        << Drive{.snapMv = 2900} << "rest P, supply -(no supply), crank P, idle P, snap F(out of limit), key off P; F";
    QTest::newRow("no snap: not judged, never passed")
        << Drive{.snapMv = 0} << "rest P, supply -(no supply), crank P, idle P, snap N(not found), key off P; N";
    QTest::newRow("a slow decay: 15,5 s from idle to 550 mV") << Drive{.decayMs = 18000} << "rest P, supply -(no supply), crank P, idle P, snap P, key off F(out of limit); F";
    QTest::newRow("the capture ends in the decay")
        << Drive{.endsAfterMs = 15000} << "rest P, supply -(no supply), crank P, idle P, snap P, key off N(ends too soon); N";
    QTest::newRow("cranking at once: no rest to judge")
        << Drive{.restMs = 100} << "rest N(too short), supply -(no supply), crank P, idle P, snap P, key off P; N";
    QTest::newRow("a short idle before the snap")
        << Drive{.idleMs = 600} << "rest P, supply -(no supply), crank P, idle N(too short), snap P, key off P; N";
    QTest::newRow("only the key on") << Drive{.endsAfterMs = 1500} << "rest P, supply -(no supply), crank N(not found), idle N(not found), snap N(not found), key off N(not found); N";
}

void TestCore::guidedTest()
{
    QFETCH(Drive, drive);
    const std::string csv = driveCsv(drive);
    const TraceFileRead read = readTraceCsv(csv);
    QCOMPARE(int(read.error), int(TraceFileRead::None));
    const GuidedResult r = runGuidedTest(read.trace, genericLimits(SensorType::BoschDelphiVdo));
    static const char *const names[] = {"rest", "supply", "crank", "idle", "snap", "key off"};
    static const char *const outcomes = "PFWN-";
    static const char *const reasons[] = {"", "too short", "not found", "ends too soon", "no supply", "dropout", "out of limit"};
    QStringList steps;
    for (std::size_t i = 0; i < r.steps.size(); ++i) {
        const GuidedStep &st = r.steps[i];
        QString one = QStringLiteral("%1 %2").arg(QLatin1String(names[i])).arg(QLatin1Char(outcomes[st.outcome]));
        if (st.reason != GuidedStep::None)
            one += QStringLiteral("(%1)").arg(QLatin1String(reasons[st.reason]));
        steps << one;
    }
    QTEST(steps.join(QStringLiteral(", ")) + QStringLiteral("; ") + QLatin1Char(outcomes[r.overall]), "expected");
    // Where the dropout is, it is found at the snap's top, its depth the fall.
    if (drive.dropoutMs) {
        QCOMPARE(r.steps[4].atMs, std::int64_t(2000 + 2000 + 5000 + 350));
        QCOMPARE(r.steps[4].value2, drive.snapMv - 400);
        // The snap's part moved by the technician to end before it: a pass,
        // the rest as found.
        GuidedParts given;
        given[4] = std::pair<std::int64_t, std::int64_t>{9000, 9349};
        const GuidedResult moved = runGuidedTest(read.trace, genericLimits(SensorType::BoschDelphiVdo), given);
        QCOMPARE(int(moved.steps[4].outcome), int(GuidedStep::Pass));
        QCOMPARE(moved.steps[4].toMs, std::optional<std::int64_t>(9349));
        QCOMPARE(int(moved.overall), int(GuidedStep::Pass));
    }
    // A good sensor's numbers: the zero, the crank from the zero to 1100 mV,
    // idle and its ripple, the peak, the decay from the last reading at
    // idle's level (within the ripple's limit, 1240 mV) to 550.
    if (QByteArray(QTest::currentDataTag()) == "a good sensor") {
        QCOMPARE(r.steps[0].value, 500.0);
        QCOMPARE(r.steps[2].value, 1497.0); // from 2003 ms, where it left the zero by over a mV, to 1100 mV at 3500 (0,4 mV/ms)
        QVERIFY(r.steps[3].value == 1300 && r.steps[3].value2 == 40);
        QCOMPARE(r.steps[4].value, 3500.0);
        QVERIFY2(std::abs(r.steps[5].value - 8625) < 3, qPrintable(QString::number(r.steps[5].value))); // (0,08 mV/ms)
    }
}

void TestCore::tracePacking_data()
{
    // Readings ("ms:mV ...") and their packed bytes (hex), or packed bytes
    // and what unpacking gives ("-": nothing, refused), at most 3 readings.
    QTest::addColumn<QString>("readings");
    QTest::addColumn<QByteArray>("packed");
    QTest::newRow("none") << "" << QByteArray("");
    QTest::newRow("500 mV at 0: 500000 µV as 3 bytes") << "0:500" << QByteArray("00c0843d");
    QTest::newRow("a µV up a ms on") << "0:500 1:500.001" << QByteArray("00c0843d0202");
    QTest::newRow("a µV down, the same ms") << "0:500 1:500.001 1:500" << QByteArray("00c0843d02020001");
    QTest::newRow("starting before 0") << "-2:0" << QByteArray("0300");
    QTest::newRow("1000000000 mV: the most") << "0:1000000000" << QByteArray("0080c0a8ca9a3a");
    QTest::newRow("3 readings: the bound") << "0:0 0:0 0:0" << QByteArray("000000000000");
}

void TestCore::tracePacking()
{
    QFETCH(QString, readings);
    QFETCH(QByteArray, packed);
    std::vector<TraceSample> samples;
    for (const QString &r : readings.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        samples.push_back({r.section(QLatin1Char(':'), 0, 0).toLongLong(), r.section(QLatin1Char(':'), 1).toDouble()});
    const std::string bytes = packTraceSamples(samples);
    QCOMPARE(QByteArray::fromStdString(bytes).toHex(), packed);
    std::vector<TraceSample> back;
    QVERIFY(unpackTraceSamples(bytes, back, 3));
    QCOMPARE(back.size(), samples.size());
    for (std::size_t i = 0; i < back.size(); ++i)
        QVERIFY(back[i].ms == samples[i].ms && back[i].mv == samples[i].mv);
    // What is not a packed list, or is a longer one, gives nothing.
    for (const auto &[bad, why] : std::initializer_list<std::pair<QByteArray, const char *>>{
             {"00", "cut after a time"},
             {"00c084", "cut inside a number"},
             {"0000030000", "a time running back"},
             {"00000000000000000000", "4 readings, over the bound of 3"},
             {"00ffffffffffffffffff7f", "a number past 64 bits"},
             {"00feffffffffffffffff01fe", "a sum past 64 bits"},
             {"0082c0a8ca9a3a", "1000000000,001 mV: past any reading"}}) {
        back = {{1, 1}};
        const QByteArray raw = QByteArray::fromHex(bad);
        QVERIFY2(!unpackTraceSamples(std::string_view(raw.constData(), std::size_t(raw.size())), back, 3) && back.empty(), why);
    }
    // Random captures packed and back, to the µV, seed after seed.
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        std::vector<TraceSample> many;
        std::int64_t ms = std::uniform_int_distribution<int>(-5000, 5000)(rng);
        for (int i = std::uniform_int_distribution<int>(0, 2000)(rng); i > 0; --i) {
            ms += std::uniform_int_distribution<int>(0, 3)(rng) == 0 ? std::uniform_int_distribution<int>(0, 100000)(rng) : 0;
            many.push_back({ms, std::uniform_int_distribution<int>(-6000000, 6000000)(rng) / 1000.0});
        }
        std::vector<TraceSample> got;
        QVERIFY2(unpackTraceSamples(packTraceSamples(many), got), qPrintable(QStringLiteral("seed %1").arg(seed)));
        QVERIFY2(got.size() == many.size(), qPrintable(QStringLiteral("seed %1").arg(seed)));
        for (std::size_t i = 0; i < got.size(); ++i)
            QVERIFY2(got[i].ms == many[i].ms && got[i].mv == many[i].mv, qPrintable(QStringLiteral("seed %1, reading %2").arg(seed).arg(i)));
    }
}

void TestCore::guidedSupply_data()
{
    // The supply where a meter gave it: 4900..5100 mV, outside them the
    // wiring or the control unit (W); the levels judged as at 5 V (a zero
    // of 545 mV on a supply of 4950 is 550,5 at 5 V: past 550).
    QTest::addColumn<Drive>("drive");
    QTest::addColumn<double>("supply"); // NaN: none given
    QTest::addColumn<QString>("expected");
    const double none = std::nan("");
    QTest::newRow("none: skipped") << Drive{} << none << "rest P, supply -, snap P; P";
    QTest::newRow("5000") << Drive{} << 5000.0 << "rest P, supply P, snap P; P";
    QTest::newRow("4900, its limit") << Drive{} << 4900.0 << "rest P, supply P, snap P; P";
    QTest::newRow("4899") << Drive{} << 4899.0 << "rest P, supply W, snap P; F";
    QTest::newRow("5100, its limit") << Drive{} << 5100.0 << "rest P, supply P, snap P; P";
    QTest::newRow("5101") << Drive{} << 5101.0 << "rest P, supply W, snap P; F";
    QTest::newRow("0: no supply at all") << Drive{} << 0.0 << "rest P, supply W, snap P; F";
    QTest::newRow("zero 545 mV, no supply") << Drive{.restMv = 545} << none << "rest P, supply -, snap P; P";
    QTest::newRow("zero 545 mV on 4955: 549,9 at 5 V") << Drive{.restMv = 545} << 4955.0 << "rest P, supply P, snap P; P";
    QTest::newRow("zero 545 mV on 4950: 550,5 at 5 V") << Drive{.restMv = 545} << 4950.0 << "rest F, supply P, snap P; F";
    QTest::newRow("a snap to 2950 mV, no supply") << Drive{.snapMv = 2950} << none << "rest P, supply -, snap F; F";
    QTest::newRow("a snap to 2950 mV on 4900: 3010 at 5 V") << Drive{.snapMv = 2950} << 4900.0 << "rest P, supply P, snap P; P";
}

void TestCore::guidedSupply()
{
    QFETCH(Drive, drive);
    QFETCH(double, supply);
    const TraceFileRead read = readTraceCsv(driveCsv(drive));
    const GuidedResult r = runGuidedTest(read.trace, genericLimits(SensorType::BoschDelphiVdo), {},
                                         std::isnan(supply) ? std::nullopt : std::optional<double>(supply));
    static const char *const outcomes = "PFWN-";
    QTEST(QStringLiteral("rest %1, supply %2, snap %3; %4")
              .arg(QChar(outcomes[r.steps[0].outcome]), QChar(outcomes[r.steps[1].outcome]), QChar(outcomes[r.steps[4].outcome]),
                   QChar(outcomes[r.overall])),
          "expected");
    if (!std::isnan(supply))
        QCOMPARE(r.steps[1].value, supply);
}

void TestCore::guidedOwnLimits_data()
{
    // A workshop's set over its family's generic one: what it gives beats
    // the generic, what it leaves out is the generic; then whether the set
    // can judge anything.
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("given"); // key=value, ...
    QTest::addColumn<QString>("expected"); // rest, ±, idle min-max, snap; the fault
    QTest::newRow("nothing given: the generic Bosch") << int(SensorType::BoschDelphiVdo) << "" << "500±50 1100-1800 3000; ";
    QTest::newRow("nothing given: the generic Denso") << int(SensorType::DensoOneWay) << "" << "1000±50 1600-2300 3500; ";
    QTest::newRow("a vehicle's idle") << int(SensorType::BoschDelphiVdo) << "idleMinMv=1200,idleMaxMv=1450" << "500±50 1200-1450 3000; ";
    QTest::newRow("its own zero, the rest generic") << int(SensorType::DensoOneWay) << "restMv=980,restTolMv=30" << "980±30 1600-2300 3500; ";
    QTest::newRow("idle min on its max") << int(SensorType::BoschDelphiVdo) << "idleMinMv=1800" << "500±50 1800-1800 3000; ";
    QTest::newRow("idle min 1 mV past its max") << int(SensorType::BoschDelphiVdo) << "idleMinMv=1801"
                                                << "500±50 1801-1800 3000; idleMinMv: above idleMaxMv";
    QTest::newRow("a tolerance of 0") << int(SensorType::BoschDelphiVdo) << "restTolMv=0" << "500±0 1100-1800 3000; restTolMv: not above zero";
    QTest::newRow("idle down to the zero's limit") << int(SensorType::BoschDelphiVdo) << "idleMinMv=550"
                                                   << "500±50 550-1800 3000; idleMinMv: not above the zero's limit";
    QTest::newRow("idle 1 mV above it") << int(SensorType::BoschDelphiVdo) << "idleMinMv=551" << "500±50 551-1800 3000; ";
    QTest::newRow("a snap no higher than idle") << int(SensorType::BoschDelphiVdo) << "snapMinMv=1800"
                                                << "500±50 1100-1800 1800; snapMinMv: not above idleMaxMv";
    QTest::newRow("a supply band upside down") << int(SensorType::BoschDelphiVdo) << "supplyMinMv=5100,supplyMaxMv=4900"
                                               << "500±50 1100-1800 3000; supplyMinMv: above supplyMaxMv";
    QTest::newRow("a negative time") << int(SensorType::BoschDelphiVdo) << "crankMaxMs=-1" << "500±50 1100-1800 3000; crankMaxMs: out of range";
}

void TestCore::guidedOwnLimits()
{
    QFETCH(int, family);
    QFETCH(QString, given);
    GuidedOwnLimits own;
    own.name = "Fiat Ducato 2.3";
    own.family = SensorType(family);
    own.version = 3;
    for (const QString &pair : given.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto it = std::find_if(kGuidedLimitFields.begin(), kGuidedLimitFields.end(),
                                     [&](const GuidedLimitField &f) { return pair.section(QLatin1Char('='), 0, 0) == QLatin1String(f.key); });
        QVERIFY(it != kGuidedLimitFields.end());
        own.given[std::size_t(it - kGuidedLimitFields.begin())] = pair.section(QLatin1Char('='), 1).toDouble();
    }
    const GuidedLimits l = limitsOf(own);
    QCOMPARE(l.name, std::string("Fiat Ducato 2.3"));
    QCOMPARE(l.version, 3);
    QTEST(QStringLiteral("%1±%2 %3-%4 %5; %6").arg(l.restMv).arg(l.restTolMv).arg(l.idleMinMv).arg(l.idleMaxMv).arg(l.snapMinMv)
              .arg(QString::fromStdString(guidedLimitsFault(l))),
          "expected");
}

void TestCore::signalLevels_data()
{
    // The signal range's ends (4 % and 96 % of 5 V) and the family's limit.
    QTest::addColumn<double>("mv");
    QTest::addColumn<int>("level");
    QTest::newRow("199.9") << 199.9 << int(SignalLevel::BelowRange);
    QTest::newRow("200") << 200.0 << int(SignalLevel::InRange);
    QTest::newRow("4500, the limit") << 4500.0 << int(SignalLevel::InRange);
    QTest::newRow("4500.1") << 4500.1 << int(SignalLevel::AboveLimit);
    QTest::newRow("4800") << 4800.0 << int(SignalLevel::AboveLimit);
    QTest::newRow("4800.1") << 4800.1 << int(SignalLevel::AboveRange);
}

void TestCore::signalLevels()
{
    QFETCH(double, mv);
    QTEST(int(signalLevel(mv, 4500)), "level");
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
