#pragma once

#include "locale.h"

#include <string>
#include <string_view>

namespace coilwise {

// The value rounded to the given number of decimals, halves away from zero, as the value's
// 15-significant-digit decimal form would round (so 2.675 becomes 2.68).
double roundHalfAway(double value, int decimals);

// A display mask such as "#####0.000": "#" is a digit shown only when significant, "0" a digit
// always shown. Read once, at compile time where the mask is a literal, since numbers are written
// through masks many times over.
struct DisplayMask {
    std::size_t decimals = 0;
    std::size_t integerDigitsShown = 0; // the "0"s before the point

    // Not explicit: a mask is written as its text.
    constexpr DisplayMask(std::string_view mask) {
        const std::size_t point = mask.find('.');
        decimals = point == std::string_view::npos ? 0 : mask.size() - point - 1;
        for (const char c : mask.substr(0, point)) {
            integerDigitsShown += c == '0' ? 1 : 0;
        }
    }
    constexpr DisplayMask(const char* mask) : DisplayMask(std::string_view(mask)) {}

    // "0", "0.0", "0.00" ...: one digit always shown before the decimals.
    static constexpr DisplayMask fixed(int decimals) {
        DisplayMask mask("0");
        mask.decimals = static_cast<std::size_t>(decimals);
        return mask;
    }
};

// The value written through a display mask. Rounded to the mask's decimals, halves away from zero;
// never cuts integer digits; no group separators; the locale's decimal separator. A value that
// rounds to zero under a mask of "#" only gives the empty text.
std::string formatMask(double value, DisplayMask mask, const Locale& locale);

// The value in general form: up to 15 significant digits, no trailing zeros, the locale's decimal
// separator (1 shows as "1", 0.2 as "0.2").
std::string formatGeneral(double value, const Locale& locale);

} // namespace coilwise
