#include "text_encoding.h"

#include "engine/utf8.h"

#include <array>
#include <cstdint>
#include <optional>

namespace coilwise {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; 0 where the byte is unassigned.
constexpr std::array<char32_t, 32> cp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = cp1252High[byte - 0x80];
        return mapped != 0 ? mapped : byte; // unassigned bytes keep their C1 code point
    }
    return byte;
}

std::optional<unsigned char> toCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<unsigned char>(code);
    }
    for (std::size_t i = 0; i < cp1252High.size(); ++i) {
        if (cp1252High[i] == code || (cp1252High[i] == 0 && code == 0x80 + i)) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// The text in Windows-1252, or none when a character has no place in it.
std::optional<std::string> toWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::optional<Utf8Character> decoded = decodeUtf8At(utf8, pos);
        const std::optional<unsigned char> byte = decoded ? toCp1252(decoded->code) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        bytes += static_cast<char>(*byte);
        pos += decoded->length;
    }
    return bytes;
}

} // namespace

std::string decodeFileText(std::string_view bytes) {
    const bool marked = bytes.starts_with(utf8ByteOrderMark);
    if (marked) {
        bytes.remove_prefix(utf8ByteOrderMark.size());
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char byte : bytes) {
        appendUtf8(text, fromCp1252(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string encodeFileText(std::string_view utf8) {
    // Bytes such as "\xC2\xB1" are two Windows-1252 characters and valid UTF-8 for one other.
    if (const std::optional<std::string> single = toWindows1252(utf8);
        single && decodeFileText(*single) == utf8) {
        return *single;
    }
    return std::string(utf8ByteOrderMark) + std::string(utf8);
}

} // namespace coilwise
