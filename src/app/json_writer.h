#pragma once

#include <string>
#include <string_view>

namespace coilwise {

// The text as a JSON string literal, quotes included. Quotes, backslashes and control characters
// are escaped; bytes that are not UTF-8 become U+FFFD so that the output is always valid JSON.
void appendJsonString(std::string& out, std::string_view text);

} // namespace coilwise
