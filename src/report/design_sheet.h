#pragma once

#include "engine/design_record.h"
#include "engine/window_port.h"
#include "page_canvas.h"

#include <cstdint>
#include <string>

namespace coilwise {

// What the design sheet prints: the main window's field texts as they stand, and a few of its
// variables. The sheet computes nothing of the design.
struct SheetInputs {
    const WindowPort& window;
    std::int16_t q = 0; // secondaries in use, 0 to 5
    std::int16_t frec = 0;
    std::string tiposervicio;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
};

// The inputs of the window's current design, with this program's version.
SheetInputs sheetInputs(const WindowPort& window, const DesignRecord& record);

// Draws the one-page design sheet. False when a page operation failed or a value text is too long
// for the 16-bit centring (656 characters or more); the drawing stops there.
bool drawDesignSheet(PageCanvas& canvas, const SheetInputs& inputs);

} // namespace coilwise
