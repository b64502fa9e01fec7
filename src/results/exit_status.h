#pragma once

namespace coilwise {

// The command line's exit status, an interface for scripts.
enum ExitStatus : int {
    exitCalculated = 0, // every design calculated (or cleared)
    exitRefused = 1,    // a design was refused: an input error or it cannot be calculated
    exitUsageError = 2, // a usage or file error, or an input line that held no design
};

} // namespace coilwise
