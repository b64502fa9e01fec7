#pragma once

#include "locale.h"
#include "run_stop.h"

#include <optional>
#include <string>
#include <variant>

namespace coilwise {

// The primary voltage (0.5 to 2000 V, beginning with a digit), or how the run stops.
std::variant<double, RunStop> checkPrimaryVoltage(const std::string& text, const Locale& locale);

// The checks of secondary row 1..5 (1 to 2000 V, at least 10 mA); none when the row passes.
std::optional<RunStop> checkSecondaryRow(int row, const std::string& volts, const std::string& amps,
                                         const Locale& locale);

} // namespace coilwise
