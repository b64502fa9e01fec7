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
