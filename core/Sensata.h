#pragma once
// The number printed on a Sensata sensor: a two-digit year, a three-digit day
// of the year and a serial part, in a long form (YY DDD serial, more than
// seven characters) or a short form (DDD YY serial, five to seven), possibly
// behind a leading "74".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dravino {

struct SensataDecoding {
    enum class Outcome {
        Date,        // year, month, day and serial are set
        UnknownDate, // no day 1..365 (366 in a leap year) or no form applies
        Error,       // a year or day field that is not a number
    };
    Outcome outcome = Outcome::UnknownDate;
    std::size_t length = 0; // length as typed, before "74" is removed
    int year = 0;
    int month = 0;
    int day = 0;
    std::string serial;
    int errorNumber = 0;
    std::string errorDescription;
};

// currentYear sets the two-digit window: years up to its last two digits are
// 20yy, later ones 19yy.
SensataDecoding decodeSensata(std::string_view number, int currentYear);

bool isLeapYear(int year);

// The country and gas marks of the label, by list position.
inline constexpr std::array<const char *, 7> kCountryMarks{"BG?", "CN", "MY", "MX", "PL?", "KR?", "RD?"};
inline constexpr std::array<const char *, 7> kCountryTexts{
    "Made in BULGARIA", "Made in CHINA",  "Made in MALAYSIA",       "Made in MESSICO",
    "Made in POLONIA",  "Made in KOREA", "Made in REP. DOMINICANA"};
inline constexpr const char *kCountryUnknown = "Made in SCONOSCIUTO";
inline constexpr std::array<const char *, 2> kGasMarks{"67R", "110R"};
inline constexpr std::array<const char *, 2> kGasTexts{"per GPL", "per CNG (Metano)"};

// The country text of a list position (-1: nothing selected).
const char *countryText(int entry);

} // namespace dravino
