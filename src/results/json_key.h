#pragma once

#include <cstddef>
#include <string_view>

namespace coilwise {

// A member name as the writer puts it before its value, `, "name": `, spelled out at compile time
// so that writing it is one copy. The first member of an object leaves the comma out.
struct JsonKey {
    std::string_view afterComma; // `, "name": `

    std::string_view first() const { return afterComma.substr(2); }
};

template <std::size_t size> struct JsonKeySpelling {
    // Only names the program spells itself: printable ASCII that needs no escape.
    consteval JsonKeySpelling(const char (&name)[size]) {
        std::size_t at = 0;
        for (const char c : std::string_view(", \"")) {
            text[at++] = c;
        }
        for (std::size_t i = 0; i + 1 < size; ++i) {
            if (name[i] < 0x20 || name[i] >= 0x7f || name[i] == '"' || name[i] == '\\') {
                throw "a key that needs escaping";
            }
            text[at++] = name[i];
        }
        for (const char c : std::string_view("\": ")) {
            text[at++] = c;
        }
    }
    char text[size + 5]{};
};

// "tongue_mm"_key
template <JsonKeySpelling spelling> consteval JsonKey operator""_key() {
    return {std::string_view(spelling.text, sizeof spelling.text)};
}

} // namespace coilwise
