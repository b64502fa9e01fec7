#pragma once

#include "cli/command_line.h"

#include <sstream>
#include <string>
#include <vector>

namespace coilwise {

// One run of the command line on string streams, as the program would run with these arguments.
struct Invocation {
    int status = -1;
    std::string out;
    std::string err;
};

inline Invocation invoke(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Invocation run;
    run.status = runCommandLine(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace coilwise
