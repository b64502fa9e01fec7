#pragma once

#include "locale.h"

#include <string>
#include <string_view>

namespace coilwise {

// The value rounded to the given number of decimals, halves away from zero, as the value's
// 15-significant-digit decimal form would round (so 2.675 becomes 2.68).
double roundHalfAway(double value, int decimals);

// The value written through a display mask such as "#####0.000": "#" is a digit shown only when
// significant, "0" a digit always shown. Rounded to the mask's decimals, halves away from zero;
// never cuts integer digits; no group separators; the locale's decimal separator. A value that
// rounds to zero under a mask of "#" only gives the empty text.
std::string formatMask(double value, std::string_view mask, const Locale& locale);

// The value in general form: up to 15 significant digits, no trailing zeros, the locale's decimal
// separator (1 shows as "1", 0.2 as "0.2").
std::string formatGeneral(double value, const Locale& locale);

} // namespace coilwise
