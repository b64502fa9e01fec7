#include "app/design_run.h"
#include "app/json_reader.h"
#include "app/jsonl_input.h"
#include "app/result_json.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace {

// The costs are worked out from the prices, never typed: digits, separators and the symbol only.
void checkCost(const std::string& text) {
    if (text.find_first_not_of("$0123456789.,-") != std::string::npos) {
        __builtin_trap();
    }
}

} // namespace

// One line of --jsonl input through the whole calculation to its result line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const coilwise::DesignInput defaults{.frequency = 50, .service = 2};
    const auto design = coilwise::designFromJsonLine(line, defaults);
    const auto* input = std::get_if<coilwise::DesignInput>(&design);
    if (input == nullptr) {
        return 0;
    }
    static const coilwise::FixedLocale point = coilwise::FixedLocale::point();
    const coilwise::DesignRun run(*input, point);
    for (const coilwise::Field field :
         {coilwise::Field::tbxcostofe, coilwise::Field::tbxcostocu, coilwise::Field::tbxcostotot}) {
        checkCost(run.text(field));
    }
    std::string result;
    coilwise::appendResultJson(result, run);
    if (!std::holds_alternative<coilwise::JsonValue>(coilwise::parseJson(result))) {
        __builtin_trap();
    }
    return 0;
}
