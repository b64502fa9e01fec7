#pragma once

#include "window_port.h"

#include <optional>
#include <string>

namespace coilwise {

// How a stage ends a run early: any of beep, message and focus (a message is two lines joined
// by a line feed; empty for none).
struct RunStop {
    bool beep = false;
    std::string message;
    std::optional<FieldRef> focus;
};

inline const std::string primaryVoltageMessage = "The voltage value must be\nbetween 0,5 and 2000 volts.";
inline const std::string secondaryVoltageMessage = "The voltage value mus be\nbetween 1 y 2000 volts.";
inline const std::string currentMessage = "Current value mus be\npositive, 10mA minimum.";
inline const std::string cannotCalculateMessage =
    "It is not possible to calculate.\nRefer to a proper manual.";

} // namespace coilwise
