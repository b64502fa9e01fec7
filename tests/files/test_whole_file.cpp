#include "files/whole_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coilwise {
namespace {

// Every case runs in a folder of its own; nothing here needs root, and nothing may wait on a FIFO.
class WholeFile : public testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QLatin1StringView(name)); }

    QString put(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QString fifo(const char* name) const {
        EXPECT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
        return path(name);
    }

    // A file of the given size that takes no room on disk.
    QString sparse(const char* name, qint64 size) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));
        return file.fileName();
    }

    static QByteArray contents(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QStringList hiddenAndPlain() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    static bool isFifo(const QString& file) {
        struct stat status {};
        return ::lstat(QFile::encodeName(file).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    }

    QTemporaryDir folder;
};

TEST_F(WholeFile, ReadsOnlyRegularFilesUpToTheLimit) {
    EXPECT_EQ(readWholeFile(put("small", "a\r\nb")), std::optional<std::string>("a\r\nb"));
    EXPECT_EQ(readWholeFile(sparse("at_limit", maxFileBytes))->size(), maxFileBytes);

    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"missing", path("missing")},
        {"fifo without writer", fifo("fifo")},
        {"one byte over the limit", sparse("big", maxFileBytes + 1)},
        {"folder", folder.path()},
        {"endless device", QStringLiteral("/dev/zero")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readWholeFile(c.path), std::nullopt) << c.name;
    }
}

TEST_F(WholeFile, WritesOnlyOverARegularFileOrANewName) {
    EXPECT_TRUE(writeWholeFile(path("new"), "fresh"));
    EXPECT_EQ(contents(path("new")), "fresh");
    EXPECT_TRUE(writeWholeFile(put("old", "old"), "replaced"));
    EXPECT_EQ(contents(path("old")), "replaced");

    const QString pipe = fifo("fifo");
    EXPECT_FALSE(writeWholeFile(pipe, "x"));
    EXPECT_TRUE(isFifo(pipe));
    EXPECT_FALSE(writeWholeFile(folder.path(), "x"));
    EXPECT_FALSE(writeWholeFile(QStringLiteral("/dev/null"), "x"));
    struct stat status {};
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(hiddenAndPlain(),
              (QStringList{QStringLiteral("fifo"), QStringLiteral("new"), QStringLiteral("old")}));
}

TEST_F(WholeFile, ReplacesTheTargetOfALinkAndKeepsItsPermissions) {
    const QByteArray target = QFile::encodeName(put("target", "old"));
    ASSERT_EQ(::chmod(target.constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(path("target"), path("link")));
    ASSERT_TRUE(writeWholeFile(path("link"), "new"));
    EXPECT_TRUE(QFileInfo(path("link")).isSymLink());
    EXPECT_EQ(contents(path("target")), "new");
    struct stat status {};
    ASSERT_EQ(::stat(target.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640U);
}

// Dates a file back, as if it had been left there that long ago.
void age(const QString& file, qint64 seconds) {
    QFile handle(file);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(handle.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                                   QFileDevice::FileModificationTime));
}

TEST_F(WholeFile, StaleTemporariesOfTheSameFileGoOnTheNextSave) {
    // What a save killed before its rename leaves behind, beside files it must not touch.
    age(put(".a?.cwf.coilwise-Ab12Cd", "interrupted"), 11 * 60);
    age(put(".ab.cwf.coilwise-Ab12Cd", "another design's, which a wildcard would take"), 11 * 60);
    age(put(".a?.cwf.coilwise-notours", "not a temporary name"), 11 * 60);
    // Another writer of the same file, still at work.
    put(".a?.cwf.coilwise-Xy34Zw", "being written");
    ASSERT_TRUE(writeWholeFile(path("a?.cwf"), "saved"));
    EXPECT_EQ(
        hiddenAndPlain(),
        (QStringList{QStringLiteral(".a?.cwf.coilwise-Xy34Zw"), QStringLiteral(".a?.cwf.coilwise-notours"),
                     QStringLiteral(".ab.cwf.coilwise-Ab12Cd"), QStringLiteral("a?.cwf")}));
}

TEST_F(WholeFile, FailureSaysWhyInTheSystemsWords) {
    EXPECT_EQ(writeWholeFile(path("no such folder/a.cwf"), "x").failure, "No such file or directory");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("a folder")));
    EXPECT_EQ(writeWholeFile(path("a folder"), "x").failure, notARegularFile);
}

TEST_F(WholeFile, WritesDirectlyInAFolderThatTakesNoNewFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root creates files in any folder";
    }
    const QString file = put("a.cwf", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    const bool replaced = static_cast<bool>(writeWholeFile(file, "new"));
    const bool created = static_cast<bool>(writeWholeFile(path("b.cwf"), "new"));
    ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(contents(file), "new");
    EXPECT_FALSE(created);
}

TEST_F(WholeFile, SameFileThroughAnyName) {
    const QString file = put("a.cwf", "x");
    ASSERT_TRUE(QFile::link(file, path("soft")));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(path("hard")).constData()), 0);
    EXPECT_TRUE(isSameFile(file, path("soft")));
    EXPECT_TRUE(isSameFile(file, path("hard")));
    EXPECT_TRUE(isSameFile(file, folder.path() + QStringLiteral("/./a.cwf")));
    EXPECT_FALSE(isSameFile(file, put("b.cwf", "x")));
    EXPECT_FALSE(isSameFile(file, path("missing")));
}

} // namespace
} // namespace coilwise
