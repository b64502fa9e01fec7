#include "cli/default_design.h"
#include "engine/run_stop.h"
#include "engine/window_port.h"
#include "invocation.h"
#include "result_lines.h"
#include "results/jsonl_input.h"
#include "results/jsonl_session.h"
#include "support/worked_examples.h"

#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace coilwise {
namespace {

const std::vector<std::string> jsonlArgs = {"--calc", "--jsonl", "--locale", "C"};

// A worked example as one input line.
std::string jsonLine(const WorkedExample& example) {
    std::string volts;
    std::string amps;
    for (const WorkedExample::Row& row : example.secondaries) {
        volts += (volts.empty() ? "\"" : ", \"") + row.volts + '"';
        amps += (amps.empty() ? "\"" : ", \"") + row.amps + '"';
    }
    std::ostringstream line;
    line << R"({"labvpri": ")" << example.primary << R"(", "labvsec": [)" << volts << R"(], "labisec": [)"
         << amps << R"(], "frec": )" << example.frequency << R"(, "tiserv": )" << example.service
         << R"(, "costofe": )" << example.ironPrice << R"(, "costocu": )" << example.copperPrice << '}';
    return line.str();
}

const std::string endToEnd = jsonLine(endToEndExample);

TEST(JsonLines, EachDesignLineGetsItsResultLine) {
    const std::string input = endToEnd + "\n" +
                              R"({"labvpri": "220", "labvsec": ["12", "24"], "labisec": ["1", "0"]})"
                              "\n"
                              "\n"
                              R"({"labvpri": "110"})"
                              "\n"
                              R"({"labvpri": "220", "labvsec": ["12"], "labisec": ["1"], "frec": 55})"
                              "\n"
                              R"({"labvpri": 220})"
                              "\r\n"
                              "   \t\r\n" +
                              endToEnd;
    const Invocation run = invoke(jsonlArgs, input);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(splitLines(run.err).size(), 1u);
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 6u);

    for (const std::string& line : {lines[0], lines[5]}) {
        const ResultLine ok(line);
        EXPECT_EQ(ok.text("outcome"), "ok");
        EXPECT_TRUE(ok.at("message").is_null());
        EXPECT_EQ(ok.at("beep").get_bool().value(), false);
        EXPECT_EQ(ok.at("q").get_double().value(), 1);
        EXPECT_EQ(ok.field("labnpri"), endToEndExample.result("labnpri"));
        EXPECT_EQ(ok.field("labesp", 1), endToEndExample.result("labesp(1)"));
        EXPECT_EQ(ok.field("labesp", 2), "");
        EXPECT_EQ(ok.field("tbxcostotot"), endToEndExample.result("tbxcostotot"));
    }

    const ResultLine refused(lines[1]);
    EXPECT_EQ(refused.text("outcome"), "input_error");
    EXPECT_EQ(refused.messageLines(), splitLines(currentMessage));
    EXPECT_EQ(refused.at("beep").get_bool().value(), true);
    EXPECT_EQ(refused.text("focus"), "labisec(2)");
    EXPECT_EQ(refused.field("labnpri"), "");

    // Nothing of the designs before carries over: the window starts empty for every line.
    const ResultLine cleared(lines[2]);
    EXPECT_EQ(cleared.text("outcome"), "cleared");
    EXPECT_TRUE(cleared.at("message").is_null());
    EXPECT_EQ(cleared.text("focus"), "labvsec(1)");
    EXPECT_EQ(cleared.at("q").get_double().value(), 0);
    EXPECT_EQ(cleared.field("labvpri"), "110");
    EXPECT_EQ(cleared.field("labnpri"), "");
    EXPECT_EQ(cleared.field("labvsec", 1), "");

    const ResultLine cannot(lines[3]);
    EXPECT_EQ(cannot.text("outcome"), "cannot_calculate");
    EXPECT_EQ(cannot.messageLines(), splitLines(cannotCalculateMessage));

