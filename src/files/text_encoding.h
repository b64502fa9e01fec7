#pragma once

#include "engine/utf8.h"

#include <string>
#include <string_view>

namespace coilwise {

// Design files come from systems that wrote their single-byte character set, and from ours.

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// After a UTF-8 byte-order mark, the rest as UTF-8. Without it: UTF-8 when the bytes are valid
// UTF-8, otherwise read as Windows-1252. (Invalid UTF-8 after the mark also reads as Windows-1252.)
std::string decodeFileText(std::string_view bytes);

// Windows-1252 when every character has a place in it and those bytes read back as the same text;
// otherwise the byte-order mark and the UTF-8 text. What is written always reads back exactly.
std::string encodeFileText(std::string_view utf8);

} // namespace coilwise
