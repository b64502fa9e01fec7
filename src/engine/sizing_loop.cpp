#include "sizing_loop.h"

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

} // namespace

std::optional<DesignDetails> sizeCore(const SizingInput& input, const Wire& primaryWire, double& ironGrams) {
    double allowance = 0; // never reset: it carries over to larger cores
    for (const Lamination& lamination : laminations) {
        const double a = lamination.tongueMm / 10;
        double b = a;
        for (;;) {
            std::variant<DesignDetails, WindowOverflow> sized =
                sizeOnCore(input, primaryWire, {lamination, b}, allowance, ironGrams);
            if (DesignDetails* design = std::get_if<DesignDetails>(&sized)) {
                return *design;
            }
            const std::optional<double> deeper = deeperStack(a, b);
            if (!deeper) {
                break;
            }
            b = *deeper;
        }
    }
    return std::nullopt;
}

} // namespace coilwise
