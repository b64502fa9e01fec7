#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace coilwise {

// The double nearest to digits x 10^exponent (digits: ASCII decimal digits), worked out with one
// multiplication or division when every operand is exact in a double (at most 15 digits, a power
// of ten up to 10^22), which gives the same correctly rounded value as reading the text. None when
// the number is out of that range and must be read from its text.
std::optional<double> exactDecimal(bool negative, std::string_view digits, int exponent);

// The same for digits given as a number, exact in a double below 2^53.
std::optional<double> exactDecimal(bool negative, std::uint64_t digits, int exponent);

} // namespace coilwise
