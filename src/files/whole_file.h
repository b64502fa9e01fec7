#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// The file's bytes; none when it cannot be opened or read.
std::optional<std::string> readWholeFile(const QString& path);

// Replaces the file as a whole, through a temporary file renamed over it: a write that fails at
// any point leaves the old file as it was. False on any failure.
bool writeWholeFile(const QString& path, std::string_view bytes);

} // namespace coilwise
