#include "engine/display_mask.h"
#include "engine/number_text.h"
#include "files/design_format.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Masks as the window and the sheet use them.
constexpr std::array<std::string_view, 6> masks{"#####0", "#####0.000", "###0.00", "##", "0.00", "0"};

// What a mask writes holds an optional minus sign, digits and the locale's separator, never an
// exponent or the text of a non-finite value.
void checkPlain(const std::string& text, const coilwise::Locale& locale) {
    const std::string_view body = std::string_view(text).substr(text.starts_with('-') ? 1 : 0);
    const std::string& separator = locale.decimalSeparator();
    for (std::size_t pos = 0; pos < body.size(); ++pos) {
        if (body.compare(pos, separator.size(), separator) == 0) {
            pos += separator.size() - 1;
        } else if (body[pos] < '0' || body[pos] > '9') {
            __builtin_trap();
        }
    }
}

} // namespace

// The first byte picks the locale and the mask; the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const coilwise::FixedLocale point = coilwise::FixedLocale::point();
    static const coilwise::FixedLocale comma = coilwise::FixedLocale::comma();
    const coilwise::Locale& locale = (data[0] & 1) != 0 ? comma : point;
    const std::string_view mask = masks[(data[0] >> 1) % masks.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    coilwise::fileInteger(coilwise::leadingNumber(text));
    if (const std::optional<double> value = coilwise::parseNumber(text, locale)) {
        checkPlain(coilwise::formatMask(*value, mask, locale), locale);
        const std::string general = coilwise::formatGeneral(*value, locale);
        if (!coilwise::parseNumber(general, locale)) {
            __builtin_trap();
        }
        coilwise::roundHalfAway(*value, static_cast<int>(data[0] % 7));
    }
    return 0;
}
