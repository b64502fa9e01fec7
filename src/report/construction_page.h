#pragma once

#include "construction_lines.h"
#include "page_canvas.h"

#include <vector>

namespace coilwise {

// The construction sheet on one page: the lines top to bottom in a fixed-pitch font so that the
// columns stay aligned; title, headings and warnings in bold. False when the canvas refuses.
bool drawConstructionSheet(PageCanvas& canvas, const std::vector<SheetLine>& lines);

} // namespace coilwise
