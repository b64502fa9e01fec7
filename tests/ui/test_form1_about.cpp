#include "form1_fixture.h"

#include <QAction>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

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

// The help shows in a window of the program: from the pages installed beside the program's folder,
// or from the copy the build puts beside the program, wherever that folder is.
class HelpCommand : public Form1Fixture, public testing::WithParamInterface<const char*> {
protected:
    QString programFolder() const { return config.path() + QStringLiteral("/Program \"Files\" it's/bin"); }

    static void writePage(const QString& path, const char* html) {
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(html);
    }
};

TEST_P(HelpCommand, ShowsThePagesFollowsTheirLinksAndClosesOnEscape) {
    const QString pages = QDir::cleanPath(programFolder() + QLatin1StringView(GetParam()));
    ASSERT_TRUE(QDir().mkpath(pages));
    writePage(
        pages + QStringLiteral("/index.html"),
        "<html><head><title>Coilwise Help</title></head><body><a href=\"more.html\">More</a></body></html>");
    writePage(pages + QStringLiteral("/more.html"), "<html><body><p>Second page</p></body></html>");
    load();
    form->setProgramFolder(programFolder());
    child<QAction>(QStringLiteral("menuayuda"))->trigger();

    const std::vector<QWidget*> shown = visibleWindows(QStringLiteral("helpWindow"));
    ASSERT_EQ(shown.size(), 1U);
    auto* browser = qobject_cast<QTextBrowser*>(shown[0]);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(pages + QStringLiteral("/index.html")));
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Coilwise Help"));
    EXPECT_TRUE(dialogs.messages.empty());

    ASSERT_TRUE(QTest::qWaitForWindowActive(browser));
    QTest::keyClick(browser, Qt::Key_Tab); // onto the link
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(pages + QStringLiteral("/more.html")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Second page")));

    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_TRUE(visibleWindows(QStringLiteral("helpWindow")).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpCommand, testing::Values("/../share/coilwise/help", "/help"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return info.index == 0 ? std::string("Installed")
                                                    : std::string("InTheBuildTree");
                         });

TEST_F(AboutAndHelp, HelpWithoutPagesSaysWhereItLooked) {
    load();
    const QString folder = config.path() + QStringLiteral("/bin");
    form->setProgramFolder(folder);
    child<QAction>(QStringLiteral("menuayuda"))->trigger();

    EXPECT_TRUE(visibleWindows(QStringLiteral("helpWindow")).empty());
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Coilwise"));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("The help could not be shown.\nNo help pages were found beside ") +
                  QDir::toNativeSeparators(folder));
}

} // namespace
} // namespace coilwise
