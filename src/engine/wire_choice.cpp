#include "wire_choice.h"

#include <cmath>

namespace coilwise {

std::optional<Wire> chooseWire(double amps, double ampsPerMm2) {
    double d = 2 * std::sqrt(amps / (3.14159 * ampsPerMm2));
    if (d < wires.front().diameterMm) {
        d = wires.front().diameterMm;
    }
    for (std::size_t j = 0; j + 1 < wires.size(); ++j) {
        if (wires[j].diameterMm < d && d < wires[j + 1].diameterMm) {
            return wires[j];
        }
    }
    for (const Wire& wire : wires) {
        if (d == wire.diameterMm) {
            return wire;
        }
    }
    return std::nullopt;
}

} // namespace coilwise
