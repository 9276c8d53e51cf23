#include "ui/Numbers.h"

#include <QLocale>

namespace dravino {

char localeDecimalSeparator()
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 && sep.at(0).unicode() < 128 ? char(sep.at(0).unicode()) : '.';
}

// Text outside ASCII cannot be a number; it reads as letters do.
std::string toAscii(const QString &text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar c : text)
        out += c.unicode() < 128 ? char(c.unicode()) : '?';
    return out;
}

NumberResult<std::int16_t> readInt16(const QString &text)
{
    return toInt16(toAscii(text), localeDecimalSeparator());
}

NumberResult<std::int32_t> readInt32(const QString &text)
{
    return toInt32(toAscii(text), localeDecimalSeparator());
}

QString singleText(float value)
{
    return QString::fromStdString(singleToText(value, localeDecimalSeparator()));
}

} // namespace dravino

namespace dravino {

QString wholeYearDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QDate typedDate(const QString &text)
{
    const QString t = text.trimmed();
    if (const QDate iso = QDate::fromString(t, Qt::ISODate); iso.isValid())
        return iso;
    const QLocale l;
    // The day and the month with or without their leading 0.
    QString format = wholeYearDateFormat();
    format.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    if (const QDate whole = l.toDate(t, format); whole.isValid() && whole.year() >= 1000)
        return whole;
    // A year of two digits is of this century.
    format.replace(QLatin1String("yyyy"), QLatin1String("yy"));
    if (const QDate shortYear = l.toDate(t, format); shortYear.isValid())
        return shortYear.year() < 2000 ? shortYear.addYears(100) : shortYear;
    return {};
}

std::optional<double> typedDecimal(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.count(QLatin1Char('.')) > 1 ? std::nullopt : parseDecimal(toAscii(t), '.');
}

} // namespace dravino
