#include "engine/significant_digits.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace coilwise {
namespace {

std::string shown(const SignificantDigits& d) {
    std::string text(d.negative ? "-" : "");
    text.append(d.digits.begin(), d.digits.end());
    text += 'e';
    text += std::to_string(d.exponent);
    return text;
}

void expectSameAsPrinted(double value) {
    EXPECT_EQ(shown(significantDigits(value)), shown(significantDigitsPrinted(value)))
        << std::hexfloat << value;
}

TEST(SignificantDigits, ShortcutAgreesWithPrintingOnEdges) {
    const double edges[] = {
        0.0,
        -0.0,
        1,
        0.1 + 0.2,
        2.675,
        1.005,
        999999999999999.9,
        9.999999999999995,
        9.9999999999999953,
        0.30000000000000004,
        1784.2512345678901,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::min(),
        std::numeric_limits<double>::denorm_min(),
        -1.5e-310,
        123456789012345.5,
        12345678901234.55,
        0.000123456789012345,
    };
    for (const double value : edges) {
        expectSameAsPrinted(value);
        expectSameAsPrinted(std::nextafter(value, 1e300));
        expectSameAsPrinted(std::nextafter(value, -1e300));
    }
}

// Values whose 16th and 17th digits lie near the midpoint are where a shortcut would go wrong.
TEST(SignificantDigits, ShortcutAgreesWithPrintingOnRandomAndNearHalfValues) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 17);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        expectSameAsPrinted(i % 2 ? value : -value);
        // 15 digits and a 5 after them, and its neighbours: a decimal half at the 15th digit.
        const double scale = std::pow(10.0, exponent(random));
        const double half = (std::floor(mantissa(random) * 1e14) + 0.5) * 1e-14 * scale;
        expectSameAsPrinted(half);
        expectSameAsPrinted(std::nextafter(half, 0.0));
        expectSameAsPrinted(std::nextafter(half, 1e300));
        if (HasFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace coilwise
