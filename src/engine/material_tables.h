#pragma once

#include <array>

namespace coilwise {

// A standard E-I lamination: window half a tongue wide and one and a half tongues high.
struct Lamination {
    double tongueMm;
    double eGramsPerCm; // E laminations, grams per cm of stack
    double iGramsPerCm; // I laminations, grams per cm of stack
};

// Enamelled copper wire of circular section, or several strands of it wound side by side as one
// conductor; then the metres per kilogram and the turns per cm² are those of the bundle.
struct Wire {
    double diameterMm; // of one strand
    double metresPerKg;
    double turnsPerCm2; // turns per cm² of winding window
    int strands = 1;
};

inline constexpr int laminationCount = 12;
inline constexpr int wireCount = 25;

// Smallest first; the sizing loop walks them upward.
extern const std::array<Lamination, laminationCount> laminations;
// In strictly increasing diameter; 0.08 mm and 2.5 mm are the thinnest and thickest wire.
extern const std::array<Wire, wireCount> wires;

} // namespace coilwise
