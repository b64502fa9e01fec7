#include "form1_fixture.h"
#include "support/worked_examples.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>

namespace coilwise {
namespace {

const QByteArray continuousWithPrices = "220\r\n1\r\n1\r\n2.5\r\n12\r\n";

using MainWindow = Form1Fixture;

TEST_F(MainWindow, TypingADesignAndCalculatingShowsTheResults) {
    writeSettingsFile(continuousWithPrices);
    load();
    const WorkedExample& example = endToEndExample;
    typeInto("labvsec(1)", QString::fromStdString(example.secondaries[0].volts) + QLatin1Char('\r'));
    EXPECT_EQ(focusName(), QStringLiteral("labisec(1)"));
    QTest::keyClicks(edit("labisec(1)"), QString::fromStdString(example.secondaries[0].amps));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);

    EXPECT_TRUE(dialogs.messages.empty());
    for (const char* field : {"labvsec(1)", "labisec(1)", "labnpri", "labalambpri", "labesp(1)", "vacvsec(1)",
                              "labchapa", "labpesotot", "labrend"}) {
        EXPECT_EQ(text(field).toStdString(), example.result(field)) << field;
    }
    EXPECT_EQ(text("tbxcostotot").toStdString(), "$" + example.result("tbxcostotot"));
    EXPECT_EQ(focusName(), QStringLiteral("labvsec(2)"));
    EXPECT_TRUE(form->archivomodif());
}

struct InputErrorCase {
    const char* name;
    const char* primary;
    const char* volts;
    const char* amps;
    bool beep;
    const char* message;
    const char* focus;
};

class InputErrors : public Form1Fixture, public testing::WithParamInterface<InputErrorCase> {};

TEST_P(InputErrors, ShowTheirMessageAndFocusTheField) {
    const InputErrorCase& c = GetParam();
    load();
    typeInto("labvpri", QString::fromUtf8(c.primary));
    typeInto("labvsec(1)", QString::fromUtf8(c.volts));
    typeInto("labisec(1)", QString::fromUtf8(c.amps));
    dialogs.events.clear();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);

    std::vector<std::string> expected;
    if (c.beep) {
        expected = {"beep", "message:Coilwise"};
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages.back().text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::critical);
    }
    EXPECT_EQ(dialogs.events, expected);
    EXPECT_EQ(focusName(), QString::fromUtf8(c.focus));
    EXPECT_EQ(text("labnpri"), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputErrors,
    testing::Values(InputErrorCase{"Primary", "3000", "12", "1", true,
                                   "The voltage value must be\nbetween 0,5 and 2000 volts.", "labvpri"},
                    InputErrorCase{"SecondaryVoltage", "220", "0", "1", true,
                                   "The voltage value mus be\nbetween 1 y 2000 volts.", "labvsec(1)"},
                    InputErrorCase{"CurrentNotADigit", "220", "12", "a", false, "", "labisec(1)"},
                    InputErrorCase{"CurrentTooSmall", "220", "12", "0.001", true,
                                   "Current value mus be\npositive, 10mA minimum.", "labisec(1)"}),
    [](const testing::TestParamInfo<InputErrorCase>& info) { return info.param.name; });

TEST_F(MainWindow, EnterMovesAlongTheFocusOrder) {
    load();
    edit("labvpri")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int step = 0; step < 11; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        visited << focusName();
    }
    EXPECT_EQ(
        visited,
        (QStringList{QStringLiteral("labvsec(1)"), QStringLiteral("labisec(1)"), QStringLiteral("labvsec(2)"),
                     QStringLiteral("labisec(2)"), QStringLiteral("labvsec(3)"), QStringLiteral("labisec(3)"),
                     QStringLiteral("labvsec(4)"), QStringLiteral("labisec(4)"), QStringLiteral("labvsec(5)"),
                     QStringLiteral("labisec(5)"), QStringLiteral("Optfrec(1)")}));
    EXPECT_EQ(text("labvpri"), QStringLiteral("220.0")); // Enter is a leave: the mask applies
}

