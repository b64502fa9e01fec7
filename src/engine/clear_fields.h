#pragma once

#include <span>

#include "window_port.h"

namespace coilwise {

// The fields Clear empties, in the order it empties them: everything but the primary voltage.
std::span<const FieldRef> clearedFields();

} // namespace coilwise
