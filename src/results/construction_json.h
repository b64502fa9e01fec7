#pragma once

#include "engine/construction_sheet.h"
#include "engine/design_checks.h"

#include <string>
#include <vector>

namespace coilwise {

// The two keys a calculated design gains after its fields: `, "construction": {...}, "checks": [...]`,
// with every figure unrounded.
void appendConstructionJson(std::string& out, const ConstructionSheet& sheet,
                            const std::vector<Check>& checks);

} // namespace coilwise
