#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// Far above any design or settings file; a larger file is refused unread.
inline constexpr std::size_t maxFileBytes = 16 * 1024 * 1024;

// The bytes of a regular file of at most maxFileBytes; none when the file cannot be opened or
// read, is anything but a regular file (a FIFO or a device is refused without waiting on it), or
// is larger.
std::optional<std::string> readWholeFile(const QString& path);

// True when both paths name one existing file (hard and symbolic links included).
bool isSameFile(const QString& first, const QString& second);

// Whether a file was written, and if not, why, in the system's words ("No space left on device").
struct FileWrite {
    std::string failure; // empty when written

    explicit operator bool() const { return failure.empty(); }
};

// Replaces a regular file, or creates a new one, as a whole: the bytes go to a hidden temporary
// file beside it (".NAME.coilwise-XXXXXX"), which is then renamed over it, so a write that fails
// at any point leaves the old file as it was. Temporaries of the same name left by an interrupted
// save more than ten minutes ago are removed after a successful one (a younger one may be another
// writer's, still at work). In a folder where no temporary file can be created, an existing file
// is written directly instead. Anything but a regular file at the path is refused.
FileWrite writeWholeFile(const QString& path, std::string_view bytes);

// The reason given when the path holds something other than a regular file.
inline constexpr std::string_view notARegularFile = "only a regular file or a new name is written";

} // namespace coilwise
