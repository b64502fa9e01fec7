#include "display_mask.h"

#include "exact_decimal.h"
#include "significant_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace coilwise {
namespace {

constexpr std::array<std::uint64_t, significantDigitCount + 1> powersOfTen = [] {
    std::array<std::uint64_t, significantDigitCount + 1> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// A decimal rounded to a number of decimals: digits x 10^exponent, with at most the 15
// significant digits and one carry (so below 2^53, and exact in a double).
struct RoundedDecimal {
    bool negative = false;
    std::uint64_t digits = 0; // 0 for zero
    int exponent = 0;
};

// The 15-digit form decides the half, so the rounding works on its integer: what is cut off is
// compared with half of its unit.
RoundedDecimal roundDecimal(double value, int decimals) {
    const SignificantInteger significant = significantInteger(value);
    RoundedDecimal out;
    if (significant.digits == 0) {
        return out;
    }
    const long long kept = static_cast<long long>(significant.exponent) + 1 + decimals;
    if (kept >= significantDigitCount) {
        out.digits = significant.digits;
        out.exponent = significant.exponent + 1 - significantDigitCount;
    } else if (kept >= 0) {
        const std::uint64_t unit = powersOfTen[static_cast<std::size_t>(significantDigitCount - kept)];
        out.digits = significant.digits / unit + (significant.digits % unit >= unit / 2 ? 1 : 0);
        out.exponent = -decimals;
    }
    out.negative = significant.negative && out.digits != 0;
    return out;
}

// The decimal digits of a number, most significant first; none for zero.
struct DigitText {
    std::array<char, 20> buffer{};
    std::size_t first = buffer.size();

    explicit DigitText(std::uint64_t value) {
        for (; value != 0; value /= 10) {
            buffer[--first] = static_cast<char>('0' + value % 10);
        }
    }
    std::string_view text() const { return {buffer.data() + first, buffer.size() - first}; }
};

std::string nonFiniteText(double value) {
    std::array<char, 8> buffer{};
    return {buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr};
}

} // namespace

double roundHalfAway(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    const RoundedDecimal rounded = roundDecimal(value, decimals);
    if (rounded.digits == 0) {
        return 0.0;
    }
    if (const std::optional<double> exact =
            exactDecimal(rounded.negative, rounded.digits, rounded.exponent)) {
        return *exact;
    }
    const std::string text = std::string(rounded.negative ? "-" : "") + std::to_string(rounded.digits) + "e" +
                             std::to_string(rounded.exponent);
    double result = 0.0;
    const auto ec = std::from_chars(text.data(), text.data() + text.size(), result).ec;
    // Only the largest doubles can round past the range; they stay as they are.
    return ec == std::errc{} ? result : value;
}

std::string formatMask(double value, DisplayMask mask, const Locale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const std::size_t decimals = mask.decimals;
    const std::size_t minimumIntegerDigits = mask.integerDigitsShown;

    const RoundedDecimal rounded = roundDecimal(value, static_cast<int>(decimals));
    const DigitText roundedDigits(rounded.digits);
    const std::string_view digits = roundedDigits.text();
    // Every digit down to the last decimal, so integer digits of huge values come out whole: the
    // rounded digits and the zeros their exponent stands for, with zeros in front up to the
    // decimals and up to the mask's integer digits that are always shown.
    const auto trailingZeros = static_cast<std::size_t>(rounded.exponent + static_cast<int>(decimals));
    const std::size_t significantSize = digits.size() + trailingZeros;
    const std::size_t integerSize =
        std::max(significantSize > decimals ? significantSize - decimals : 0, minimumIntegerDigits);
    const std::size_t digitCount = integerSize + decimals;

    const std::string_view separator =
        decimals > 0 ? std::string_view(locale.decimalSeparator()) : std::string_view();
    const std::size_t sign = rounded.negative ? 1 : 0;
    std::string out(sign + digitCount + separator.size(), '0');
    if (rounded.negative) {
        out[0] = '-';
    }
    // The rounded digits, then the trailing zeros already in place; those after the integer
    // digits shift right by the separator.
    const std::size_t firstDigit = digitCount - significantSize;
    const std::size_t integerDigits =
        std::min(integerSize - std::min(firstDigit, integerSize), digits.size());
    const auto at = [&](std::size_t position) {
        return out.begin() + static_cast<std::ptrdiff_t>(sign + position);
    };
    std::copy_n(digits.begin(), integerDigits, at(firstDigit));
    std::copy(digits.begin() + static_cast<std::ptrdiff_t>(integerDigits), digits.end(),
              at(firstDigit + integerDigits + separator.size()));
    std::copy(separator.begin(), separator.end(), at(integerSize));
    return out;
}

std::string formatGeneral(double value, const Locale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0.0) {
        return "0";
    }
    const SignificantDigits significant = significantDigits(value);
    const std::string_view allDigits(significant.digits.data(), significant.digits.size());
    const std::string digits(allDigits.substr(0, allDigits.find_last_not_of('0') + 1));
    const int exponent = significant.exponent;
    const std::string& separator = locale.decimalSeparator();

    std::string out = significant.negative ? "-" : "";
    if (exponent >= significantDigitCount || exponent < -4) {
        out += digits.front();
        if (digits.size() > 1) {
            out += separator + digits.substr(1);
        }
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        out += exponent < 0 ? "E-" : "E+";
        out += (exponentDigits.size() < 2 ? "0" : "") + exponentDigits;
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
        }
    } else {
        out += "0" + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

} // namespace coilwise
