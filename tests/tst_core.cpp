// The converter's arithmetic: whole numbers as text, both transfer
// functions for every family, the coefficient and the converter count.

#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <QtTest>

using namespace dravino;

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
    void converterCount_data();
    void converterCount();
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
    QTest::newRow("Bosch 2000: 4500 mV") << 0 << 2000 << 500 << true << 4500 << 2000;
    QTest::newRow("Bosch 2000: 501 mV, 0.5 to 0") << 0 << 2000 << 500 << true << 501 << 0;
    QTest::newRow("Bosch 2000: 503 mV, 1.5 to 2") << 0 << 2000 << 500 << true << 503 << 2;
    QTest::newRow("Bosch 2000: 499 mV, -0.5 to 0") << 0 << 2000 << 500 << true << 499 << 0;
    QTest::newRow("Bosch 2000: 400 mV") << 0 << 2000 << 500 << true << 400 << -50;
    QTest::newRow("Bosch 1800: 4500 mV") << 0 << 1800 << 500 << true << 4500 << 1800;
    QTest::newRow("Denso 1 via: 4200 mV") << 1 << 2000 << 1000 << true << 4200 << 2000;
    QTest::newRow("Denso 1 via: 4800 mV") << 1 << 2000 << 1000 << true << 4800 << 2375;
    QTest::newRow("Denso 2 vie: 4000 mV") << 2 << 2200 << 1000 << true << 4000 << 2200;
    QTest::newRow("zero 540: 4500 mV") << 0 << 2000 << 540 << true << 4500 << 1980;
    QTest::newRow("zero 540: 541 mV") << 0 << 2000 << 540 << true << 541 << 0;
    QTest::newRow("Denso zero 950: 4200 mV") << 1 << 2000 << 950 << true << 4200 << 2031;
    QTest::newRow("Bosch 2000: 1000 bar") << 0 << 2000 << 500 << false << 1000 << 2500;
    QTest::newRow("Bosch 2000: 2400 bar") << 0 << 2000 << 500 << false << 2400 << 5300;
    QTest::newRow("Bosch 1800: 900 bar") << 0 << 1800 << 500 << false << 900 << 2500;
    QTest::newRow("Bosch 1800: 1 bar") << 0 << 1800 << 500 << false << 1 << 502;
    QTest::newRow("Denso 1 via: 2000 bar") << 1 << 2000 << 1000 << false << 2000 << 4200;
    QTest::newRow("Denso 2 vie: 2200 bar") << 2 << 2200 << 1000 << false << 2200 << 4000;
    QTest::newRow("zero 540: 1000 bar") << 0 << 2000 << 540 << false << 1000 << 2540;
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

void TestCore::converterCount_data()
{
    // A voltage's count (rounded and unrounded), and a count's voltage.
    QTest::addColumn<bool>("bits12");
    QTest::addColumn<int>("mv");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("exact"); // empty: count -> mv only
    QTest::newRow("10 bit 500 mV") << false << 500 << 102 << "102.3";
    QTest::newRow("10 bit 2500 mV: 511.5 to 512") << false << 2500 << 512 << "511.5";
    QTest::newRow("12 bit 500 mV") << true << 500 << 409 << "409.5";
    QTest::newRow("12 bit 2500 mV") << true << 2500 << 2047 << "2047.5";
    QTest::newRow("10 bit 1023 is 5000 mV") << false << 5000 << 1023 << "1023";
    QTest::newRow("10 bit 512 is 2502 mV") << false << 2502 << 512 << "";
    QTest::newRow("10 bit 102 is 499 mV") << false << 499 << 102 << "";
    QTest::newRow("12 bit 4095 is 5000 mV") << true << 5000 << 4095 << "";
    QTest::newRow("12 bit 1 is 1 mV") << true << 1 << 1 << "";
    QTest::newRow("12 bit 0 is 0 mV") << true << 0 << 0 << "";
    QTest::newRow("10 bit -5 is -24 mV") << false << -24 << -5 << "";
}

void TestCore::converterCount()
{
    QFETCH(bool, bits12);
    QFETCH(int, mv);
    QFETCH(int, count);
    QFETCH(QString, exact);
    const auto res = bits12 ? AdcResolution::Bits12 : AdcResolution::Bits10;
    if (exact.isEmpty()) {
        QCOMPARE(voltageFromAdcCount(res, count), mv);
    } else {
        QCOMPARE(adcCount(res, mv), count);
        QCOMPARE(QString::fromStdString(singleToText(adcCountExact(res, mv), '.')), exact);
    }
}

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
