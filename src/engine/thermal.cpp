#include "thermal.h"

#include "assumptions.h"

#include <array>
#include <cmath>
#include <utility>

namespace coilwise {

WindingTemperature windingTemperature(double lossWatts, double windowAreaCm2, double tongueCm,
                                      double stackCm) {
    const double areaProduct = windowAreaCm2 * tongueCm * stackCm;
    const double surface = 41.3 * std::sqrt(areaProduct);
    const double rise = 450 * std::pow(lossWatts / surface, 0.826);
    return {rise, assumed::ambientCelsius + rise};
}

std::string_view insulationClass(double celsius) {
    static constexpr std::array<std::pair<double, std::string_view>, 5> classes{
        {{105, "A"}, {120, "E"}, {130, "B"}, {155, "F"}, {180, "H"}}};
    for (const auto& [limit, name] : classes) {
        if (celsius <= limit) {
            return name;
        }
    }
    return "above H";
}

} // namespace coilwise
