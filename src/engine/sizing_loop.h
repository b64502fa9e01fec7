#pragma once

#include "design_details.h"
#include "material_tables.h"

#include <cstdint>
#include <optional>
#include <span>

namespace coilwise {

struct SecondaryDemand {
    double volts;
    double amps;
    Wire wire;
};

struct SizingInput {
    double primaryVolts;
    std::span<const SecondaryDemand> secondaries; // 1 to 5, in row order
    double loadWatts;
    std::int16_t frequency;
    std::int16_t gauss;
    double ampsPerMm2;
};

// Walks the laminations from the smallest, trying a deeper stack on three sizes, until the
// windings fit the window; then raises the secondary turns by 1 % steps until every secondary
// delivers its voltage under load. None when the primary wire or the largest lamination is not
// enough. ironGrams takes the iron weight of every core the windings fit, as the loop goes.
std::optional<DesignDetails> sizeCore(const SizingInput& input, double& ironGrams);

} // namespace coilwise
