#include "calculated_design.h"
#include "engine/construction_sheet.h"

#include <gtest/gtest.h>

namespace coilwise {
namespace {

ConstructionSheet sheetOf(const std::string& primary, const std::string& volts, const std::string& amps) {
    const DesignRecord record = calculated(primary, {{volts, amps}}, continuous);
    EXPECT_TRUE(record.design);
    return record.design ? constructionSheet(record.design->details) : ConstructionSheet{};
}

TEST(ConstructionSheet, EndToEndExampleWorkedByHand) {
    const ConstructionSheet sheet = sheetOf("220", "12", "1");
    const CoreSheet& core = sheet.core;
    EXPECT_EQ(core.designation, "EI 69");
    EXPECT_DOUBLE_EQ(core.tongueMm, 23);
    EXPECT_DOUBLE_EQ(core.stackMm, 23);
    EXPECT_DOUBLE_EQ(core.windowWidthMm, 11.5);
    EXPECT_DOUBLE_EQ(core.windowHeightMm, 34.5);
    EXPECT_EQ(core.laminations, 44); // 23 × 0.95 / 0.5 = 43.7
    EXPECT_DOUBLE_EQ(core.fluxDensityT, 1.05);
    EXPECT_DOUBLE_EQ(core.currentDensityAPerMm2, 2);
    EXPECT_NEAR(core.windowFillPercent, 48.3, 0.05);
    EXPECT_NEAR(core.radialBuildMm, 8.69, 1e-9); // 4.48 + 1 + 3.21
    EXPECT_DOUBLE_EQ(core.radialSpaceMm, 10.5);

    ASSERT_EQ(sheet.windings.size(), 2u);
    const WindingSheet& p = sheet.windings[0];
    EXPECT_EQ(p.winding, "primary");
    EXPECT_DOUBLE_EQ(p.wireMm, 0.2);
    EXPECT_EQ(p.awg, 32);
    EXPECT_DOUBLE_EQ(p.turns, 1784);
    EXPECT_EQ(p.layers, 14);
    EXPECT_EQ(p.turnsPerLayer, 128);
    EXPECT_NEAR(p.buildMm, 4.48, 1e-9);
    EXPECT_NEAR(p.lengthM, 196.1, 0.05);
    EXPECT_DOUBLE_EQ(p.orderLengthM, 215.8);
    EXPECT_NEAR(p.meanTurnCm, 100 * p.lengthM / 1783.9, 0.01);
    EXPECT_NEAR(p.ohms20C, 107.861, 0.001);
    EXPECT_NEAR(p.ohmsHot, 107.861 * (1 + 0.00393 * 33.477), 0.01);
    EXPECT_FALSE(p.noLoadRisePercent);
    EXPECT_FALSE(p.shortCircuitA);

    const WindingSheet& s = sheet.windings[1];
    EXPECT_EQ(s.winding, "secondary 1");
    EXPECT_DOUBLE_EQ(s.wireMm, 0.7);
    EXPECT_EQ(s.awg, 21);
    EXPECT_DOUBLE_EQ(s.turns, 106);
    EXPECT_EQ(s.layers, 3);
    EXPECT_EQ(s.turnsPerLayer, 36);
    EXPECT_NEAR(s.buildMm, 3.21, 1e-9);
    EXPECT_NEAR(s.lengthM, 15.77, 0.005);
    EXPECT_DOUBLE_EQ(s.orderLengthM, 17.4);
    EXPECT_NEAR(*s.noLoadRisePercent, 9.0, 1e-4);
    EXPECT_NEAR(*s.shortCircuitA, 12.0, 0.05);

    ASSERT_EQ(sheet.wireToOrder.size(), 2u);
    EXPECT_DOUBLE_EQ(sheet.wireToOrder[0].wireMm, 0.2);
    EXPECT_NEAR(sheet.wireToOrder[0].massG, 215.8 * 1000 / 3600, 1e-9);
    EXPECT_DOUBLE_EQ(sheet.wireToOrder[1].wireMm, 0.7);
    EXPECT_NEAR(sheet.wireToOrder[1].massG, 60, 1e-9); // 17.4 m at 290 m/kg

    EXPECT_NEAR(sheet.thermal.temperatureRiseK, 13.5, 0.05);
    EXPECT_NEAR(sheet.thermal.windingTemperatureC, 53.5, 0.05);
    EXPECT_EQ(sheet.thermal.insulationClass, "A");

    EXPECT_NEAR(sheet.primary.currentA, 0.0668, 0.00005);
    EXPECT_EQ(sheet.primary.fuseA, 0.16);
    EXPECT_NEAR(sheet.primary.inrushPeakA, 3.17, 0.005);
}

TEST(ConstructionSheet, DeeperStackExampleNeedsMoreRoomThanTheWindowHas) {
    const ConstructionSheet sheet = sheetOf("110", "6", "1.5");
    EXPECT_EQ(sheet.core.designation, "EI 57");
    EXPECT_DOUBLE_EQ(sheet.core.stackMm, 27);
    EXPECT_EQ(sheet.core.laminations, 51);
    EXPECT_NEAR(sheet.core.windowFillPercent, 52.7, 0.05);
    EXPECT_NEAR(sheet.core.radialBuildMm, 9.37, 1e-9);
    EXPECT_DOUBLE_EQ(sheet.core.radialSpaceMm, 8.5);
    EXPECT_DOUBLE_EQ(sheet.windings[0].turns, 920);
    EXPECT_EQ(sheet.windings[0].layers, 12);
    EXPECT_EQ(sheet.windings[0].turnsPerLayer, 77);
    EXPECT_EQ(sheet.primary.fuseA, 0.25);
}

TEST(ConstructionSheet, WindingsOfOneWireAreOrderedTogether) {
    const DesignRecord record = calculated("230", {{"230", "0.03"}, {"12", "0.01"}}, random);
    ASSERT_TRUE(record.design);
    const ConstructionSheet sheet = constructionSheet(record.design->details);
    ASSERT_EQ(sheet.wireToOrder.size(), 1u); // all three on 0.08 mm
    double metres = 0;
    for (const WindingSheet& w : sheet.windings) {
        metres += w.orderLengthM;
    }
    EXPECT_DOUBLE_EQ(sheet.wireToOrder[0].lengthM, metres);
    EXPECT_NEAR(sheet.wireToOrder[0].massG, metres * 1000 / 21000, 1e-9);
}

TEST(ConstructionSheet, NoLoadRiseIsNeverATinyFall) {
    const DesignRecord record = calculated("220", {{"12", "1"}}, continuous);
    ASSERT_TRUE(record.design);
    DesignDetails design = record.design->details;
    const struct {
        double unloadVolts;
        double rise;
    } cases[] = {{12 * (1 - 1e-12), 0}, {12, 0}, {12 * 0.99, -1}, {12 * 1.09, 9}};
    for (const auto& c : cases) {
        design.secondaryRows[0].unloadVolts = c.unloadVolts;
        EXPECT_NEAR(constructionSheet(design).windings[1].noLoadRisePercent.value_or(99), c.rise, 1e-12)
            << c.unloadVolts;
    }
}

TEST(ConstructionRules, NearestAwgByDiameter) {
    const std::pair<double, int> cases[] = {
        {0.08, 40}, {0.12, 37}, // 0.1131 mm (37) is nearer than 0.127 mm (36)
        {0.2, 32},  {0.7, 21},  {1, 18}, {2.5, 10}};
    for (const auto& [mm, gauge] : cases) {
        EXPECT_EQ(nearestAwg(mm), gauge) << mm;
    }
    EXPECT_DOUBLE_EQ(awgDiameter(36), 0.127);
    EXPECT_NEAR(awgDiameter(-3), 0.127 * 92, 1e-9); // 0000, a whole 39 steps up
}

TEST(ConstructionRules, OrderLengthAddsTenPercentAndRoundsUpToATenth) {
    const std::pair<double, double> cases[] = {
        {196.11, 215.8}, {15.771, 17.4}, {10, 11}, {1, 1.1}, {0.01, 0.1}};
    for (const auto& [metres, order] : cases) {
        EXPECT_DOUBLE_EQ(orderLength(metres), order) << metres;
    }
}

TEST(ConstructionRules, FuseIsTheSmallestOfTheSeriesNotBelowTwiceTheCurrent) {
    const std::pair<double, std::optional<double>> cases[] = {
        {0.001, 0.032}, {0.0668, 0.16}, {0.08, 0.16}, {0.0801, 0.2}, {0.5, 1}, {5, 10}, {5.01, std::nullopt}};
    for (const auto& [amps, fuse] : cases) {
        EXPECT_EQ(timeLagFuse(amps), fuse) << amps;
    }
}

TEST(ConstructionRules, LaminationsAndHotResistance) {
    EXPECT_EQ(laminationsFor(23), 44);
    EXPECT_EQ(laminationsFor(10), 19);
    EXPECT_EQ(laminationsFor(64), 122); // 121.6
    EXPECT_DOUBLE_EQ(ohmsAt(100, 20), 100);
    EXPECT_NEAR(ohmsAt(100, 120), 139.3, 1e-9);
}

} // namespace
} // namespace coilwise
