#include "engine/exact_decimal.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace coilwise {
namespace {

double read(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(ExactDecimal, SameDoubleAsReadingTheText) {
    std::mt19937_64 random(1210);
    std::uniform_int_distribution<int> length(1, 15);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-22, 22);
    for (int i = 0; i < 200000; ++i) {
        std::string digits;
        for (int n = length(random); n > 0; --n) {
            digits += static_cast<char>('0' + digit(random));
        }
        const int scale = exponent(random);
        const bool negative = i % 2 == 1;
        const std::optional<double> exact = exactDecimal(negative, digits, scale);
        ASSERT_TRUE(exact) << digits << "e" << scale;
        const double expected = read((negative ? "-" : "") + digits + "e" + std::to_string(scale));
        ASSERT_EQ(*exact, expected) << digits << "e" << scale;
        ASSERT_EQ(std::signbit(*exact), std::signbit(expected)) << digits << "e" << scale;
    }
}

TEST(ExactDecimal, LeavesLongNumbersAndLargeExponentsToTheText) {
    EXPECT_FALSE(exactDecimal(false, "1234567890123456", 0));
    EXPECT_FALSE(exactDecimal(false, "1", 23));
    EXPECT_FALSE(exactDecimal(false, "1", -23));
    // leading zeros are no digits of the number
    EXPECT_EQ(exactDecimal(false, "0000000000000000005", -1), 0.5);
}

} // namespace
} // namespace coilwise
