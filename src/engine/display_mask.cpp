#include "display_mask.h"

#include "decimal_digits.h"
#include "exact_decimal.h"
#include "powers_of_ten.h"
#include "significant_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace coilwise {
namespace {

// A decimal rounded to a number of decimals: digits x 10^exponent, with at most the 15
// significant digits and one carry (so below 2^53, and exact in a double).
struct RoundedDecimal {
    bool negative = false;
    std::uint64_t digits = 0; // 0 for zero
    int exponent = 0;
};

// The 15-digit form decides the half, so the rounding works on its integer: what is cut off is
// compared with half of its unit.
RoundedDecimal roundFifteenDigits(double value, int decimals) {
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
        const std::uint64_t unit = integerPowersOfTen[static_cast<std::size_t>(significantDigitCount - kept)];
        out.digits = significant.digits / unit + (significant.digits % unit >= unit / 2 ? 1 : 0);
        out.exponent = -decimals;
    }
    out.negative = significant.negative && out.digits != 0;
    return out;
}

// Nearly every value lies well clear of a half at its last decimal, and then the product of the
// double with 10^decimals rounds as its 15-digit form does: the two differ by under 5.3e-15 of
// the value (half a unit of the 15th digit, and the product's own rounding), so a half that is
// further off than 1e-13 of it lies on the same side of both. Below 10^13 the product's whole
// part and fraction are exact, and the 15-digit form keeps the digit that decides.
RoundedDecimal roundDecimal(double value, int decimals) {
    if (decimals >= 0 && decimals <= significantDigitCount) {
        const double scaled = std::fabs(value) * exactPowersOfTen[static_cast<std::size_t>(decimals)];
        if (scaled < 1e13) {
            // The cast is floor for a positive value, and exact below 2^53.
            const double whole = static_cast<double>(static_cast<std::uint64_t>(scaled));
            const double fraction = scaled - whole;
            if (std::fabs(fraction - 0.5) > 1e-13 * scaled) {
                const std::uint64_t digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
                return {value < 0 && digits != 0, digits, -decimals};
            }
        }
    }
    return roundFifteenDigits(value, decimals);
}

// How many decimal digits a number has; none for zero. floor(log10 2^bits) is a first guess at
// most one short.
std::size_t decimalDigitCount(std::uint64_t value) {
    const auto guess = static_cast<std::size_t>(std::bit_width(value) * 1233 >> 12);
    return guess + (value >= integerPowersOfTen[guess] ? 1 : 0);
}

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
    // Every digit down to the last decimal, so integer digits of huge values come out whole: the
    // rounded digits and the zeros their exponent stands for, with zeros in front up to the
    // decimals and up to the mask's integer digits that are always shown.
    const auto trailingZeros = static_cast<std::size_t>(rounded.exponent + static_cast<int>(decimals));
    const std::size_t length = decimalDigitCount(rounded.digits);
    const std::size_t significantSize = length + trailingZeros;
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
    // The rounded digits end before the trailing zeros already in place: those right of the
    // separator end the text, the rest end where the integer digits' own zeros begin. Zeros in
    // front are in place too.
    char* const digitsStart = out.data() + sign;
    const std::size_t fractionDigits =
        std::min(length, decimals > trailingZeros ? decimals - trailingZeros : 0);
    const std::uint64_t unit = integerPowersOfTen[fractionDigits];
    if (fractionDigits > 0) {
        writeDecimalDigits(out.data() + out.size() - trailingZeros, rounded.digits % unit);
    }
    if (length > fractionDigits) {
        const std::size_t integerZeros = trailingZeros > decimals ? trailingZeros - decimals : 0;
        writeDecimalDigits(digitsStart + integerSize - integerZeros, rounded.digits / unit);
    }
    std::copy(separator.begin(), separator.end(), digitsStart + integerSize);
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
