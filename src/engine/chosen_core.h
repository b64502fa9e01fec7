#pragma once

#include "material_tables.h"

#include <optional>
#include <string>

namespace coilwise {

// A core a person names instead of letting Calculate choose: a tongue and a stack depth in whole
// millimetres. A tongue of the lamination table is that lamination; any other (5 to 100 mm) is a
// custom lamination of the standard scrapless shape.
struct ChosenCore {
    Lamination lamination;
    int stackMm;
    bool custom;
};

inline constexpr int smallestCustomTongueMm = 5;
inline constexpr int largestCustomTongueMm = 100;

// The core, or none when the tongue is out of range or the stack is not between half and three
// times the tongue.
std::optional<ChosenCore> chosenCore(int tongueMm, int stackMm);

// A custom lamination of tongue a: scrapless E-I sheets cut from a strip 6a wide, an E of 4.5 a²
// and an I of 1.5 a² per cm of stack (a in cm), at 7.65 g/cm³ of silicon steel.
Lamination scraplessLamination(int tongueMm);

// "EI 69 × 23": the lamination's name (three times the tongue) and the stack in mm.
std::string coreName(const ChosenCore& core);

} // namespace coilwise
