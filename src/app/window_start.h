#pragma once

#include <string>
#include <vector>

namespace coilwise {

// Starts the windows: the start-up form, the splash screen, then the main window; the arguments
// joined by single blanks name a design file to open.
int runWindow(int argc, char** argv, const std::vector<std::string>& args);

} // namespace coilwise
