#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace coilwise {

// Far above any design or settings file (a design is a few hundred bytes, and a note of 100,000
// characters still fits); a larger file is refused unread.
inline constexpr std::size_t maxFileBytes = 1024 * 1024;

enum class ReadFailure {
    cannotOpen, // missing, unreadable, or failed while read
    notRegular, // a folder, FIFO, device or socket: refused without waiting on it
    tooLarge,   // more than maxFileBytes
};

// "the file could not be opened", "it is a folder", "the file is larger than 1 MiB"...
std::string readFailureText(ReadFailure failure, const QString& path);

// The bytes of a regular file of at most maxFileBytes, or why there are none.
std::variant<std::string, ReadFailure> readFile(const QString& path);

// The same without the reason.
std::optional<std::string> readWholeFile(const QString& path);

// What stands at an existing path that is not a regular file: "a folder", "a FIFO", "a device",
// "a socket"; empty for a regular file or nothing.
std::string specialFileKind(const QString& path);

// A path given as bytes (a command-line argument) as the program names files; none when the bytes
// would not come back the same (not valid in the system's file-name encoding), since a file of
// another name would then be read or written.
std::optional<QString> pathFromBytes(const std::string& bytes);
// What is said of such a path, after it in quotes.
inline constexpr std::string_view unspellablePath = "is not a valid file name in this system's encoding";

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
