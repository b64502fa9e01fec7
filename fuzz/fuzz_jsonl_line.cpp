#include "results/json_reader.h"
#include "results/jsonl_input.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::variant<coilwise::JsonValue, coilwise::JsonError> parsed = coilwise::parseJson(line);
    if (const auto* error = std::get_if<coilwise::JsonError>(&parsed); error && error->column > size + 1) {
        __builtin_trap();
    }
    const coilwise::DesignInput defaults{.frequency = 50, .service = 2};
    const auto design = coilwise::designFromJsonLine(line, defaults);
    if (const auto* input = std::get_if<coilwise::DesignInput>(&design);
        input && !(input->ironPrice >= 0 && input->copperPrice >= 0)) {
        __builtin_trap();
    }
    return 0;
}
