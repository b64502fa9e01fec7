#include "field_formats.h"

#include "display_mask.h"
#include "number_text.h"

namespace coilwise {

std::string leaveFieldText(const std::string& text, DisplayMask mask, const Locale& locale) {
    const std::optional<double> value = parseNumber(text, locale);
    return value ? formatMask(*value, mask, locale) : text;
}

} // namespace coilwise
