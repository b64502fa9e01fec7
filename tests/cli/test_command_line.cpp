#include "engine/run_stop.h"
#include "invocation.h"
#include "result_lines.h"
#include "support/worked_examples.h"

#include <cmath>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace coilwise {
namespace {

// The command line that calculates a worked example, prices included.
std::vector<std::string> calcArgs(const WorkedExample& example) {
    std::vector<std::string> args = {"--calc", "--locale", "C", "--primary", example.primary};
    for (const WorkedExample::Row& row : example.secondaries) {
        args.insert(args.end(), {"--secondary", row.volts + ':' + row.amps});
    }
    const auto number = [](double value) {
        std::ostringstream text;
        text << value;
        return text.str();
    };
    args.insert(args.end(),
                {"--frequency", number(example.frequency), "--service", number(example.service),
                 "--iron-price", number(example.ironPrice), "--copper-price", number(example.copperPrice)});
    return args;
}

const std::vector<std::string> endToEndArgs = calcArgs(endToEndExample);

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CalcCommand, WorkedExamples) {
    for (const WorkedExample* example : workedExamples) {
        SCOPED_TRACE(example->name);
        const Invocation run = invoke(with(calcArgs(*example), {"--json"}));
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> lines = splitLines(run.out);
        ASSERT_EQ(lines.size(), 1u);
        const ResultLine result(lines[0]);
        EXPECT_EQ(result.text("outcome"), "ok");
        for (const auto& [name, text] : example->results) {
            const std::size_t bracket = name.find('(');
            const int row = bracket == std::string::npos ? 0 : name[bracket + 1] - '0';
            EXPECT_EQ(result.field(name.substr(0, bracket), row), text) << name;
        }
    }
}

// Figures published rounded: the field's value must round to them.
TEST(CalcCommand, EndToEndExampleRoundsToThePublishedFigures) {
    struct Figure {
        std::string name;
        int row;
        double value;
        int decimals;
    };
    const std::vector<Figure> figures = {
        {"labrprim", 0, 108, 0}, {"labres", 1, 0.71, 2}, {"vacvsec", 1, 13.1, 1}};
    const Invocation run = invoke(with(endToEndArgs, {"--json"}));
    const ResultLine result(splitLines(run.out).at(0));
    for (const Figure& f : figures) {
        const std::string text = result.field(f.name, f.row);
        SCOPED_TRACE(f.name + ": " + text);
        EXPECT_LE(std::abs(std::stod(text) - f.value), 0.5 * std::pow(10.0, -f.decimals));
    }
}

// The sheet with its blanks run together, so that the checks do not depend on the column layout.
std::string compact(const std::string& sheet) {
    return std::regex_replace(sheet, std::regex(" +"), " ");
}

