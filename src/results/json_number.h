#pragma once

#include <cstddef>

namespace coilwise {

// Room enough for any number writeJsonNumber writes: the digits of the largest double in fixed
// form, or "0." and the zeros before the digits of the smallest.
inline constexpr std::size_t jsonNumberRoom = 352;

// Significant digits every raw number keeps: the last bits of a result differ between CPUs (fused
// multiply-add in the maths library), twelve digits never do, so results compare on any machine.
inline constexpr int jsonSignificantDigits = 12;

// Writes the value rounded to jsonSignificantDigits significant digits, as the shortest text that
// reads back as that rounded value, never in exponent form (12, 0.7, 196.110774561). Returns the end.
char* writeJsonNumber(char* out, double value);

} // namespace coilwise
