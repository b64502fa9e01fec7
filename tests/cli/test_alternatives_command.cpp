#include "engine/window_port.h"
#include "invocation.h"
#include "result_lines.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

std::vector<std::string> design(std::vector<std::string> extra) {
    std::vector<std::string> args{"--locale",       "C",  "--primary", "220", "--secondary",  "12:1",
                                  "--frequency",    "50", "--service", "1",   "--iron-price", "2.5",
                                  "--copper-price", "12"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

std::vector<std::string> with(std::string command, std::vector<std::string> args) {
    args.insert(args.begin(), std::move(command));
    return args;
}

std::string text(JsonElement value) {
    return ResultLine::textOf(value);
}

bool flag(JsonElement object, std::string_view key) {
    bool value = false;
    return !ResultLine::member(object, key).get_bool().get(value) && value;
}

TEST(AlternativesCommand, OneJsonObjectPerCoreWithItsWholeResult) {
    const Invocation run = invoke(with("--alternatives", design({"--json"})));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 48U);

    int chosen = 0;
    bool fittingDone = false;
    for (const std::string& line : lines) {
        const ResultLine row(line);
        const JsonElement result = row.at("result");
        const bool fits = flag(row.root(), "fits");
        EXPECT_FALSE(fits && fittingDone)
            << "a core that fits below one that does not: " << line.substr(0, 80);
        fittingDone = fittingDone || !fits;
        EXPECT_EQ(text(ResultLine::member(result, "outcome")), fits ? "ok" : "cannot_calculate");
        if (flag(row.root(), "calculate_choice")) {
            ++chosen;
            EXPECT_EQ(text(row.at("core")), "EI 69 \xc3\x97 23");
            EXPECT_EQ(text(ResultLine::member(ResultLine::member(result, "fields"), "labpesotot")), "709");
            EXPECT_TRUE(ResultLine::member(result, "construction").is_object());
            EXPECT_TRUE(ResultLine::member(result, "checks").is_array());
        }
    }
    EXPECT_EQ(chosen, 1);
}

TEST(AlternativesCommand, TextTableMarksCalculatesCoreAndListsTheMisfitsLast) {
    const Invocation run = invoke(with("--alternatives", design({})));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_TRUE(lines[0].starts_with("Core"));
    EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) {
                               return l.starts_with("EI 69 \xc3\x97 23 *  yes   48.3    709");
                           }),
              lines.end())
        << run.out;
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("EI 66 \xc3\x97 22    no    55.1")) << run.out;
}

TEST(AlternativesCommand, InputErrorIsCalculatesOwn) {
    const Invocation run = invoke({"--alternatives", "--locale", "C", "--secondary", "12:0", "--json"});
    EXPECT_EQ(run.status, 1);
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(text(result.at("outcome")), "input_error");
}

const ResultLine* calculatesRow(const std::vector<ResultLine>& rows) {
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [](const ResultLine& r) { return flag(r.root(), "calculate_choice"); });
    return row == rows.end() ? nullptr : &*row;
}

// The text of field "name" (row 0) or "name(row)" of a row's whole result.
std::string resultField(const ResultLine& row, std::string_view name, int r = 0) {
    const JsonElement value = ResultLine::member(ResultLine::member(row.at("result"), "fields"), name);
    return text(r == 0 ? value : value.at(static_cast<std::size_t>(r - 1)));
}

std::vector<ResultLine> resultLines(const std::string& out) {
    std::vector<ResultLine> rows;
    for (const std::string& line : splitLines(out)) {
        rows.emplace_back(line);
    }
    return rows;
}

// Calculate carries the regulation allowance of the smaller cores it rejected: its row is its own
// run, not a fresh design on the same core (which would give 591 turns and 45.36 V).
TEST(AlternativesCommand, CalculatesRowShowsWhatCalcShows) {
    const std::vector<std::string> inputs{"--locale",    "C",      "--primary", "120",
                                          "--secondary", "36:0.1", "--service", "random",
                                          "--frequency", "50",     "--json"};
    const Invocation table = invoke(with("--alternatives", inputs));
    ASSERT_EQ(table.status, 0) << table.err;
    const std::vector<ResultLine> rows = resultLines(table.out);
    const ResultLine* chosen = calculatesRow(rows);
    ASSERT_NE(chosen, nullptr);
    const Invocation calc = invoke(with("--calc", inputs));
    ASSERT_EQ(calc.status, 0) << calc.err;
    const ResultLine calculated(splitLines(calc.out).at(0));
    EXPECT_EQ(resultField(*chosen, "labesp", 1), "638");
    EXPECT_EQ(resultField(*chosen, "vacvsec", 1), "48.96");
    for (int f = 0; f < fieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        for (int r = isRowField(field) ? 1 : 0; r <= (isRowField(field) ? rowCount : 0); ++r) {
            EXPECT_EQ(resultField(*chosen, fieldName(field), r), calculated.field(fieldName(field), r))
                << fieldRefName({field, r});
        }
    }
}