TEST(CalcCommand, SheetShowsEachValueWithItsUnit) {
    const Invocation run = invoke(endToEndArgs);
    EXPECT_EQ(run.status, 0);
    const std::string sheet = compact(run.out);
    const auto shown = [](const char* field) {
        return endToEndExample.result(field);
    };
    for (const std::string& line :
         {" Primary voltage " + endToEndExample.primary + " V\n", std::string(" Frequency 50 Hz\n"),
          std::string(" Service Continuous service\n"), " Lamination " + shown("labchapa") + " mm\n",
          " Stack " + shown("labprof") + " mm\n", " Turns " + shown("labnpri") + " turns\n",
          " Wire " + shown("labalambpri") + " mm\n", " Resistance " + shown("labrprim") + " ohm\n",
          std::string("Secondary 1\n"), " Voltage " + shown("labvsec(1)") + " V\n",
          " Current " + shown("labisec(1)") + " A\n", " No-load voltage " + shown("vacvsec(1)") + " V\n",
          " Wire " + shown("labalam(1)") + " mm\n", " Total " + shown("labpesotot") + " g\n",
          " Load " + shown("labptot") + " W\n", " Efficiency " + shown("labrend") + " %\n",
          " Total " + shown("tbxcostotot") + "\n"}) {
        EXPECT_NE(sheet.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(sheet.find("Secondary 2"), std::string::npos);
}

TEST(CalcCommand, FiveSecondariesAllAppearOnTheSheet) {
    const Invocation run =
        invoke({"--calc", "--locale", "C", "--secondary", "6:0.1", "--secondary", "9:0.1", "--secondary",
                "12:0.1", "--secondary", "15:0.1", "--secondary", "24:0.1"});
    EXPECT_EQ(run.status, 0);
    const std::string sheet = compact(run.out);
    for (const char* line : {"Secondary 1\n Voltage 6.00 V\n", "Secondary 5\n Voltage 24.00 V\n"}) {
        EXPECT_NE(sheet.find(line), std::string::npos) << line;
    }
}

struct RefusalCase {
    std::vector<std::string> more;
    int status;
    std::string sheet;
};

TEST(CalcCommand, RefusedAndClearedRuns) {
    const std::vector<RefusalCase> cases = {
        {{"--secondary", "12:0"}, 1, "Input error in labisec(1)\n" + currentMessage + '\n'},
        {{"--secondary", "12:1", "--secondary", "0:1"},
         1,
         "Input error in labvsec(2)\n" + secondaryVoltageMessage + '\n'},
        {{"--primary", "0.1", "--secondary", "12:1"},
         1,
         "Input error in labvpri\n" + primaryVoltageMessage + '\n'},
        {{"--secondary", "12:50"}, 1, "Cannot calculate\n" + cannotCalculateMessage + '\n'},
        {{}, 0, "No secondary in use: nothing to calculate.\n"},
    };
    for (const RefusalCase& c : cases) {
        const std::vector<std::string> args = with({"--calc", "--locale", "C"}, c.more);
        SCOPED_TRACE(testing::PrintToString(args));
        const Invocation sheet = invoke(args);
        EXPECT_EQ(sheet.status, c.status);
        EXPECT_EQ(sheet.out, c.sheet);
        EXPECT_EQ(sheet.err, "");
        EXPECT_EQ(invoke(with(args, {"--json"})).status, c.status);
    }
}

TEST(CalcCommand, ReadsAndWritesInTheChosenLocale) {
    const Invocation run = invoke({"--calc", "--locale", "de_DE", "--secondary", "12:1", "--service", "1",
                                   "--iron-price", "2,5", "--copper-price", "12", "--json"});
    EXPECT_EQ(run.status, 0);
    const ResultLine result(splitLines(run.out).at(0));
    EXPECT_EQ(result.field("labvsec", 1), withDecimalComma(endToEndExample.result("labvsec(1)")));
    EXPECT_EQ(result.field("labalambpri"), withDecimalComma(endToEndExample.result("labalambpri")));
    EXPECT_EQ(result.field("labrprim"), withDecimalComma(endToEndExample.result("labrprim")));
    const std::string total = result.field("tbxcostotot");
    EXPECT_TRUE(total.starts_with(withDecimalComma(endToEndExample.result("tbxcostotot"))) &&
                total.ends_with("\xe2\x82\xac"))
        << total;
}

struct UsageCase {
    std::vector<std::string> args;
    std::string mention; // what the one-line reason must name
};

TEST(CommandLine, UsageErrorsExitWithTwoAndOneLineOnStandardError) {
    const std::vector<UsageCase> cases = {
        {{"--calc", "--frequency", "55"}, "55"},
        {{"--calc", "--service", "4"}, "'4'"},
        {{"--calc", "--service", "Random"}, "Random"},
        {{"--calc", "--secondary", "12"}, "'12'"},
        {{"--calc", "--secondary", "12:1:2"}, "12:1:2"},
        {{"--calc", "--secondary", "1:1", "--secondary", "2:1", "--secondary", "3:1", "--secondary", "4:1",
          "--secondary", "5:1", "--secondary", "6:1"},
         "5"},
        {{"--calc", "--primary"}, "--primary"},
        {{"--calc", "--bogus"}, "--bogus"},
        {{"--calc", "--locale", "xx_YY"}, "xx_YY"},
        {{"--calc", "--locale", "C", "--iron-price", "2,5"}, "2,5"},
        {{"--calc", "--locale", "de_DE", "--iron-price", "2.5"}, "2.5"},
        {{"--calc", "--locale", "C", "--copper-price", "-1"}, "-1"},
        {{"--calc", "--locale", "C", "--copper-price", ""}, "--copper-price"},
        {{"--calc", "--jsonl", "--primary", "220"}, "--jsonl"},
        {{"--calc", "--json", "--jsonl"}, "--jsonl"},
        {{"--calc", "--jsonl", "--json"}, "--jsonl"},
        {{"--calc", "--locale", "C", "--iron-price", "1e308"}, "1e308"},
        {{"--calc", "--locale", "C", "--iron-price", "1000000000.5"}, "1000000000.5"},
        {{"--calc", "--locale", "C", "--copper-price", "inf"}, "inf"},
        {{"--calc", "--locale", "C", "--copper-price", "nan"}, "nan"},
        {{"--calc", "--primary", "220", "--primary", "230"}, "--primary is given twice"},
        {{"--calc", "--frequency", "50", "--frequency", "60"}, "--frequency is given twice"},
        {{"--calc", "--locale", "C", "--locale", "C"}, "--locale is given twice"},
        {{"--calc", "--core", "23:23", "--core", "27:27"}, "--core is given twice"},
        {{"--pdf", "--", "sheet.pdf"}, "--pdf"},
        {{"--version", "--calc"}, "--version"},
        {{"--bogus"}, "--bogus"},
        {{"design.cwf"}, "design.cwf"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Invocation run = invoke(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        const std::vector<std::string> lines = splitLines(run.err);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_TRUE(lines[0].starts_with("coilwise: ")) << lines[0];
        EXPECT_NE(lines[0].find(c.mention), std::string::npos) << lines[0];
        EXPECT_NE(lines[1].find("--help"), std::string::npos);
    }
}

TEST(CommandLine, HelpVersionAndNoArguments) {
    const Invocation help = invoke({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--calc"), std::string::npos);
    for (const char* told : {"0  every design was calculated or cleared", "1  a design was refused",
                             "2  a usage error", "standard output"}) {
        EXPECT_NE(help.out.find(told), std::string::npos) << told;
    }
    EXPECT_EQ(help.err, "");

    const Invocation version = invoke({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "coilwise " COILWISE_VERSION "\n");

    const Invocation none = invoke({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, help.out);
}

// A stream whose every write fails, as on a full disk or a closed standard output.
class FailingBuffer final : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CommandLine, OutputThatCannotBeWrittenIsAnError) {
    const std::vector<std::vector<std::string>> commands = {
        {"--help"},
        {"--version"},
        {"--calc", "--locale", "C", "--secondary", "12:1"},
        {"--calc", "--locale", "C", "--secondary", "12:1", "--json"},
        {"--calc", "--locale", "C", "--jsonl"},
    };
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(testing::PrintToString(args));
        std::istringstream in(R"({"labvpri": "220", "labvsec": ["12"], "labisec": ["1"]})"
                              "\n{}\n");
        FailingBuffer failing;
        std::ostream out(&failing);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(args, in, out, err), 2);
        EXPECT_EQ(err.str(), "coilwise: standard output could not be written\n");
    }
}

} // namespace
} // namespace coilwise
