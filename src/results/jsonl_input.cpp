#include "jsonl_input.h"

#include "engine/price.h"
#include "json_reader.h"

#include <cmath>
#include <limits>

namespace coilwise {

namespace {

// Thrown within this file only, to leave the member being read at its first fault.
struct BadMember {
    std::string reason;
};

[[noreturn]] void refuse(std::string_view key, std::string_view what) {
    throw BadMember{'"' + std::string(key) + "\" must be " + std::string(what)};
}

std::string text(std::string_view key, const JsonValue& value) {
    const std::string* string = value.as<std::string>();
    if (!string) {
        refuse(key, "a string");
    }
    return *string;
}

void rows(std::string_view key, const JsonValue& value, std::array<std::string, rowCount>& texts) {
    const JsonValue::Array* array = value.as<JsonValue::Array>();
    if (!array || array->size() > texts.size()) {
        refuse(key, "an array of at most 5 strings");
    }
    texts = {};
    for (std::size_t i = 0; i < array->size(); ++i) {
        texts[i] = text(key, (*array)[i]);
    }
}

// The engine itself refuses settings out of its range; here only what the record can hold.
std::int16_t whole(std::string_view key, const JsonValue& value) {
    const double* number = value.as<double>();
    if (!number || *number != std::trunc(*number) || *number < std::numeric_limits<std::int16_t>::min() ||
        *number > std::numeric_limits<std::int16_t>::max()) {
        refuse(key, "a whole number");
    }
    return static_cast<std::int16_t>(*number);
}

double price(std::string_view key, const JsonValue& value) {
    const double* number = value.as<double>();
    if (!number || !isPriceInRange(*number)) {
        refuse(key, "a number from 0 to 1000000000");
    }
    return *number;
}

void apply(const std::string& key, const JsonValue& value, DesignInput& design) {
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
        throw BadMember{"unknown key \"" + key + '"'};
    }
}

} // namespace

std::variant<DesignInput, std::string> designFromJsonLine(std::string_view line,
                                                          const DesignInput& defaults) {
    std::variant<JsonValue, JsonError> parsed = parseJson(line);
    if (const JsonError* error = std::get_if<JsonError>(&parsed)) {
        return error->reason + " at column " + std::to_string(error->column);
    }
    const JsonValue::Object* object = std::get<JsonValue>(parsed).as<JsonValue::Object>();
    if (!object) {
        return std::string("not a JSON object");
    }
    DesignInput design;
    design.frequency = defaults.frequency;
    design.service = defaults.service;
    try {
        for (const auto& [key, value] : *object) {
            apply(key, value, design);
        }
    } catch (const BadMember& bad) {
        return bad.reason;
    }
    return design;
}

} // namespace coilwise
