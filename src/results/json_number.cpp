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

// Figures such as 23, 0.7 or 4.48, found by scaling: below 10^15 at most one integer scales back
// to the value, so when the value has a form of at most three decimals this is it; the fewest
// decimals are then those left when its zeros at the end go.
bool threeDecimals(double magnitude, std::int64_t& thousandths) {
    const double scaled = magnitude * 1000;
    if (!(scaled < 1e15)) {
        return false;
    }
    // Signed conversions are single instructions; below 10^15 the digits fit either way.
    thousandths = static_cast<std::int64_t>(scaled + 0.5);
    return static_cast<double>(thousandths) / 1000 == magnitude;
}

char* writeFewDecimals(char* out, std::int64_t thousandths, double magnitude) {
    int decimals = 3;
    while (decimals > 0 && thousandths % 10 == 0) {
        thousandths /= 10;
        --decimals;
    }
    const auto digits = static_cast<std::uint64_t>(thousandths);
    if (decimals == 0) {
        // From five zeros at the end on, 1e+05 may be shorter than 100000.
        return digits % 100000 == 0 ? std::to_chars(out, out + jsonNumberRoom, magnitude).ptr
                                    : writeInteger(out, digits);
    }
    const std::uint64_t unit = integerPowersOfTen[static_cast<std::size_t>(decimals)];
    out = writeInteger(out, digits / unit);
    *out++ = '.';
    char* const end = out + decimals;
    for (char* p = writeDecimalDigits(end, digits % unit); p > out;) {
        *--p = '0';
    }
    return end;
}

// The rest, such as 196.11077456068006, from {fmt}'s Dragonbox search (declared in its detail
// namespace), which gives value = digits x 10^exponent with the fewest digits and no zeros at the
// end. Past ten digits before the point, or five zeros after it, the exponent form may be shorter.
char* writeShortest(char* out, double magnitude) {
    const auto shortest = fmt::detail::dragonbox::to_decimal(magnitude);
    const std::uint64_t digits = shortest.significand;
    const int exponent = shortest.exponent;
    const int length = digitCount(digits);
    const int fixedLength = exponent >= 0        ? length + exponent
                            : -exponent < length ? length + 1
                                                 : 2 - exponent;
    const int scientificExponent = exponent + length - 1;
    const int scientificLength =
        length + (length > 1 ? 1 : 0) + 2 + (std::abs(scientificExponent) >= 100 ? 3 : 2);
    // A tie goes to the fixed form. A whole number here has more digits than threeDecimals takes.
    if (scientificLength < fixedLength || exponent >= 0) {
        return std::to_chars(out, out + jsonNumberRoom, magnitude).ptr;
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

} // namespace

char* writeJsonNumber(char* out, double value) {
    const double magnitude = std::fabs(value);
    // Zero, the extremes and what is not finite keep to to_chars itself.
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return std::to_chars(out, out + jsonNumberRoom, value).ptr;
    }
    if (value < 0) {
        *out++ = '-';
    }
    std::int64_t thousandths = 0;
    return threeDecimals(magnitude, thousandths) ? writeFewDecimals(out, thousandths, magnitude)
                                                 : writeShortest(out, magnitude);
}

} // namespace coilwise
