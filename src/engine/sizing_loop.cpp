#include "sizing_loop.h"

#include "losses.h"
#include "windings.h"
#include "wire_choice.h"

namespace coilwise {

namespace {

// Three laminations are also stacked deeper than square (cm) when the square stack is too small.
std::optional<double> deeperStack(double tongueCm, double stackCm) {
    if (stackCm != tongueCm) {
        return std::nullopt;
    }
    if (1.0 < tongueCm && tongueCm < 1.4) {
        return 1.6;
    }
    if (1.5 < tongueCm && tongueCm < 1.7) {
        return 1.9;
    }
    if (1.8 < tongueCm && tongueCm < 2.0) {
        return 2.7;
    }
    return std::nullopt;
}

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

} // namespace

std::optional<DesignDetails> sizeCore(const SizingInput& input, double& ironGrams) {
    const auto& secondaries = input.secondaries;
    const double vp = input.primaryVolts;
    // The primary current, and so its wire, is the same for every candidate core.
    const double primaryAmps = 1.2 * input.loadWatts / vp;
    const std::optional<Wire> primaryWire = chooseWire(primaryAmps, input.ampsPerMm2);
    if (!primaryWire) {
        return std::nullopt;
    }
    const double dp = primaryWire->diameterMm;

    double allowance = 0; // never reset: it carries over to larger cores
    // Filled anew on every pass that fits; made once, since the loop may pass hundreds of times.
    DesignDetails design{};
    for (const Lamination& lamination : laminations) {
        const double a = lamination.tongueMm / 10;
        const double windowArea = 0.75 * a * a;
        const double windowHeight = 1.5 * a;
        double b = a;
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
                layers.secondary[i] = layerCount(s.wire.diameterMm, turns.secondary[i], windowHeight);
                builds.secondary[i] = secondaryBuild(s.wire.diameterMm, layers.secondary[i]);
                occupied += turns.secondary[i] / s.wire.turnsPerCm2 + 0.09 * windowHeight;
            }
            layers.primary = layerCount(dp, turns.primary, windowHeight);
            builds.primary = primaryBuild(dp, layers.primary);
            occupied += turns.primary / primaryWire->turnsPerCm2;

            if (!(0.55 * windowArea >= occupied)) {
                if (const std::optional<double> deeper = deeperStack(a, b)) {
                    b = *deeper;
                    continue;
                }
                break;
            }

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
            const IronWeights iron = ironWeights(lamination, b);
            ironGrams = iron.eGrams + iron.iGrams;
            design.eGrams = iron.eGrams;
            design.iGrams = iron.iGrams;
            design.ironWatts = ironWatts(ironGrams);

            const double primaryMetres = 0.02 * turns.primary * (a + b + 2 * builds.primary);
            const double primaryOhms = copperOhms(primaryMetres, dp);
            design.primary = {*primaryWire,   turns.primary,
                              layers.primary, builds.primary,
                              primaryMetres,  copperGrams(primaryMetres, primaryWire->metresPerKg),
                              primaryOhms};

            double radius = builds.primary + 0.1;
            double secondaryCopperWatts = 0;
            double secondaryGrams = 0;
            bool regulated = true;
            for (std::size_t i = 0; i < secondaries.size(); ++i) {
                const SecondaryDemand& s = secondaries[i];
                const double metres =
                    0.02 * turns.secondary[i] * (a + b + 2 * builds.secondary[i] + 4 * radius);
                radius += builds.secondary[i];
                const double ohms = copperOhms(metres, s.wire.diameterMm);
                const double grams = copperGrams(metres, s.wire.metresPerKg);
                secondaryCopperWatts += s.amps * s.amps * ohms;
                secondaryGrams += grams;
                const SecondaryVoltages volts =
                    secondaryVoltages(turns.secondary[i], turns.primary, vp, primaryOhms, ohms, s.amps);
                design.secondaryRows[i] = {{s.wire, turns.secondary[i], layers.secondary[i],
                                            builds.secondary[i], metres, grams, ohms},
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
    return std::nullopt;
}

} // namespace coilwise
