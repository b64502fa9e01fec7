#include "settings/settings_format.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const coilwise::FixedLocale point = coilwise::FixedLocale::point();
    static const coilwise::FixedLocale comma = coilwise::FixedLocale::comma();
    if (const auto lines = coilwise::parseSettings(bytes)) {
        coilwise::validateSettings(*lines, point);
        coilwise::validateSettings(*lines, comma);
        if (coilwise::parseSettings(coilwise::serializeSettings(*lines)) != lines) {
            __builtin_trap();
        }
    }
    return 0;
}
