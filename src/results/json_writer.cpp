#include "json_writer.h"

#include "engine/utf8.h"
#include "json_number.h"

#include <algorithm>
#include <array>
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

// Bytes copied as they are: printable ASCII other than a quote or backslash.
constexpr std::array<bool, 256> plainBytes = [] {
    std::array<bool, 256> plain{};
    for (std::size_t byte = 0x20; byte < 0x80; ++byte) {
        plain[byte] = byte != '"' && byte != '\\';
    }
    return plain;
}();

// The first byte from pos on that is not plain. Long texts are looked at eight bytes at a time: a
// byte of the word is flagged by its top bit when it has that bit itself, lies below 0x20, or
// equals one of the two (a byte minus a value it is not below keeps its top bit clear). A word may
// flag a plain byte after a flagged one; the bytes are then looked at one by one.
std::size_t nextSpecial(std::string_view text, std::size_t pos) {
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t tops = 0x8080808080808080;
    const auto zeroByte = [](std::uint64_t word) {
        return (word - ones) & ~word & tops;
    };
    for (; pos + 16 <= text.size(); pos += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        const std::uint64_t flagged = (word & tops) | ((word - ones * 0x20) & ~word & tops) |
                                      zeroByte(word ^ (ones * '"')) | zeroByte(word ^ (ones * '\\'));
        if (flagged != 0) {
            break;
        }
    }
    while (pos < text.size() && plainBytes[static_cast<unsigned char>(text[pos])]) {
        ++pos;
    }
    return pos;
}

// Quotes, backslashes, control characters and bytes that are no UTF-8; out of line, so that the
// common case stays small.
[[gnu::noinline]] void appendEscaped(std::string& out, std::string_view prefix, std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    out += prefix;
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

} // namespace

void appendJsonString(std::string& out, std::string_view prefix, std::string_view text) {
    // Nearly every text the program writes needs no escape: with what comes before it, one copy.
    char joined[64];
    const std::size_t size = prefix.size() + text.size() + 2;
    const bool plain = size <= sizeof joined && std::all_of(text.begin(), text.end(), [](char c) {
                           return plainBytes[static_cast<unsigned char>(c)];
                       });
    if (!plain) {
        appendEscaped(out, prefix, text);
        return;
    }
    // std::copy, unlike memcpy, takes the empty views whose data() is null.
    std::copy(prefix.begin(), prefix.end(), joined);
    joined[prefix.size()] = '"';
    std::copy(text.begin(), text.end(), joined + prefix.size() + 1);
    joined[size - 1] = '"';
    out.append(joined, size);
}

void appendJsonString(std::string& out, std::string_view text) {
    appendJsonString(out, {}, text);
}

void appendJsonKey(std::string& out, std::string_view key) {
    assert(std::all_of(key.begin(), key.end(),
                       [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; }));
    out += '"';
    out += key;
    out += "\": ";
}

void appendJsonNumber(std::string& out, std::string_view prefix, double value) {
    char joined[jsonNumberRoom + 64];
    if (prefix.size() + jsonNumberRoom > sizeof joined) {
        out += prefix;
        appendJsonNumber(out, value);
        return;
    }
    std::copy(prefix.begin(), prefix.end(), joined);
    out.append(joined, writeJsonNumber(joined + prefix.size(), value));
}

void appendJsonNumber(std::string& out, double value) {
    appendJsonNumber(out, {}, value);
}

void appendJsonMember(std::string& out, std::string_view key, double value) {
    out += ", ";
    appendJsonKey(out, key);
    appendJsonNumber(out, value);
}

void appendJsonMember(std::string& out, std::string_view key, const std::optional<double>& value) {
    if (value) {
        appendJsonMember(out, key, *value);
        return;
    }
    out += ", ";
    appendJsonKey(out, key);
    out += "null";
}

} // namespace coilwise
