#pragma once

#include "material_tables.h"

namespace coilwise {

struct IronWeights {
    double eGrams;
    double iGrams;
};

IronWeights ironWeights(const Lamination& lamination, double stackCm);

// A flat 2.56 W per kg of laminations, whatever the flux density and frequency.
double ironWatts(double ironGrams);

struct Efficiency {
    double percent;
    double inputWatts;
};

Efficiency efficiency(double loadWatts, double ironWatts, double primaryCopperWatts,
                      double secondaryCopperWatts);

} // namespace coilwise
