#include "engine/thermal.h"

#include <gtest/gtest.h>

namespace coilwise {
namespace {

// Worked by hand: Ap = 0.75 a² × a × b, At = 41.3 √Ap, ΔT = 450 (W / At)^0.826.
TEST(WindingTemperature, SurfaceMethodForLossAndCorePairs) {
    struct Case {
        double watts, tongueCm, stackCm, riseK;
        const char* insulation;
    };
    const Case cases[] = {
        {1, 1.0, 1.0, 23.444, "A"},      // Ap 0.75, At 35.77
        {2.7062, 2.3, 2.3, 13.477, "A"}, // the 220 V / 12 V 1 A design
        {12, 1.9, 2.7, 54.691, "A"},     // Ap 13.89 on the deeper stack
        {20, 1.0, 1.0, 278.41, "above H"},
    };
    for (const Case& c : cases) {
        const double window = 0.75 * c.tongueCm * c.tongueCm;
        const WindingTemperature t = windingTemperature(c.watts, window, c.tongueCm, c.stackCm);
        EXPECT_NEAR(t.riseKelvin, c.riseK, 0.005) << c.watts;
        EXPECT_DOUBLE_EQ(t.celsius, 40 + t.riseKelvin);
        EXPECT_EQ(insulationClass(t.celsius), c.insulation) << c.watts;
    }
}

TEST(WindingTemperature, InsulationClassIsTheLowestThatHolds) {
    const std::pair<double, const char*> cases[] = {{105, "A"}, {105.01, "E"},      {120, "E"},
                                                    {130, "B"}, {130.01, "F"},      {155, "F"},
                                                    {180, "H"}, {180.01, "above H"}};
    for (const auto& [celsius, name] : cases) {
        EXPECT_EQ(insulationClass(celsius), name) << celsius;
    }
}

} // namespace
} // namespace coilwise
