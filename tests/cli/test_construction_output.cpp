#include "invocation.h"
#include "result_lines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

const std::vector<std::string> endToEnd = {"--calc", "--locale",    "C",  "--primary", "220", "--secondary",
                                           "12:1",   "--frequency", "50", "--service", "1",   "--json"};

double number(JsonElement value) {
    double n = 0;
    return value.get_double().get(n) ? -1 : n;
}

std::string text(JsonElement value) {
    return ResultLine::textOf(value);
}

std::vector<std::string> keys(JsonElement value) {
    return ResultLine::keysOf(value);
}

JsonElement item(JsonElement array, std::size_t i) {
    return array.at(i);
}

TEST(ConstructionJson, FollowsTheExistingKeysWithUnroundedFigures) {
    const Invocation run = invoke(endToEnd);
    ASSERT_EQ(run.status, 0) << run.err;
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(keys(result.root()), (std::vector<std::string>{"outcome", "message", "beep", "focus", "q",
                                                             "fields", "construction", "checks"}));

    const JsonElement construction = result.at("construction");
    EXPECT_EQ(keys(construction),
              (std::vector<std::string>{"core", "windings", "wire_to_order", "thermal", "primary"}));
    const JsonElement core = ResultLine::member(construction, "core");
    EXPECT_EQ(text(ResultLine::member(core, "designation")), "EI 69");
    EXPECT_EQ(number(ResultLine::member(core, "laminations")), 44);
    EXPECT_NEAR(number(ResultLine::member(core, "radial_build_mm")), 8.69, 1e-9);

    const JsonElement windings = ResultLine::member(construction, "windings");
    const JsonElement primary = item(windings, 0);
    const JsonElement secondary = item(windings, 1);
    EXPECT_EQ(keys(primary),
              (std::vector<std::string>{"winding", "wire_mm", "awg", "turns", "layers", "turns_per_layer",
                                        "build_mm", "mean_turn_cm", "length_m", "order_length_m", "mass_g",
                                        "ohms_20c", "ohms_hot"}));
    EXPECT_EQ(text(ResultLine::member(secondary, "winding")), "secondary 1");
    EXPECT_EQ(keys(secondary).back(), "short_circuit_a");
    EXPECT_EQ(number(ResultLine::member(primary, "turns")), 1784);
    // Unrounded: the full double, not the 196.11 of the sheet.
    const double length = number(ResultLine::member(primary, "length_m"));
    EXPECT_NEAR(length, 196.1108, 1e-4);
    EXPECT_NE(length, 196.11);
    EXPECT_EQ(number(ResultLine::member(secondary, "order_length_m")), 17.4);

    EXPECT_EQ(text(ResultLine::member(ResultLine::member(construction, "thermal"), "insulation_class")), "A");
    EXPECT_EQ(number(ResultLine::member(ResultLine::member(construction, "primary"), "fuse_a")), 0.16);

    const JsonElement checks = result.at("checks");
    std::vector<std::string> names;
    for (std::size_t i = 0; i < 6; ++i) {
        names.push_back(text(ResultLine::member(item(checks, i), "check")));
        EXPECT_EQ(keys(item(checks, i)), (std::vector<std::string>{"check", "status", "message"}));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"radial_fit", "window_fill", "selv", "no_load_rise",
                                               "temperature", "fuse"}));
    EXPECT_EQ(item(checks, 6).error(), simdjson::INDEX_OUT_OF_BOUNDS) << "more than six checks";
}

TEST(ConstructionJson, OnlyCalculatedDesignsCarryIt) {
    const std::vector<std::vector<std::string>> runs = {
        {"--calc", "--json", "--locale", "C", "--primary", "0.1", "--secondary", "12:1"},
        {"--calc", "--json", "--locale", "C", "--primary", "220", "--secondary", "12:20"}};
    for (const auto& args : runs) {
        const ResultLine result(splitLines(invoke(args).out).at(0));
        EXPECT_NE(result.text("outcome"), "ok");
        EXPECT_EQ(keys(result.root()).back(), "fields");
    }
}

TEST(ConstructionJson, EachJsonLineCarriesItsOwnDesign) {
    const std::string input =
        R"({"labvpri": "220", "labvsec": ["12"], "labisec": ["1"], "frec": 50, "tiserv": 1})"
        "\n"
        R"({"labvpri": "110", "labvsec": ["6"], "labisec": ["1.5"], "frec": 50, "tiserv": 1})"
        "\n";
    const Invocation run = invoke({"--calc", "--jsonl", "--locale", "C"}, input);
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.err;
    const std::pair<const char*, const char*> expected[] = {{"EI 69", "pass"}, {"EI 57", "warning"}};
    for (std::size_t i = 0; i < 2; ++i) {
        const ResultLine result(lines[i]);
        const JsonElement core = ResultLine::member(result.at("construction"), "core");
        EXPECT_EQ(text(ResultLine::member(core, "designation")), expected[i].first);
        EXPECT_EQ(text(ResultLine::member(item(result.at("checks"), 0), "status")), expected[i].second);
    }
}

TEST(ConstructionText, FollowsTheResultsWithWarningsMarked) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--primary", "110", "--secondary", "6:1.5",
                                   "--frequency", "50", "--service", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t costs = run.out.find("Costs\n");
    const std::size_t sheet = run.out.find("Construction and checks\n");
    ASSERT_NE(costs, std::string::npos);
    ASSERT_NE(sheet, std::string::npos);
    EXPECT_LT(costs, sheet);
    EXPECT_NE(run.out.find("  WARNING  radial_fit: the windings need 9.4 mm but the window leaves 8.5 mm"),
              std::string::npos);
    EXPECT_NE(run.out.find("Turns             920 in 12 layers of 77"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Time-lag fuse     250 mA"), std::string::npos);
}

// 3 V at 14 A: 15 turns of thick wire lie in one layer, which the sheet says in the singular.
TEST(ConstructionOutput, OneLayerIsSingular) {
    const Invocation run = invoke({"--calc", "--locale", "C", "--primary", "230", "--secondary", "3:14",
                                   "--frequency", "50", "--service", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" in 1 layer of "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(" 1 layers"), std::string::npos) << run.out;
}

} // namespace
} // namespace coilwise
