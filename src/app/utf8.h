#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coilwise {

// The length of the well-formed UTF-8 sequence that starts at pos (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

// The code point, which must be a scalar value, appended as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace coilwise
