#pragma once

#include "design_details.h"
#include "material_tables.h"

#include <cstdint>
#include <span>
#include <variant>

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

// One candidate core: a lamination (its tongue and grams per cm of stack) and a stack depth.
struct CoreShape {
    Lamination lamination;
    double stackCm;
};

// The windings need more of the window than the fit test allows.
struct WindowOverflow {
    double occupiedCm2;
    double windowAreaCm2;

    double fillPercent() const { return occupiedCm2 / windowAreaCm2 * 100; }
};

// The primary's current: the load power raised by 20 %, over the primary voltage.
double primaryCurrent(const SizingInput& input);

// The sizing rules on one core: turns from the EMF equation on its section, the windings, the
// area fit test, then the regulation test, raising the allowance by 0.01 and winding again while
// the windings fit. The allowance is left where the run ended (the sizing loop carries it over to
// the next core); ironGrams takes the iron weight each time the windings fit.
std::variant<DesignDetails, WindowOverflow> sizeOnCore(const SizingInput& input, const Wire& primaryWire,
                                                       const CoreShape& core, double& allowance,
                                                       double& ironGrams);

} // namespace coilwise
