#pragma once

#include "engine/design_input.h"
#include "engine/locale.h"
#include "exit_status.h"

#include <iosfwd>

namespace coilwise {

// Reads designs, one JSON object a line, and writes one result line for each; blank lines are
// skipped. A line that holds no design gets an error line and the session goes on.
ExitStatus runJsonLines(std::istream& in, std::ostream& out, std::ostream& err, const Locale& locale,
                        const DesignInput& defaults);

} // namespace coilwise
