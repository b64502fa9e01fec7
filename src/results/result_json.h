#pragma once

#include "dc_secondary_option.h"
#include "design_run.h"

#include <string>
#include <string_view>

namespace coilwise {

// The run as one line of JSON (no line end): outcome, message lines, beep, focus, the count of
// secondaries and every field's text; then the rows converted from a DC output, when there are any.
void appendResultJson(std::string& out, const DesignRun& run, std::span<const ConvertedDc> dc = {});
// The same for a run held by any window in memory.
void appendResultJson(std::string& out, Outcome outcome, const MemoryWindow& window,
                      const DesignRecord& record, const Locale& locale);

// The line that stands for an input line that held no design.
void appendErrorJson(std::string& out, std::string_view reason);

} // namespace coilwise
