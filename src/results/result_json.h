#pragma once

#include "dc_secondary_option.h"
#include "engine/design_run.h"

#include <string>
#include <string_view>

namespace coilwise {

// The run as one line of JSON (no line end): outcome, message lines, beep, focus, the count of
// secondaries and every field's text; then the rows converted from a DC output, when there are any.
void appendResultJson(std::string& out, const DesignRun& run, std::span<const ConvertedDc> dc = {});
// The same for any window in memory, with the count of secondaries and the design it shows.
void appendResultJson(std::string& out, Outcome outcome, const MemoryWindow& window, std::int16_t q,
                      const Design* design);

// The line that stands for an input line that held no design.
void appendErrorJson(std::string& out, std::string_view reason);

} // namespace coilwise
