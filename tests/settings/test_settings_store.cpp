#include "settings/settings_store.h"
#include "support/no_file_growth.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace coilwise {

void PrintTo(const SettingsLines& lines, std::ostream* out) {
    *out << '{' << lines.prima << '|' << lines.frecue << '|' << lines.servi << '|' << lines.hierro << '|'
         << lines.cobre << '}';
}

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class SettingsStore : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("coilwise"));
    }

    QString folder() const { return home_.path() + QStringLiteral("/coilwise"); }
    QString file() const { return folder() + QStringLiteral("/cwise.ini"); }

private:
    QTemporaryDir home_;
};

const SettingsLines someLines{"230", "2", "3", "1,5", "12"};

TEST_F(SettingsStore, PathFollowsTheConfigurationFolderOnEveryCall) {
    EXPECT_EQ(settingsPath(), file());
    QTemporaryDir other;
    qputenv("XDG_CONFIG_HOME", other.path().toUtf8());
    EXPECT_EQ(settingsPath(), other.path() + QStringLiteral("/coilwise/cwise.ini"));
}

TEST_F(SettingsStore, WriteCreatesTheFolderAndReadsBack) {
    ASSERT_TRUE(writeSettings(someLines));
    EXPECT_EQ(contents(file()), QByteArray("230\r\n2\r\n3\r\n1,5\r\n12\r\n"));
    EXPECT_EQ(readSettings(), someLines);

    ASSERT_TRUE(writeSettings(defaultSettings()));
    EXPECT_EQ(readSettings(), defaultSettings());
}

TEST_F(SettingsStore, KeepsTheBytesOfNonAsciiText) {
    const SettingsLines lines{"230", "1", "2", "1,5 \xe2\x82\xac", "Tensi\xc3\xb3n"};
    ASSERT_TRUE(writeSettings(lines));
    EXPECT_EQ(readSettings(), lines);
}

TEST_F(SettingsStore, MissingShortOrUnreadableFileReadsAsNothing) {
    EXPECT_EQ(readSettings(), std::nullopt);
    ASSERT_TRUE(QDir().mkpath(folder()));
    putFile(file(), "230\r\n2\r\n3\r\n1\r\n");
    EXPECT_EQ(readSettings(), std::nullopt);
    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(QDir().mkpath(file()));
    EXPECT_EQ(readSettings(), std::nullopt);
}

// The start takes the file when its values hold and the defaults otherwise, and never writes.
TEST_F(SettingsStore, StartsFromTheFileOrFromTheDefaults) {
    const FixedLocale comma = FixedLocale::comma();
    const StartSettings missing = loadSettings(comma);
    EXPECT_TRUE(missing.repaired);
    EXPECT_EQ(missing.lines, defaultSettings());
    EXPECT_EQ(missing.values.frequencyIndex, 1);
    EXPECT_EQ(missing.values.serviceIndex, 2);
    EXPECT_FALSE(QFileInfo::exists(file()));

    ASSERT_TRUE(writeSettings(someLines));
    const StartSettings stored = loadSettings(comma);
    EXPECT_FALSE(stored.repaired);
    EXPECT_EQ(stored.lines, someLines);
    EXPECT_EQ(stored.values.costofe, 1.5);
    EXPECT_EQ(stored.values.serviceIndex, 3);

    // "1,5" is no price where the decimal separator is a point.
    const StartSettings damaged = loadSettings(FixedLocale::point());
    EXPECT_TRUE(damaged.repaired);
    EXPECT_EQ(damaged.lines, defaultSettings());
    EXPECT_EQ(contents(file()), QByteArray("230\r\n2\r\n3\r\n1,5\r\n12\r\n"));
}

TEST_F(SettingsStore, FileStandingWhereTheFolderShouldBeFailsTheWrite) {
    putFile(folder(), "not a folder");
    EXPECT_FALSE(writeSettings(someLines));
    EXPECT_EQ(contents(folder()), QByteArray("not a folder"));
}

TEST_F(SettingsStore, FolderStandingWhereTheFileShouldBeFailsTheWrite) {
    ASSERT_TRUE(QDir().mkpath(file()));
    EXPECT_FALSE(writeSettings(someLines));
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(SettingsStore, FailedWriteLeavesTheOldFileWhole) {
    ASSERT_TRUE(writeSettings(someLines));
    {
        const NoFileGrowth guard;
        EXPECT_FALSE(writeSettings(defaultSettings()));
    }
    EXPECT_EQ(readSettings(), someLines);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cwise.ini")});
}

TEST_F(SettingsStore, SpecialFileReadsAsNothingWithoutWaiting) {
    ASSERT_TRUE(QDir().mkpath(folder()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    EXPECT_EQ(readSettings(), std::nullopt);
    EXPECT_FALSE(writeSettings(someLines));
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(file()).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(SettingsStore, WritableFileInAReadOnlyFolderIsWrittenDirectly) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root creates files in any folder";
    }
    ASSERT_TRUE(writeSettings(defaultSettings()));
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0555), 0);
    const bool written = writeSettings(someLines);
    ::chmod(QFile::encodeName(folder()).constData(), 0755);
    EXPECT_TRUE(written);
    EXPECT_EQ(readSettings(), someLines);
}

} // namespace
} // namespace coilwise
