#pragma once

#include "material_tables.h"

#include <optional>

namespace coilwise {

// The wire for a current at a current density (A/mm²): the next thinner table wire than the
// diameter that carries it, at least the thinnest; none when it needs more than the thickest.
std::optional<Wire> chooseWire(double amps, double ampsPerMm2);

inline constexpr int mostStrands = 8;

// The same wire where one is thick enough; beyond the thickest, the fewest parallel strands
// (at most 8) of one table wire whose copper section carries the current at the density, and for
// that number the thinnest such wire: 20 A at 3.5 A/mm² gives 2 × 2.0 mm. None beyond 8 × 2.5 mm.
std::optional<Wire> chooseWireOrStrands(double amps, double ampsPerMm2);

} // namespace coilwise
