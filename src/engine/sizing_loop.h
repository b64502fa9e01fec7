#pragma once

#include "material_tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace coilwise {

struct SecondaryDemand {
    double volts;
    double amps;
    Wire wire;
};

struct WindingResult {
    double turns;
    double wireMm;
    double grams;
    double ohms;
};

struct SecondaryResult {
    WindingResult winding;
    double unloadVolts;
};

struct SizingInput {
    double primaryVolts;
    std::span<const SecondaryDemand> secondaries; // 1 to 5, in row order
    double loadWatts;
    std::int16_t frequency;
    std::int16_t gauss;
    double ampsPerMm2;
};

// The values of the pass that ended the loop.
struct CoreDesign {
    double tongueCm;
    double stackCm;
    WindingResult primary;
    std::array<SecondaryResult, 5> secondaries;
    double eGrams;
    double iGrams;
    double ironWatts;
    double copperWatts;
    double copperGrams;
    double totalGrams;
    double efficiencyPercent;
    double inputWatts;
};

// Walks the laminations from the smallest, trying a deeper stack on three sizes, until the
// windings fit the window; then raises the secondary turns by 1 % steps until every secondary
// delivers its voltage under load. None when the primary wire or the largest lamination is not
// enough. ironGrams takes the iron weight of every core the windings fit, as the loop goes.
std::optional<CoreDesign> sizeCore(const SizingInput& input, double& ironGrams);

} // namespace coilwise
