#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <simdjson.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace coilwise {

// A value in a result line, or why there is none (an absent member, an index past the end).
using JsonElement = simdjson::simdjson_result<simdjson::dom::element>;

// Result lines read back with simdjson's validating parser, for tests to look into.
class ResultLine {
public:
    explicit ResultLine(const std::string& line)
        : parser_(std::make_unique<simdjson::dom::parser>()), root_(parser_->parse(line)) {
        if (root_.error()) {
            ADD_FAILURE() << "not JSON (" << simdjson::error_message(root_.error()) << "): " << line;
        }
    }

    JsonElement root() const { return root_; }

    // The member's value; an error when absent.
    JsonElement at(std::string_view key) const { return member(root_, key); }

    std::string text(std::string_view key) const { return textOf(at(key)); }

    // The text of field "name" or of row field "name(row)".
    std::string field(std::string_view name, int row = 0) const {
        const JsonElement value = member(at("fields"), name);
        return textOf(row == 0 ? value : value.at(static_cast<std::size_t>(row - 1)));
    }

    std::vector<std::string> messageLines() const {
        std::vector<std::string> lines;
        simdjson::dom::array array;
        if (!at("message").get_array().get(array)) {
            for (const simdjson::dom::element line : array) {
                lines.push_back(textOf(line));
            }
        }
        return lines;
    }

    static JsonElement member(JsonElement object, std::string_view key) { return object[key]; }

    // Of a JsonElement or of an element met walking an array.
    template <typename Value> static std::string textOf(const Value& value) {
        std::string_view text;
        return value.get_string().get(text) ? "<not a string>" : std::string(text);
    }

    // The member names in the order written.
    static std::vector<std::string> keysOf(JsonElement value) {
        std::vector<std::string> names;
        simdjson::dom::object object;
        if (!value.get_object().get(object)) {
            for (const auto [name, member] : object) {
                names.emplace_back(name);
            }
        }
        return names;
    }

private:
    // The parser holds the document the elements point into, so it stays where it is.
    std::unique_ptr<simdjson::dom::parser> parser_;
    JsonElement root_;
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
