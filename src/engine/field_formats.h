#pragma once

#include "locale.h"

#include <string>
#include <string_view>

namespace coilwise {

// Display masks that leaving an input field applies.
inline constexpr std::string_view primaryVoltageMask = "####0.0";
inline constexpr std::string_view secondaryVoltageMask = "####0.00";
inline constexpr std::string_view secondaryCurrentMask = "##0.00";

// The text an input field shows after it is left: rewritten through the mask when it is a number
// in the locale, otherwise (empty text included) unchanged.
std::string leaveFieldText(const std::string& text, std::string_view mask, const Locale& locale);

} // namespace coilwise
