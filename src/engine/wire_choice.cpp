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

std::optional<Wire> chooseWireOrStrands(double amps, double ampsPerMm2) {
    if (const std::optional<Wire> single = chooseWire(amps, ampsPerMm2)) {
        return single;
    }
    for (int strands = 2; strands <= mostStrands; ++strands) {
        for (const Wire& wire : wires) {
            const double section = 3.14159 * wire.diameterMm * wire.diameterMm / 4;
            if (strands * section * ampsPerMm2 >= amps) {
                return Wire{wire.diameterMm, wire.metresPerKg / strands, wire.turnsPerCm2 / strands, strands};
            }
        }
    }
    return std::nullopt;
}

} // namespace coilwise
