#include "results/json_fault.h"
#include "results/json_writer.h"
#include "results/jsonl_input.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace coilwise {
namespace {

using namespace std::string_literals;

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(JsonWriter, EscapesWhatJsonRequiresAndKeepsTheOutputUtf8) {
    const std::vector<TextCase> cases = {
        {"", R"("")"},
        {"12.00", R"("12.00")"},
        {R"(a"b\c)", R"("a\"b\\c")"},
        {"\b\f\n\r\t", R"("\b\f\n\r\t")"},
        {std::string("\x00\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
        {"\x7f/", "\"\x7f/\""},
        {"2,81 \xe2\x82\xac", "\"2,81 \xe2\x82\xac\""},
        {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
        // bytes that are no UTF-8: a stray byte, a cut sequence, an overlong form, a surrogate
        {"a\xffz", "\"a\xef\xbf\xbdz\""},
        {"\xe2\x82", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        // texts longer than a word, each with one byte to escape or check at some place
        {"the windings fill 48.3 %", R"("the windings fill 48.3 %")"},
        {"12345678\"abcdefgh", R"("12345678\"abcdefgh")"},
        {"1234567\\abcdefgh", R"("1234567\\abcdefgh")"},
        {"123456789012345\n", R"("123456789012345\n")"},
        {"1234567890123\x1f", R"("1234567890123\u001f")"},
        {"reach 53.5 \xc2\xb0"
         "C at full load",
         "\"reach 53.5 \xc2\xb0"
         "C at full load\""},
        {"reach 53.5 \xb0"
         "C at full load",
         "\"reach 53.5 \xef\xbf\xbd"
         "C at full load\""},
        {"~~~~~~~~ !#$%&'()*+,-./[]^_`{|}~", R"("~~~~~~~~ !#$%&'()*+,-./[]^_`{|}~")"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        std::string out;
        appendJsonString(out, c.input);
        EXPECT_EQ(out, c.expected);
    }
}

std::string written(double value) {
    std::string out;
    appendJsonNumber(out, value);
    return out;
}

// The value to twelve significant digits by another road: its shortest scientific form, its
// digits rounded as text (halves up), read back.
double twelveDigits(double value) {
    char text[64];
    const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const std::string_view form(text, static_cast<std::size_t>(end - text));
    const std::size_t e = form.find('e');
    std::string digits;
    for (const char c : form.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    long exponent = std::strtol(std::string(form.substr(e + 1)).c_str(), nullptr, 10) -
                    static_cast<long>(digits.size()) + 1;
    if (digits.size() > 12) {
        const bool up = digits[12] >= '5';
        exponent += static_cast<long>(digits.size()) - 12;
        digits.resize(12);
        for (std::size_t i = digits.size(); up && i-- > 0;) {
            digits[i] = digits[i] == '9' ? '0' : static_cast<char>(digits[i] + 1);
            if (digits[i] != '0') {
                break;
            }
            if (i == 0) {
                digits.insert(digits.begin(), '1');
            }
        }
    }
    return std::copysign(std::strtod((digits + "e" + std::to_string(exponent)).c_str(), nullptr), value);
}

// Twelve significant digits, the same on every machine, in the shortest text of that value and
// never with an exponent.
TEST(JsonWriter, WritesNumbersToTwelveDigitsWithoutExponent) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1, "-1"},
        {23, "23"},
        {0.7, "0.7"},
        {4.48, "4.48"},
        {1784, "1784"},
        {10.992, "10.992"},
        {196.11077456068006, "196.110774561"},
        {0.06684637117124599, "0.0668463711712"},
        {1.0 / 3, "0.333333333333"},
        {2.0 / 3, "0.666666666667"},
        {4.35, "4.35"},
        {8.675, "8.675"},
        {100000, "100000"},
        {1e15, "1000000000000000"},
        {99999999999999.9, "100000000000000"},
        {123456789012345680.0, "123456789012000000"},
        {1e22, "10000000000000000000000"},
        {1e-5, "0.00001"},
        {9.99999e-6, "0.00000999999"},
        {1.5e-7, "0.00000015"},
        {0.000123, "0.000123"},
        {-2.3e-6, "-0.0000023"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(written(c.value), c.text);
    }
    EXPECT_EQ(written(5e-324), "0." + std::string(323, '0') + "5");
    EXPECT_EQ(written(1.7976931348623157e308), "179769313486" + std::string(297, '0'));

    // Figures of every size: few decimals, full precision, round numbers and powers of ten.
    std::mt19937_64 random(21);
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-8, 18)(random));
        const double value = i % 4 == 0   ? std::round(magnitude * 1000) / 1000
                             : i % 4 == 1 ? std::round(magnitude / 1000) * 1000
                             : i % 4 == 2 ? std::bit_cast<double>(random() >> 1)
                                          : magnitude;
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = written(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), twelveDigits(value))
            << std::hexfloat << value << " " << text;
        const std::size_t point = text.find('.');
        ASSERT_TRUE(point == std::string::npos || text.back() != '0') << text;
        const std::size_t first = text.find_first_not_of("-0.");
        const std::size_t significant = std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first),
                                                      text.end(), [](char c) { return c != '.'; });
        // Whole numbers beyond twelve digits end in zeros that are no significant digits.
        ASSERT_TRUE(significant <= 12 ||
                    (point == std::string::npos && text.find_last_not_of('0') - first < 12))
            << text;
    }
}

// The primary voltage text of a line whose only member is "labvpri" with the given JSON value.
std::string primaryText(const std::string& json) {
    const auto design = designFromJsonLine(R"({"labvpri": )" + json + "}", DesignInput{});
    const DesignInput* input = std::get_if<DesignInput>(&design);
    return input ? input->primary : "<refused: " + std::get<std::string>(design) + ">";
}

