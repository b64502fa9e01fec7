#pragma once

#include "locale.h"

#include <optional>
#include <string_view>

namespace coilwise {

// The whole text read as one number in the locale: surrounding blanks, one optional sign, an
// optional currency symbol before or after the number, digits with group separators only between
// proper groups of three, one decimal separator, an optional exponent. Anything else, and a value
// too large for a double, is not a number.
std::optional<double> parseNumber(std::string_view text, const Locale& locale);

// The number at the start of the text, locale-free: blanks anywhere are skipped, then an optional
// sign, digits, at most one "." and an optional exponent are read up to the first character that
// cannot continue the number. No leading number reads as 0; overflow gives an infinity.
double leadingNumber(std::string_view text);

} // namespace coilwise
