#include "form1_fixture.h"
#include "support/worked_examples.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

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

} // namespace
} // namespace coilwise
