#include "whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coilwise {

namespace {

const QString temporaryInfix = QStringLiteral(".coilwise-");
constexpr int temporaryRandomChars = 6; // the XXXXXX of mkstemp

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, reporting a failure (a delayed write error shows only here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool isRegular(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0;
}

// What stands at the path: none when nothing does, otherwise whether it is a regular file
// (a symbolic link counts as what it points to).
std::optional<bool> existingRegular(const QByteArray& path) {
    struct stat status {};
    if (::stat(path.constData(), &status) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional<bool>(false);
    }
    return S_ISREG(status.st_mode);
}

QString temporaryPrefix(const QFileInfo& target) {
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + temporaryInfix;
}

// The permissions a new file gets, or those of the file being replaced.
mode_t permissionsFor(const QByteArray& path) {
    struct stat status {};
    if (::stat(path.constData(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Compared by name, not by a wildcard pattern, which characters of the design's name could widen.
// A save takes well under a second: a temporary untouched for ten minutes was left by one that
// was interrupted, a younger one may belong to another writer of the same file.
void removeStaleTemporaries(const QFileInfo& target) {
    constexpr qint64 staleSeconds = 10 * 60;
    const QString prefix = QStringLiteral(".") + target.fileName() + temporaryInfix;
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-staleSeconds);
    for (const QFileInfo& entry : target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString name = entry.fileName();
        if (name.startsWith(prefix) && name.size() == prefix.size() + temporaryRandomChars &&
            !entry.isSymLink() && entry.lastModified().toUTC() < staleBefore) {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}

FileWrite systemFailure() {
    return {std::strerror(errno)};
}

// For a folder that takes no new file: the old content is lost if this write fails midway.
FileWrite writeDirectly(const QByteArray& path, std::string_view bytes) {
    Descriptor file(::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return systemFailure();
    }
    if (!isRegular(file.get())) {
        return {std::string(notARegularFile)};
    }
    if (::ftruncate(file.get(), 0) != 0 || !writeAll(file.get(), bytes) || !file.close()) {
        return systemFailure();
    }
    return {};
}

} // namespace

std::optional<QString> pathFromBytes(const std::string& bytes) {
    const QByteArray given(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString path = QFile::decodeName(given);
    if (QFile::encodeName(path) != given) {
        return std::nullopt;
    }
    return path;
}

bool isSameFile(const QString& first, const QString& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(first).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

std::variant<std::string, ReadFailure> readFile(const QString& path) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        return ReadFailure::cannotOpen;
    }
    if (!S_ISREG(status.st_mode)) {
        return ReadFailure::notRegular;
    }
    if (static_cast<std::size_t>(status.st_size) > maxFileBytes) {
        return ReadFailure::tooLarge;
    }
    // The file may grow while it is read: one byte more than the limit is enough to tell.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (filled <= maxFileBytes) {
        if (filled == bytes.size()) {
            bytes.resize(std::min(bytes.size() * 2, maxFileBytes + 1));
        }
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return ReadFailure::cannotOpen;
        }
        if (got == 0) {
            bytes.resize(filled);
            return bytes;
        }
        filled += static_cast<std::size_t>(got);
    }
    return ReadFailure::tooLarge;
}

std::optional<std::string> readWholeFile(const QString& path) {
    std::variant<std::string, ReadFailure> read = readFile(path);
    if (std::string* bytes = std::get_if<std::string>(&read)) {
        return std::move(*bytes);
    }
    return std::nullopt;
}

std::string specialFileKind(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return {};
    }
    if (S_ISDIR(status.st_mode)) {
        return "a folder";
    }
    if (S_ISFIFO(status.st_mode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(status.st_mode)) {
        return "a socket";
    }
    return "a device";
}

std::string readFailureText(ReadFailure failure, const QString& path) {
    switch (failure) {
    case ReadFailure::notRegular: {
        const std::string kind = specialFileKind(path);
        return kind.empty() ? "it is not a regular file" : "it is " + kind + ", not a design file";
    }
    case ReadFailure::tooLarge:
        return "the file is larger than 1 MiB, more than any design";
    case ReadFailure::cannotOpen:
        break;
    }
    return "the file could not be opened";
}

FileWrite writeWholeFile(const QString& path, std::string_view bytes) {
    // A symbolic link stays a link: the file it points to is replaced.
    const QFileInfo given(path);
    const QFileInfo target(given.exists() ? given.canonicalFilePath() : path);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    const std::optional<bool> regular = existingRegular(targetName);
    if (regular && !*regular) {
        return {std::string(notARegularFile)};
    }
    QByteArray temporaryName =
        QFile::encodeName(temporaryPrefix(target)) + QByteArray(temporaryRandomChars, 'X');
    Descriptor temporary(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (temporary.get() < 0) {
        const bool folderRefuses = errno == EACCES || errno == EPERM || errno == EROFS;
        return folderRefuses && regular ? writeDirectly(targetName, bytes) : systemFailure();
    }
    const bool written = ::fchmod(temporary.get(), permissionsFor(targetName)) == 0 &&
                         writeAll(temporary.get(), bytes) && temporary.close() &&
                         ::rename(temporaryName.constData(), targetName.constData()) == 0;
    if (!written) {
        const FileWrite failure = systemFailure();
        ::unlink(temporaryName.constData());
        return failure;
    }
    removeStaleTemporaries(target);
    return {};
}

} // namespace coilwise
