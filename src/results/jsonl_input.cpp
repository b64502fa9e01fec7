#include "jsonl_input.h"

#include "engine/price.h"
#include "json_fault.h"

#include <cmath>
#include <limits>
#include <simdjson.h>

namespace coilwise {

namespace {

using simdjson::dom::element;

// Thrown within this file only, to leave the member being read at its first fault.
struct BadMember {
    std::string reason;
};

[[noreturn]] void refuse(std::string_view key, std::string_view what) {
    throw BadMember{'"' + std::string(key) + "\" must be " + std::string(what)};
}

std::string text(std::string_view key, element value) {
    std::string_view string;
    if (value.get_string().get(string)) {
        refuse(key, "a string");
    }
    return std::string(string);
}

void rows(std::string_view key, element value, std::array<std::string, rowCount>& texts) {
    simdjson::dom::array array;
    if (value.get_array().get(array) || array.size() > texts.size()) {
        refuse(key, "an array of at most 5 strings");
    }
    texts = {};
    std::size_t i = 0;
    for (const element item : array) {
        texts[i++] = text(key, item);
    }
}

// The engine itself refuses settings out of its range; here only what the record can hold.
std::int16_t whole(std::string_view key, element value) {
    double number = 0;
    if (value.get_double().get(number) || number != std::trunc(number) ||
        number < std::numeric_limits<std::int16_t>::min() ||
        number > std::numeric_limits<std::int16_t>::max()) {
        refuse(key, "a whole number");
    }
    return static_cast<std::int16_t>(number);
}

double price(std::string_view key, element value) {
    double number = 0;
    if (value.get_double().get(number) || !isPriceInRange(number)) {
        refuse(key, "a number from 0 to 1000000000");
    }
    return number;
}

void apply(std::string_view key, element value, DesignInput& design) {
    if (key == "labvpri") {
        design.primary = text(key, value);
    } else if (key == "labvsec") {
        rows(key, value, design.volts);
    } else if (key == "labisec") {
        rows(key, value, design.amps);
    } else if (key == "frec") {
        design.frequency = whole(key, value);
    } else if (key == "tiserv") {
        design.service = whole(key, value);
    } else if (key == "costofe") {
        design.ironPrice = price(key, value);
    } else if (key == "costocu") {
        design.copperPrice = price(key, value);
    } else {
        // A misspelt key would otherwise pass for an empty field.
        throw BadMember{"unknown key \"" + std::string(key) + '"'};
    }
}

// One parser for every line a thread reads, so that its buffers are allocated once: they grow
// with the longest line, and the depth limit is set at the first.
simdjson::simdjson_result<simdjson::dom::element> parseLine(std::string_view line) {
    thread_local simdjson::dom::parser parser;
    if (parser.max_depth() != maxJsonDepth) {
        if (const auto error = parser.allocate(line.size(), maxJsonDepth)) {
            return error;
        }
    }
    return parser.parse(line.data(), line.size());
}

} // namespace

std::variant<DesignInput, std::string> designFromJsonLine(std::string_view line,
                                                          const DesignInput& defaults) {
    element root;
    if (const auto error = parseLine(line).get(root)) {
        return jsonFault(line, error);
    }
    simdjson::dom::object object;
    if (root.get_object().get(object)) {
        return std::string("not a JSON object");
    }
    DesignInput design;
    design.frequency = defaults.frequency;
    design.service = defaults.service;
    try {
        for (const auto [key, value] : object) {
            apply(key, value, design);
        }
    } catch (const BadMember& bad) {
        return bad.reason;
    }
    return design;
}

} // namespace coilwise
