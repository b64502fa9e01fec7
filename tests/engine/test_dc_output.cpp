#include "engine/dc_output.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace coilwise {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

DcRequest request(double volts, double amps, Rectifier rectifier, double frequency = 50) {
    return {volts, amps, rectifier, 0.8, defaultRipple(volts), frequency};
}

// Worked by hand: 15 V DC at 1 A, ripple 1.5 V (a tenth), diodes of 0.8 V.
TEST(DcOutput, GivesTheHandWorkedWindingsAndCapacitors) {
    const struct {
        const char* name;
        Rectifier rectifier;
        double frequency;
        double acVolts;
        double acVoltsWritten;
        double acAmps;
        double acAmpsWritten;
        double microfarads;
        double e6;
    } cases[] = {
        // (15 + 0.75 + 2 x 0.8) / sqrt 2; 1 / 0.62; 1 / (2 x 50 x 1.5)
        {"bridge", Rectifier::bridge, 50, 12.26830, 12.27, 1.612903, 1.62, 6666.667, 6800},
        // (15 + 0.75 + 0.8) / sqrt 2 for each half; the DC itself in each half
        {"centre tap", Rectifier::centreTap, 50, 11.70262, 11.71, 1.0, 1.00, 6666.667, 6800},
        // 1 / 0.28; 1 / (50 x 1.5)
        {"half-wave", Rectifier::halfWave, 50, 11.70262, 11.71, 3.571429, 3.58, 13333.333, 15000},
        // 1 / (2 x 60 x 1.5)
        {"bridge at 60 Hz", Rectifier::bridge, 60, 12.26830, 12.27, 1.612903, 1.62, 5555.556, 6800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DcSecondary> out = convertDcOutput(request(15, 1, c.rectifier, c.frequency));
        ASSERT_TRUE(out.has_value());
        EXPECT_NEAR(out->acVolts, c.acVolts, 1e-5);
        EXPECT_DOUBLE_EQ(out->acVoltsWritten, c.acVoltsWritten);
        EXPECT_NEAR(out->acAmps, c.acAmps, 1e-6);
        EXPECT_DOUBLE_EQ(out->acAmpsWritten, c.acAmpsWritten);
        EXPECT_NEAR(out->capacitanceMicrofarads, c.microfarads, 1e-3);
        EXPECT_DOUBLE_EQ(out->capacitorMicrofarads, c.e6);
    }
    EXPECT_EQ(windingRows(Rectifier::centreTap), 2);
    EXPECT_EQ(windingRows(Rectifier::bridge), 1);
}

TEST(DcOutput, TakesTheDiodeDropAndRippleGiven) {
    // (12 + 0.25 + 2 x 0.6) / sqrt 2 = 9.5106; 2 x 1 / (2 x 50 x 0.5) = 40000 uF, on the series
    const std::optional<DcSecondary> out = convertDcOutput({12, 2, Rectifier::bridge, 0.6, 0.5, 50});
    ASSERT_TRUE(out.has_value());
    EXPECT_NEAR(out->acVolts, 9.51059, 1e-5);
    EXPECT_DOUBLE_EQ(out->acVoltsWritten, 9.52);
    EXPECT_DOUBLE_EQ(out->capacitorMicrofarads, 47000);
}

TEST(DcOutput, RefusesWhatIsNoPositiveFigure) {
    const struct {
        const char* name;
        DcRequest request;
    } cases[] = {
        {"no volts", {0, 1, Rectifier::bridge, 0.8, 1.5, 50}},
        {"negative volts", {-15, 1, Rectifier::bridge, 0.8, 1.5, 50}},
        {"no current", {15, 0, Rectifier::bridge, 0.8, 1.5, 50}},
        {"current not a number", {15, nan, Rectifier::bridge, 0.8, 1.5, 50}},
        {"infinite volts", {inf, 1, Rectifier::bridge, 0.8, 1.5, 50}},
        {"no ripple", {15, 1, Rectifier::bridge, 0.8, 0, 50}},
        {"negative diode drop", {15, 1, Rectifier::bridge, -0.1, 1.5, 50}},
        {"no frequency", {15, 1, Rectifier::bridge, 0.8, 1.5, 0}},
        {"winding beyond a double", {1.7e308, 1, Rectifier::bridge, 0.8, 1, 50}},
        {"capacitance beyond a double", {15, 1.7e308, Rectifier::halfWave, 0.8, 1e-300, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(convertDcOutput(c.request).has_value());
    }
    EXPECT_TRUE(convertDcOutput({15, 1, Rectifier::bridge, 0, 1.5, 50}).has_value()) << "no diode drop";
}

TEST(DcOutput, RoundsUpToHundredthsButLeavesExactOnes) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {12.26830, 12.27}, {1.0, 1.0},        {1.13, 1.13}, {0.001, 0.01},
        {2.675, 2.68},     {11.70001, 11.71}, {1.1, 1.1}, // 110.00000000000001 hundredths
        {0.07, 0.07},                                     // 7.000000000000001 hundredths
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(roundUpToHundredths(c.value), c.expected) << c.value;
    }
}

TEST(DcOutput, PicksTheE6ValueAtOrAbove) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {6666.667, 6800}, {6800, 6800}, {6801, 10000}, {0.5, 0.68}, {100, 100}, {9.9, 10}, {1.01, 1.5},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(nextE6(c.value), c.expected, c.expected * 1e-12) << c.value;
    }
}

TEST(DcOutput, PicksTheStandardCapacitorVoltageAtOrAbove) {
    EXPECT_EQ(nextCapacitorVoltage(0), 16);
    EXPECT_EQ(nextCapacitorVoltage(16), 16);
    EXPECT_EQ(nextCapacitorVoltage(16.01), 25);
    EXPECT_EQ(nextCapacitorVoltage(300), 350);
    EXPECT_EQ(nextCapacitorVoltage(450), 450);
    EXPECT_EQ(nextCapacitorVoltage(450.01), std::nullopt);
}

// The bridge winding of 12.27 V that rises to 13.50 V without load.
TEST(DcOutput, GivesTheDcVoltagesAtTheEndsOfTheMainsTolerance) {
    const std::optional<DcSecondary> bridge = convertDcOutput(request(15, 1, Rectifier::bridge));
    ASSERT_TRUE(bridge.has_value());
    const DcVoltages bridgeVolts = dcVoltages(*bridge, 13.5, 12.27);
    // sqrt 2 x 13.5 x 1.1 - 1.6
    EXPECT_NEAR(bridgeVolts.noLoadHighMains, 19.40107, 1e-5);
    EXPECT_EQ(bridgeVolts.capacitorVoltage, 25);
    // sqrt 2 x (0.9 x 13.5 - (13.5 - 12.27)) - 1.6 - 0.75
    EXPECT_NEAR(bridgeVolts.fullLoadLowMains, 13.09321, 1e-5);

    const std::optional<DcSecondary> halfWave = convertDcOutput(request(15, 1, Rectifier::halfWave));
    ASSERT_TRUE(halfWave.has_value());
    const DcVoltages halfWaveVolts = dcVoltages(*halfWave, 13.5, 12.27);
    EXPECT_NEAR(halfWaveVolts.noLoadHighMains, 20.20107, 1e-5);
    EXPECT_NEAR(halfWaveVolts.fullLoadLowMains, 13.89321, 1e-5);
}

} // namespace
} // namespace coilwise
