#include "significant_digits.h"

#include "powers_of_ten.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace coilwise {

namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr std::uint64_t lowest15Digits = 100000000000000;  // 10^14
constexpr std::uint64_t beyond15Digits = 1000000000000000; // 10^15
constexpr int largestScale = static_cast<int>(integerPowersOfTen.size()) - 1;

// Two digits at a time: "00" to "99".
constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

SignificantDigits toDigits(const SignificantInteger& value) {
    SignificantDigits out;
    out.negative = value.negative;
    out.exponent = value.exponent;
    std::uint64_t digits = value.digits;
    for (std::size_t end = significantDigitCount; end > 1; end -= 2) {
        const std::size_t pair = 2 * (digits % 100);
        digits /= 100;
        out.digits[end - 2] = digitPairs[pair];
        out.digits[end - 1] = digitPairs[pair + 1];
    }
    out.digits[0] = static_cast<char>('0' + digits);
    return out;
}

SignificantInteger toInteger(const SignificantDigits& value) {
    SignificantInteger out{value.negative, 0, value.exponent};
    for (const char digit : value.digits) {
        out.digits = out.digits * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    return out;
}

// The value is m / 2^s exactly (m of 53 bits); times 10^(14 - exponent) it is a 15-digit integer
// and a binary fraction, both exact in 128 bits for 10^-5 <= |value| < 10^15, so the rounding to
// 15 digits is exact. An exact half is left to printing, which settles ties its own way.
std::optional<SignificantInteger> exactDigits(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return std::nullopt;
    }
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biasedExponent; // from 4 to 69 in this range
    const Uint128 half = Uint128{1} << (shift - 1);
    // floor(k log10 2) for |k| < 1650 (78913 / 2^18 is log10 2 rounded up): the decade of 2^k,
    // which is the value's decade or one below it.
    int exponent = ((biasedExponent - 1023) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 14 - exponent;
        if (scale < 0 || scale > largestScale) {
            return std::nullopt;
        }
        const Uint128 product = Uint128{mantissa} * integerPowersOfTen[static_cast<std::size_t>(scale)];
        const Uint128 whole = product >> shift;
        const Uint128 rest = product - (whole << shift);
        if (whole < lowest15Digits) {
            --exponent;
            continue;
        }
        if (whole >= beyond15Digits) {
            ++exponent;
            continue;
        }
        if (rest == half) {
            return std::nullopt;
        }
        auto digits = static_cast<std::uint64_t>(whole) + (rest > half ? 1 : 0);
        if (digits == beyond15Digits) {
            digits = lowest15Digits;
            ++exponent;
        }
        return SignificantInteger{value < 0, digits, exponent};
    }
    return std::nullopt;
}

} // namespace

SignificantDigits significantDigitsPrinted(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, significantDigitCount - 1)
                         .ptr;
    // Shape "-d.dddddddddddddde+XX"; from_chars takes no "+", so the exponent's sign is read apart.
    std::string_view text(buffer.data(), end);
    SignificantDigits out;
    if (text.front() == '-') {
        out.negative = true;
        text.remove_prefix(1);
    }
    out.digits[0] = text[0];
    std::copy_n(text.begin() + 2, significantDigitCount - 1, out.digits.begin() + 1);
    const auto e = text.find('e');
    std::from_chars(text.data() + e + 2, text.data() + text.size(), out.exponent);
    if (text[e + 1] == '-') {
        out.exponent = -out.exponent;
    }
    return out;
}

SignificantInteger significantInteger(double value) {
    if (const std::optional<SignificantInteger> exact = exactDigits(value)) {
        return *exact;
    }
    return toInteger(significantDigitsPrinted(value));
}

SignificantDigits significantDigits(double value) {
    if (const std::optional<SignificantInteger> exact = exactDigits(value)) {
        return toDigits(*exact);
    }
    return significantDigitsPrinted(value);
}

} // namespace coilwise