    const ResultLine malformed(lines[4]);
    EXPECT_EQ(malformed.text("outcome"), "error");
    EXPECT_EQ(malformed.messageLines(), std::vector<std::string>{R"("labvpri" must be a string)"});
    EXPECT_EQ(ResultLine::keysOf(malformed.root()).size(), 2u);
}

TEST(JsonLines, ResultHoldsEveryFieldOnce) {
    const ResultLine result(splitLines(invoke(jsonlArgs, endToEnd).out).at(0));
    // A calculated design also carries its construction sheet and checks, after the fields.
    const std::vector<std::string> keys = {"outcome", "message", "beep",         "focus",
                                           "q",       "fields",  "construction", "checks"};
    EXPECT_EQ(ResultLine::keysOf(result.root()), keys);
    const std::vector<std::string> fields = ResultLine::keysOf(result.at("fields"));
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(fieldCount));
    for (int f = 0; f < fieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        SCOPED_TRACE(fieldName(field));
        EXPECT_EQ(fields[static_cast<std::size_t>(f)], fieldName(field));
        simdjson::dom::array rows;
        if (isRowField(field)) {
            ASSERT_FALSE(ResultLine::member(result.at("fields"), fieldName(field)).get_array().get(rows));
            EXPECT_EQ(rows.size(), static_cast<std::size_t>(rowCount));
        } else {
            EXPECT_TRUE(ResultLine::member(result.at("fields"), fieldName(field)).is_string());
        }
    }
}

TEST(JsonLines, ExitStatusTellsTheWorstLine) {
    const std::string refused = R"({"labvpri": "220", "labvsec": ["12"], "labisec": ["0"]})";
    const std::string cleared = R"({"labvpri": "220"})";
    const struct {
        std::string input;
        int status;
    } cases[] = {
        {"", 0},
        {endToEnd + "\n" + cleared + "\n", 0},
        {endToEnd + "\n" + refused + "\n" + endToEnd, 1},
        {refused + "\n[]\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        const Invocation run = invoke(jsonlArgs, c.input);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err.empty(), c.status != 2);
    }
}

// Blank lines count, so that the numbers are those an editor shows.
TEST(JsonLines, SummaryNamesTheLinesThatHeldNoDesign) {
    std::string many;
    for (int i = 0; i < 12; ++i) {
        many += "[]\n";
    }
    const struct {
        std::string input;
        std::string summary;
    } cases[] = {
        {endToEnd + "\n[]\n", "coilwise: input line 2 was not a design; see the error lines\n"},
        {"{\n\n" + endToEnd + "\n1\n",
         "coilwise: input lines 1 and 4 were not a design; see the error lines\n"},
        {many, "coilwise: input lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more were not a design; see the "
               "error lines\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(invoke(jsonlArgs, c.input).err, c.summary);
    }
}

// A line longer than 1 MiB is answered unread, and the session goes on after it; a line of exactly
// 1 MiB is still read.
TEST(JsonLines, OverlongLineGetsAnErrorLineAndTheNextIsRead) {
    const std::string overlong = "[" + std::string(maxJsonLineBytes, ' ') + "]";
    std::string padded = endToEnd;
    padded.insert(1, maxJsonLineBytes - endToEnd.size(), ' ');
    ASSERT_EQ(padded.size(), maxJsonLineBytes);
    const Invocation run = invoke(jsonlArgs, overlong + "\n" + endToEnd + "\n" + padded + "\n");
    EXPECT_EQ(run.status, 2);
    const std::vector<std::string> lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0],
              R"({"outcome": "error", "message": ["line 1 is longer than 1 MiB, more than any design"]})");
    EXPECT_EQ(ResultLine(lines[1]).text("outcome"), "ok");
    EXPECT_EQ(lines[2], lines[1]);
    EXPECT_EQ(run.err, "coilwise: input line 1 was not a design; see the error lines\n");
}

