// The converter's arithmetic: whole numbers as text, both transfer functions
// for every family, the coefficient and the converter count.

#include "core/Sensor.h"
#include "core/WholeNumber.h"

#include <QtTest>

using namespace dravino;

Q_DECLARE_METATYPE(dravino::SensorType)
Q_DECLARE_METATYPE(dravino::AdcResolution)
Q_DECLARE_METATYPE(dravino::NumberError)

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void readsWholeNumbers_data();
    void readsWholeNumbers();
    void writesSingles_data();
    void writesSingles();
    void voltageToPressure_data();
    void voltageToPressure();
    void pressureToVoltage_data();
    void pressureToVoltage();
    void coefficientIsSinglePrecision_data();
    void coefficientIsSinglePrecision();
    void countOfVoltage_data();
    void countOfVoltage();
    void voltageOfCount_data();
    void voltageOfCount();
};

void TestCore::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    QTest::newRow("1.5 to 2") << 1.5 << 2.0;
    QTest::newRow("2.5 to 2") << 2.5 << 2.0;
    QTest::newRow("-0.5 to 0") << -0.5 << 0.0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
    QTest::newRow("2418.5 to 2418") << 2418.5 << 2418.0;
    QTest::newRow("2419.5 to 2420") << 2419.5 << 2420.0;
    QTest::newRow("just above a half") << 2.5000001 << 3.0;
    QTest::newRow("just below a half") << 2.4999999 << 2.0;
}

void TestCore::roundsHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE(roundHalfEven(x), expected);
}

void TestCore::readsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<NumberError>("error16");
    QTest::addColumn<int>("value16");
    QTest::addColumn<NumberError>("error32");
    QTest::addColumn<int>("value32");
    const auto ok = NumberError::None;
    const auto nan = NumberError::NotANumber;
    const auto over = NumberError::Overflow;
    QTest::newRow("leading zero") << "0500" << '.' << ok << 500 << ok << 500;
    QTest::newRow("empty") << "" << '.' << nan << 0 << nan << 0;
    QTest::newRow("letters") << "4a5" << '.' << nan << 0 << nan << 0;
    QTest::newRow("lone sign") << "-" << '.' << nan << 0 << nan << 0;
    QTest::newRow("negative") << "-50" << '.' << ok << -50 << ok << -50;
    QTest::newRow("blanks around") << " 12 " << '.' << ok << 12 << ok << 12;
    QTest::newRow("half to even") << "2.5" << '.' << ok << 2 << ok << 2;
    QTest::newRow("locale comma") << "1,5" << ',' << ok << 2 << ok << 2;
    QTest::newRow("point when comma is the separator") << "1.5" << ',' << nan << 0 << nan << 0;
    QTest::newRow("16-bit top") << "32767" << '.' << ok << 32767 << ok << 32767;
    QTest::newRow("beyond 16 bits") << "32768" << '.' << over << 0 << ok << 32768;
    QTest::newRow("16-bit bottom") << "-32768" << '.' << ok << -32768 << ok << -32768;
    QTest::newRow("beyond 32 bits") << "2147483648" << '.' << over << 0 << over << 0;
    QTest::newRow("very long") << QString(400, QLatin1Char('9')) << '.' << over << 0 << over << 0;
    QTest::newRow("exponent") << "1e3" << '.' << nan << 0 << nan << 0;
    QTest::newRow("two signs") << "--1" << '.' << nan << 0 << nan << 0;
}

void TestCore::readsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(char, separator);
    QFETCH(NumberError, error16);
    QFETCH(int, value16);
    QFETCH(NumberError, error32);
    QFETCH(int, value32);
    const auto r16 = toInt16(text.toStdString(), separator);
    QCOMPARE(r16.error, error16);
    QCOMPARE(int(r16.value), value16);
    const auto r32 = toInt32(text.toStdString(), separator);
    QCOMPARE(r32.error, error32);
    QCOMPARE(r32.value, value32);
    QCOMPARE(isNumeric(text.toStdString(), separator), error32 != NumberError::NotANumber);
}