TEST_F(MainWindow, LeavingAFieldWritesItThroughItsMask) {
    load();
    const struct {
        const char* field;
        const char* typed;
        const char* shown;
    } cases[] = {{"labvsec(2)", "7", "7.00"}, {"labvsec(2)", "abc", "abc"},
                 {"labvsec(2)", "", ""},      {"labisec(3)", "7.456", "7.46"},
                 {"labvpri", "7.46", "7.5"},  {"labvpri", "123456", "123456.0"},
                 {"labvpri", "1,00", "1,00"}};
    for (const auto& c : cases) {
        typeInto(c.field, QString::fromUtf8(c.typed));
        if (*c.typed == '\0') {
            edit(c.field)->clear();
        }
        edit("labobs")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(text(c.field), QString::fromUtf8(c.shown)) << c.field << " " << c.typed;
    }
}

TEST_F(MainWindow, EnteringAFieldSelectsItsText) {
    load();
    typeInto("labvsec(1)", QStringLiteral("12"));
    edit("labobs")->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(edit("labvsec(1)"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit("labvsec(1)")->selectedText(), QStringLiteral("12.00"));
}

TEST_F(MainWindow, OnlyNotesAndCalculationsMarkTheDesignChanged) {
    writeSettingsFile(continuousWithPrices);
    load();
    EXPECT_FALSE(form->archivomodif());
    typeInto("labvpri", QStringLiteral("110"));
    typeInto("labvsec(1)", QStringLiteral("6"));
    child<QRadioButton>(QStringLiteral("Optserv(3)"))->click(); // recalculates: row 1 has no current
    EXPECT_FALSE(form->archivomodif());
    typeInto("labobs", QStringLiteral("x"));
    EXPECT_TRUE(form->archivomodif());
    child<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(form->archivomodif());
    typeInto("labvsec(1)", QStringLiteral("6"));
    typeInto("labisec(1)", QStringLiteral("1.5"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(form->archivomodif());
}

TEST_F(MainWindow, ClearKeepsThePrimaryAndTheChoices) {
    writeSettingsFile(continuousWithPrices);
    load();
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    child<QRadioButton>(QStringLiteral("Optfrec(2)"))->setChecked(true);
    child<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(text("labvpri"), QStringLiteral("220.0")); // left when the focus moved on
    EXPECT_EQ(text("labvsec(1)"), QString());
    EXPECT_EQ(text("labnpri"), QString());
    EXPECT_EQ(text("tbxcostotot"), QString());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optfrec(2)"))->isChecked());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Coilwise - untitled"));
    EXPECT_EQ(focusName(), QStringLiteral("labvsec(1)"));
}

// Each calculation of a design with a bad row shows one message, so messages count calculations.
class Choices : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        load();
        typeInto("labvsec(1)", QStringLiteral("0"));
        typeInto("labisec(1)", QStringLiteral("1"));
        dialogs.messages.clear();
    }
};

TEST_F(Choices, MenuChoiceStoresTheDefaultAndCalculatesTwice) {
    child<QAction>(QStringLiteral("mnufrec(2)"))->trigger();
    EXPECT_EQ(dialogs.messages.size(), 2U);
    EXPECT_EQ(form->record().frec, 60);
    EXPECT_TRUE(child<QAction>(QStringLiteral("mnufrec(2)"))->isChecked());
    EXPECT_FALSE(child<QAction>(QStringLiteral("mnufrec(1)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optfrec(2)"))->isChecked());
    EXPECT_EQ(settingsBytes(), QByteArray("220\r\n2\r\n2\r\n0\r\n0\r\n"));

    child<QAction>(QStringLiteral("mnuserv(3)"))->trigger();
    EXPECT_EQ(dialogs.messages.size(), 4U);
    EXPECT_EQ(form->record().gauss, 13500);
    EXPECT_EQ(form->record().deltadia, 3.5);
    EXPECT_EQ(settingsBytes(), QByteArray("220\r\n2\r\n3\r\n0\r\n0\r\n"));
}

TEST_F(Choices, MenuChoiceOfTheSelectedOptionCalculatesOnce) {
    child<QAction>(QStringLiteral("mnufrec(1)"))->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1U);
}

TEST_F(Choices, OptionChoiceCalculatesButLeavesTheMenuAndTheFile) {
    const QByteArray before = settingsBytes();
    child<QRadioButton>(QStringLiteral("Optfrec(2)"))->click();
    EXPECT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(form->record().frec, 60);
    EXPECT_TRUE(child<QAction>(QStringLiteral("mnufrec(1)"))->isChecked());
    EXPECT_FALSE(child<QAction>(QStringLiteral("mnufrec(2)"))->isChecked());
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(Choices, NoPrimaryVoltageNoCalculation) {
    edit("labvpri")->clear();
    child<QAction>(QStringLiteral("mnuserv(1)"))->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->record().tiserv, 1);
    EXPECT_EQ(form->record().gauss, 10500);
}

