#pragma once

#include "engine/window_port.h"

#include <array>
#include <cstdint>
#include <string>

namespace coilwise {

// One design as a person would enter it: the texts typed into the fields (rows 1 to 5 at index 0
// to 4) and the settings in force.
struct DesignInput {
    std::string primary;
    std::array<std::string, rowCount> volts;
    std::array<std::string, rowCount> amps;
    std::string notes;
    std::int16_t frequency = 0;
    std::int16_t service = 0;
    double ironPrice = 0;
    double copperPrice = 0;
};

// The design the command line starts from before its options apply; the one place for defaults:
// the stored defaults of the settings file, as the window starts with them, or the built-in ones
// when that file is missing or damaged (the command line never repairs it).
DesignInput defaultDesign();

} // namespace coilwise
