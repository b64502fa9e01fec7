#pragma once

#include "material_tables.h"

#include <optional>

namespace coilwise {

// The wire for a current at a current density (A/mm²): the next thinner table wire than the
// diameter that carries it, at least the thinnest; none when it needs more than the thickest.
std::optional<Wire> chooseWire(double amps, double ampsPerMm2);

} // namespace coilwise
