#pragma once

#include "display_mask.h"
#include "locale.h"

#include <string>
#include <string_view>

namespace coilwise {

// Display masks that leaving an input field applies.
inline constexpr DisplayMask primaryVoltageMask = "####0.0";
inline constexpr DisplayMask secondaryVoltageMask = "####0.00";
inline constexpr DisplayMask secondaryCurrentMask = "##0.00";

// The text an input field shows after it is left: rewritten through the mask when it is a number
// in the locale, otherwise (empty text included) unchanged.
std::string leaveFieldText(const std::string& text, DisplayMask mask, const Locale& locale);

} // namespace coilwise
