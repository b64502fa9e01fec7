#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace coilwise {

// True when the arguments (without the program name) ask for the command line, not the window:
// they begin with an option other than "--".
bool wantsCommandLine(std::span<const std::string> args);

// The arguments the window takes as its design path: all of them, without a leading "--" that
// lets the path begin with a hyphen.
std::span<const std::string> windowArguments(std::span<const std::string> args);

// Everything the program does without a window, given its arguments (without the program name);
// returns the exit status. A failure to write the output is an error of its own (exit status 2).
int runCommandLine(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace coilwise
