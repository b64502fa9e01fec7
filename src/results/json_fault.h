#pragma once

#include <simdjson.h>
#include <string>
#include <string_view>

namespace coilwise {

// Nesting deeper than this is refused: a design line needs two levels.
inline constexpr std::size_t maxJsonDepth = 64;

// Why a text that simdjson refused with `error` is not JSON, and where: "unexpected character at
// column 19". The column counts bytes from 1; it is left out where the fault has no one place.
std::string jsonFault(std::string_view text, simdjson::error_code error);

} // namespace coilwise
