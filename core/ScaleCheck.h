#pragma once
// The scale and linearity check: converter readings taken at up to five
// known pressures plus zero give each row's full scale, their average, and
// each row's linearity (percent) and deviation (bar) against the average.
//
// The computation works on the grid's texts as the panel shows them and
// follows the bench program's error policy: a division by zero stops it; any
// other failure (text that is not a number, a value beyond its width, zero
// divided by zero) is reported, the failing statement is skipped and the
// computation goes on. A reading above the converter's highest count is no
// reading: its row is not computed (without row 0, no row is).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dravino {

inline constexpr int kScaleRows = 6;
// The output change from 0 bar to full scale the rows' scales are computed
// with, and the reading a row above the zero row needs to be computed.
inline constexpr int kScaleSpanBoschMv = 4000;
inline constexpr int kScaleSpanDensoMv = 3200;
inline constexpr int kScaleValidityMv = 400;

enum class Verdict { Unchanged, Green, Red };

struct ScaleGrid {
    std::array<std::string, kScaleRows> bar;         // typed pressures
    std::array<std::string, kScaleRows> adc;         // typed readings
    std::array<std::string, kScaleRows> mvolt;       // results from here on
    std::array<std::string, kScaleRows> scala;
    std::array<std::string, kScaleRows> linearita;
    std::array<std::string, kScaleRows> scostamento;
    std::array<Verdict, kScaleRows> linearitaColor{};
    std::array<Verdict, kScaleRows> scostamentoColor{};
    std::string media;                                // the average field
    // The numbers behind the texts, as the last computation left them: each
    // row's linearity in percent (where its text is not empty) and the
    // deviations' window, one hundredth of the average.
    std::array<float, kScaleRows> linearityPercent{};
    int tolerance = 0;
};

struct ScaleSettings {
    bool bits12 = false;          // "ADC a 12 bit"
    bool denso = false;           // "Sensore Denso": span 3200 instead of 4000
    bool automaticAverage = true; // "media automatica"
    char decimalSeparator = '.';
};

struct ScaleFailure {
    enum Kind {
        RunTime,        // reported, the statement skipped: number and description
        DivisionByZero, // ends the computation
        CountBeyond,    // row's reading count is above the converter's highest, maxCount
    } kind = RunTime;
    int number = 0;     // 13 type mismatch, 6 overflow
    std::string description;
    int row = -1;
    std::int32_t count = 0;
    int maxCount = 0;
    bool divisionByZero() const { return kind == DivisionByZero; }
};

inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrOverflow = 6;

// Runs the computation on the grid in place; returns the failures in the
// order they happened (the last one ends it when it is a division by zero).
std::vector<ScaleFailure> calcolaScala(ScaleGrid &grid, const ScaleSettings &settings);

// "#0.#0" with two decimals and the given separator (0.9824 -> "0.98").
std::string formatLinearity(float percent, char decimalSeparator);
// The linearity as that text shows it, as a number (0.9824 -> 0.98).
double shownLinearity(float percent);

} // namespace dravino
