#include "windings.h"

#include <cmath>

namespace coilwise {

double layerCount(double wireMm, double turns, double windowHeightCm) {
    return std::floor(1.1 * wireMm * turns / (10 * windowHeightCm - 6)) + 1;
}

double secondaryBuild(double wireMm, double layers) {
    return (1.1 * wireMm + 0.3) * layers / 10;
}

double primaryBuild(double wireMm, double layers) {
    return (1.1 * wireMm + 0.1) * layers / 10;
}

double copperGrams(double metres, double metresPerKg) {
    return metres * 1000 / metresPerKg;
}

double copperOhms(double metres, double wireMm) {
    return 0.022 * metres / (wireMm * wireMm);
}

SecondaryVoltages secondaryVoltages(double secondaryTurns, double primaryTurns, double primaryVolts,
                                    double primaryOhms, double secondaryOhms, double secondaryAmps) {
    const float ratio = static_cast<float>(secondaryTurns / primaryTurns);
    const double n = ratio;
    const double referredOhms = n * n * primaryOhms + secondaryOhms;
    const double unload = n * primaryVolts;
    return {unload, unload - referredOhms * secondaryAmps};
}

} // namespace coilwise
