#pragma once

#include "engine/design_input.h"

#include <QString>
#include <string>
#include <variant>

namespace coilwise {

// The design stored in a design file, read as the window's Open reads it, with the file's service
// and frequency and the given prices; the reason when the file cannot be read as a design.
std::variant<DesignInput, std::string> readDesignInput(const QString& path, const DesignInput& settings);

} // namespace coilwise
