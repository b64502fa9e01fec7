#pragma once

#include "design_sheet.h"

class QPaintDevice;

namespace coilwise {

// Paints the design sheet on a printer or PDF page. The sheet is drawn in memory first, and the
// device is opened only once it has been drawn to its end: a printer job, once begun, goes to paper
// whatever happens, so a sheet that fails half-way must never begin one.
bool paintDesignSheet(QPaintDevice& device, const SheetInputs& inputs);

} // namespace coilwise
