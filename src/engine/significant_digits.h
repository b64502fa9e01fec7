#pragma once

#include <array>
#include <cstdint>

namespace coilwise {

inline constexpr int significantDigitCount = 15;

// A finite value as 15 significant decimal digits, correctly rounded: what a user reads, and so
// what decides a half when a number is rounded for display.
struct SignificantDigits {
    bool negative = false;
    std::array<char, significantDigitCount> digits{}; // ASCII digits, all '0' for zero
    int exponent = 0;                                 // the magnitude is d.ddd... x 10^exponent
};

// The same 15 digits as one integer, for arithmetic on them: the magnitude is
// digits x 10^(exponent - 14), with digits from 10^14 to 10^15 - 1, or 0 for zero.
struct SignificantInteger {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// Worked out in integer arithmetic for the values a design shows (10^-5 to 10^15), several times
// cheaper than printing them; printed for the rest.
SignificantDigits significantDigits(double value);
SignificantInteger significantInteger(double value);

// The same digits by printing them outright: the reference, and the way for every other value.
SignificantDigits significantDigitsPrinted(double value);

} // namespace coilwise
