#pragma once

#include "engine/design_input.h"
#include "engine/locale.h"
#include "exit_status.h"

#include <cstddef>
#include <iosfwd>

namespace coilwise {

// No design comes near this; a longer input line is answered with an error line unread.
inline constexpr std::size_t maxJsonLineBytes = 1024 * 1024;

// Reads designs, one JSON object a line, and writes one result line for each; blank lines are
// skipped. A line that holds no design gets an error line and the session goes on; a standard
// input that cannot be read ends it with a usage error.
ExitStatus runJsonLines(std::istream& in, std::ostream& out, std::ostream& err, const Locale& locale,
                        const DesignInput& defaults);

} // namespace coilwise
