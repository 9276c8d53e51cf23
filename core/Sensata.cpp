#include "core/Sensata.h"

namespace dravino {

namespace {

bool allDigits(std::string_view s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Characters from position `from` (counting from 0), at most `count`; what
// lies beyond the end is simply not there.
std::string_view mid(std::string_view s, std::size_t from, std::size_t count = std::string_view::npos)
{
    return from >= s.size() ? std::string_view{} : s.substr(from, count);
}

int toNumber(std::string_view digits)
{
    int v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

const char *countryText(int entry)
{
    return entry >= 0 && entry < int(kCountryTexts.size()) ? kCountryTexts[std::size_t(entry)]
                                                           : kCountryUnknown;
}

SensataDecoding decodeSensata(std::string_view number, int currentYear)
{
    SensataDecoding out;
    out.length = number.size();
    std::string_view s = number;
    if (s.substr(0, 2) == "74")
        s.remove_prefix(2);

    std::string_view yy;
    std::string_view dayText;
    if (out.length > 7) {
        yy = mid(s, 0, 2);
        dayText = mid(s, 2, 3);
    } else if (out.length >= 5) {
        dayText = mid(s, 0, 3);
        yy = mid(s, 3, 2);
    } else {
        return out; // too short for either form
    }
    out.serial = std::string(mid(s, 5));

    if (!allDigits(yy) || !allDigits(dayText)) {
        out.outcome = SensataDecoding::Outcome::Error;
        out.errorNumber = 13;
        out.errorDescription = "Tipo non corrispondente";
        out.serial.clear();
        return out;
    }
    // A one-digit year (a short number behind "74") names no real year.
    if (yy.size() < 2) {
        out.serial.clear();
        return out;
    }
    const int twoDigits = toNumber(yy);
    const int pivot = currentYear % 100;
    out.year = (twoDigits <= pivot ? 2000 : 1900) + twoDigits;

    const int dayOfYear = toNumber(dayText);
    const int daysInYear = isLeapYear(out.year) ? 366 : 365;
    if (dayOfYear < 1 || dayOfYear > daysInYear) {
        out.serial.clear();
        out.year = 0;
        return out;
    }
    int remaining = dayOfYear;
    out.month = 1;
    for (int m = 0; m < 12; ++m) {
        const int days = kMonthDays[m] + (m == 1 && isLeapYear(out.year) ? 1 : 0);
        if (remaining <= days)
            break;
        remaining -= days;
        ++out.month;
    }
    out.day = remaining;
    out.outcome = SensataDecoding::Outcome::Date;
    return out;
}

} // namespace dravino
