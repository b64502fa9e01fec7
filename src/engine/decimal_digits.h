#pragma once

#include <cstddef>
#include <cstdint>

namespace coilwise {

// Writes the decimal digits of value so that they end just before `end`, two at a time; returns
// where they start. Zero is one digit.
inline char* writeDecimalDigits(char* end, std::uint64_t value) {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (value >= 100) {
        const auto pair = static_cast<std::size_t>(value % 100) * 2;
        value /= 100;
        end -= 2;
        end[0] = pairs[pair];
        end[1] = pairs[pair + 1];
    }
    if (value >= 10) {
        const auto pair = static_cast<std::size_t>(value) * 2;
        end -= 2;
        end[0] = pairs[pair];
        end[1] = pairs[pair + 1];
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

} // namespace coilwise
