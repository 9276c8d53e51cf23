#pragma once
// Field texts to numbers and back, with the current locale's decimal
// separator (the default QLocale, so tests can fix it).

#include "core/WholeNumber.h"

#include <QDate>
#include <QString>

namespace dravino {

char localeDecimalSeparator();
// The text with every character outside ASCII replaced by '?'.
std::string toAscii(const QString &text);
NumberResult<std::int16_t> readInt16(const QString &text);
NumberResult<std::int32_t> readInt32(const QString &text);
// A number typed with a decimal comma or point (one of them at most);
// nothing where it does not read.
std::optional<double> typedDecimal(const QString &text);
// A single-precision value with up to seven significant digits.
QString singleText(float value);

// Dates as the window's language writes them, with the whole year
// ("dd/MM/yyyy" in Italian, "M/d/yyyy" in English); and a date typed so,
// with a year of two digits or four, or as yyyy-MM-dd. Invalid where the
// text is no date.
QString wholeYearDateFormat();
QDate typedDate(const QString &text);

} // namespace dravino
