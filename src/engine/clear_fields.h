#pragma once

#include "design_record.h"
#include "window_port.h"

#include <span>

namespace coilwise {

// The fields Clear empties, in the order it empties them: everything but the primary voltage.
std::span<const FieldRef> clearedFields();

// Clear: empties those fields, gives the focus to the first secondary voltage unless the program is
// still loading or recalculating by itself, and marks the design unchanged.
void clearDesign(DesignRecord& record, WindowPort& window);

} // namespace coilwise
