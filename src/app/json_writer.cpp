#include "json_writer.h"

#include "engine/utf8.h"
#include "json_number.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace coilwise {

namespace {

const char* shortEscape(char c) {
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return nullptr;
    }
}

bool plainByte(unsigned char byte) {
    return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

// The first byte from pos on that is not printable ASCII or is a quote or backslash, looked for
// eight bytes at a time: a byte of the word is flagged by its top bit when it has that bit itself,
// lies below 0x20, or equals one of the two (a byte minus a value it is not below keeps its top
// bit clear). A word may flag a plain byte after a flagged one; the bytes are then looked at
// one by one.
std::size_t nextSpecial(std::string_view text, std::size_t pos) {
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t tops = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t word) {
        return (word - ones) & ~word & tops;
    };
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        const std::uint64_t flagged = (word & tops) | ((word - ones * 0x20) & ~word & tops) |
                                      zeroByte(word ^ (ones * '"')) | zeroByte(word ^ (ones * '\\'));
        if (flagged != 0) {
            break;
        }
    }
    while (pos < text.size() && plainByte(static_cast<unsigned char>(text[pos]))) {
        ++pos;
    }
    return pos;
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    // Runs of bytes that need no escape, well-formed UTF-8 included, are copied at once.
    std::size_t start = 0;
    for (std::size_t pos = nextSpecial(text, 0); pos < text.size(); pos = nextSpecial(text, pos)) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        if (const std::size_t length = byte < 0x80 ? 0 : utf8SequenceLength(text, pos)) {
            pos += length;
            continue;
        }
        out.append(text.substr(start, pos - start));
        if (const char* escape = shortEscape(c)) {
            out += escape;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD for a byte that starts no UTF-8 sequence
        }
        start = pos + 1;
        pos = start;
    }
    out.append(text.substr(start));
    out += '"';
}

void appendJsonKey(std::string& out, std::string_view key) {
    assert(std::all_of(key.begin(), key.end(),
                       [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; }));
    out += '"';
    out += key;
    out += "\": ";
}

void appendJsonKey(std::string& out, JsonKey key, bool first) {
    out += first ? key.first() : key.afterComma;
}

void appendJsonNumber(std::string& out, double value) {
    char digits[jsonNumberRoom];
    out.append(digits, writeJsonNumber(digits, value));
}

void appendJsonMember(std::string& out, std::string_view key, double value) {
    out += ", ";
    appendJsonKey(out, key);
    appendJsonNumber(out, value);
}

} // namespace coilwise
