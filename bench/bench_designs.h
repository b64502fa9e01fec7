#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace coilwise {

// Designs the benchmarks time, with the lamination each must come to.
struct BenchDesign {
    std::string primary;
    std::vector<std::pair<std::string, std::string>> secondaries; // volts, amps
    std::int16_t service;
    double ironPrice;
    double copperPrice;
    std::string tongueMm;
};

inline const BenchDesign deeperStack{"110", {{"6", "1.5"}}, 1, 0, 0, "19"};
inline const BenchDesign endToEnd{"220", {{"12", "1"}}, 1, 2.5, 12, "23"};
// Five large windings: the sizing loop climbs through every lamination up to the largest.
inline const BenchDesign largestCore{
    "220", {{"48", "3"}, {"48", "3"}, {"24", "3"}, {"12", "3"}, {"6", "3"}}, 1, 2.5, 12, "64"};

} // namespace coilwise