// The DC output becomes its AC row before the table is made, as it does for --calc.
TEST(AlternativesCommand, DesignsTheDcSecondary) {
    const std::vector<std::string> inputs{"--locale",       "C",    "--primary", "230",
                                          "--dc-secondary", "15:1", "--json"};
    const Invocation table = invoke(with("--alternatives", inputs));
    ASSERT_EQ(table.status, 0) << table.err;
    const std::vector<ResultLine> rows = resultLines(table.out);
    ASSERT_GT(rows.size(), 1U);
    const ResultLine* chosen = calculatesRow(rows);
    ASSERT_NE(chosen, nullptr);
    const Invocation calc = invoke(with("--calc", inputs));
    ASSERT_EQ(calc.status, 0) << calc.err;
    const ResultLine calculated(splitLines(calc.out).at(0));
    EXPECT_EQ(resultField(*chosen, "labvsec", 1), calculated.field("labvsec", 1));
    EXPECT_EQ(resultField(*chosen, "labisec", 1), calculated.field("labisec", 1));
    EXPECT_EQ(resultField(*chosen, "labesp", 1), calculated.field("labesp", 1));
}

// 80 A at 2 A/mm² needs more than eight strands of the thickest wire on every core.
TEST(AlternativesCommand, NothingFitsWhenNoWireCarriesTheCurrent) {
    const std::vector<std::string> inputs{"--locale",    "C",     "--primary", "230",
                                          "--secondary", "12:80", "--service", "1"};
    std::vector<std::string> json = inputs;
    json.emplace_back("--json");
    const Invocation table = invoke(with("--alternatives", json));
    EXPECT_EQ(table.status, 1);
    const std::vector<ResultLine> rows = resultLines(table.out);
    ASSERT_FALSE(rows.empty());
    for (const ResultLine& row : rows) {
        EXPECT_FALSE(flag(row.root(), "fits"));
        EXPECT_TRUE(row.at("window_fill_percent").is_null());
        EXPECT_EQ(text(ResultLine::member(row.at("result"), "outcome")), "cannot_calculate");
    }
    const Invocation text = invoke(with("--alternatives", inputs));
    EXPECT_EQ(text.status, 1);
    EXPECT_NE(text.out.find("EI 30 \xc3\x97 10    no    needs more than 8 strands of 2.5 mm\n"),
              std::string::npos)
        << text.out;
}

TEST(CoreOption, DesignsOnTheGivenCore) {
    const Invocation run = invoke(with("--calc", design({"--core", "27:27", "--json"})));
    ASSERT_EQ(run.status, 0) << run.err;
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(result.field("labchapa"), "27");
    EXPECT_EQ(result.field("labprof"), "27");
}

TEST(CoreOption, ParallelStrandsWhereCalculateRefuses) {
    const std::vector<std::string> heavy{"--calc", "--locale",    "C",  "--primary", "230",    "--secondary",
                                         "12:20",  "--frequency", "50", "--service", "random", "--json"};
    EXPECT_EQ(invoke(heavy).status, 1);
    std::vector<std::string> onCore = heavy;
    onCore.insert(onCore.end(), {"--core", "40:60"});
    const Invocation run = invoke(onCore);
    ASSERT_EQ(run.status, 0) << run.err;
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(result.field("labalam", 1), "2.00");
    const JsonElement secondary = ResultLine::member(result.at("construction"), "windings").at(1);
    EXPECT_EQ(ResultLine::member(secondary, "strands").get_double().value(), 2);
}

TEST(CoreOption, TooSmallSaysItDoesNotFitWithTheFill) {
    const Invocation run = invoke(with("--calc", design({"--core", "22:22", "--json"})));
    EXPECT_EQ(run.status, 1);
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(text(result.at("outcome")), "cannot_calculate");
    EXPECT_EQ(result.messageLines(),
              (std::vector<std::string>{"The windings do not fit this core:",
                                        "they need 55.1 % of its window, 55 % at most."}));
}

TEST(CoreOption, RefusesCoresOutOfRange) {
    for (const std::string core : {"4:4", "23:11", "23:70", "101:101", "23", "23:x", "a:23", "23:23:23"}) {
        const Invocation run = invoke(with("--calc", design({"--core", core})));
        EXPECT_EQ(run.status, 2) << core;
        EXPECT_NE(run.err.find("--core"), std::string::npos) << core;
    }
}

} // namespace
} // namespace coilwise
