#include "app/frm_splash.h"
#include "app/frminicial.h"
#include "app/main_window_host.h"
#include "engine/locale.h"
#include "support/scripted_dialogs.h"
#include "support/window_helpers.h"
#include "ui/form1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace coilwise {
namespace {

// The splash alone, with a main window that only counts how often it was brought up.
class Splash : public testing::Test {
protected:
    void show(frmSplash& splash) {
        shown = &splash;
        splash.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    }

    std::function<void()> countingMain() {
        return [this] {
            ++mainShown;
            splashVisibleThen = shown->isVisible();
        };
    }

    frmSplash* shown = nullptr;
    int mainShown = 0;
    bool splashVisibleThen = false;
};

TEST_F(Splash, ShowsTheVersionAndStartsItsFourSecondTimer) {
    frmSplash splash(countingMain());
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("v " COILWISE_VERSION));
    const auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 4000);
    EXPECT_EQ(splash.size(), QSize(442, 271)); // 6630 by 4065 twips
}

struct TriggerCase {
    const char* name;
    std::function<void(frmSplash&)> act;
    bool closes;
};

class SplashTriggers : public Splash, public testing::WithParamInterface<TriggerCase> {};

TEST_P(SplashTriggers, BringUpTheMainWindowBeforeClosing) {
    frmSplash splash(countingMain());
    show(splash);
    GetParam().act(splash);
    const bool closes = GetParam().closes;
    EXPECT_EQ(mainShown, closes ? 1 : 0);
    EXPECT_EQ(splash.isVisible(), !closes);
    EXPECT_EQ(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive(), !closes);
    if (closes) {
        EXPECT_TRUE(splashVisibleThen) << "the main window comes up before the splash goes";
    }
}

void key(frmSplash& splash, Qt::Key key) {
    QTest::keyClick(&splash, key);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplashTriggers,
    testing::Values(
        TriggerCase{"ClickOnThePicture",
                    [](frmSplash& s) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(20, 20)); }, true},
        TriggerCase{"ClickOnTheVersion",
                    [](frmSplash& s) {
                        QTest::mouseClick(s.findChild<QLabel*>(QStringLiteral("lblVersion")), Qt::LeftButton);
                    },
                    false},
        TriggerCase{"LetterKey", [](frmSplash& s) { key(s, Qt::Key_A); }, true},
        TriggerCase{"EnterKey", [](frmSplash& s) { key(s, Qt::Key_Return); }, true},
        TriggerCase{"FunctionKey", [](frmSplash& s) { key(s, Qt::Key_F1); }, false},
        TriggerCase{"ArrowKey", [](frmSplash& s) { key(s, Qt::Key_Left); }, false},
        TriggerCase{"ShiftAlone", [](frmSplash& s) { key(s, Qt::Key_Shift); }, false}),
    [](const testing::TestParamInfo<TriggerCase>& info) { return info.param.name; });

TEST_F(Splash, TimerClosesItOnce) {
    frmSplash splash(countingMain(), std::chrono::milliseconds(10));
    // Not waiting for the window to become active: on a busy machine the timer may fire first.
    shown = &splash;
    splash.show();
    QTRY_VERIFY(!splash.isVisible());
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(splashVisibleThen);
    EXPECT_FALSE(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

// The whole start: recorded values, splash, and the main window loading the design named on the
// command line.
class StartUp : public testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

    QTemporaryDir config;
    ScriptedDialogs dialogs;
    FixedLocale locale = FixedLocale::point();
};

TEST_F(StartUp, SplashGivesWayToTheMainWindowWithTheCommandLineDesign) {
    const QString design = config.path() + QStringLiteral("/my design.cwf");
    QFile file(design);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("COIL-WISE DATA: DO NOT MODIFY!!\r\n-------------------------------\r\n 1 \r\n 50 \r\n 1 \r\n"
               "12.00\r\n1.00\r\n220.0\r\nbench supply\r\n");
    file.close();

    ProgramValues values;
    MainWindowHost mainWindow(dialogs, locale, values);
    frminicial(design.split(QLatin1Char(' ')), values, [&mainWindow] { mainWindow.show(); }).Form_Load();

    EXPECT_EQ(values.folder, QCoreApplication::applicationDirPath());
    EXPECT_EQ(values.pendingPath, design);
    const std::vector<QWidget*> splashes = visibleWindows(QStringLiteral("frmSplash"));
    ASSERT_EQ(splashes.size(), 1U);
    EXPECT_TRUE(visibleWindows(QStringLiteral("Form1")).empty());
    const QPointer<QWidget> splash = splashes[0];

    QTest::keyClick(splash, Qt::Key_Space);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    const std::vector<QWidget*> mains = visibleWindows(QStringLiteral("Form1"));
    ASSERT_EQ(mains.size(), 1U);
    const auto* form = static_cast<Form1*>(mains[0]);
    EXPECT_EQ(form->designName(), QStringLiteral("my design.cwf"));
    EXPECT_EQ(form->record().q, 1);

    // Bringing it up again neither makes a second window nor runs the load again, which would
    // have named the design "untitled".
    mainWindow.show();
    EXPECT_EQ(visibleWindows(QStringLiteral("Form1")).size(), 1U);
    EXPECT_EQ(form->designName(), QStringLiteral("my design.cwf"));
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace coilwise
