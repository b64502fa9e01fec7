#include "engine/input_checks.h"

#include <gtest/gtest.h>
#include <variant>

namespace coilwise {
namespace {

struct PrimaryCase {
    const char* text;
    bool comma;
    bool passes;
};

class PrimaryCheckTest : public testing::TestWithParam<PrimaryCase> {};

TEST_P(PrimaryCheckTest, AcceptsHalfToTwoThousandVoltsBeginningWithADigit) {
    const PrimaryCase& c = GetParam();
    const FixedLocale locale = c.comma ? FixedLocale::comma() : FixedLocale::point();
    const auto result = checkPrimaryVoltage(c.text, locale);
    EXPECT_EQ(std::holds_alternative<double>(result), c.passes) << c.text;
    if (const RunStop* stop = std::get_if<RunStop>(&result)) {
        EXPECT_TRUE(stop->beep);
        EXPECT_EQ(stop->message, "The voltage value must be\nbetween 0,5 and 2000 volts.");
        EXPECT_EQ(stop->focus, (FieldRef{Field::labvpri}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PrimaryCheckTest,
                         testing::Values(PrimaryCase{"0.5", false, true}, PrimaryCase{"0,5", true, true},
                                         PrimaryCase{"0.49", false, false}, PrimaryCase{"0,49", true, false},
                                         // Rounds to 0.5 in single precision, so it passes.
                                         PrimaryCase{"0.49999999", false, true},
                                         PrimaryCase{"2000", false, true},
                                         PrimaryCase{"2000.01", false, false}, PrimaryCase{"", false, false},
                                         PrimaryCase{" 220", false, false}, PrimaryCase{"+220", false, false},
                                         PrimaryCase{".5", false, false}, PrimaryCase{"220V", false, false},
                                         PrimaryCase{"1,00", false, false}, PrimaryCase{"0", false, false},
                                         PrimaryCase{"1e999", false, false}));

TEST(PrimaryCheck, GivesTheVoltageItChecked) {
    EXPECT_EQ(std::get<double>(checkPrimaryVoltage("1.000,5", FixedLocale::comma())), 1000.5);
}

struct RowCase {
    const char* volts;
    const char* amps;
    enum { passes, voltage, silentCurrent, current } expected;
};

class RowCheckTest : public testing::TestWithParam<RowCase> {};

TEST_P(RowCheckTest, RefusesWithTheFieldsMessageAndFocus) {
    const RowCase& c = GetParam();
    const std::optional<RunStop> stop = checkSecondaryRow(3, c.volts, c.amps, FixedLocale::point());
    switch (c.expected) {
    case RowCase::passes:
        EXPECT_FALSE(stop) << c.volts << " / " << c.amps;
        return;
    case RowCase::voltage:
        ASSERT_TRUE(stop);
        EXPECT_TRUE(stop->beep);
        EXPECT_EQ(stop->message, "The voltage value mus be\nbetween 1 y 2000 volts.");
        EXPECT_EQ(stop->focus, (FieldRef{Field::labvsec, 3}));
        return;
    case RowCase::silentCurrent:
        ASSERT_TRUE(stop);
        EXPECT_FALSE(stop->beep);
        EXPECT_EQ(stop->message, "");
        EXPECT_EQ(stop->focus, (FieldRef{Field::labisec, 3}));
        return;
    case RowCase::current:
        ASSERT_TRUE(stop);
        EXPECT_TRUE(stop->beep);
        EXPECT_EQ(stop->message, "Current value mus be\npositive, 10mA minimum.");
        EXPECT_EQ(stop->focus, (FieldRef{Field::labisec, 3}));
        return;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowCheckTest,
    testing::Values(RowCase{"12", "1", RowCase::passes}, RowCase{"1", "0.01", RowCase::passes},
                    RowCase{"2000", "1", RowCase::passes}, RowCase{"0", "1", RowCase::voltage},
                    RowCase{"", "1", RowCase::voltage}, RowCase{"2000.01", "1", RowCase::voltage},
                    RowCase{"0.99", "1", RowCase::voltage},
                    // Reads as 1 but is no number as a whole: never calculated with a value not checked.
                    RowCase{"1abc", "1", RowCase::voltage}, RowCase{"2,5000", "1", RowCase::voltage},
                    RowCase{"12", "", RowCase::silentCurrent}, RowCase{"12", "a1", RowCase::silentCurrent},
                    RowCase{"12", ".5", RowCase::silentCurrent}, RowCase{"12", "-1", RowCase::silentCurrent},
                    RowCase{"12", "0.009", RowCase::current}, RowCase{"12", "0", RowCase::current},
                    RowCase{"12", "1x", RowCase::current}));

TEST(RowCheck, CommaLocaleChecksTheValueTheRunUses) {
    // The leading number of "2000,5" is 2000, but the run would use 2000.5.
    EXPECT_TRUE(checkSecondaryRow(1, "2000,5", "1", FixedLocale::comma()));
    EXPECT_FALSE(checkSecondaryRow(1, "12,5", "0,01", FixedLocale::comma()));
}

} // namespace
} // namespace coilwise
