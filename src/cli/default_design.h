#pragma once

#include "engine/design_input.h"

namespace coilwise {

// The design the command line starts from before its options apply; the one place for defaults:
// the stored defaults of the settings file, as the window starts with them, or the built-in ones
// when that file is missing or damaged (the command line never repairs it).
DesignInput defaultDesign();

} // namespace coilwise
