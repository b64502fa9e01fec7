#include "exact_decimal.h"

#include "powers_of_ten.h"

#include <cstdint>

namespace coilwise {

namespace {

constexpr int largestExactPower = static_cast<int>(exactPowersOfTen.size()) - 1;

} // namespace

std::optional<double> exactDecimal(bool negative, std::string_view digits, int exponent) {
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    if (digits.size() > 15) {
        return std::nullopt;
    }
    std::uint64_t whole = 0;
    for (const char c : digits) {
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return exactDecimal(negative, whole, exponent);
}

std::optional<double> exactDecimal(bool negative, std::uint64_t digits, int exponent) {
    constexpr std::uint64_t exactIntegers = std::uint64_t{1} << 53;
    if (digits > exactIntegers || exponent < -largestExactPower || exponent > largestExactPower) {
        return std::nullopt;
    }
    const auto value = static_cast<double>(digits);
    const double power = exactPowersOfTen[static_cast<std::size_t>(exponent < 0 ? -exponent : exponent)];
    const double magnitude = exponent < 0 ? value / power : value * power;
    return negative ? -magnitude : magnitude;
}

} // namespace coilwise
