#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace coilwise {
namespace {

struct ParseCase {
    std::string text;
    std::optional<double> expected;
};

void expectParses(const Locale& locale, const std::vector<ParseCase>& cases) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseNumber(c.text, locale), c.expected);
    }
}

TEST(ParseNumber, PointLocale) {
    const std::vector<ParseCase> cases = {
        {"1.5", 1.5},
        {" \t1.5\t ", 1.5},
        {"-2", -2},
        {"+3", 3},
        {".5", 0.5},
        {"5.", 5},
        // group separators only between whole groups of three
        {"1,000.5", 1000.5},
        {"12,345,678", 12345678},
        {"1,000", 1000},
        {"1,00", std::nullopt},
        {",100", std::nullopt},
        {"1,0000", std::nullopt},
        {"1234,567", std::nullopt},
        {"1,000,00", std::nullopt},
        {"1,000.000,5", std::nullopt},
        {"1,", std::nullopt},
        // exponents
        {"1.5e3", 1500},
        {"2E-2", 0.02},
        {"-1,000e+1", -10000},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"1e-999", std::nullopt},
        // currency symbol before or after, sign on either side
        {"$1,234.50", 1234.5},
        {"-$5", -5},
        {"$-5", -5},
        {"$ \t5", 5},
        {"$ -5", -5},
        {"5$", 5},
        {"-5 $", -5},
        {"$5$", std::nullopt},
        {"-$-5", std::nullopt},
        {"- $5", std::nullopt},
        {"$", std::nullopt},
        {"5 \xe2\x82\xac", std::nullopt},
        // anything else
        {"", std::nullopt},
        {" \t ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"--5", std::nullopt},
        {"- 5", std::nullopt},
        {"1 2", std::nullopt},
        {"1.2.3", std::nullopt},
        {"12a", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"1.000,5", std::nullopt},
    };
    expectParses(FixedLocale::point(), cases);
}

TEST(ParseNumber, CommaLocale) {
    const std::vector<ParseCase> cases = {
        {"0,5", 0.5},
        {"1.000,5", 1000.5},
        {"1.234.567", 1234567},
        {",25", 0.25},
        {"-1,5e2", -150},
        {"0.5", std::nullopt},
        {"1.00", std::nullopt},
        {"1,000.5", std::nullopt},
        {"5 \xe2\x82\xac", 5},
        {"5\xe2\x82\xac", 5},
        {"-1.000,5 \xe2\x82\xac", -1000.5},
        {"\xe2\x82\xac 5", 5},
        {"$5", std::nullopt},
    };
    expectParses(FixedLocale::comma(), cases);
}

TEST(ParseNumber, MultiByteSeparatorsCompareAsBytes) {
    const std::string noBreakSpace = "\xc2\xa0";
    const std::string euro = "\xe2\x82\xac";
    const FixedLocale locale({",", noBreakSpace, euro, false, " ", 2});
    const std::vector<ParseCase> cases = {
        {std::string("1").append(noBreakSpace).append("234,5"), 1234.5},
        {std::string("1").append(noBreakSpace).append("234").append(noBreakSpace).append("567 ").append(euro),
         1234567},
        {std::string("1").append(noBreakSpace).append("23"), std::nullopt},
        {std::string("1").append(noBreakSpace, 0, 1).append("234"), std::nullopt},
        {"1 234", std::nullopt},
        {std::string("5 ").append(euro, 0, 2), std::nullopt},
    };
    expectParses(locale, cases);
}

// Plain digits with a separator are read by a shortcut; whatever their length, leading zeros or
// separator, the value must be the one from_chars reads, in either locale.
TEST(ParseNumber, PlainNumbersReadAsFromCharsReadsThem) {
    std::mt19937_64 random(1210);
    std::uniform_int_distribution<int> length(0, 20);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        std::string integer(static_cast<std::size_t>(length(random)), '0');
        std::string fraction(static_cast<std::size_t>(length(random) % 8), '0');
        for (char& c : integer) {
            c = static_cast<char>('0' + (i % 3 == 0 && &c == &integer.front() ? 0 : digit(random)));
        }
        for (char& c : fraction) {
            c = static_cast<char>('0' + digit(random));
        }
        const std::string point = integer + (i % 2 ? "." + fraction : "");
        if (integer.empty() && (i % 2 == 0 || fraction.empty())) {
            EXPECT_EQ(parseNumber(point, FixedLocale::point()), std::nullopt) << point;
            continue;
        }
        double expected = 0;
        std::from_chars(point.data(), point.data() + point.size(), expected);
        std::string comma = point;
        std::replace(comma.begin(), comma.end(), '.', ',');
        ASSERT_EQ(parseNumber(point, FixedLocale::point()), expected) << point;
        ASSERT_EQ(parseNumber(comma, FixedLocale::comma()), expected) << comma;
    }
}

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"12,6", 12},
        {"1abc", 1},
        {" 2 ", 2},
        {"1 2", 12},
        {"\t7\r\n", 7},
        {"- 5", -5},
        {"-3.5x", -3.5},
        {".5", 0.5},
        {"-.25", -0.25},
        {"+4", 4},
        {"5.", 5},
        {"0012", 12},
        {"1.2.3", 1.2},
        {"1,000", 1},
        {"1e3", 1000},
        {"2E-1x", 0.2},
        {"1e", 1},
        {"1e+x", 1},
        {"3ex", 3},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"$5", 0},
        {"1e999", inf},
        {"-1e999", -inf},
        {"1e-999", 0},
        {"-1e-999", 0},
        {"0.000000001e-320", 0},
        {"100000000000000000000e300", inf},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leadingNumber(c.text), c.expected);
    }
}

} // namespace
} // namespace coilwise
