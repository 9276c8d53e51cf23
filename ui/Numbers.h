#pragma once
// Field texts to numbers and back, with the current locale's decimal
// separator (the default QLocale, so tests can fix it).

#include "core/WholeNumber.h"

#include <QString>

namespace dravino {

char localeDecimalSeparator();
// The text with every character outside ASCII replaced by '?'.
std::string toAscii(const QString &text);
NumberResult<std::int16_t> readInt16(const QString &text);
NumberResult<std::int32_t> readInt32(const QString &text);
// A single-precision value with up to seven significant digits.
QString singleText(float value);

} // namespace dravino
