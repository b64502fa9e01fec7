#pragma once

#include "json_value.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace coilwise {

// Why a text is not JSON, and the byte (counted from 1) where reading stopped.
struct JsonError {
    std::string reason;
    std::size_t column = 0;
};

inline constexpr int maxJsonDepth = 64;

// The text as exactly one JSON value (RFC 8259) with optional whitespace around it. Strings must
// be UTF-8; escapes, surrogate pairs included, are decoded to UTF-8.
std::variant<JsonValue, JsonError> parseJson(std::string_view text);

} // namespace coilwise
