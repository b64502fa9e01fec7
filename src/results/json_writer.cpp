#include "json_writer.h"

#include "engine/utf8.h"

#include <algorithm>
#include <cassert>
#include <charconv>

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

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
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

void appendJsonNumber(std::string& out, double value) {
    char digits[32];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendJsonMember(std::string& out, std::string_view key, double value) {
    out += ", ";
    appendJsonKey(out, key);
    appendJsonNumber(out, value);
}

} // namespace coilwise
