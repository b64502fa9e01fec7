#pragma once

#include "material_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace coilwise {

// The working values of the pass that ended a successful calculation, kept so that whatever is
// derived from a design (its construction sheet, its checks) needs no second run and no field
// texts. Units as inside the calculation: wire in mm, core and builds in cm, lengths in metres,
// weights in grams, resistances in ohms at 20 °C, powers in watts.
struct WindingDetails {
    Wire wire;      // the wire table row the winding is wound with
    double turns;   // unrounded, as every figure below was computed from
    double layers;  // a whole number
    double buildCm; // radial build of all its layers
    double metres;
    double grams;
    double ohms;
};

struct SecondaryDetails {
    WindingDetails winding;
    double volts;       // rated voltage under load
    double amps;        // rated current
    double unloadVolts; // the voltage without load, as the window shows it
};

struct DesignDetails {
    // The inputs the run worked from.
    double primaryVolts;
    std::int16_t frequency; // Hz
    std::int16_t gauss;     // peak flux density of the service
    double ampsPerMm2;      // current density of the service
    double loadWatts;       // sum of the secondaries' rated volts × amps

    // The core: tongue a, stack b; the window is 0.5 a wide and 1.5 a high.
    double tongueCm;
    double stackCm;
    double occupiedCm2; // window area the windings take, as the fit test counts it

    double primaryAmps; // 1.2 × load / primary volts: the current the primary wire was chosen for
    WindingDetails primary;
    std::array<SecondaryDetails, 5> secondaryRows; // the first secondaryCount are in use
    std::size_t secondaryCount;

    double eGrams;
    double iGrams;
    double ironWatts;
    double copperWatts;
    double copperGrams;
    double totalGrams;
    double efficiencyPercent;
    double inputWatts; // power drawn from the mains at full load

    std::span<const SecondaryDetails> secondaries() const { return {secondaryRows.data(), secondaryCount}; }
    double windowAreaCm2() const { return 0.75 * tongueCm * tongueCm; }
    double windowWidthCm() const { return 0.5 * tongueCm; }
    double windowHeightCm() const { return 1.5 * tongueCm; }
};

} // namespace coilwise
