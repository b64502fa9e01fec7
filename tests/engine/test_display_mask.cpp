#include "engine/display_mask.h"
#include "engine/significant_digits.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace coilwise {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

TEST(RoundHalfAway, DecidesHalvesOnTheFifteenDigitDecimalForm) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {2.675, 2, 2.68},
        {0.125, 2, 0.13},
        {-0.125, 2, -0.13},
        {1.005, 2, 1.01},
        {-2.5, 0, -3},
        {2.5, 0, 3},
        {1784.1, 0, 1784},
        {0.5, 0, 1},
        {0.004, 2, 0},
        {0.005, 2, 0.01},
        {0.0005, 2, 0},
        {9.995, 2, 10},
        {999.5, 0, 1000},
        {123.456, 1, 123.5},
        {0.1 + 0.2, 2, 0.3},
        {1e20, 2, 1e20},
        {-1.5e-10, 3, 0},
        {inf, 2, inf},
        {std::numeric_limits<double>::max(), 2, std::numeric_limits<double>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(roundHalfAway(c.value, c.decimals), c.expected);
    }
    EXPECT_FALSE(std::signbit(roundHalfAway(-0.004, 2)));
}

TEST(FormatMask, PointLocale) {
    const struct {
        double value;
        const char* mask;
        const char* expected;
    } cases[] = {
        {0.5, "#0.00", "0.50"},
        {2.675, "#0.00", "2.68"},
        {7.46, "###0.0", "7.5"},
        {9.96, "###0.0", "10.0"},
        {5, "####0.00", "5.00"},
        {7.456, "##0.00", "7.46"},
        {-7.456, "##0.00", "-7.46"},
        {0.04, "##0.00", "0.04"},
        {108.12345, "#####0.000", "108.123"},
        {0.0005, "#####0.000", "0.001"},
        {1234567.891, "####0.00", "1234567.89"},
        {2.5, "#####0", "3"},
        {-2.5, "#####0", "-3"},
        {1784.1, "#######", "1784"},
        {0, "##0", "0"},
        {0.6, "##", "1"},
        {-0.6, "##", "-1"},
        // integer digits are never cut
        {123456, "##", "123456"},
        {1e15, "######", "1000000000000000"},
        {1.5e20, "##0", "150000000000000000000"},
        // zero under a mask of "#" only shows nothing, and zero never has a sign
        {0, "######", ""},
        {0.4, "#####", ""},
        {-0.4, "#####", ""},
        {-0.004, "#0.00", "0.00"},
        {0.5, "#.00", ".50"},
        {inf, "##0.00", "inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " as " << c.mask);
        EXPECT_EQ(formatMask(c.value, c.mask, FixedLocale::point()), c.expected);
    }
}

// The value's printed 15 significant digits rounded half up at the decimals, digit by digit: the
// reference that the rounding's integer arithmetic and its shortcut must both agree with.
std::string roundedByPrintedDigits(double value, int decimals) {
    const SignificantDigits printed = significantDigitsPrinted(value);
    std::string digits(printed.digits.begin(), printed.digits.end());
    const int kept = printed.exponent + 1 + decimals;
    if (kept < 0) {
        digits.clear();
    } else if (kept < significantDigitCount) {
        const bool up = digits[static_cast<std::size_t>(kept)] >= '5';
        digits.resize(static_cast<std::size_t>(kept));
        std::size_t i = digits.size();
        while (up && i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (up && i == 0) {
            digits.insert(digits.begin(), '1');
        } else if (up) {
            ++digits[i - 1];
        }
    } else {
        digits.append(static_cast<std::size_t>(kept - significantDigitCount), '0');
    }
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() < places + 1) {
        digits.insert(digits.begin(), places + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - places;
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = printed.negative && !zero ? "-" : "";
    text += digits.substr(0, point);
    if (places > 0) {
        text += '.';
        text += digits.substr(point);
    }
    return text;
}

// Values a hair either side of a half at the last decimal are where a shortcut would go wrong.
TEST(FormatMask, RoundsAsThePrintedFifteenDigitsOnRandomAndNearHalfValues) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 12);
    std::uniform_int_distribution<int> decimalCount(0, 4);
    const FixedLocale point = FixedLocale::point();
    for (int i = 0; i < 100000; ++i) {
        const int decimals = decimalCount(random);
        const double scale = std::pow(10.0, -decimals);
        const double half =
            (std::floor(mantissa(random) * std::pow(10.0, exponent(random) + 2)) + 0.5) * scale;
        const double values[] = {mantissa(random) * std::pow(10.0, exponent(random)),
                                 half,
                                 -half,
                                 std::nextafter(half, 0.0),
                                 std::nextafter(half, 1e300),
                                 half * (1 + 4e-15),
                                 half * (1 - 4e-15)};
        for (const double value : values) {
            ASSERT_EQ(formatMask(value, DisplayMask::fixed(decimals), point),
                      roundedByPrintedDigits(value, decimals))
                << std::hexfloat << value << " to " << decimals;
        }
    }
}

TEST(FormatMask, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(formatMask(7.456, "##0.00", FixedLocale::comma()), "7,46");
    EXPECT_EQ(formatMask(1234.5, "#####0", FixedLocale::comma()), "1235");
    const FixedLocale multiByte({"\xc2\xb7", ",", "$", true, "", 2});
    EXPECT_EQ(formatMask(0.25, "#0.00", multiByte), "0\xc2\xb7"
                                                    "25");
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {100, "100"},
        {2.5, "2.5"},
        {-0.5, "-0.5"},
        {0.2, "0.2"},
        {0.08, "0.08"},
        {0.0001, "0.0001"},
        {1234.5, "1234.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {999999999999999, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {1e-5, "1E-05"},
        {-2.5e-7, "-2.5E-07"},
        {-inf, "-inf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatGeneral(c.value, FixedLocale::point()), c.expected);
    }
    EXPECT_EQ(formatGeneral(2.5, FixedLocale::comma()), "2,5");
    EXPECT_EQ(formatGeneral(1.5e20, FixedLocale::comma()), "1,5E+20");
}

TEST(FormatCurrency, GroupsDigitsAndPlacesTheSymbol) {
    const std::string euro = "\xe2\x82\xac";
    const std::string noBreakSpace = "\xc2\xa0";
    const FixedLocale point = FixedLocale::point();
    const FixedLocale comma = FixedLocale::comma();
    const FixedLocale spaced({",", noBreakSpace, euro, false, " ", 2});
    const FixedLocale whole({".", ",", "$", true, " ", 0});
    const struct {
        const Locale& locale;
        double amount;
        std::string expected;
    } cases[] = {
        {point, 1.5, "$1.50"},
        {point, 1234.567, "$1,234.57"},
        {point, 1234567.891, "$1,234,567.89"},
        {point, 123456, "$123,456.00"},
        {point, 999.995, "$1,000.00"},
        {point, -2.5, "-$2.50"},
        {point, 0, "$0.00"},
        {point, -0.001, "$0.00"},
        {comma, 1234.567, "1.234,57 " + euro},
        {comma, -2.5, "-2,50 " + euro},
        {spaced, 1234567, "1" + noBreakSpace + "234" + noBreakSpace + "567,00 " + euro},
        {whole, 1234.5, "$ 1,235"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.locale.formatCurrency(c.amount), c.expected);
    }
}

TEST(RoundCurrency, RoundsToTheCurrencyDecimals) {
    const FixedLocale point = FixedLocale::point();
    EXPECT_EQ(point.roundCurrency(1.005), 1.01);
    EXPECT_EQ(point.roundCurrency(-2.675), -2.68);
    EXPECT_EQ(point.roundCurrency(1234.564), 1234.56);
    const FixedLocale whole({".", ",", "$", true, "", 0});
    EXPECT_EQ(whole.roundCurrency(2.5), 3);
}

} // namespace
} // namespace coilwise
