#include "json_number.h"

#include "engine/decimal_digits.h"
#include "engine/powers_of_ten.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fmt/format.h>

namespace coilwise {

namespace {

// value = digits x 10^exponent, with the fewest digits that read back as value.
struct Shortest {
    std::uint64_t digits;
    int exponent;
};

// Figures such as 23, 0.7 or 4.48 are found by scaling: below 10^15 at most one integer scales
// back to the value at each number of decimals, so the first that does has the fewest digits.
bool fewDecimals(double value, Shortest& shortest) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
        const double power = exactPowersOfTen[static_cast<std::size_t>(decimals)];
        const double scaled = value * power;
        if (scaled >= 1e15) {
            return false;
        }
        const auto digits = static_cast<std::uint64_t>(scaled + 0.5);
        if (static_cast<double>(digits) / power == value) {
            shortest = {digits, -decimals};
            while (shortest.digits % 10 == 0) {
                shortest.digits /= 10;
                ++shortest.exponent;
            }
            return true;
        }
    }
    return false;
}

// The rest, such as 196.11077456068006, by {fmt}'s Dragonbox search, which it declares in its
// detail namespace. It returns the digits without trailing zeros.
Shortest dragonbox(double value) {
    const auto decimal = fmt::detail::dragonbox::to_decimal(value);
    return {decimal.significand, decimal.exponent};
}

// floor(log10 2^bits) is a first guess at most one short. The digits are fewer than 18.
int digitCount(std::uint64_t digits) {
    const auto guess = static_cast<std::size_t>(std::bit_width(digits) * 1233 >> 12);
    return static_cast<int>(guess) + (digits >= integerPowersOfTen[guess] ? 1 : 0);
}

} // namespace

char* writeJsonNumber(char* out, double value) {
    const double magnitude = std::fabs(value);
    // Zero, the extremes and what is not finite keep to to_chars itself.
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return std::to_chars(out, out + jsonNumberRoom, value).ptr;
    }
    Shortest shortest{};
    if (!fewDecimals(magnitude, shortest)) {
        shortest = dragonbox(magnitude);
    }
    const int length = digitCount(shortest.digits);
    const int exponent = shortest.exponent;
    const int fixedLength = exponent >= 0        ? length + exponent
                            : -exponent < length ? length + 1
                                                 : 2 - exponent;
    const int scientificExponent = exponent + length - 1;
    const int scientificLength =
        length + (length > 1 ? 1 : 0) + 2 + (std::abs(scientificExponent) >= 100 ? 3 : 2);
    // A tie goes to the fixed form.
    if (scientificLength < fixedLength) {
        return std::to_chars(out, out + jsonNumberRoom, value).ptr;
    }
    if (value < 0) {
        *out++ = '-';
    }
    if (exponent >= 0) {
        writeDecimalDigits(out + length, shortest.digits);
        std::memset(out + length, '0', static_cast<std::size_t>(exponent));
        return out + fixedLength;
    }
    if (-exponent < length) {
        // The digits with room for the point, then the integer digits moved one place left.
        const int integerDigits = length + exponent;
        writeDecimalDigits(out + length + 1, shortest.digits);
        for (int i = 0; i < integerDigits; ++i) {
            out[i] = out[i + 1];
        }
        out[integerDigits] = '.';
        return out + fixedLength;
    }
    out[0] = '0';
    out[1] = '.';
    std::memset(out + 2, '0', static_cast<std::size_t>(-exponent - length));
    writeDecimalDigits(out + fixedLength, shortest.digits);
    return out + fixedLength;
}

} // namespace coilwise