void TestCore::writesSingles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.5") << 0.5f << '.' << "0.5";
    QTest::newRow("0,5") << 0.5f << ',' << "0,5";
    QTest::newRow("1800 bar coefficient") << float(1800.0 / 4000.0) << '.' << "0.45";
    QTest::newRow("2200 bar two-way") << float(2200.0 / 3000.0) << '.' << "0.7333333";
    QTest::newRow("whole") << 102.0f << '.' << "102";
    QTest::newRow("count 409.49997") << 409.49997f << '.' << "409.5";
}

void TestCore::writesSingles()
{
    QFETCH(float, value);
    QFETCH(char, separator);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(singleToText(value, separator)), text);
}

void TestCore::voltageToPressure_data()
{
    QTest::addColumn<SensorType>("type");
    QTest::addColumn<int>("fullScale");
    QTest::addColumn<int>("zero");
    QTest::addColumn<int>("mv");
    QTest::addColumn<int>("bar");
    const auto bosch = SensorType::BoschDelphiVdo;
    const auto denso1 = SensorType::DensoOneWay;
    const auto denso2 = SensorType::DensoTwoWay;
    QTest::newRow("Bosch 2000 bar 4500 mV") << bosch << 2000 << 500 << 4500 << 2000;
    QTest::newRow("Bosch 2000 bar 501 mV (0.5 to 0)") << bosch << 2000 << 500 << 501 << 0;
    QTest::newRow("Bosch 2000 bar 503 mV (1.5 to 2)") << bosch << 2000 << 500 << 503 << 2;
    QTest::newRow("Bosch 2000 bar 400 mV") << bosch << 2000 << 500 << 400 << -50;
    QTest::newRow("Bosch 1800 bar 4500 mV") << bosch << 1800 << 500 << 4500 << 1800;
    QTest::newRow("Denso 1 via 2000 bar 4200 mV") << denso1 << 2000 << 1000 << 4200 << 2000;
    QTest::newRow("Denso 1 via 2000 bar 4800 mV") << denso1 << 2000 << 1000 << 4800 << 2375;
    QTest::newRow("Denso 2 vie 2200 bar 4000 mV") << denso2 << 2200 << 1000 << 4000 << 2200;
    QTest::newRow("zero 540: 4500 mV") << bosch << 2000 << 540 << 4500 << 1980;
    QTest::newRow("zero 540: 541 mV") << bosch << 2000 << 540 << 541 << 0;
    QTest::newRow("Denso zero 950: 4200 mV") << denso1 << 2000 << 950 << 4200 << 2031;
    QTest::newRow("Bosch 2000 bar 499 mV (-0.5 to 0)") << bosch << 2000 << 500 << 499 << 0;
}

void TestCore::voltageToPressure()
{
    QFETCH(SensorType, type);
    QFETCH(int, fullScale);
    QFETCH(int, zero);
    QFETCH(int, mv);
    QFETCH(int, bar);
    QCOMPARE(pressureFromVoltage(type, fullScale, zero, mv), bar);
}

void TestCore::pressureToVoltage_data()
{
    QTest::addColumn<SensorType>("type");
    QTest::addColumn<int>("fullScale");
    QTest::addColumn<int>("zero");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("mv");
    const auto bosch = SensorType::BoschDelphiVdo;
    const auto denso1 = SensorType::DensoOneWay;
    const auto denso2 = SensorType::DensoTwoWay;
    QTest::newRow("Bosch 2000 bar 1000 bar") << bosch << 2000 << 500 << 1000 << 2500;
    QTest::newRow("Bosch 2000 bar 2400 bar") << bosch << 2000 << 500 << 2400 << 5300;
    QTest::newRow("Bosch 1800 bar 900 bar") << bosch << 1800 << 500 << 900 << 2500;
    QTest::newRow("Bosch 1800 bar 1 bar") << bosch << 1800 << 500 << 1 << 502;
    QTest::newRow("Denso 1 via 2000 bar") << denso1 << 2000 << 1000 << 2000 << 4200;
    QTest::newRow("Denso 2 vie 2200 bar") << denso2 << 2200 << 1000 << 2200 << 4000;
    QTest::newRow("zero 540: 1000 bar") << bosch << 2000 << 540 << 1000 << 2540;
    QTest::newRow("Denso zero 950: 2000 bar") << denso1 << 2000 << 950 << 2000 << 4150;
    QTest::newRow("150 bar full scale, 550 bar") << bosch << 150 << 500 << 550 << 15167;
}

