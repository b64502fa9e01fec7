#pragma once

#include "window_port.h"

#include <span>

namespace coilwise {

// The fields Clear empties, in the order it empties them: everything but the primary voltage.
std::span<const FieldRef> clearedFields();

} // namespace coilwise
