// Decoding the number on a Sensata sensor: both forms, the "74" prefix, the
// day limits in leap and common years and the moving two-digit year window.

#include "core/Sensata.h"

#include <QtTest>

using namespace dravino;

Q_DECLARE_METATYPE(dravino::SensataDecoding::Outcome)

class TestSensata : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
};

void TestSensata::decodes_data()
{
    using O = SensataDecoding::Outcome;
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("currentYear");
    QTest::addColumn<O>("outcome");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("length");
    const QDate may16(2013, 5, 16);
    QTest::newRow("default number") << "13136421110" << 2026 << O::Date << may16 << "421110" << 11;
    QTest::newRow("74 prefix keeps the typed length") << "7413136421110" << 2026 << O::Date << may16 << "421110" << 13;
    QTest::newRow("short form, no serial") << "13613" << 2026 << O::Date << may16 << "" << 5;
    QTest::newRow("short form with serial") << "1361342" << 2026 << O::Date << may16 << "42" << 7;
    QTest::newRow("day 001") << "13001000" << 2026 << O::Date << QDate(2013, 1, 1) << "000" << 8;
    QTest::newRow("day 365 of 2013") << "13365000" << 2026 << O::Date << QDate(2013, 12, 31) << "000" << 8;
    QTest::newRow("day 060 of 2020") << "20060000" << 2026 << O::Date << QDate(2020, 2, 29) << "000" << 8;
    QTest::newRow("day 366 of leap 2020") << "20366000" << 2026 << O::Date << QDate(2020, 12, 31) << "000" << 8;
    QTest::newRow("day 366 of common 2013") << "13366000" << 2026 << O::UnknownDate << QDate() << "" << 8;
    QTest::newRow("day 000") << "13000000" << 2026 << O::UnknownDate << QDate() << "" << 8;
    QTest::newRow("year 26 this year") << "26100000" << 2026 << O::Date << QDate(2026, 4, 10) << "000" << 8;
    QTest::newRow("year 27 last century") << "27100000" << 2026 << O::Date << QDate(1927, 4, 10) << "000" << 8;
    QTest::newRow("year 24 in 2026") << "24100000" << 2026 << O::Date << QDate(2024, 4, 9) << "000" << 8;
    QTest::newRow("year 24 seen in 2023") << "24100000" << 2023 << O::Date << QDate(1924, 4, 9) << "000" << 8;
    QTest::newRow("four characters") << "1313" << 2026 << O::UnknownDate << QDate() << "" << 4;
    QTest::newRow("empty") << "" << 2026 << O::UnknownDate << QDate() << "" << 0;
    QTest::newRow("74 leaves no year") << "74136" << 2026 << O::Error << QDate() << "" << 5;
    QTest::newRow("74 leaves a one-digit year") << "741361" << 2026 << O::UnknownDate << QDate() << "" << 6;
    QTest::newRow("letters in the year") << "ab136421110" << 2026 << O::Error << QDate() << "" << 11;
    QTest::newRow("sign in the day") << "13-36421110" << 2026 << O::Error << QDate() << "" << 11;
    QTest::newRow("very long") << QString(5000, QLatin1Char('1')) << 2026 << O::Date << QDate(2011, 4, 21)
                               << QString(4995, QLatin1Char('1')) << 5000;
}

void TestSensata::decodes()
{
    QFETCH(QString, number);
    QFETCH(int, currentYear);
    QFETCH(QDate, date);
    const auto d = decodeSensata(number.toStdString(), currentYear);
    QTEST(d.outcome, "outcome");
    QTEST(int(d.length), "length");
    if (d.outcome == SensataDecoding::Outcome::Date)
        QCOMPARE(QDate(d.year, d.month, d.day), date);
    QTEST(QString::fromStdString(d.serial), "serial");
    if (d.outcome == SensataDecoding::Outcome::Error) {
        QCOMPARE(d.errorNumber, 13);
        QCOMPARE(QString::fromStdString(d.errorDescription), QStringLiteral("Tipo non corrispondente"));
    }
}

QTEST_APPLESS_MAIN(TestSensata)
#include "tst_sensata.moc"
