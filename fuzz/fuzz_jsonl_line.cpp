#include "results/jsonl_input.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

// Any bytes as one --jsonl line: a design, or a reason whose column lies within the line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const coilwise::DesignInput defaults{.frequency = 50, .service = 2};
    const auto design = coilwise::designFromJsonLine(line, defaults);
    if (const auto* input = std::get_if<coilwise::DesignInput>(&design);
        input && !(input->ironPrice >= 0 && input->copperPrice >= 0)) {
        __builtin_trap();
    }
    // A JSON fault ends in its column; a member's fault quotes the member instead.
    const auto* reason = std::get_if<std::string>(&design);
    constexpr std::string_view marker = " at column ";
    if (reason && !reason->starts_with('"') && !reason->starts_with("unknown key")) {
        if (const std::size_t at = reason->rfind(marker); at != std::string::npos) {
            std::size_t column = 0;
            const char* digits = reason->data() + at + marker.size();
            const auto parsed = std::from_chars(digits, reason->data() + reason->size(), column);
            if (parsed.ec != std::errc() || column == 0 || column > size + 1) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
