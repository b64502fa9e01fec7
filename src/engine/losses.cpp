#include "losses.h"

namespace coilwise {

IronWeights ironWeights(const Lamination& lamination, double stackCm) {
    return {lamination.eGramsPerCm * stackCm, lamination.iGramsPerCm * stackCm};
}

double ironWatts(double ironGrams) {
    return ironGrams * 0.00256;
}

Efficiency efficiency(double loadWatts, double ironWatts, double primaryCopperWatts,
                      double secondaryCopperWatts) {
    const double losses = ironWatts + primaryCopperWatts + secondaryCopperWatts;
    const double percent = loadWatts * 100 / (losses + loadWatts);
    return {percent, loadWatts * 100 / percent};
}

} // namespace coilwise
