#pragma once

#include <string_view>

namespace coilwise {

// Temperature of the windings at full load by the surface method for E-I transformers
// (McLyman, Transformer and Inductor Design Handbook): the area product Ap = window area × core
// section (cm⁴) gives the exposed surface At = 41.3 × √Ap (cm²); the losses spread over it,
// ψ = W / At (W/cm²), raise the windings by 450 × ψ^0.826 K over a 40 °C ambient.
struct WindingTemperature {
    double riseKelvin;
    double celsius; // 40 °C ambient plus the rise
};

WindingTemperature windingTemperature(double lossWatts, double windowAreaCm2, double tongueCm,
                                      double stackCm);

// The lowest insulation class whose limit holds the temperature: "A" 105, "E" 120, "B" 130,
// "F" 155, "H" 180 °C; "above H" past 180 °C.
std::string_view insulationClass(double celsius);

} // namespace coilwise