// Enter as a keyboard user meets it: a focused button presses, the input fields move on, and
// wherever no control takes it, Calculate, the window's default button, does.
enum class EnterDoes { calculate, clear, askToQuit, moveOn };

struct EnterCase {
    const char* name;
    const char* focus;
    Qt::Key key;
    EnterDoes does;
};

class EnterKey : public Form1Fixture, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, ReachesTheControlThatTakesIt) {
    const EnterCase& c = GetParam();
    writeSettingsFile(continuousWithPrices);
    load();
    form->setEndProgram([] {});
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QWidget>(QLatin1StringView(c.focus))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), c.key);

    EXPECT_TRUE(child<QPushButton>(QStringLiteral("Command1"))->isDefault());
    EXPECT_EQ(text("labnpri").isEmpty(), c.does != EnterDoes::calculate);
    EXPECT_EQ(text("labvsec(1)").isEmpty(), c.does == EnterDoes::clear);
    EXPECT_EQ(dialogs.messages.size(), c.does == EnterDoes::askToQuit ? 1U : 0U);
    if (c.does == EnterDoes::moveOn) {
        EXPECT_EQ(focusName(), QStringLiteral("labvsec(2)"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnterKey,
    testing::Values(EnterCase{"OnCalculate", "Command1", Qt::Key_Return, EnterDoes::calculate},
                    EnterCase{"KeypadOnCalculate", "Command1", Qt::Key_Enter, EnterDoes::calculate},
                    EnterCase{"OnClear", "Command2", Qt::Key_Return, EnterDoes::clear},
                    EnterCase{"OnQuit", "Command3", Qt::Key_Return, EnterDoes::askToQuit},
                    EnterCase{"InTheNotes", "labobs", Qt::Key_Return, EnterDoes::calculate},
                    EnterCase{"KeypadInTheNotes", "labobs", Qt::Key_Enter, EnterDoes::calculate},
                    EnterCase{"OnAFrequency", "Optfrec(1)", Qt::Key_Return, EnterDoes::calculate},
                    EnterCase{"OnAService", "Optserv(1)", Qt::Key_Enter, EnterDoes::calculate},
                    EnterCase{"InAnInputField", "labisec(1)", Qt::Key_Return, EnterDoes::moveOn}),
    [](const testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

TEST_F(MainWindow, OpensInTheMiddleOfTheScreen) {
    load();
    const QPoint middle = form->screen()->availableGeometry().center();
    const QPoint centre = form->frameGeometry().center();
    EXPECT_NEAR(centre.x(), middle.x(), 2);
    EXPECT_NEAR(centre.y(), middle.y(), 2);
}

// A menu is no part of the focus order: opening one and coming back neither re-masks the half-typed
// value nor selects it, so the next key carries on typing.
TEST_F(MainWindow, MenuOpenedAndClosedLeavesTheTypedValueAlone) {
    load();
    for (const Qt::Key access : {Qt::Key_F, Qt::Key_C, Qt::Key_B}) {
        SCOPED_TRACE(access);
        edit("labvsec(1)")->clear();
        typeInto("labvsec(1)", QStringLiteral("5"));
        QTest::keyClick(form.get(), access, Qt::AltModifier);
        QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(open, nullptr);
        QTest::keyClick(open, Qt::Key_Escape);
        // The offscreen platform hands activation to the closed menu; a desktop gives it back.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // out of the menu bar
        ASSERT_EQ(focusName(), QStringLiteral("labvsec(1)"));
        EXPECT_EQ(text("labvsec(1)"), QStringLiteral("5"));
        QTest::keyClicks(edit("labvsec(1)"), QStringLiteral("0"));
        EXPECT_EQ(text("labvsec(1)"), QStringLiteral("50"));
    }
}

// Each option group is one stop of the focus order, on whichever option is selected.
TEST_F(MainWindow, TabStopsOnTheSelectedOptionOfEachGroup) {
    load();
    for (int frequency = 1; frequency <= 2; ++frequency) {
        for (int service = 1; service <= 3; ++service) {
            SCOPED_TRACE(std::to_string(frequency) + "/" + std::to_string(service));
            child<QRadioButton>(QStringLiteral("Optfrec(%1)").arg(frequency))->setChecked(true);
            child<QRadioButton>(QStringLiteral("Optserv(%1)").arg(service))->setChecked(true);
            edit("labisec(5)")->setFocus(Qt::TabFocusReason);
            QStringList forward;
            for (int step = 0; step < 3; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                forward << focusName();
            }
            EXPECT_EQ(forward,
                      (QStringList{QStringLiteral("Optfrec(%1)").arg(frequency),
                                   QStringLiteral("Optserv(%1)").arg(service), QStringLiteral("labobs")}));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            EXPECT_EQ(focusName(), QStringLiteral("Optserv(%1)").arg(service));
            EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optserv(%1)").arg(service))->isChecked());
        }
    }
    // The arrow keys still move within a group, and the stop follows the selection.
    child<QRadioButton>(QStringLiteral("Optserv(1)"))->setChecked(true);
    child<QRadioButton>(QStringLiteral("Optserv(1)"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("Optserv(2)"));
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("Optserv(2)"))->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), QStringLiteral("Optserv(2)"));
}

// New and Open offer to save unsaved work first, as Quit does.
enum class SaveGoes { notAsked, saved, cancelled, failed };

struct DropCase {
    const char* name;
    const char* command;
    bool changed;
    Answer answer;
    SaveGoes save;
    bool goesOn;
};

class UnsavedWork : public Form1Fixture, public testing::WithParamInterface<DropCase> {};

TEST_P(UnsavedWork, IsOfferedForSavingBeforeNewAndOpen) {
    const DropCase& c = GetParam();
    writeSettingsFile(continuousWithPrices);
    load();
    typeInto("labvsec(1)", QStringLiteral("12"));
    typeInto("labisec(1)", QStringLiteral("1"));
    child<QPushButton>(QStringLiteral("Command1"))->click();
    if (!c.changed) {
        dialogs.savePaths = {config.filePath(QStringLiteral("first.cwf"))};
        child<QAction>(QStringLiteral("menuarchguard"))->trigger();
        ASSERT_FALSE(form->archivomodif());
    }
    dialogs.messages.clear();
    dialogs.saveRequests.clear();
    dialogs.answers = {c.answer};
    const QString savedTo =
        config.filePath(QLatin1StringView(c.save == SaveGoes::failed ? "missing/design.cwf" : "design.cwf"));
    dialogs.savePaths.clear();
    if (c.save == SaveGoes::saved || c.save == SaveGoes::failed) {
        dialogs.savePaths = {savedTo};
    }
    child<QAction>(QLatin1StringView(c.command))->trigger();

    if (c.changed) {
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Save changes to untitled ?"));
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::yesNoCancel);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::question);
        EXPECT_EQ(dialogs.messages[0].defaultAnswer, Answer::yes);
    } else {
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_EQ(dialogs.saveRequests.size(), c.save == SaveGoes::notAsked ? 0U : 1U);
    EXPECT_EQ(QFile::exists(savedTo), c.save == SaveGoes::saved);
    const bool newDone = text("labnpri").isEmpty();
    const bool openAsked = !dialogs.openRequests.empty();
    EXPECT_EQ(std::string(c.command) == "menuarchnue" ? newDone : openAsked, c.goesOn);
    EXPECT_EQ(std::string(c.command) == "menuarchnue" ? openAsked : newDone, false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnsavedWork,
    testing::Values(
        DropCase{"NewUnchanged", "menuarchnue", false, Answer::cancel, SaveGoes::notAsked, true},
        DropCase{"NewYesSaves", "menuarchnue", true, Answer::yes, SaveGoes::saved, true},
        DropCase{"NewYesSaveCancelled", "menuarchnue", true, Answer::yes, SaveGoes::cancelled, false},
        DropCase{"NewYesSaveFails", "menuarchnue", true, Answer::yes, SaveGoes::failed, false},
        DropCase{"NewNo", "menuarchnue", true, Answer::no, SaveGoes::notAsked, true},
        DropCase{"NewCancel", "menuarchnue", true, Answer::cancel, SaveGoes::notAsked, false},
        DropCase{"OpenUnchanged", "menuarchabr", false, Answer::cancel, SaveGoes::notAsked, true},
        DropCase{"OpenYesSaves", "menuarchabr", true, Answer::yes, SaveGoes::saved, true},
        DropCase{"OpenYesSaveCancelled", "menuarchabr", true, Answer::yes, SaveGoes::cancelled, false},
        DropCase{"OpenYesSaveFails", "menuarchabr", true, Answer::yes, SaveGoes::failed, false},
        DropCase{"OpenNo", "menuarchabr", true, Answer::no, SaveGoes::notAsked, true},
        DropCase{"OpenCancel", "menuarchabr", true, Answer::cancel, SaveGoes::notAsked, false}),
    [](const testing::TestParamInfo<DropCase>& info) { return info.param.name; });

TEST_F(MainWindow, SaveDialogAddsTheDesignExtension) {
    load();
    child<QAction>(QStringLiteral("menuarchguard"))->trigger();
    ASSERT_EQ(dialogs.saveRequests.size(), 1U);
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("cwf"));
}

// The shortcuts desktop users expect, beside the captions and access keys the menus have.
TEST_F(MainWindow, StandardShortcutsRunTheirMenuItems) {
    load();
    form->setEndProgram([] {});
    const struct {
        QKeySequence keys;
        const char* action;
        const char* caption;
    } cases[] = {{QKeySequence(Qt::CTRL | Qt::Key_N), "menuarchnue", "&New"},
                 {QKeySequence(Qt::CTRL | Qt::Key_O), "menuarchabr", "&Open"},
                 {QKeySequence(Qt::CTRL | Qt::Key_S), "menuarchguard", "&Save"},
                 {QKeySequence(Qt::CTRL | Qt::Key_P), "menuarchimp", "&Print"},
                 {QKeySequence(Qt::CTRL | Qt::Key_Q), "menuarchsal", "&Quit"},
                 {QKeySequence(Qt::Key_F1), "menuayuda", "&Help"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        auto* action = child<QAction>(QLatin1StringView(c.action));
        QSignalSpy triggered(action, &QAction::triggered);
        edit("labvpri")->setFocus(Qt::TabFocusReason);
        QTest::keySequence(form.get(), c.keys);
        EXPECT_EQ(triggered.count(), 1);
        EXPECT_EQ(action->text(), QString::fromUtf8(c.caption));
    }
}

TEST_F(MainWindow, EveryFieldSaysWhatItHolds) {
    load();
    QStringList names;
    for (const QLineEdit* field : form->findChildren<QLineEdit*>()) {
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
        names << field->accessibleName();
    }
    EXPECT_EQ(names.size(), 55);
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 55) << "two fields share a name";
    EXPECT_EQ(edit("labvsec(2)")->accessibleName(), QStringLiteral("Secondary 2 volts"));
    EXPECT_EQ(edit("labnpri")->accessibleName(), QStringLiteral("Primary turns"));
    EXPECT_EQ(edit("tbxcostotot")->accessibleName(), QStringLiteral("Total cost"));
}

TEST_F(MainWindow, CutTextShowsInFullAsTheTooltip) {
    load();
    const struct {
        const char* field;
        const char* shown;
        const char* tooltip;
    } cases[] = {{"labpesotot", "123456789.00", "123456789.00"},
                 {"labpesotot", "709", ""},
                 {"labvsec(1)", "1234567890.00", "1234567890.00"},
                 {"labppri", "123456789.00", "Primary power"}};
    for (const auto& c : cases) {
        edit(c.field)->setText(QString::fromUtf8(c.shown));
        EXPECT_EQ(edit(c.field)->toolTip(), QString::fromUtf8(c.tooltip)) << c.field << " " << c.shown;
    }
}

TEST_F(MainWindow, GeneralHeadersFitTheirColumns) {
    load();
    const auto* general = child<QGroupBox>(QStringLiteral("Frame5"));
    std::vector<const QLabel*> headers;
    for (const QLabel* header : general->findChildren<QLabel*>()) {
        headers.push_back(header);
    }
    ASSERT_EQ(headers.size(), 6U);
    for (const QLabel* header : headers) {
        SCOPED_TRACE(header->text().toStdString());
        const int drawn = header->fontMetrics().horizontalAdvance(header->text());
        EXPECT_LE(drawn, header->width());
        const int frame = general->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        EXPECT_GT(header->geometry().left(), frame);
        EXPECT_LT(header->geometry().right(), general->width() - 1 - frame);
        for (const QLabel* other : headers) {
            EXPECT_TRUE(other == header || !other->geometry().intersects(header->geometry()));
        }
    }
}

} // namespace
} // namespace coilwise
