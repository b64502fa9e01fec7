#include "chosen_core.h"

#include "assumptions.h"

#include <algorithm>
#include <cmath>

namespace coilwise {

Lamination scraplessLamination(int tongueMm) {
    const double a = tongueMm / 10.0;
    return {static_cast<double>(tongueMm), 4.5 * a * a * assumed::steelGramsPerCm3,
            1.5 * a * a * assumed::steelGramsPerCm3};
}

std::optional<ChosenCore> chosenCore(int tongueMm, int stackMm) {
    if (tongueMm < smallestCustomTongueMm || tongueMm > largestCustomTongueMm || 2 * stackMm < tongueMm ||
        stackMm > 3 * tongueMm) {
        return std::nullopt;
    }
    const auto row = std::find_if(laminations.begin(), laminations.end(),
                                  [&](const Lamination& l) { return l.tongueMm == tongueMm; });
    if (row != laminations.end()) {
        return ChosenCore{*row, stackMm, false};
    }
    return ChosenCore{scraplessLamination(tongueMm), stackMm, true};
}

std::string coreName(const ChosenCore& core) {
    return "EI " + std::to_string(3 * static_cast<int>(std::lround(core.lamination.tongueMm))) +
           " \xc3\x97 " + std::to_string(core.stackMm);
}

} // namespace coilwise
