#pragma once

#include <cstddef>
#include <cstdint>

namespace coilwise {

// The digits of a value below 2^32, as writeDecimalDigits writes them.
inline char* writeSmallDecimalDigits(char* end, std::uint32_t value) {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (value >= 100) {
        const std::size_t pair = value % 100 * 2;
        value /= 100;
        end -= 2;
        end[0] = pairs[pair];
        end[1] = pairs[pair + 1];
    }
    if (value >= 10) {
        const std::size_t pair = value * 2;
        end -= 2;
        end[0] = pairs[pair];
        end[1] = pairs[pair + 1];
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// Writes the decimal digits of value so that they end just before `end`, two at a time; returns
// where they start. Zero is one digit. Below 10^8 the arithmetic is 32-bit, which is cheaper.
inline char* writeDecimalDigits(char* end, std::uint64_t value) {
    while (value >= 100000000) {
        auto low = static_cast<std::uint32_t>(value % 100000000);
        value /= 100000000;
        // The eight digits of the low part, zeros in front included.
        for (int i = 0; i < 8; ++i) {
            *--end = static_cast<char>('0' + low % 10);
            low /= 10;
        }
    }
    return writeSmallDecimalDigits(end, static_cast<std::uint32_t>(value));
}

} // namespace coilwise
