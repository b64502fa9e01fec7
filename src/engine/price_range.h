#pragma once

#include <cmath>

namespace coilwise {

// The largest price per kilogram taken from any source. Far above any real price, it keeps every
// cost a plain number with its decimals: a transformer's iron and copper at this price cost some
// 1e13 at most, which a double holds to the cent; costs near the top of the double's range would
// print as hundreds of digits or as "inf".
inline constexpr double maxPricePerKg = 1e9;

// A price the calculation can work with: finite, not negative and not above maxPricePerKg.
inline bool isPriceInRange(double price) {
    return std::isfinite(price) && price >= 0 && price <= maxPricePerKg;
}

} // namespace coilwise
