#pragma once

#include "results/json_reader.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace coilwise {

// Result lines read back with the program's own reader, for tests to look into.
class ResultLine {
public:
    explicit ResultLine(const std::string& line) {
        std::variant<JsonValue, JsonError> parsed = parseJson(line);
        if (const JsonError* error = std::get_if<JsonError>(&parsed)) {
            ADD_FAILURE() << "not JSON (" << error->reason << "): " << line;
            return;
        }
        value_ = std::get<JsonValue>(std::move(parsed));
    }

    const JsonValue& root() const { return value_; }

    // The member's value; null when absent.
    const JsonValue& at(std::string_view key) const { return member(value_, key); }

    std::string text(std::string_view key) const { return textOf(at(key)); }

    // The text of field "name" or of row field "name(row)".
    std::string field(std::string_view name, int row = 0) const {
        const JsonValue& value = member(at("fields"), name);
        if (row == 0) {
            return textOf(value);
        }
        const auto* rows = value.as<JsonValue::Array>();
        return rows && static_cast<std::size_t>(row) <= rows->size() ? textOf((*rows)[row - 1]) : "<none>";
    }

    std::vector<std::string> messageLines() const {
        std::vector<std::string> lines;
        if (const auto* array = at("message").as<JsonValue::Array>()) {
            for (const JsonValue& line : *array) {
                lines.push_back(textOf(line));
            }
        }
        return lines;
    }

    static const JsonValue& member(const JsonValue& object, std::string_view key) {
        static const JsonValue null;
        if (const auto* members = object.as<JsonValue::Object>()) {
            for (const auto& [name, value] : *members) {
                if (name == key) {
                    return value;
                }
            }
        }
        return null;
    }

private:
    static std::string textOf(const JsonValue& value) {
        const auto* text = value.as<std::string>();
        return text ? *text : "<not a string>";
    }

    JsonValue value_;
};

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace coilwise
