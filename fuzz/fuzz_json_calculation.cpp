#include "engine/design_run.h"
#include "results/jsonl_input.h"
#include "results/result_json.h"

#include <cstddef>
#include <cstdint>
#include <simdjson.h>
#include <string>
#include <string_view>
#include <variant>

namespace {

using coilwise::Field;

bool typed(Field field) {
    return field == Field::labvpri || field == Field::labvsec || field == Field::labisec ||
           field == Field::labobs;
}

// Whatever the calculation writes is a plain number: digits, separators, sign and currency symbol,
// never an exponent or the text of a non-finite value.
void checkComputed(const coilwise::DesignRun& run) {
    for (int index = 0; index < coilwise::fieldCount; ++index) {
        const auto field = static_cast<Field>(index);
        if (typed(field)) {
            continue;
        }
        const int rows = coilwise::isRowField(field) ? coilwise::rowCount : 0;
        for (int row = rows == 0 ? 0 : 1; row <= rows; ++row) {
            if (run.text(field, row).find_first_not_of("$0123456789.,-") != std::string::npos) {
                __builtin_trap();
            }
        }
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
    checkComputed(run);
    std::string result;
    coilwise::appendResultJson(result, run);
    // The result line is strict JSON.
    static simdjson::dom::parser parser;
    if (parser.parse(result).error()) {
        __builtin_trap();
    }
    return 0;
}
