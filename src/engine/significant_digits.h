#pragma once

#include <array>

namespace coilwise {

inline constexpr int significantDigitCount = 15;

// A finite value as 15 significant decimal digits, correctly rounded: what a user reads, and so
// what decides a half when a number is rounded for display.
struct SignificantDigits {
    bool negative = false;
    std::array<char, significantDigitCount> digits{}; // ASCII digits, all '0' for zero
    int exponent = 0;                                 // the magnitude is d.ddd... x 10^exponent
};

// Worked out in integer arithmetic for the values a design shows (10^-5 to 10^15), several times
// cheaper than printing them; printed for the rest.
SignificantDigits significantDigits(double value);

// The same digits by printing them outright: the reference, and the way for every other value.
SignificantDigits significantDigitsPrinted(double value);

} // namespace coilwise
