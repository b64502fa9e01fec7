#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// The program's texts are UTF-8 inside; these are the only rules for reading and writing it.

// A character read from UTF-8: its code point and the bytes it took.
struct Utf8Character {
    char32_t code;
    std::size_t length;
};

// The well-formed UTF-8 sequence that starts at pos (no overlong form, no surrogate, nothing above
// U+10FFFF); none when the bytes there are not one. pos must be inside the text.
std::optional<Utf8Character> decodeUtf8At(std::string_view text, std::size_t pos);

// The bytes of the well-formed sequence at pos, or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

bool isValidUtf8(std::string_view bytes);

// The code point, which must be a scalar value, appended as UTF-8.
void appendUtf8(std::string& out, char32_t code);

// The characters of the text, counted as the bytes that begin one (every byte but 10xxxxxx).
std::size_t utf8CharacterCount(std::string_view text);

} // namespace coilwise
