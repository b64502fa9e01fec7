#include "form1_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace coilwise {
namespace {

// The main window with its DC-output helper opened from the Design menu.
class DcOutputHelper : public Form1Fixture {
protected:
    void open(const std::function<void(QDialog&)>& steps) { openDialog("menudcsec", steps); }

    template <typename T = QLineEdit> static T* in(QDialog& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Replaces a field's text by typing.
    static void retype(QDialog& dialog, const char* name, const QString& keys) {
        QLineEdit* field = in(dialog, name);
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, keys);
    }

    // Picks an item of a list box with the arrow keys, as a person would.
    static void pick(QDialog& dialog, const char* name, int index) {
        auto* list = in<QComboBox>(dialog, name);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    }

    static void press(QDialog& dialog, const char* button) {
        QTest::mouseClick(in<QPushButton>(dialog, button), Qt::LeftButton);
    }

    void typeRow(int row, const char* volts, const char* amps) {
        typeInto(("labvsec(" + std::to_string(row) + ")").c_str(), QString::fromUtf8(volts));
        typeInto(("labisec(" + std::to_string(row) + ")").c_str(), QString::fromUtf8(amps));
    }

    QString row(const char* field, int index) const {
        return text((std::string(field) + "(" + std::to_string(index) + ")").c_str());
    }
};

struct ValueCase {
    const char* name;
    bool comma;
    int rectifier; // index in the list: bridge, centre tap, half-wave
    const char* volts;
    const char* amps;
    int rows;
    const char* figures;
};

class DcOutputValues : public DcOutputHelper, public testing::WithParamInterface<ValueCase> {};

TEST_P(DcOutputValues, OkWritesTheWindingRoundedUpAndCalculates) {
    const ValueCase& c = GetParam();
    if (c.comma) {
        locale = FixedLocale::comma();
    }
    load();
    open([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Secondary for a DC output"));
        retype(dialog, "dcVolts", QStringLiteral("15"));
        retype(dialog, "dcAmps", QStringLiteral("1"));
        pick(dialog, "rectifier", c.rectifier);
        EXPECT_EQ(in<QLabel>(dialog, "figures")->text(), QString::fromUtf8(c.figures));
        press(dialog, "ok");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialogs.messages.empty());
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const bool filled = i <= c.rows;
        EXPECT_EQ(row("labvsec", i), filled ? QString::fromUtf8(c.volts) : QString());
        EXPECT_EQ(row("labisec", i), filled ? QString::fromUtf8(c.amps) : QString());
        EXPECT_EQ(row("labesp", i).isEmpty(), !filled) << "calculated";
        EXPECT_EQ(form->dcSecondary(i).has_value(), filled);
    }
    const std::optional<DcVoltages> volts = form->dcVoltagesOfRow(1);
    ASSERT_TRUE(volts.has_value());
    EXPECT_GT(volts->noLoadHighMains, 15);
    EXPECT_LT(volts->fullLoadLowMains, 15);
    EXPECT_TRUE(form->archivomodif());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DcOutputValues,
    testing::Values(ValueCase{"Bridge", false, 0, "12.27", "1.62", 1,
                              "12.27 V, 1.62 A\nCapacitor 6667 µF, next E6 value 6800 µF"},
                    ValueCase{"BridgeComma", true, 0, "12,27", "1,62", 1,
                              "12,27 V, 1,62 A\nCapacitor 6667 µF, next E6 value 6800 µF"},
                    ValueCase{"CentreTap", false, 1, "11.71", "1.00", 2,
                              "2 x 11.71 V, 1.00 A each half\nCapacitor 6667 µF, next E6 value 6800 µF"},
                    ValueCase{"HalfWave", false, 2, "11.71", "3.58", 1,
                              "11.71 V, 3.58 A\nCapacitor 13333 µF, next E6 value 15000 µF"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

struct RefusalCase {
    const char* name;
    const char* field; // typed into, then OK
    const char* typed;
    const char* message;
};

class DcOutputRefusals : public DcOutputHelper, public testing::WithParamInterface<RefusalCase> {};

TEST_P(DcOutputRefusals, RefusesWithAMessageAndTheFocusOnTheField) {
    const RefusalCase& c = GetParam();
    load();
    open([&](QDialog& dialog) {
        retype(dialog, "dcVolts", QStringLiteral("15"));
        retype(dialog, "dcAmps", QStringLiteral("1"));
        retype(dialog, c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(in<QLabel>(dialog, "figures")->text(), QStringLiteral("-"));
        press(dialog, "ok");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(focusName(), QLatin1StringView(c.field));
        press(dialog, "cancel");
    });
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Coilwise"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::critical);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(text("labvsec(1)"), QString());
}

const char* const voltsRefused = "The DC voltage must be\na positive number of volts.";
const char* const ampsRefused = "The DC current must be\na positive number of amperes.";
const char* const rippleRefused = "The ripple must be more than 0\nand at most 100 % of the DC voltage.";

INSTANTIATE_TEST_SUITE_P(Cases, DcOutputRefusals,
                         testing::Values(RefusalCase{"NoVolts", "dcVolts", "", voltsRefused},
                                         RefusalCase{"ZeroVolts", "dcVolts", "0", voltsRefused},
                                         RefusalCase{"NegativeVolts", "dcVolts", "-5", voltsRefused},
                                         RefusalCase{"VoltsNotANumber", "dcVolts", "15V", voltsRefused},
                                         RefusalCase{"CommaInPointLocale", "dcAmps", "1,5", ampsRefused},
                                         RefusalCase{"ZeroAmps", "dcAmps", "0", ampsRefused},
                                         RefusalCase{"NegativeDrop", "diodeDrop", "-0.1",
                                                     "The diode drop must be\na number of volts, 0 or more."},
                                         RefusalCase{"NoRipple", "ripple", "0", rippleRefused},
                                         RefusalCase{"RippleAboveAll", "ripple", "101", rippleRefused}),
                         [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(DcOutputHelper, FillsTheFirstFreeRowAndRefusesRowsThatCannotTakeTheWinding) {
    load();
    typeRow(1, "6.3", "0.5");
    typeRow(3, "24", "0.2");
    const struct {
        int rectifier;
        int row; // chosen, or 0 to keep the default
        const char* message;
    } refusals[] = {
        {0, 1, "Row #1 is in use.\nChoose a free row."},
        {0, 4, "Row #4 comes after the empty row #2;\nCalculate uses the rows from #1 down."},
        {1, 0, "Row #3 is in use.\nChoose a free row."},
        {1, 5, "A centre tap fills two rows:\n#5 has no row below it."},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.message);
        dialogs.messages.clear();
        open([&](QDialog& dialog) {
            auto* rows = in<QComboBox>(dialog, "row");
            EXPECT_EQ(rows->currentText(), QStringLiteral("#2"));
            EXPECT_EQ(rows->itemText(0), QStringLiteral("#1 (in use)"));
            retype(dialog, "dcVolts", QStringLiteral("15"));
            retype(dialog, "dcAmps", QStringLiteral("1"));
            pick(dialog, "rectifier", r.rectifier);
            if (r.row > 0) {
                pick(dialog, "row", r.row - 1);
            }
            press(dialog, "ok");
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(focusName(), QStringLiteral("row"));
            press(dialog, "cancel");
        });
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(r.message));
    }
    EXPECT_EQ(text("labvsec(2)"), QString());

    open([&](QDialog& dialog) {
        retype(dialog, "dcVolts", QStringLiteral("15"));
        retype(dialog, "dcAmps", QStringLiteral("1"));
        press(dialog, "ok");
    });
    EXPECT_EQ(text("labvsec(1)"), QStringLiteral("6.30"));
    EXPECT_EQ(text("labvsec(2)"), QStringLiteral("12.27"));
    EXPECT_EQ(text("labvsec(3)"), QStringLiteral("24.00"));
    EXPECT_FALSE(form->dcSecondary(1).has_value());
    EXPECT_TRUE(form->dcSecondary(2).has_value());
}

TEST_F(DcOutputHelper, RefusesWhenNoRowIsFree) {
    load();
    for (int i = 1; i <= 5; ++i) {
        typeRow(i, "6", "0.1");
    }
    open([&](QDialog& dialog) {
        retype(dialog, "dcVolts", QStringLiteral("15"));
        retype(dialog, "dcAmps", QStringLiteral("1"));
        press(dialog, "ok");
        EXPECT_EQ(focusName(), QStringLiteral("row"));
        press(dialog, "cancel");
    });
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("No secondary row is free.\nClear a row for the DC output first."));
}

TEST_F(DcOutputHelper, CancelChangesNothing) {
    load();
    typeRow(1, "6.3", "0.5");
    const bool changed = form->archivomodif();
    open([&](QDialog& dialog) {
        retype(dialog, "dcVolts", QStringLiteral("15"));
        retype(dialog, "dcAmps", QStringLiteral("1"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(text("labvsec(2)"), QString());
    EXPECT_EQ(text("labesp(1)"), QString()) << "no calculation";
    EXPECT_EQ(form->archivomodif(), changed);
    EXPECT_FALSE(form->dcSecondary(2).has_value());
    EXPECT_TRUE(dialogs.messages.empty());
}

// The halves of a centre tap go together; typing over a row, Clear and Open forget it.
TEST_F(DcOutputHelper, ForgetsARowTypedOverOrCleared) {
    load();
    const auto fillCentreTap = [this] {
        open([&](QDialog& dialog) {
            retype(dialog, "dcVolts", QStringLiteral("15"));
            retype(dialog, "dcAmps", QStringLiteral("1"));
            pick(dialog, "rectifier", 1);
            press(dialog, "ok");
        });
        ASSERT_TRUE(form->dcSecondary(1).has_value());
        ASSERT_TRUE(form->dcSecondary(2).has_value());
    };
    fillCentreTap();
    typeInto("labisec(2)", QStringLiteral("1.5"));
    EXPECT_FALSE(form->dcSecondary(1).has_value());
    EXPECT_FALSE(form->dcSecondary(2).has_value());

    child<QPushButton>(QStringLiteral("Command2"))->click();
    fillCentreTap();
    child<QPushButton>(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(form->dcSecondary(1).has_value());

    // Texts that no longer match (here: row 1 emptied, so Calculate blanks the rows below it).
    fillCentreTap();
    edit("labvsec(1)")->setText({});
    edit("labisec(1)")->setText({});
    child<QPushButton>(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(form->dcSecondary(2).has_value());
}

} // namespace
} // namespace coilwise
