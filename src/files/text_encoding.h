#pragma once

#include <string>
#include <string_view>

namespace coilwise {

// Design files come from systems that wrote their single-byte character set, and from ours.
bool isValidUtf8(std::string_view bytes);

// UTF-8 when the bytes are valid UTF-8, otherwise read as Windows-1252.
std::string decodeFileText(std::string_view bytes);

// Windows-1252 when every character has a place in it; otherwise the UTF-8 text unchanged, which
// reads back as such, so no character is ever lost.
std::string encodeFileText(std::string_view utf8);

} // namespace coilwise
