#pragma once

#include <QString>

namespace coilwise {

// Recorded once at start-up.
struct ProgramValues {
    QString folder;      // the folder of the program file
    QString pendingPath; // the command line's arguments joined by single blanks; empty without arguments
};

} // namespace coilwise