TEST(JsonLineReader, DecodesEveryEscapeToUtf8) {
    const std::vector<TextCase> cases = {
        {R"("")", ""},
        {R"("\"\\\/\b\f\n\r\t")", "\"\\/\b\f\n\r\t"},
        {R"("\u0041\u00e9\u20AC")", "A\xc3\xa9\xe2\x82\xac"},
        {R"("\u0000")", std::string(1, '\0')},
        {R"("\ud83d\ude00")", "\xf0\x9f\x98\x80"},
        {R"("\uDBFF\uDFFF")", "\xf4\x8f\xbf\xbf"},
        {"\"2,81 \xe2\x82\xac\"", "2,81 \xe2\x82\xac"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(primaryText(c.input), c.expected);
    }
}

TEST(JsonLineReader, ReadsBackWhatTheWriterWrites) {
    const std::string original = "quote\" slash\\ tab\t nul\x00 euro\xe2\x82\xac"s;
    std::string json;
    appendJsonString(json, original);
    EXPECT_EQ(primaryText(json), original);
}

TEST(JsonLineReader, ReadsEveryFormOfANumber) {
    const struct {
        std::string json;
        double price;
    } cases[] = {
        {"0", 0},      {"-0", 0},     {"12", 12},
        {"2.5", 2.5},  {"1e3", 1000}, {"2.5E-1", 0.25},
        {"1E+2", 100}, {"0.1", 0.1},  {"999999999.99", 999999999.99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const auto design = designFromJsonLine(R"({"costofe": )" + c.json + "}", DesignInput{});
        ASSERT_TRUE(std::holds_alternative<DesignInput>(design)) << std::get<std::string>(design);
        EXPECT_EQ(std::get<DesignInput>(design).ironPrice, c.price);
    }
}

// What is wrong and the byte, counted from 1, where reading stopped.
TEST(JsonLineReader, SaysWhatIsNotJsonAndWhere) {
    const std::vector<TextCase> cases = {
        {"", "no JSON value"},
        {"   ", "no JSON value"},
        {"{", "unexpected end of text at column 2"},
        {R"({"a" 1})", "unexpected character at column 6"},
        {R"({"a": 1,})", "unexpected character at column 9"},
        {R"({a: 1})", "unexpected character at column 2"},
        {R"({"labvsec": ["12",]})", "unexpected character at column 19"},
        {R"({"labvsec": ["12" "6"]})", "unexpected character at column 19"},
        {"{} {}", "text after the value at column 4"},
        {R"({"frec": 50} x)", "text after the value at column 14"},
        {R"({"frec": 01})", "invalid number, or out of range at column 10"},
        {R"({"frec": -})", "invalid number, or out of range at column 10"},
        {R"({"frec": 1.})", "invalid number, or out of range at column 10"},
        {R"({"frec": .5})", "unexpected character at column 10"},
        {R"({"frec": +1})", "unexpected character at column 10"},
        {R"({"frec": 1e})", "invalid number, or out of range at column 10"},
        {R"({"costofe": 1e999})", "invalid number, or out of range at column 13"},
        {R"({"labvpri": tru})", "unexpected character at column 13"},
        {R"({"labvpri": nul})", "unexpected character at column 13"},
        {R"({"labvpri": "abc)", "unterminated string at column 17"},
        {"{\"labvpri\": \"a\nb\"}", "control character in string at column 15"},
        {"{\"labvpri\": \"a\xff\"}", "invalid UTF-8 at column 15"},
        {"{\"labvpri\": \"\xed\xa0\x80\"}", "invalid UTF-8 at column 14"},
        {R"({"labvpri": "\x"})", "invalid escape in string at column 13"},
        {R"({"labvpri": "\u12g4"})", "invalid escape in string at column 13"},
        {R"({"labvpri": "\ud800"})", "invalid escape in string at column 13"},
        {R"({"labvpri": "\udc00"})", "invalid escape in string at column 13"},
        {R"({"labvpri": "\ud800\u0041"})", "invalid escape in string at column 13"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        const auto design = designFromJsonLine(c.input, DesignInput{});
        ASSERT_TRUE(std::holds_alternative<std::string>(design));
        EXPECT_EQ(std::get<std::string>(design), c.expected);
    }
}

TEST(JsonLineReader, LimitsNesting) {
    const auto nested = [](std::size_t depth) {
        return R"({"labvsec": )" + std::string(depth - 1, '[') + std::string(depth - 1, ']') + "}";
    };
    EXPECT_EQ(std::get<std::string>(designFromJsonLine(nested(maxJsonDepth), DesignInput{})),
              R"("labvsec" must be a string)");
    // At the opening bracket one level too deep.
    EXPECT_EQ(std::get<std::string>(designFromJsonLine(nested(maxJsonDepth + 1), DesignInput{})),
              "nested too deeply at column " + std::to_string(12 + maxJsonDepth));
    // Far deeper than the limit must fail just as cleanly, not exhaust the stack, also where the
    // column is looked for past a number only the validating parser refuses (beyond 64 bits).
    const std::string deep(100000, '[');
    EXPECT_TRUE(std::holds_alternative<std::string>(designFromJsonLine(deep, DesignInput{})));
    EXPECT_EQ(
        std::get<std::string>(designFromJsonLine("[123456789012345678901234567890, " + deep, DesignInput{})),
        "nested too deeply at column " + std::to_string(33 + maxJsonDepth));
}

} // namespace
} // namespace coilwise
