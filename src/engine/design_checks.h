#pragma once

#include "construction_sheet.h"
#include "design_details.h"
#include "locale.h"

#include <string>
#include <string_view>
#include <vector>

namespace coilwise {

enum class CheckStatus { pass, warning, info };

struct Check {
    std::string_view check; // radial_fit, window_fill, selv, no_load_rise, temperature, fuse
    CheckStatus status;
    std::string message; // one sentence naming the figure, numbers in the locale's form
};

// "pass", "warning" or "info".
std::string_view checkStatusName(CheckStatus status);

// The engineering checks of a design, in a fixed order. They only report: none of them changes
// or stops a calculation.
std::vector<Check> designChecks(const DesignDetails& design, const ConstructionSheet& sheet,
                                const Locale& locale);

} // namespace coilwise
