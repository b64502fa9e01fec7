#include "construction_sheet.h"

#include "assumptions.h"
#include "display_mask.h"
#include "thermal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace coilwise {

namespace {

constexpr double roundingNoisePercent = 1e-6;

WindingSheet windingSheet(std::string name, const WindingDetails& w, double celsius) {
    const double turns = roundHalfAway(w.turns, 0);
    const int layers = static_cast<int>(w.layers);
    WindingSheet sheet{std::move(name),
                       w.wire.diameterMm,
                       nearestAwg(w.wire.diameterMm),
                       turns,
                       layers,
                       static_cast<int>(std::ceil(turns / layers)),
                       10 * w.buildCm,
                       100 * w.metres / w.turns,
                       w.metres,
                       orderLength(w.metres),
                       w.grams,
                       w.ohms,
                       ohmsAt(w.ohms, celsius),
                       std::nullopt,
                       std::nullopt};
    sheet.strands = w.wire.strands;
    return sheet;
}

std::vector<WireOrder> wireToOrder(const DesignDetails& design, const std::vector<WindingSheet>& windings) {
    std::vector<WireOrder> orders;
    std::vector<double> metresPerKg;
    // A stranded winding takes its length once per strand, of wire with the table's metres per kg.
    auto add = [&](const Wire& wire, double windingMetres) {
        const double metres = windingMetres * wire.strands;
        const auto it = std::find_if(orders.begin(), orders.end(),
                                     [&](const WireOrder& o) { return o.wireMm == wire.diameterMm; });
        if (it == orders.end()) {
            orders.push_back({wire.diameterMm, metres, 0});
            metresPerKg.push_back(wire.metresPerKg * wire.strands);
        } else {
            it->lengthM += metres;
        }
    };
    add(design.primary.wire, windings.front().orderLengthM);
    for (std::size_t i = 0; i < design.secondaryCount; ++i) {
        add(design.secondaryRows[i].winding.wire, windings[i + 1].orderLengthM);
    }
    for (std::size_t i = 0; i < orders.size(); ++i) {
        orders[i].massG = orders[i].lengthM * 1000 / metresPerKg[i];
    }
    std::sort(orders.begin(), orders.end(),
              [](const WireOrder& x, const WireOrder& y) { return x.wireMm < y.wireMm; });
    return orders;
}

} // namespace

int laminationsFor(double stackMm) {
    return static_cast<int>(roundHalfAway(stackMm * assumed::stackingFactor / assumed::sheetMm, 0));
}

double awgDiameter(int gauge) {
    return 0.127 * std::pow(92.0, (36 - gauge) / 39.0);
}

int nearestAwg(double wireMm) {
    // Higher gauges are thinner: the wire lies between gauge n (thicker) and n + 1.
    const int thicker = static_cast<int>(std::floor(36 - 39 * std::log(wireMm / 0.127) / std::log(92.0)));
    const int thinner = thicker + 1;
    return awgDiameter(thicker) - wireMm <= wireMm - awgDiameter(thinner) ? thicker : thinner;
}

double orderLength(double metres) {
    // The factor in tenths is exactly 11, so that 1.1's binary error cannot push an exact tenth up a step.
    return std::ceil(metres * (10 + 10 * assumed::spareWire)) / 10;
}

std::optional<double> timeLagFuse(double fullLoadAmps) {
    for (double fuse : assumed::fuseSeries) {
        if (fuse >= 2 * fullLoadAmps) {
            return fuse;
        }
    }
    return std::nullopt;
}

double ohmsAt(double ohms20C, double celsius) {
    return ohms20C * (1 + assumed::copperPerKelvin * (celsius - 20));
}

ConstructionSheet constructionSheet(const DesignDetails& design) {
    ConstructionSheet sheet;
    const double tongueMm = 10 * design.tongueCm;
    const double stackMm = 10 * design.stackCm;
    double radialBuildCm = design.primary.buildCm + assumed::betweenWindingsCm;
    for (const SecondaryDetails& s : design.secondaries()) {
        radialBuildCm += s.winding.buildCm;
    }
    sheet.core = {"EI " + std::to_string(std::lround(3 * tongueMm)),
                  tongueMm,
                  stackMm,
                  10 * design.windowWidthCm(),
                  10 * design.windowHeightCm(),
                  laminationsFor(stackMm),
                  design.gauss / 10000.0,
                  design.ampsPerMm2,
                  100 * design.occupiedCm2 / design.windowAreaCm2(),
                  10 * radialBuildCm,
                  10 * design.windowWidthCm() - 10 * assumed::bobbinWallCm};

    const WindingTemperature heat = windingTemperature(
        design.ironWatts + design.copperWatts, design.windowAreaCm2(), design.tongueCm, design.stackCm);
    sheet.thermal = {heat.riseKelvin, heat.celsius, std::string(insulationClass(heat.celsius))};

    const WindingDetails& p = design.primary;
    sheet.windings.reserve(design.secondaryCount + 1);
    sheet.windings.push_back(windingSheet("primary", p, heat.celsius));
    for (std::size_t i = 0; i < design.secondaryCount; ++i) {
        const SecondaryDetails& s = design.secondaryRows[i];
        WindingSheet w = windingSheet("secondary " + std::to_string(i + 1), s.winding, heat.celsius);
        const double ratio = s.winding.turns / p.turns;
        // Without an allowance the turns give the rated voltage again, to the last digits of a
        // double: such a rounding error must not read as a fall of the voltage without load.
        const double rise = 100 * (s.unloadVolts - s.volts) / s.volts;
        w.noLoadRisePercent = rise < 0 && rise > -roundingNoisePercent ? 0.0 : rise;
        w.shortCircuitA = s.unloadVolts / (s.winding.ohms + p.ohms * ratio * ratio);
        sheet.windings.push_back(std::move(w));
    }
    sheet.wireToOrder = wireToOrder(design, sheet.windings);

    const double current = design.inputWatts / design.primaryVolts;
    // With the core saturated only the winding's resistance limits the first half-wave, at the
    // crest of a mains 10 % high: an upper bound.
    sheet.primary = {current, timeLagFuse(current),
                     std::sqrt(2.0) * assumed::mainsHigh * design.primaryVolts / p.ohms};
    return sheet;
}

} // namespace coilwise