// What a folder or a closed descriptor on standard input does to the stream: the read fails.
class FailingInput final : public std::streambuf {
protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(JsonLines, UnreadableInputIsAnError) {
    FailingInput failing;
    std::istream in(&failing);
    std::ostringstream out;
    std::ostringstream err;
    const FixedLocale locale = FixedLocale::point();
    EXPECT_EQ(runJsonLines(in, out, err, locale, defaultDesign()), exitUsageError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "coilwise: standard input could not be read\n");
}

TEST(JsonLines, ByteOrderMarkBeforeTheFirstLineIsSkipped) {
    const Invocation marked = invoke(jsonlArgs, "\xef\xbb\xbf" + endToEnd + "\n");
    EXPECT_EQ(marked.status, 0) << marked.out;
    EXPECT_EQ(marked.out, invoke(jsonlArgs, endToEnd + "\n").out);
    // Only at the very start: elsewhere it is no JSON.
    EXPECT_EQ(invoke(jsonlArgs, endToEnd + "\n\xef\xbb\xbf" + endToEnd + "\n").status, 2);
}

TEST(JsonLineInput, MissingKeysTakeTheDefaults) {
    DesignInput defaults = defaultDesign();
    defaults.frequency = 60;
    defaults.service = 3;
    defaults.ironPrice = 7;
    const auto design = std::get<DesignInput>(designFromJsonLine(R"({"labvsec": ["12", "6"]})", defaults));
    EXPECT_EQ(design.primary, "");
    EXPECT_EQ(design.volts[0], "12");
    EXPECT_EQ(design.volts[1], "6");
    EXPECT_EQ(design.volts[2], "");
    EXPECT_EQ(design.amps[0], "");
    EXPECT_EQ(design.frequency, 60);
    EXPECT_EQ(design.service, 3);
    EXPECT_EQ(design.ironPrice, 0);
    EXPECT_EQ(design.copperPrice, 0);
}

TEST(JsonLineInput, SettingsOutOfRangeAreLeftToTheEngine) {
    const auto design =
        std::get<DesignInput>(designFromJsonLine(R"({"frec": 61, "tiserv": -4})", defaultDesign()));
    EXPECT_EQ(design.frequency, 61);
    EXPECT_EQ(design.service, -4);
}

TEST(JsonLineInput, RefusesLinesThatHoldNoDesign) {
    const struct {
        std::string line;
        std::string reason;
    } cases[] = {
        {"[]", "not a JSON object"},
        {R"({"labvpri": "220",})", "unexpected character at column 19"},
        {R"({"labvsec": "12"})", R"("labvsec" must be an array of at most 5 strings)"},
        {R"({"labisec": ["1", "1", "1", "1", "1", "1"]})",
         R"("labisec" must be an array of at most 5 strings)"},
        {R"({"labisec": ["1", 1]})", R"("labisec" must be a string)"},
        {R"({"frec": 50.5})", R"("frec" must be a whole number)"},
        {R"({"tiserv": "1"})", R"("tiserv" must be a whole number)"},
        {R"({"frec": 40000})", R"("frec" must be a whole number)"},
        {R"({"costofe": -1})", R"("costofe" must be a number from 0 to 1000000000)"},
        {R"({"costocu": null})", R"("costocu" must be a number from 0 to 1000000000)"},
        {R"({"costocu": 1e308})", R"("costocu" must be a number from 0 to 1000000000)"},
        {R"({"costofe": 1000000000.01})", R"("costofe" must be a number from 0 to 1000000000)"},
        {R"({"labvsecs": ["12"]})", R"(unknown key "labvsecs")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto result = designFromJsonLine(c.line, defaultDesign());
        ASSERT_TRUE(std::holds_alternative<std::string>(result));
        EXPECT_EQ(std::get<std::string>(result), c.reason);
    }
}

} // namespace
} // namespace coilwise
