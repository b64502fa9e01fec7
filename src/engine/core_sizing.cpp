#include "core_sizing.h"

#include "losses.h"
#include "windings.h"

#include <array>
#include <optional>

namespace coilwise {

namespace {

// Strands lie side by side: a turn takes their joint width along the layer, and they share the
// current, so the conductor's resistance is one strand's divided by their number.
double windingLayers(const Wire& wire, double turns, double windowHeightCm) {
    return layerCount(wire.diameterMm * wire.strands, turns, windowHeightCm);
}

double windingOhms(double metres, const Wire& wire) {
    const double strandOhms = copperOhms(metres, wire.diameterMm);
    return wire.strands == 1 ? strandOhms : strandOhms / wire.strands; // x / 1 is x: no division to wait for
}

// What the regulation allowance does not change: the inputs, the iron and the primary.
DesignDetails fixedPart(const SizingInput& input, const Wire& primaryWire, const CoreShape& core,
                        double primaryTurns, double& ironGrams) {
    const double a = core.lamination.tongueMm / 10;
    const double b = core.stackCm;
    DesignDetails design{};
    design.primaryVolts = input.primaryVolts;
    design.frequency = input.frequency;
    design.gauss = input.gauss;
    design.ampsPerMm2 = input.ampsPerMm2;
    design.loadWatts = input.loadWatts;
    design.tongueCm = a;
    design.stackCm = b;
    design.primaryAmps = primaryCurrent(input);
    design.secondaryCount = input.secondaries.size();
    const IronWeights iron = ironWeights(core.lamination, b);
    ironGrams = iron.eGrams + iron.iGrams;
    design.eGrams = iron.eGrams;
    design.iGrams = iron.iGrams;
    design.ironWatts = ironWatts(ironGrams);

    const double layers = windingLayers(primaryWire, primaryTurns, design.windowHeightCm());
    const double build = primaryBuild(primaryWire.diameterMm, layers);
    const double metres = 0.02 * primaryTurns * (a + b + 2 * build);
    design.primary = {primaryWire,
                      primaryTurns,
                      layers,
                      build,
                      metres,
                      copperGrams(metres, primaryWire.metresPerKg),
                      windingOhms(metres, primaryWire)};
    return design;
}

// Winds the secondaries outward from the primary; whether each, under load, comes within 0.05 V
// of its rated voltage. Stops at the first that does not, since the allowance must then rise;
// their weights wait for the pass that succeeds.
bool secondariesRegulated(DesignDetails& design, const SizingInput& input,
                          const std::array<double, 5>& turns) {
    const double a = design.tongueCm;
    const double b = design.stackCm;
    double radius = design.primary.buildCm + 0.1;
    for (std::size_t i = 0; i < input.secondaries.size(); ++i) {
        const SecondaryDemand& s = input.secondaries[i];
        const double layers = windingLayers(s.wire, turns[i], design.windowHeightCm());
        const double build = secondaryBuild(s.wire.diameterMm, layers);
        const double metres = 0.02 * turns[i] * (a + b + 2 * build + 4 * radius);
        radius += build;
        const double ohms = windingOhms(metres, s.wire);
        const SecondaryVoltages volts = secondaryVoltages(turns[i], design.primary.turns, input.primaryVolts,
                                                          design.primary.ohms, ohms, s.amps);
        design.secondaryRows[i] = {
            {s.wire, turns[i], layers, build, metres, 0, ohms}, s.volts, s.amps, volts.unload};
        if (s.volts - volts.loaded > 0.05) {
            return false;
        }
    }
    return true;
}

// The copper's weight and losses, the efficiency and the totals of a design whose windings are set.
void completeDesign(DesignDetails& design, const SizingInput& input) {
    double secondaryCopperWatts = 0;
    double secondaryGrams = 0;
    for (std::size_t i = 0; i < input.secondaries.size(); ++i) {
        const SecondaryDemand& s = input.secondaries[i];
        WindingDetails& winding = design.secondaryRows[i].winding;
        winding.grams = copperGrams(winding.metres, s.wire.metresPerKg);
        secondaryCopperWatts += s.amps * s.amps * winding.ohms;
        secondaryGrams += winding.grams;
    }
    const double primaryCopperWatts = design.primaryAmps * design.primaryAmps * design.primary.ohms;
    design.copperWatts = primaryCopperWatts + secondaryCopperWatts;
    const Efficiency eff =
        efficiency(input.loadWatts, design.ironWatts, primaryCopperWatts, secondaryCopperWatts);
    design.efficiencyPercent = eff.percent;
    design.inputWatts = eff.inputWatts;
    design.copperGrams = secondaryGrams + design.primary.grams;
    design.totalGrams = design.eGrams + (design.iGrams + design.copperGrams);
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
    const double a = core.lamination.tongueMm / 10;
    const double b = core.stackCm;
    const double windowArea = 0.75 * a * a;
    const double windowHeight = 1.5 * a;
    const double section = a * b;
    const double primaryTurns = vp * 100000000 / (4.44 * input.frequency * section * input.gauss);
    const double primaryArea = primaryTurns / primaryWire.turnsPerCm2;
    // Made by the first pass that fits, with what the allowance does not change (the iron, the
    // primary); each pass of the regulation loop then sets the secondaries again.
    std::optional<DesignDetails> fitted;
    for (;; allowance += 0.01) {
        std::array<double, 5> turns{};
        double occupied = 0;
        for (std::size_t i = 0; i < secondaries.size(); ++i) {
            turns[i] = secondaries[i].volts * primaryTurns * (1 + allowance) / vp;
            occupied += turns[i] / secondaries[i].wire.turnsPerCm2 + 0.09 * windowHeight;
        }
        occupied += primaryArea;

        if (!(0.55 * windowArea >= occupied)) {
            return WindowOverflow{occupied, windowArea};
        }

        if (!fitted) {
            fitted = fixedPart(input, primaryWire, core, primaryTurns, ironGrams);
        }
        DesignDetails& design = *fitted;
        design.occupiedCm2 = occupied;
        if (secondariesRegulated(design, input, turns)) {
            completeDesign(design, input);
            return std::move(design);
        }
    }
}

} // namespace coilwise
