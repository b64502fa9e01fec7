#pragma once

#include "engine/alternatives.h"

#include <iosfwd>
#include <string>

namespace coilwise {

// The table as text: one line per core, the core Calculate chooses marked with "*".
void writeAlternativesText(std::ostream& out, const AlternativesTable& table, const Locale& locale);

// One core as a line of JSON (no line end): the core, whether and how it fits, the figures of
// the table, then the whole result as --calc --json gives it.
void appendAlternativeJson(std::string& out, const Alternative& row, const DesignRun& calculate);

} // namespace coilwise
