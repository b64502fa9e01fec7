#include "form1_fixture.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

namespace coilwise {
namespace {

using AboutAndHelp = Form1Fixture;

std::vector<QWidget*> visibleAboutBoxes() {
    return visibleWindows(QStringLiteral("frmAbout"));
}

TEST_F(AboutAndHelp, MainWindowShowsItsTwoPictures) {
    load();
    for (const char* name : {"Picture1", "Picture2"}) {
        const auto* picture = child<QLabel>(QLatin1StringView(name));
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
        EXPECT_EQ(picture->pixmap().deviceIndependentSize().toSize(), picture->size()) << name;
    }
}

TEST_F(AboutAndHelp, AboutCommandKeepsOneBoxOpen) {
    load();
    QAction* about = form->findChild<QAction*>(QStringLiteral("menuacercatrafo"));
    about->trigger();
    about->trigger();
    ASSERT_EQ(visibleAboutBoxes().size(), 1U);
    visibleAboutBoxes()[0]->close();
    EXPECT_TRUE(visibleAboutBoxes().empty());
    about->trigger();
    EXPECT_EQ(visibleAboutBoxes().size(), 1U);
}

// The About box is a window of its own: the program goes on while it is open, and ends when the
// last of the two windows closes.
TEST_F(AboutAndHelp, ProgramEndsWithTheLastOfMainWindowAndAboutBox) {
    load();
    form->findChild<QAction*>(QStringLiteral("menuacercatrafo"))->trigger();
    ASSERT_EQ(visibleAboutBoxes().size(), 1U);
    bool runningAfterMainClosed = false;
    QTimer::singleShot(0, [this, &runningAfterMainClosed] {
        form->close();
        QTimer::singleShot(50, [&runningAfterMainClosed] {
            runningAfterMainClosed = true;
            visibleAboutBoxes()[0]->close();
        });
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); }); // the program never ended
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(runningAfterMainClosed);
}

// An installed program finds its help beside its own folder, whatever that folder is called.
class HelpCommand : public Form1Fixture, public testing::WithParamInterface<bool> {};

TEST_P(HelpCommand, StartsTheViewerWithThePathAsOneArgument) {
    const bool installed = GetParam();
    const QString root = config.path() + QStringLiteral("/Program \"Files\" it's");
    const QString installedHelp = root + QStringLiteral("/share/coilwise/help/index.html");
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/bin")));
    if (installed) {
        ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/share/coilwise/help")));
        QFile page(installedHelp);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    load();
    form->setProgramFolder(root + QStringLiteral("/bin"));
    std::vector<std::pair<QString, QStringList>> started;
    form->setProcessStarter([&started](const QString& program, const QStringList& arguments) {
        started.emplace_back(program, arguments);
        return true;
    });
    form->findChild<QAction*>(QStringLiteral("menuayuda"))->trigger();

    ASSERT_EQ(started.size(), 1U);
    EXPECT_EQ(started[0].first, QStringLiteral("xdg-open"));
    const QString expected = installed ? installedHelp : QStringLiteral(COILWISE_SOURCE_HELP "/index.html");
    EXPECT_EQ(started[0].second, QStringList{expected});
    EXPECT_TRUE(QFileInfo::exists(expected));
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpCommand, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return info.param ? std::string("Installed") : std::string("FromTheSourceTree");
});

TEST_F(AboutAndHelp, HelpTellsWhenNoViewerCanBeStarted) {
    load();
    form->setProcessStarter([](const QString&, const QStringList&) { return false; });
    form->findChild<QAction*>(QStringLiteral("menuayuda"))->trigger();

    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Coilwise"));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("The help could not be shown.\n" COILWISE_SOURCE_HELP "/index.html"));
}

} // namespace
} // namespace coilwise
