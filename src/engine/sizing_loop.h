#pragma once

#include "core_sizing.h"
#include "design_details.h"

#include <optional>

namespace coilwise {

// Walks the laminations from the smallest, trying a deeper stack on three sizes, until the
// windings fit the window; then raises the secondary turns by 1 % steps until every secondary
// delivers its voltage under load. None when the largest lamination is not enough. ironGrams takes
// the iron weight of every core the windings fit, as the loop goes.
std::optional<DesignDetails> sizeCore(const SizingInput& input, const Wire& primaryWire, double& ironGrams);

} // namespace coilwise
