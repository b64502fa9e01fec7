#pragma once

#include <string>
#include <vector>

namespace coilwise {

// Starts the window; the arguments joined by single blanks name a design file to open.
int runWindow(int argc, char** argv, const std::vector<std::string>& args);

} // namespace coilwise