void TestCore::pressureToVoltage()
{
    QFETCH(SensorType, type);
    QFETCH(int, fullScale);
    QFETCH(int, zero);
    QFETCH(int, bar);
    QFETCH(int, mv);
    QCOMPARE(voltageFromPressure(type, fullScale, zero, bar), mv);
}

void TestCore::coefficientIsSinglePrecision_data()
{
    QTest::addColumn<SensorType>("type");
    QTest::addColumn<int>("fullScale");
    QTest::addColumn<double>("stored");
    QTest::newRow("Bosch 2000") << SensorType::BoschDelphiVdo << 2000 << 0.5;
    QTest::newRow("Bosch 1800") << SensorType::BoschDelphiVdo << 1800 << 0.44999998807907104;
    QTest::newRow("Denso 1 via 2000") << SensorType::DensoOneWay << 2000 << 0.625;
    QTest::newRow("Denso 2 vie 2200") << SensorType::DensoTwoWay << 2200 << 0.7333333492279053;
}

void TestCore::coefficientIsSinglePrecision()
{
    QFETCH(SensorType, type);
    QFETCH(int, fullScale);
    QFETCH(double, stored);
    QCOMPARE(double(coefficient(type, fullScale)), stored);
}

void TestCore::countOfVoltage_data()
{
    QTest::addColumn<AdcResolution>("res");
    QTest::addColumn<int>("mv");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("exact");
    QTest::newRow("10 bit 500 mV") << AdcResolution::Bits10 << 500 << 102 << "102.3";
    QTest::newRow("10 bit 2500 mV (511.5 to 512)") << AdcResolution::Bits10 << 2500 << 512 << "511.5";
    QTest::newRow("12 bit 500 mV") << AdcResolution::Bits12 << 500 << 409 << "409.5";
    QTest::newRow("12 bit 2500 mV") << AdcResolution::Bits12 << 2500 << 2047 << "2047.5";
    QTest::newRow("10 bit 5000 mV") << AdcResolution::Bits10 << 5000 << 1023 << "1023";
}

void TestCore::countOfVoltage()
{
    QFETCH(AdcResolution, res);
    QFETCH(int, mv);
    QFETCH(int, count);
    QFETCH(QString, exact);
    QCOMPARE(adcCount(res, mv), count);
    QCOMPARE(QString::fromStdString(singleToText(adcCountExact(res, mv), '.')), exact);
}

void TestCore::voltageOfCount_data()
{
    QTest::addColumn<AdcResolution>("res");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mv");
    QTest::newRow("10 bit 1023") << AdcResolution::Bits10 << 1023 << 5000;
    QTest::newRow("10 bit 512") << AdcResolution::Bits10 << 512 << 2502;
    QTest::newRow("10 bit 102") << AdcResolution::Bits10 << 102 << 499;
    QTest::newRow("12 bit 4095") << AdcResolution::Bits12 << 4095 << 5000;
    QTest::newRow("12 bit 1") << AdcResolution::Bits12 << 1 << 1;
    QTest::newRow("12 bit 0") << AdcResolution::Bits12 << 0 << 0;
    QTest::newRow("10 bit -100") << AdcResolution::Bits10 << -100 << -489;
}

void TestCore::voltageOfCount()
{
    QFETCH(AdcResolution, res);
    QFETCH(int, count);
    QFETCH(int, mv);
    QCOMPARE(voltageFromAdcCount(res, count), mv);
}

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
