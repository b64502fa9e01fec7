#include "settings/settings_format.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace coilwise {

void PrintTo(const SettingsLines& lines, std::ostream* out) {
    *out << '{' << lines.prima << '|' << lines.frecue << '|' << lines.servi << '|' << lines.hierro << '|'
         << lines.cobre << '}';
}

namespace {

struct ParseCase {
    const char* name;
    std::string bytes;
    std::optional<SettingsLines> expected;

    friend void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }
};

class ParseSettings : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseSettings, ReadsTheFirstFiveLines) {
    EXPECT_EQ(parseSettings(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseSettings,
    testing::Values(
        ParseCase{"Good", "230\r\n2\r\n3\r\n1,5\r\n12\r\n", SettingsLines{"230", "2", "3", "1,5", "12"}},
        ParseCase{"LastLineUnended", "230\r\n2\r\n3\r\n1\r\n12", SettingsLines{"230", "2", "3", "1", "12"}},
        ParseCase{"CarriageReturnsOnly", "a\rb\rc\rd\re\r", SettingsLines{"a", "b", "c", "d", "e"}},
        ParseCase{"EmptyLines", "\r\n\r\n\r\n\r\n\r\n", SettingsLines{}},
        ParseCase{"ExtraLinesIgnored", "230\r\n2\r\n3\r\n1\r\n12\r\nextra\r\nmore\r\n",
                  SettingsLines{"230", "2", "3", "1", "12"}},
        ParseCase{"FourLines", "230\r\n2\r\n3\r\n1\r\n", std::nullopt},
        ParseCase{"LineFeedsOnlyMakeOneLine", "230\n2\n3\n1\n12\n", std::nullopt},
        ParseCase{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(SerializeSettings, EndsEveryLineWithCarriageReturnLineFeed) {
    const SettingsLines lines{"230", "2", "3", "1,5", ""};
    EXPECT_EQ(serializeSettings(lines), "230\r\n2\r\n3\r\n1,5\r\n\r\n");
    EXPECT_EQ(parseSettings(serializeSettings(lines)), lines);
}

TEST(DefaultSettings, PassTheStartUpChecks) {
    EXPECT_EQ(serializeSettings(defaultSettings()), "220\r\n1\r\n2\r\n0\r\n0\r\n");
    const std::optional<LoadedSettings> loaded = validateSettings(defaultSettings(), FixedLocale::point());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->costofe, 0);
    EXPECT_EQ(loaded->costocu, 0);
    EXPECT_EQ(loaded->frequencyIndex, 1);
    EXPECT_EQ(loaded->serviceIndex, 2);
}

const FixedLocale pointLocale = FixedLocale::point();
const FixedLocale commaLocale = FixedLocale::comma();

// Each case changes one line of a valid file whose loaded values are 7, 12, 2 and 1.
struct ValidationCase {
    const char* name;
    std::string SettingsLines::*line;
    std::string text;
    std::optional<LoadedSettings> expected; // none: every line goes back to its default
    const Locale* locale = &pointLocale;

    friend void PrintTo(const ValidationCase& c, std::ostream* out) { *out << c.name; }
};

class ValidateSettings : public testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateSettings, LoadsOrResets) {
    const ValidationCase& c = GetParam();
    SettingsLines lines{"230", "2", "1", "7", "12"};
    lines.*c.line = c.text;
    const std::optional<LoadedSettings> result = validateSettings(lines, *c.locale);
    ASSERT_EQ(result.has_value(), c.expected.has_value());
    if (result) {
        EXPECT_EQ(result->costofe, c.expected->costofe);
        EXPECT_EQ(result->costocu, c.expected->costocu);
        EXPECT_EQ(result->frequencyIndex, c.expected->frequencyIndex);
        EXPECT_EQ(result->serviceIndex, c.expected->serviceIndex);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ValidateSettings,
    testing::Values(
        ValidationCase{"PrimaryIsNotChecked", &SettingsLines::prima, "abc", LoadedSettings{7, 12, 2, 1}},
        ValidationCase{"IronLetters", &SettingsLines::hierro, "abc", std::nullopt},
        ValidationCase{"IronEmptyIsFree", &SettingsLines::hierro, "", LoadedSettings{0, 12, 2, 1}},
        ValidationCase{"CopperLetters", &SettingsLines::cobre, "12x", std::nullopt},
        ValidationCase{"CopperEmptyIsFree", &SettingsLines::cobre, "", LoadedSettings{7, 0, 2, 1}},
        ValidationCase{"CopperCommaLocale", &SettingsLines::cobre, "2,5", LoadedSettings{7, 2.5, 2, 1},
                       &commaLocale},
        ValidationCase{"CopperCommaInPointLocale", &SettingsLines::cobre, "2,5", std::nullopt},
        ValidationCase{"FrequencyOne", &SettingsLines::frecue, "1", LoadedSettings{7, 12, 1, 1}},
        ValidationCase{"FrequencyOneAndAHalf", &SettingsLines::frecue, "1.5", LoadedSettings{7, 12, 2, 1}},
        ValidationCase{"FrequencyRoundsUp", &SettingsLines::frecue, "0.6", LoadedSettings{7, 12, 1, 1}},
        ValidationCase{"FrequencyTrailingText", &SettingsLines::frecue, "2abc", LoadedSettings{7, 12, 2, 1}},
        ValidationCase{"FrequencyPastMenu", &SettingsLines::frecue, "3", std::nullopt},
        ValidationCase{"FrequencyRoundsToZero", &SettingsLines::frecue, "0.4", std::nullopt},
        ValidationCase{"FrequencyHalfToEvenZero", &SettingsLines::frecue, "0.5", std::nullopt},
        ValidationCase{"FrequencyEmpty", &SettingsLines::frecue, "", std::nullopt},
        ValidationCase{"FrequencyZero", &SettingsLines::frecue, "0", std::nullopt},
        ValidationCase{"FrequencyNegative", &SettingsLines::frecue, "-1", std::nullopt},
        ValidationCase{"FrequencyPast16Bits", &SettingsLines::frecue, "99999", std::nullopt},
        ValidationCase{"ServiceLast", &SettingsLines::servi, "3", LoadedSettings{7, 12, 2, 3}},
        ValidationCase{"ServicePastMenu", &SettingsLines::servi, "4", std::nullopt},
        ValidationCase{"ServiceHalfRoundsToEven", &SettingsLines::servi, "2.5", LoadedSettings{7, 12, 2, 2}},
        ValidationCase{"ServiceNegative", &SettingsLines::servi, "-2", std::nullopt},
        ValidationCase{"IronAtTheTopPrice", &SettingsLines::hierro, "1000000000",
                       LoadedSettings{1e9, 12, 2, 1}},
        ValidationCase{"IronPastAnyPrice", &SettingsLines::hierro, "1000000001", std::nullopt},
        ValidationCase{"CopperNearTheDoubleLimit", &SettingsLines::cobre, "1e308", std::nullopt},
        ValidationCase{"CopperHugeNegative", &SettingsLines::cobre, "-1e300", std::nullopt}),
    [](const testing::TestParamInfo<ValidationCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace coilwise
