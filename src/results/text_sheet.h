#pragma once

#include "engine/design_run.h"

#include <iosfwd>

namespace coilwise {

// The run for a person at a terminal: the design sheet, each value as its field shows it followed
// by its unit; for a refused run the message and the field it concerns instead.
void writeTextSheet(std::ostream& out, const DesignRun& run);

} // namespace coilwise
