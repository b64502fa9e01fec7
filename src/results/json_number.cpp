#include "json_number.h"

#include "engine/decimal_digits.h"
#include "engine/powers_of_ten.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fmt/format.h>

namespace coilwise {

namespace {

// floor(log10 2^bits) is a first guess at most one short; zero counts one digit.
int digitCount(std::uint64_t digits) {
    const auto guess = static_cast<std::size_t>(std::bit_width(digits) * 1233 >> 12);
    return std::max(1, static_cast<int>(guess) + (digits >= integerPowersOfTen[guess] ? 1 : 0));
}

char* writeInteger(char* out, std::uint64_t value) {
    char* const end = out + digitCount(value);
    writeDecimalDigits(end, value);
    return end;
}

// Figures such as 23, 0.7 or 4.48, found by scaling: below 10^12 thousandths at most one integer
// scales back to the value and it has at most twelve digits, so when the value has a form of at
// most three decimals this is it; the fewest decimals are then those left when its zeros at the
// end go (writeFixed takes them off).
bool threeDecimals(double magnitude, std::int64_t& thousandths) {
    const double scaled = magnitude * 1000;
    if (!(scaled < 1e12)) {
        return false;
    }
    // Signed conversions are single instructions; below 10^12 the digits fit either way.
    thousandths = static_cast<std::int64_t>(scaled + 0.5);
    return static_cast<double>(thousandths) / 1000 == magnitude;
}

// digits x 10^exponent (digits above zero) in fixed form, its zeros at the end taken off first.
char* writeFixed(char* out, std::uint64_t digits, int exponent) {
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    const int length = digitCount(digits);
    if (exponent >= 0) {
        out = writeInteger(out, digits);
        for (int i = 0; i < exponent; ++i) {
            *out++ = '0';
        }
        return out;
    }
    const int integerDigits = length + exponent;
    const std::uint64_t unit = integerPowersOfTen[static_cast<std::size_t>(std::min(-exponent, length))];
    if (integerDigits > 0) {
        out = writeInteger(out, digits / unit);
    } else {
        *out++ = '0';
    }
    *out++ = '.';
    char* const end = out + (-exponent);
    for (char* p = writeDecimalDigits(end, digits % unit); p > out;) {
        *--p = '0';
    }
    return end;
}

// The rest, such as 196.11077456068006, from {fmt}'s Dragonbox search (declared in its detail
// namespace), which gives value = digits x 10^exponent with the fewest digits and no zeros at the
// end; digits beyond the twelfth are rounded off, halves up.
char* writeShortest(char* out, double magnitude) {
    const auto shortest = fmt::detail::dragonbox::to_decimal(magnitude);
    std::uint64_t digits = shortest.significand;
    int exponent = shortest.exponent;
    const int length = digitCount(digits);
    if (length > jsonSignificantDigits) {
        const int cut = length - jsonSignificantDigits;
        const std::uint64_t unit = integerPowersOfTen[static_cast<std::size_t>(cut)];
        digits = digits / unit + (digits % unit >= unit / 2 ? 1 : 0);
        exponent += cut;
    }
    return writeFixed(out, digits, exponent);
}

} // namespace

char* writeJsonNumber(char* out, double value) {
    if (!std::isfinite(value)) {
        return std::to_chars(out, out + jsonNumberRoom, value).ptr;
    }
    if (value == 0) {
        *out++ = '0';
        return out;
    }
    const double magnitude = std::fabs(value);
    if (value < 0) {
        *out++ = '-';
    }
    std::int64_t thousandths = 0;
    if (magnitude >= 1e-3 && threeDecimals(magnitude, thousandths)) {
        return writeFixed(out, static_cast<std::uint64_t>(thousandths), -3);
    }
    return writeShortest(out, magnitude);
}

} // namespace coilwise
