#include "calculated_design.h"
#include "engine/design_checks.h"

#include <gtest/gtest.h>
#include <map>

namespace coilwise {
namespace {

using Statuses = std::map<std::string_view, std::string_view>;

std::vector<Check> checksOf(const DesignDetails& design) {
    return designChecks(design, constructionSheet(design), FixedLocale::point());
}

Statuses statuses(const std::vector<Check>& checks) {
    Statuses out;
    for (const Check& c : checks) {
        out[c.check] = checkStatusName(c.status);
    }
    return out;
}

struct CheckCase {
    const char* primary;
    const char* volts;
    const char* amps;
    int service;
    Statuses expected;  // checks not named here pass (window_fill and fuse are always info)
    const char* phrase; // a figure the determining message must name
    const char* checkName;
};

class DesignCheckCases : public testing::TestWithParam<CheckCase> {};

TEST_P(DesignCheckCases, StatusAndFigure) {
    const CheckCase& c = GetParam();
    const DesignRecord record = calculated(c.primary, {{c.volts, c.amps}}, c.service);
    ASSERT_TRUE(record.design);
    const std::vector<Check> checks = checksOf(record.design->details);
    Statuses expected{{"radial_fit", "pass"},   {"window_fill", "info"}, {"selv", "pass"},
                      {"no_load_rise", "pass"}, {"temperature", "pass"}, {"fuse", "info"}};
    for (const auto& [name, status] : c.expected) {
        expected[name] = status;
    }
    EXPECT_EQ(statuses(checks), expected);
    for (const Check& check : checks) {
        if (check.check == c.checkName) {
            EXPECT_NE(check.message.find(c.phrase), std::string::npos) << check.message;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignCheckCases,
    testing::Values(
        CheckCase{"220", "12", "1", continuous, {}, "a 160 mA time-lag fuse for 0.067 A", "fuse"},
        CheckCase{"110",
                  "6",
                  "1.5",
                  continuous,
                  {{"radial_fit", "warning"}},
                  "the windings need 9.4 mm but the window leaves 8.5 mm",
                  "radial_fit"},
        CheckCase{"230", "48", "5", random, {{"selv", "warning"}}, "50.88 V without load", "selv"},
        CheckCase{
            "230", "46", "1", continuous, {{"selv", "info"}}, "54.14 V with the mains 10 % high", "selv"},
        CheckCase{"230", "24", "8", random, {}, "fill 33.0 %", "window_fill"},
        CheckCase{"230",
                  "230",
                  "0.03",
                  random,
                  {{"radial_fit", "warning"}, {"selv", "info"}},
                  "need 12.4 mm but the window leaves 7.0 mm",
                  "radial_fit"}));

// The 63 to 250 VA band, with the secondary's rise moved across 15 %.
TEST(NoLoadRiseCheck, WarnsOnlyInsideTheBandAndAboveFifteenPercent) {
    const DesignRecord record = calculated("230", {{"24", "8"}}, random); // 192 VA, rise 6 %
    ASSERT_TRUE(record.design);
    auto statusWith = [&](double loadWatts, double unloadVolts) {
        DesignDetails d = record.design->details;
        d.loadWatts = loadWatts;
        d.secondaryRows[0].unloadVolts = unloadVolts;
        return statuses(checksOf(d)).at("no_load_rise");
    };
    EXPECT_EQ(statusWith(192, 24 * 1.16), "warning");
    EXPECT_EQ(statusWith(192, 24 * 1.14), "pass");
    EXPECT_EQ(statusWith(63, 24 * 1.16), "warning");
    EXPECT_EQ(statusWith(250, 24 * 1.16), "warning");
    EXPECT_EQ(statusWith(62.9, 24 * 1.16), "pass");
    EXPECT_EQ(statusWith(250.1, 24 * 1.16), "pass");
}

// On the 23 mm core (Ap = 20.99 cm⁴, At = 189.2 cm²) 26.96 W of losses give ψ = 0.1425 W/cm² and
// 450 × ψ^0.826 = 90 K over 40 °C: 130 °C.
TEST(TemperatureCheck, WarnsAbove130Celsius) {
    const DesignRecord record = calculated("220", {{"12", "1"}}, continuous);
    ASSERT_TRUE(record.design);
    const struct {
        double lossWatts;
        const char* status;
    } cases[] = {{26.95, "pass"}, {26.97, "warning"}, {40, "warning"}};
    for (const auto& c : cases) {
        DesignDetails hot = record.design->details;
        hot.ironWatts = c.lossWatts;
        hot.copperWatts = 0;
        const std::vector<Check> checks = checksOf(hot);
        EXPECT_EQ(statuses(checks).at("temperature"), c.status) << c.lossWatts;
        if (std::string_view(c.status) == "warning") {
            EXPECT_NE(checks[4].message.find("above 130 °C"), std::string::npos) << checks[4].message;
        }
    }
}

// Secondary 1 is rated above 50 V (info), secondary 2 passes 50 V without load (warning).
TEST(SelvCheck, TheWorstSecondaryDecides) {
    const DesignRecord record = calculated("230", {{"100", "0.1"}, {"48", "5"}}, random);
    ASSERT_TRUE(record.design);
    const std::vector<Check> checks = checksOf(record.design->details);
    EXPECT_EQ(checks[2].status, CheckStatus::warning);
    EXPECT_NE(checks[2].message.find("secondary 2 (48 V)"), std::string::npos) << checks[2].message;
}

TEST(CheckMessages, UseTheLocalesDecimalSeparator) {
    const DesignRecord record = calculated("220", {{"12", "1"}}, continuous);
    ASSERT_TRUE(record.design);
    const std::vector<Check> checks =
        designChecks(record.design->details, constructionSheet(record.design->details), FixedLocale::comma());
    EXPECT_EQ(checks[0].message, "the windings need 8,7 mm and the window leaves 10,5 mm");
}

TEST(DesignDetailsOfARun, KeptOnlyAfterASuccessfulCalculation) {
    const FixedLocale locale = FixedLocale::point();
    DesignRecord record = calculated("220", {{"12", "1"}}, continuous);
    ASSERT_TRUE(record.design);
    EXPECT_EQ(record.design->details.secondaryCount, 1u);
    MemoryWindow window(record, locale);
    window.setText({Field::labvpri}, "220");
    window.setText({Field::labvsec, 1}, "12");
    window.setText({Field::labisec, 1}, "-1");
    EXPECT_EQ(Command1_Click(record, window, locale), Outcome::inputError);
    EXPECT_FALSE(record.design);

    window.setText({Field::labisec, 1}, "1");
    ASSERT_EQ(Command1_Click(record, window, locale), Outcome::ok);
    window.setText({Field::labvsec, 1}, "");
    EXPECT_EQ(Command1_Click(record, window, locale), Outcome::cleared);
    EXPECT_FALSE(record.design);
}

} // namespace
} // namespace coilwise
