#include "json_fault.h"

#include "engine/utf8.h"

#include <algorithm>
#include <optional>

namespace coilwise {

namespace {

namespace od = simdjson::ondemand;

// simdjson's validating parser says what is wrong but not where. Its lazy parser stops where it
// finds the fault, so the text is walked with it, every value read, until it stops. A fault inside
// a string or number is placed at its start, which `scalar` keeps. The walk goes no deeper than
// the validating parser does, which keeps its recursion short.
simdjson::error_code walk(od::value value, const char*& scalar, std::size_t depth) {
    if (depth > maxJsonDepth) {
        return simdjson::DEPTH_ERROR;
    }
    od::json_type type{};
    if (const auto error = value.type().get(type)) {
        return error;
    }
    if (type != od::json_type::object && type != od::json_type::array &&
        value.current_location().get(scalar)) {
        scalar = nullptr;
    }
    switch (type) {
    case od::json_type::object: {
        od::object object;
        if (const auto error = value.get_object().get(object)) {
            return error;
        }
        for (auto member : object) {
            std::string_view key;
            od::value inner;
            if (const auto error = member.unescaped_key().get(key)) {
                return error;
            }
            if (const auto error = member.value().get(inner)) {
                return error;
            }
            if (const auto error = walk(inner, scalar, depth + 1)) {
                return error;
            }
        }
        return simdjson::SUCCESS;
    }
    case od::json_type::array: {
        od::array array;
        if (const auto error = value.get_array().get(array)) {
            return error;
        }
        for (auto item : array) {
            od::value inner;
            if (const auto error = item.get(inner)) {
                return error;
            }
            if (const auto error = walk(inner, scalar, depth + 1)) {
                return error;
            }
        }
        return simdjson::SUCCESS;
    }
    case od::json_type::string:
        return value.get_string().error();
    case od::json_type::number:
        return value.get_double().error();
    case od::json_type::boolean:
        return value.get_bool().error();
    case od::json_type::null:
        return value.is_null().error();
    }
    return simdjson::SUCCESS;
}

// The same for a document that is a single scalar, which the lazy parser reads apart.
simdjson::error_code walkScalar(od::document& document) {
    od::json_type type{};
    if (const auto error = document.type().get(type)) {
        return error;
    }
    switch (type) {
    case od::json_type::string:
        return document.get_string().error();
    case od::json_type::number:
        return document.get_double().error();
    case od::json_type::boolean:
        return document.get_bool().error();
    default:
        return document.is_null().error();
    }
}

std::string_view trimmedStart(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
}

struct Stop {
    simdjson::error_code error;
    std::optional<std::size_t> at; // byte offset
};

Stop walkDocument(std::string_view text) {
    // The lazy parser itself must never meet more nesting than it has room for: a text cannot nest
    // deeper than it has bytes.
    od::parser parser;
    if (const auto error = parser.allocate(text.size(), text.size() + 2)) {
        return {error, {}};
    }
    const simdjson::padded_string padded(text);
    od::document document;
    if (const auto error = parser.iterate(padded).get(document)) {
        return {error, {}};
    }
    od::value root;
    const char* scalar = nullptr;
    simdjson::error_code error = document.get_value().get(root);
    if (!error) {
        error = walk(root, scalar, 1);
    } else if (error == simdjson::SCALAR_DOCUMENT_AS_VALUE) {
        scalar = padded.data() + (text.size() - trimmedStart(text).size());
        error = walkScalar(document);
    }
    const char* location = nullptr;
    const auto where = document.current_location().get(location);
    if (!error && !where) {
        error = simdjson::TRAILING_CONTENT;
    }
    if (error == simdjson::STRING_ERROR || error == simdjson::NUMBER_ERROR) {
        location = scalar;
    } else if (where) {
        return {error, {}};
    }
    return {error, location ? std::optional<std::size_t>(location - padded.data()) : std::nullopt};
}

// Where simdjson's first stage refuses a text, which the walk above never gets past.
std::optional<std::size_t> firstInvalidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length =
            static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : utf8SequenceLength(text, pos);
        if (length == 0) {
            return pos;
        }
        pos += length;
    }
    return std::nullopt;
}

std::optional<std::size_t> firstControlInString(std::string_view text) {
    bool inString = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (!inString) {
            inString = c == '"';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            return pos;
        } else if (c == '\\') {
            ++pos;
        } else {
            inString = c != '"';
        }
    }
    return std::nullopt;
}

std::string reasonFor(simdjson::error_code error) {
    switch (error) {
    case simdjson::EMPTY:
        return "no JSON value";
    case simdjson::UTF8_ERROR:
        return "invalid UTF-8";
    case simdjson::UNESCAPED_CHARS:
        return "control character in string";
    case simdjson::UNCLOSED_STRING:
        return "unterminated string";
    case simdjson::STRING_ERROR:
        return "invalid escape in string";
    case simdjson::NUMBER_ERROR:
        return "invalid number, or out of range";
    case simdjson::DEPTH_ERROR:
        return "nested too deeply";
    case simdjson::TRAILING_CONTENT:
        return "text after the value";
    case simdjson::TAPE_ERROR:
    case simdjson::T_ATOM_ERROR:
    case simdjson::F_ATOM_ERROR:
    case simdjson::N_ATOM_ERROR:
    case simdjson::INCOMPLETE_ARRAY_OR_OBJECT:
        return "unexpected character";
    default:
        return simdjson::error_message(error);
    }
}

} // namespace

std::string jsonFault(std::string_view text, simdjson::error_code error) {
    std::optional<std::size_t> at;
    switch (error) {
    case simdjson::UTF8_ERROR:
        at = firstInvalidUtf8(text);
        break;
    case simdjson::UNESCAPED_CHARS:
        at = firstControlInString(text);
        break;
    case simdjson::UNCLOSED_STRING:
        at = text.size();
        break;
    case simdjson::EMPTY:
        break;
    default: {
        const Stop stop = walkDocument(text);
        at = stop.at;
        // The validating parser calls a second value after the first a fault of structure, and
        // may meet another fault first where nesting goes too deep.
        if (stop.error == simdjson::TRAILING_CONTENT || stop.error == simdjson::DEPTH_ERROR) {
            error = stop.error;
        }
        if (error == simdjson::TAPE_ERROR && (!at || *at >= text.size())) {
            return "unexpected end of text at column " + std::to_string(text.size() + 1);
        }
    }
    }
    std::string reason = reasonFor(error);
    if (at) {
        reason += " at column " + std::to_string(*at + 1);
    }
    return reason;
}

} // namespace coilwise
