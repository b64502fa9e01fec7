#include "settings/preferences.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace coilwise {
namespace {

class PreferencesFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("coilwise"));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(preferencesPath()).absolutePath()));
    }

    QTemporaryDir home_;
};

TEST_F(PreferencesFile, KeepsValuesInTheFile) {
    Preferences().setValue(QStringLiteral("test/kept"), 42);
    EXPECT_TRUE(QFileInfo(preferencesPath()).isFile());
    EXPECT_EQ(Preferences().value(QStringLiteral("test/kept")).toInt(), 42);
}

// A FIFO would block the first read for ever, a folder cannot be read and an enormous file would
// take the memory: each is left as it is, and the preferences live in memory for the session.
TEST_F(PreferencesFile, LeavesAnythingButASmallRegularFileAlone) {
    const QString path = preferencesPath();
    const struct {
        const char* what;
        std::function<void()> make;
        std::function<bool()> untouched;
    } cases[] = {
        {"fifo", [&] { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
         [&] {
             struct stat status {};
             return stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
         }},
        {"folder", [&] { ASSERT_TRUE(QDir().mkpath(path)); },
         [&] {
             return QFileInfo(path).isDir();
         }},
        {"large file",
         [&] {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_EQ(file.write("[test]\nkey=1\n" + QByteArray(maxPreferencesBytes, ' ')),
                       maxPreferencesBytes + 13);
         },
         [&] {
             return QFileInfo(path).size() == maxPreferencesBytes + 13;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        QDir(path).removeRecursively();
        c.make();
        const QString key =
            QStringLiteral("test/") + QLatin1StringView(c.what).toString().remove(QLatin1Char(' '));
        EXPECT_FALSE(Preferences().value(QStringLiteral("test/key")).isValid());
        Preferences().setValue(key, 7);
        EXPECT_EQ(Preferences().value(key).toInt(), 7);
        EXPECT_TRUE(c.untouched());
    }
}

} // namespace
} // namespace coilwise
