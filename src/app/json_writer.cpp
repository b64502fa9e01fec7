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

// Printable ASCII other than a quote or backslash, looked at eight bytes at a time: a byte of the
// word is flagged by its top bit when it has that bit itself, lies below 0x20, or equals one of
// the two (a byte minus a value it is not below keeps its top bit clear).
bool plainAscii(std::string_view text) {
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t tops = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t word) {
        return (word - ones) & ~word & tops;
    };
    std::size_t pos = 0;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        const std::uint64_t flagged = (word & tops) | ((word - ones * 0x20) & ~word & tops) |
                                      zeroByte(word ^ (ones * '"')) | zeroByte(word ^ (ones * '\\'));
        if (flagged != 0) {
            return false;
        }
    }
    for (; pos < text.size(); ++pos) {
        if (!plainByte(static_cast<unsigned char>(text[pos]))) {
            return false;
        }
    }
    return true;
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    // Nearly every text the program writes, copied in one go with its quotes.
    if (plainAscii(text)) {
        const std::size_t at = out.size();
        out.resize(at + text.size() + 2);
        char* const start = out.data() + at;
        start[0] = '"';
        std::memcpy(start + 1, text.data(), text.size());
        start[text.size() + 1] = '"';
        return;
    }
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Runs of bytes that need no escape are copied at once.
        const std::size_t start = pos;
        while (pos < text.size()) {
            const auto byte = static_cast<unsigned char>(text[pos]);
            if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
                ++pos;
                continue;
            }
            const std::size_t length = byte < 0x80 ? 0 : utf8SequenceLength(text, pos);
            if (length == 0) {
                break;
            }
            pos += length;
        }
        out.append(text.substr(start, pos - start));
        if (pos == text.size()) {
            break;
        }
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        if (const char* escape = shortEscape(c)) {
            out += escape;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += "\xEF\xBF\xBD"; // U+FFFD for a byte that starts no UTF-8 sequence
        }
        ++pos;
    }
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
