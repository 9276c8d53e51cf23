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
