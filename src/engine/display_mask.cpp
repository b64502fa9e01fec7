#include "display_mask.h"

#include "exact_decimal.h"
#include "significant_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace coilwise {
namespace {

// A decimal rounded to a number of decimals; at most the 15 significant digits and one carry.
struct RoundedDecimal {
    bool negative = false;
    std::array<char, significantDigitCount + 1> buffer{};
    std::size_t first = 0; // the digits are buffer[first, end), with no leading zeros
    std::size_t end = 0;   // none for zero
    int exponent = 0;      // the magnitude is digits x 10^exponent

    std::size_t count() const { return end - first; }
    std::string_view text() const { return {buffer.data() + first, count()}; }
};

RoundedDecimal roundDecimal(double value, int decimals) {
    const SignificantDigits significant = significantDigits(value);
    RoundedDecimal out;
    if (significant.digits[0] == '0') {
        return out; // zero
    }
    const long long kept = static_cast<long long>(significant.exponent) + 1 + decimals;
    if (kept >= significantDigitCount) {
        std::copy(significant.digits.begin(), significant.digits.end(), out.buffer.begin());
        out.end = significantDigitCount;
        out.exponent = significant.exponent + 1 - significantDigitCount;
    } else if (kept >= 0) {
        const auto keep = static_cast<std::size_t>(kept);
        // buffer[0] takes the carry of a value such as 9.995 rounded to 10.00.
        out.buffer[0] = '0';
        std::copy_n(significant.digits.begin(), keep, out.buffer.begin() + 1);
        out.first = 1;
        out.end = keep + 1;
        if (significant.digits[keep] >= '5') {
            std::size_t i = keep;
            for (; out.buffer[i] == '9'; --i) {
                out.buffer[i] = '0';
            }
            ++out.buffer[i];
            out.first = i == 0 ? 0 : 1;
        }
        // Digits all zero after the first: strip them from the front so that zero is empty.
        while (out.first < out.end && out.buffer[out.first] == '0') {
            ++out.first;
        }
        out.exponent = -decimals;
    }
    out.negative = significant.negative && out.count() > 0;
    return out;
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
    if (rounded.count() == 0) {
        return 0.0;
    }
    if (const std::optional<double> exact =
            exactDecimal(rounded.negative, rounded.text(), rounded.exponent)) {
        return *exact;
    }
    std::array<char, 40> text{};
    char* end = text.data();
    if (rounded.negative) {
        *end++ = '-';
    }
    end = std::copy_n(rounded.text().begin(), rounded.count(), end);
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(), rounded.exponent).ptr;
    double result = 0.0;
    const auto ec = std::from_chars(text.data(), end, result).ec;
    // Only the largest doubles can round past the range; they stay as they are.
    return ec == std::errc{} ? result : value;
}

std::string formatMask(double value, std::string_view mask, const Locale& locale) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const auto point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    const std::size_t decimals = point == std::string_view::npos ? 0 : mask.size() - point - 1;
    const auto minimumIntegerDigits =
        static_cast<std::size_t>(std::count(integerMask.begin(), integerMask.end(), '0'));

    const RoundedDecimal rounded = roundDecimal(value, static_cast<int>(decimals));
    // Every digit down to the last decimal, so integer digits of huge values come out whole: the
    // rounded digits and the zeros their exponent stands for, with zeros in front up to the
    // decimals and up to the mask's integer digits that are always shown.
    const auto trailingZeros = static_cast<std::size_t>(rounded.exponent + static_cast<int>(decimals));
    const std::size_t significantSize = rounded.count() + trailingZeros;
    const std::size_t integerSize =
        std::max(significantSize > decimals ? significantSize - decimals : 0, minimumIntegerDigits);
    const std::size_t digitCount = integerSize + decimals;

    const std::string separator = decimals > 0 ? locale.decimalSeparator() : std::string();
    const std::size_t sign = rounded.negative ? 1 : 0;
    std::string out(sign + digitCount + separator.size(), '0');
    if (rounded.negative) {
        out[0] = '-';
    }
    // The rounded digits, then the trailing zeros already in place; the decimals shift right by
    // the separator.
    const std::size_t firstDigit = digitCount - significantSize;
    for (std::size_t i = 0; i < rounded.count(); ++i) {
        const std::size_t at = firstDigit + i;
        out[sign + at + (at >= integerSize ? separator.size() : 0)] = rounded.text()[i];
    }
    std::copy(separator.begin(), separator.end(),
              out.begin() + static_cast<std::ptrdiff_t>(sign + integerSize));
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
    const std::string separator = locale.decimalSeparator();

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
