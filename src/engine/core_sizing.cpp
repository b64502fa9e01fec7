#include "core_sizing.h"

#include "losses.h"
#include "windings.h"

#include <array>

namespace coilwise {

namespace {

struct Turns {
    double primary;
    std::array<double, 5> secondary;
};

struct Builds {
    double primary;
    std::array<double, 5> secondary;
};

struct Layers {
    double primary;
    std::array<double, 5> secondary;
};

// Strands lie side by side: a turn takes their joint width along the layer, and they share the
// current, so the conductor's resistance is one strand's divided by their number.
double windingLayers(const Wire& wire, double turns, double windowHeightCm) {
    return layerCount(wire.diameterMm * wire.strands, turns, windowHeightCm);
}

double windingOhms(double metres, const Wire& wire) {
    return copperOhms(metres, wire.diameterMm) / wire.strands;
}

} // namespace

double primaryCurrent(const SizingInput& input) {
    return 1.2 * input.loadWatts / input.primaryVolts;
}

std::variant<DesignDetails, WindowOverflow> sizeOnCore(const SizingInput& input, const Wire& primaryWire,
                                                       const CoreShape& core, double& allowance,
                                                       double& ironGrams) {
    const auto& secondaries = input.secondaries;
    const double vp = input.primaryVolts;
    const double primaryAmps = primaryCurrent(input);
    const double dp = primaryWire.diameterMm;
    const double a = core.lamination.tongueMm / 10;
    const double b = core.stackCm;
    const double windowArea = 0.75 * a * a;
    const double windowHeight = 1.5 * a;
    for (;;) {
        const double section = a * b;
        Turns turns{};
        Builds builds{};
        Layers layers{};
        turns.primary = vp * 100000000 / (4.44 * input.frequency * section * input.gauss);
        double occupied = 0;
        for (std::size_t i = 0; i < secondaries.size(); ++i) {
            const SecondaryDemand& s = secondaries[i];
            turns.secondary[i] = s.volts * turns.primary * (1 + allowance) / vp;
            layers.secondary[i] = windingLayers(s.wire, turns.secondary[i], windowHeight);
            builds.secondary[i] = secondaryBuild(s.wire.diameterMm, layers.secondary[i]);
            occupied += turns.secondary[i] / s.wire.turnsPerCm2 + 0.09 * windowHeight;
        }
        layers.primary = windingLayers(primaryWire, turns.primary, windowHeight);
        builds.primary = primaryBuild(dp, layers.primary);
        occupied += turns.primary / primaryWire.turnsPerCm2;

        if (!(0.55 * windowArea >= occupied)) {
            return WindowOverflow{occupied, windowArea};
        }

        DesignDetails design{};
        design.primaryVolts = vp;
        design.frequency = input.frequency;
        design.gauss = input.gauss;
        design.ampsPerMm2 = input.ampsPerMm2;
        design.loadWatts = input.loadWatts;
        design.tongueCm = a;
        design.stackCm = b;
        design.occupiedCm2 = occupied;
        design.primaryAmps = primaryAmps;
        design.secondaryCount = secondaries.size();
        const IronWeights iron = ironWeights(core.lamination, b);
        ironGrams = iron.eGrams + iron.iGrams;
        design.eGrams = iron.eGrams;
        design.iGrams = iron.iGrams;
        design.ironWatts = ironWatts(ironGrams);

        const double primaryMetres = 0.02 * turns.primary * (a + b + 2 * builds.primary);
        const double primaryOhms = windingOhms(primaryMetres, primaryWire);
        design.primary = {primaryWire,    turns.primary, layers.primary,
                          builds.primary, primaryMetres, copperGrams(primaryMetres, primaryWire.metresPerKg),
                          primaryOhms};

        double radius = builds.primary + 0.1;
        double secondaryCopperWatts = 0;
        double secondaryGrams = 0;
        bool regulated = true;
        for (std::size_t i = 0; i < secondaries.size(); ++i) {
            const SecondaryDemand& s = secondaries[i];
            const double metres = 0.02 * turns.secondary[i] * (a + b + 2 * builds.secondary[i] + 4 * radius);
            radius += builds.secondary[i];
            const double ohms = windingOhms(metres, s.wire);
            const double grams = copperGrams(metres, s.wire.metresPerKg);
            secondaryCopperWatts += s.amps * s.amps * ohms;
            secondaryGrams += grams;
            const SecondaryVoltages volts =
                secondaryVoltages(turns.secondary[i], turns.primary, vp, primaryOhms, ohms, s.amps);
            design.secondaryRows[i] = {
                {s.wire, turns.secondary[i], layers.secondary[i], builds.secondary[i], metres, grams, ohms},
                s.volts,
                s.amps,
                volts.unload};
            if (s.volts - volts.loaded > 0.05) {
                regulated = false;
                break;
            }
        }
        if (!regulated) {
            allowance += 0.01;
            continue;
        }

        const double primaryCopperWatts = primaryAmps * primaryAmps * primaryOhms;
        design.copperWatts = primaryCopperWatts + secondaryCopperWatts;
        const Efficiency eff =
            efficiency(input.loadWatts, design.ironWatts, primaryCopperWatts, secondaryCopperWatts);
        design.efficiencyPercent = eff.percent;
        design.inputWatts = eff.inputWatts;
        design.copperGrams = secondaryGrams + design.primary.grams;
        design.totalGrams = design.eGrams + (design.iGrams + design.copperGrams);
        return design;
    }
}

} // namespace coilwise
