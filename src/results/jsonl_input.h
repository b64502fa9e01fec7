#pragma once

#include "engine/design_input.h"

#include <string>
#include <string_view>
#include <variant>

namespace coilwise {

// A design from one input line, a JSON object such as {"labvpri": "220", "labvsec": ["12"],
// "labisec": ["1"], "frec": 50, "tiserv": 1, "costofe": 2.5, "costocu": 12}. Every key is optional:
// texts default to empty, prices to 0, frec and tiserv to the given defaults. The error is a short
// reason why the line holds no design.
std::variant<DesignInput, std::string> designFromJsonLine(std::string_view line, const DesignInput& defaults);

} // namespace coilwise
