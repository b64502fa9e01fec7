#pragma once

namespace coilwise {

// Rules for one winding. Wire diameters in mm, core and builds in cm, wire lengths in metres,
// weights in grams, resistances in ohms.

// Layers of N turns of wire d in a window h cm high, 3 mm kept free at each end.
double layerCount(double wireMm, double turns, double windowHeightCm);

// Radial build: the secondaries carry 0.3 mm of insulation per layer, the primary 0.1 mm.
double secondaryBuild(double wireMm, double layers);
double primaryBuild(double wireMm, double layers);

double copperGrams(double metres, double metresPerKg);
double copperOhms(double metres, double wireMm);

struct SecondaryVoltages {
    double unload; // shown as the no-load voltage
    double loaded;
};

// The secondary's voltage without load and under its nominal current, with the primary's
// resistance referred to it through the turns ratio (held in single precision).
SecondaryVoltages secondaryVoltages(double secondaryTurns, double primaryTurns, double primaryVolts,
                                    double primaryOhms, double secondaryOhms, double secondaryAmps);

} // namespace coilwise
