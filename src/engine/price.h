#pragma once

#include "locale.h"

#include <cmath>
#include <optional>
#include <string_view>

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

// Where a price typed as text comes from; each has always read prices its own way.
enum class PriceSource {
    settingsFile, // an empty line is 0, and a negative price stays as it was written
    costsDialog,  // the text must begin with a digit
    commandLine,  // any number in the locale
};

// The price the text stands for in the locale, or none when it is no price from that source.
std::optional<double> readPrice(std::string_view text, const Locale& locale, PriceSource source);

} // namespace coilwise
