#pragma once

#include "engine/construction_sheet.h"
#include "engine/design_checks.h"
#include "engine/locale.h"

#include <string>
#include <vector>

namespace coilwise {

// The construction sheet as lines of text, the one form that the terminal, the construction
// window and the printed page all show: checks first, then core, windings, wire to order,
// temperature and primary. Figures are rounded for reading and use the locale's separator.
struct SheetLine {
    enum class Kind { title, heading, row, warning };
    Kind kind;
    std::string text;
};

std::vector<SheetLine> constructionLines(const ConstructionSheet& sheet, const std::vector<Check>& checks,
                                         const Locale& locale);

// "All checks pass", or how many checks warn and where to read them.
std::string checksSummary(const std::vector<Check>& checks);

} // namespace coilwise
