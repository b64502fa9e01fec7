#pragma once

#include "window_port.h"

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

} // namespace coilwise
