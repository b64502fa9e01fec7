#pragma once

#include <cstddef>

namespace coilwise {

// Room enough for any number writeJsonNumber writes.
inline constexpr std::size_t jsonNumberRoom = 32;

// Writes the value as std::to_chars(first, last, value) does, byte for byte: the shortest digits
// that read back as the same double, fixed unless the exponent form is shorter. Returns the end.
char* writeJsonNumber(char* out, double value);

} // namespace coilwise
