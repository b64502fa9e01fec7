#include "engine/dc_output.h"
#include "invocation.h"
#include "result_lines.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

template <typename Value> double numberOf(const Value& value) {
    double number = 0;
    return value.get_double().get(number) ? std::nan("") : number;
}

JsonElement dcEntry(const ResultLine& result, std::size_t index) {
    return result.at("dc").at(index);
}

double dcNumber(const ResultLine& result, std::size_t index, std::string_view key) {
    return numberOf(ResultLine::member(dcEntry(result, index), key));
}

std::vector<double> dcRows(const ResultLine& result, std::size_t index) {
    std::vector<double> rows;
    simdjson::dom::array array;
    if (!ResultLine::member(dcEntry(result, index), "rows").get_array().get(array)) {
        for (const simdjson::dom::element row : array) {
            rows.push_back(numberOf(row));
        }
    }
    return rows;
}

// A bridge, a typed row and a centre tap fill the rows in the order given.
TEST(DcSecondaryOption, ConvertsBeforeTheCalculationInRowOrder) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--json", "--primary", "220", "--dc-secondary",
                                   "15:1", "--secondary", "6.3:0.5", "--dc-secondary", "15:1:centre-tap"});
    EXPECT_EQ(run.status, 0) << run.err;
    const ResultLine result(splitLines(run.out).at(0));
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"12.27", "1.62"}, {"6.30", "0.50"}, {"11.71", "1.00"}, {"11.71", "1.00"}, {"", ""}};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(result.field("labvsec", row), rows[static_cast<std::size_t>(row - 1)].first) << row;
        EXPECT_EQ(result.field("labisec", row), rows[static_cast<std::size_t>(row - 1)].second) << row;
    }
    const std::vector<std::string> keys = ResultLine::keysOf(result.root());
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back(), "dc") << "after the existing keys";

    EXPECT_EQ(dcRows(result, 0), (std::vector<double>{1}));
    EXPECT_EQ(ResultLine::textOf(ResultLine::member(dcEntry(result, 0), "rectifier")), "bridge");
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "ripple"), 1.5);
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "iac_written"), 1.62);
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "capacitor_uf"), 6800);
    EXPECT_EQ(dcRows(result, 1), (std::vector<double>{3, 4}));
    EXPECT_DOUBLE_EQ(dcNumber(result, 1, "vac_written"), 11.71);

    // The DC voltages follow from the winding's calculated voltage without load.
    const double unload = std::stod(result.field("vacvsec", 1));
    EXPECT_NEAR(dcNumber(result, 0, "vdc_no_load_high_mains"), std::sqrt(2.0) * unload * 1.1 - 1.6, 1e-9);
    EXPECT_NEAR(dcNumber(result, 0, "vdc_full_load_low_mains"),
                std::sqrt(2.0) * (0.9 * unload - (unload - 12.27)) - 1.6 - 0.75, 1e-9);
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "capacitor_voltage"), 25);
}

TEST(DcSecondaryOption, ReadsTheLocaleAndTakesTheFrequencyGiven) {
    const Invocation run = invoke(
        {"--calc", "--locale", "de_DE", "--json", "--frequency", "60", "--dc-secondary", "15,0:1:half-wave"});
    EXPECT_EQ(run.status, 0) << run.err;
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(result.field("labvsec", 1), "11,71");
    EXPECT_EQ(result.field("labisec", 1), "3,58");
    // 1 / (60 x 1.5) = 11111 uF
    EXPECT_NEAR(dcNumber(result, 0, "capacitance_uf"), 11111.11, 0.01);
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "capacitor_uf"), 15000);
}

TEST(DcSecondaryOption, ARefusedRunHasNoDcVoltages) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--json", "--dc-secondary", "3000:1"});
    EXPECT_EQ(run.status, 1);
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(result.text("outcome"), "input_error");
    EXPECT_DOUBLE_EQ(dcNumber(result, 0, "vac_written"), 2228.52);
    EXPECT_TRUE(ResultLine::member(dcEntry(result, 0), "vdc_no_load_high_mains").is_null());
}

TEST(DcSecondaryOption, TheSheetEndsWithTheDcOutput) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--dc-secondary", "15:1:half-wave"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_GE(lines.size(), 6u);
    const std::vector<std::string> tail(lines.end() - 6, lines.end());
    EXPECT_EQ(tail[0], "DC output on secondary 1 (half-wave)");
    EXPECT_EQ(tail[3], "  Capacitor         13333 µF, E6 value 15000 µF");
    EXPECT_TRUE(tail[4].starts_with("  No load, +10 %    ")) << tail[4];
    EXPECT_TRUE(tail[5].starts_with("  Full load, -10 %  ")) << tail[5];
}

// A malformed option is a usage error (2); a value no winding can be designed for is a refused
// design (1), as a secondary's is.
TEST(DcSecondaryOption, RefusalsAndUsageErrors) {
    const struct {
        std::vector<std::string> args;
        std::string mention;
        int status = 2;
    } cases[] = {
        {{"--dc-secondary", "15"}, "'15'"},
        {{"--dc-secondary", "15:1:full-wave"}, "15:1:full-wave"},
        {{"--dc-secondary", "15:1:"}, "15:1:"},
        {{"--dc-secondary", "0:1"}, "0:1", 1},
        {{"--dc-secondary", "15:-1"}, "15:-1", 1},
        {{"--dc-secondary", "15:x"}, "15:x", 1},
        {{"--dc-secondary", "15,5:1"}, "15,5:1", 1},
        {{"--dc-secondary", "15:1:centre-tap", "--dc-secondary", "15:1:centre-tap", "--dc-secondary",
          "15:1:centre-tap"},
         "5"},
        {{"--secondary", "6:1", "--secondary", "6:1", "--secondary", "6:1", "--secondary", "6:1",
          "--dc-secondary", "15:1:centre-tap"},
         "5"},
        {{"--dc-secondary", "15:1", "design.cwf"}, "design files"},
        {{"--jsonl", "--dc-secondary", "15:1"}, "--jsonl"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--calc", "--locale", "C"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(testing::PrintToString(args));
        const Invocation run = invoke(args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        const std::vector<std::string> lines = splitLines(run.err);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines[0].find(c.mention), std::string::npos) << lines[0];
    }
}

TEST(DcSecondaryOption, ResultsWithoutDcOutputHaveNoDcKey) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--json", "--secondary", "12:1"});
    EXPECT_EQ(run.out.find("\"dc\""), std::string::npos);
}

} // namespace
} // namespace coilwise
