#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// The text as a JSON string literal, quotes included. Quotes, backslashes and control characters
// are escaped; bytes that are not UTF-8 become U+FFFD so that the output is always valid JSON.
void appendJsonString(std::string& out, std::string_view text);
// The same after `prefix` (a key, a separator), in one copy where they fit.
void appendJsonString(std::string& out, std::string_view prefix, std::string_view text);

// `"KEY": ` for a key the program spells itself: printable ASCII that needs no escape.
void appendJsonKey(std::string& out, std::string_view key);

// The value to twelve significant digits, in the shortest text of that value, never an exponent
// (see writeJsonNumber).
void appendJsonNumber(std::string& out, double value);
void appendJsonNumber(std::string& out, std::string_view prefix, double value);

// ", "KEY": VALUE", for an object whose first member is already written.
void appendJsonMember(std::string& out, std::string_view key, double value);
// The same, or null when there is no value.
void appendJsonMember(std::string& out, std::string_view key, const std::optional<double>& value);

} // namespace coilwise
