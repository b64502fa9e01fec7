#include "engine/wire_choice.h"

#include <gtest/gtest.h>
#include <optional>

namespace coilwise {
namespace {

// The current whose required diameter at the density is exactly the given one.
double ampsFor(double diameterMm, double density) {
    const double r = diameterMm / 2;
    return r * r * 3.14159 * density;
}

struct WireCase {
    const char* name;
    double amps;
    double density;
    std::optional<double> expectedMm;
};

class WireChoiceTest : public testing::TestWithParam<WireCase> {};

TEST_P(WireChoiceTest, RoundsDownToTheNextTableWire) {
    const WireCase& c = GetParam();
    const std::optional<Wire> wire = chooseWire(c.amps, c.density);
    ASSERT_EQ(wire.has_value(), c.expectedMm.has_value());
    if (wire) {
        EXPECT_EQ(wire->diameterMm, *c.expectedMm);
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, WireChoiceTest,
                         testing::Values(WireCase{"OneAmpJustUnder0_8GetsThe0_7", 1, 2, 0.7},
                                         WireCase{"Exactly0_5KeepsIt", ampsFor(0.5, 2), 2, 0.5},
                                         WireCase{"Exactly1KeepsIt", ampsFor(1, 2), 2, 1},
                                         WireCase{"Exactly2KeepsIt", ampsFor(2, 2), 2, 2},
                                         WireCase{"TinyCurrentIsClampedTo0_08", 0.0001, 2, 0.08},
                                         WireCase{"Between2And2_5Gives2", ampsFor(2.3, 2), 2, 2},
                                         WireCase{"Exactly2_5IsTheThickest", ampsFor(2.5, 2), 2, 2.5},
                                         WireCase{"Above2_5CannotBeWound", 9.82, 2, std::nullopt},
                                         WireCase{"RandomServiceDensity", 1, 3.5, 0.55}),
                         [](const testing::TestParamInfo<WireCase>& info) { return info.param.name; });

TEST(WireChoice, ClampedWireTakesTheFirstRowData) {
    const std::optional<Wire> wire = chooseWire(0.0001, 2);
    ASSERT_TRUE(wire);
    EXPECT_EQ(wire->metresPerKg, 21000);
    EXPECT_EQ(wire->turnsPerCm2, 11000);
}

TEST(WireChoice, RoundedDownWireTakesItsOwnRowData) {
    const std::optional<Wire> wire = chooseWire(1, 2);
    ASSERT_TRUE(wire);
    EXPECT_EQ(wire->metresPerKg, 290);
    EXPECT_EQ(wire->turnsPerCm2, 169);
}

} // namespace
} // namespace coilwise
