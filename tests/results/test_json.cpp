#include "results/json_reader.h"
#include "results/json_writer.h"

#include <gtest/gtest.h>
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
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        std::string out;
        appendJsonString(out, c.input);
        EXPECT_EQ(out, c.expected);
    }
}

std::string parsedString(const std::string& json) {
    std::variant<JsonValue, JsonError> parsed = parseJson(json);
    const std::string* text = std::get<JsonValue>(parsed).as<std::string>();
    return text ? *text : "<not a string>";
}

TEST(JsonReader, DecodesEveryEscapeToUtf8) {
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
        EXPECT_EQ(parsedString(c.input), c.expected);
    }
}

TEST(JsonReader, ReadsBackWhatTheWriterWrites) {
    const std::string original = "quote\" slash\\ tab\t nul\x00 euro\xe2\x82\xac"s;
    std::string json;
    appendJsonString(json, original);
    EXPECT_EQ(parsedString(json), original);
}

TEST(JsonReader, ReadsNumbersLiteralsAndNesting) {
    std::variant<JsonValue, JsonError> parsed =
        parseJson(R"( {"a": [0, -0.5, 12, 1e3, 2.5E-1, true, false, null], "b": {"c": {}}, "d": []} )");
    const auto* object = std::get<JsonValue>(parsed).as<JsonValue::Object>();
    ASSERT_NE(object, nullptr);
    ASSERT_EQ(object->size(), 3u);
    EXPECT_EQ((*object)[0].first, "a");
    const auto& array = *(*object)[0].second.as<JsonValue::Array>();
    ASSERT_EQ(array.size(), 8u);
    const std::vector<double> numbers = {0, -0.5, 12, 1000, 0.25};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(*array[i].as<double>(), numbers[i]);
    }
    EXPECT_EQ(*array[5].as<bool>(), true);
    EXPECT_EQ(*array[6].as<bool>(), false);
    EXPECT_NE(array[7].as<std::nullptr_t>(), nullptr);
    const auto& inner = *(*object)[1].second.as<JsonValue::Object>();
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_TRUE(inner[0].second.as<JsonValue::Object>()->empty());
    EXPECT_TRUE((*object)[2].second.as<JsonValue::Array>()->empty());
}

struct ErrorCase {
    std::string input;
    std::string reason;
    std::size_t column;
};

TEST(JsonReader, RefusesWhatIsNotJson) {
    const std::vector<ErrorCase> cases = {
        {"", "unexpected end of text", 1},
        {"   ", "unexpected end of text", 4},
        {"{", "expected a member name", 2},
        {R"({"a" 1})", "expected ':'", 6},
        {R"({"a": 1,})", "expected a member name", 9},
        {R"({a: 1})", "expected a member name", 2},
        {"[1,]", "unexpected character", 4},
        {"[1 2]", "expected ',' or ']'", 4},
        {"{} {}", "text after the value", 4},
        {"01", "text after the value", 2},
        {"-", "expected a digit", 2},
        {"1.", "expected a digit", 3},
        {".5", "unexpected character", 1},
        {"+1", "unexpected character", 1},
        {"1e", "expected a digit", 3},
        {"1e999", "number out of range", 1},
        {"tru", "unexpected character", 1},
        {"nul", "unexpected character", 1},
        {R"("abc)", "unterminated string", 5},
        {"\"a\nb\"", "control character in string", 3},
        {"\"a\xff\"", "invalid UTF-8", 3},
        {"\"\xed\xa0\x80\"", "invalid UTF-8", 2},
        {R"("\x")", "invalid escape", 3},
        {R"("\u12g4")", "invalid \\u escape", 6},
        {R"("\ud800")", "lone surrogate", 8},
        {R"("\udc00")", "lone surrogate", 8},
        {R"("\ud800\u0041")", "lone surrogate", 14},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.input);
        std::variant<JsonValue, JsonError> parsed = parseJson(c.input);
        const JsonError* error = std::get_if<JsonError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->reason, c.reason);
        EXPECT_EQ(error->column, c.column);
    }
}

TEST(JsonReader, LimitsNesting) {
    const auto nested = [](int depth) {
        return std::string(depth, '[') + std::string(depth, ']');
    };
    EXPECT_TRUE(std::holds_alternative<JsonValue>(parseJson(nested(maxJsonDepth))));
    EXPECT_TRUE(std::holds_alternative<JsonError>(parseJson(nested(maxJsonDepth + 1))));
    // Far deeper than the limit must fail just as cleanly, not exhaust the stack.
    EXPECT_TRUE(std::holds_alternative<JsonError>(parseJson(std::string(100000, '['))));
}

} // namespace
} // namespace coilwise
