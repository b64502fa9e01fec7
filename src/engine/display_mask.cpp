#include "display_mask.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace coilwise {
namespace {

constexpr int significantDigitCount = 15;

// The value as 15 significant decimal digits: what a user reads, and so what decides a half.
struct SignificantDigits {
    bool negative = false;
    std::string digits; // significantDigitCount digits, all zero for zero
    int exponent = 0;   // the magnitude is d.ddd... x 10^exponent
};

SignificantDigits significantDigits(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, significantDigitCount - 1)
                         .ptr;
    std::string_view text(buffer.data(), end);
    SignificantDigits out;
    if (text.front() == '-') {
        out.negative = true;
        text.remove_prefix(1);
    }
    // Shape "d.dddddddddddddde+XX": from_chars takes no "+", so the exponent's sign is read apart.
    const auto e = text.find('e');
    out.digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
    std::from_chars(text.data() + e + 2, text.data() + text.size(), out.exponent);
    if (text[e + 1] == '-') {
        out.exponent = -out.exponent;
    }
    return out;
}

struct RoundedDecimal {
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    int exponent = 0;   // the magnitude is digits x 10^exponent
};

void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

RoundedDecimal roundDecimal(double value, int decimals) {
    const SignificantDigits significant = significantDigits(value);
    RoundedDecimal out;
    const long long kept = static_cast<long long>(significant.exponent) + 1 + decimals;
    if (kept >= significantDigitCount) {
        out.digits = significant.digits;
        out.exponent = significant.exponent + 1 - significantDigitCount;
    } else if (kept >= 0) {
        out.digits = significant.digits.substr(0, static_cast<std::size_t>(kept));
        if (significant.digits[static_cast<std::size_t>(kept)] >= '5') {
            incrementDigits(out.digits);
        }
        out.exponent = -decimals;
    }
    out.digits.erase(0, std::min(out.digits.find_first_not_of('0'), out.digits.size()));
    out.negative = significant.negative && !out.digits.empty();
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
    if (rounded.digits.empty()) {
        return 0.0;
    }
    const std::string text =
        (rounded.negative ? "-" : "") + rounded.digits + "e" + std::to_string(rounded.exponent);
    double result = 0.0;
    const auto ec = std::from_chars(text.data(), text.data() + text.size(), result).ec;
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
    // Every digit down to the last decimal, so integer digits of huge values come out whole.
    std::string scaled =
        rounded.digits +
        std::string(static_cast<std::size_t>(rounded.exponent + static_cast<int>(decimals)), '0');
    if (scaled.size() < decimals) {
        scaled.insert(0, decimals - scaled.size(), '0');
    }
    std::string integer = scaled.substr(0, scaled.size() - decimals);
    if (integer.size() < minimumIntegerDigits) {
        integer.insert(0, minimumIntegerDigits - integer.size(), '0');
    }

    std::string out = rounded.negative ? "-" : "";
    out += integer;
    if (decimals > 0) {
        out += locale.decimalSeparator() + scaled.substr(scaled.size() - decimals);
    }
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
    const std::string digits = significant.digits.substr(0, significant.digits.find_last_not_of('0') + 1);
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
