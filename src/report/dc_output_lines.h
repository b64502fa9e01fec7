#pragma once

#include "construction_lines.h"
#include "engine/dc_output.h"
#include "engine/locale.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace coilwise {

// A secondary row that the DC helper wrote, with the DC voltages of the calculated winding (none
// until a calculation has given its voltages).
struct DcOutputRow {
    int row = 0; // the first of the rows it fills
    DcSecondary secondary;
    std::optional<DcVoltages> voltages;
};

// The DC outputs as lines of the construction sheet: a heading per output, then the DC side, the
// capacitor and, once calculated, the voltages at the ends of the mains tolerance.
std::vector<SheetLine> dcOutputLines(std::span<const DcOutputRow> rows, const Locale& locale);

} // namespace coilwise
