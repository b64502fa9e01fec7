#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace coilwise {

// True when the arguments (without the program name) ask for the command line, not the window:
// they begin with an option.
bool wantsCommandLine(std::span<const std::string> args);

// Everything the program does without a window, given its arguments (without the program name);
// returns the exit status.
int runCommandLine(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace coilwise
