#pragma once

#include "engine/design_input.h"
#include "engine/design_record.h"
#include "engine/memory_window.h"

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

// The settings of a window whose load has finished, at 50 Hz.
DesignRecord benchRecord(const BenchDesign& design);

// Puts back the texts a person typed, since a run rewrites them in display form.
void typeDesign(MemoryWindow& window, const BenchDesign& design);

// The design as typed, with its settings: what the alternatives start from.
DesignInput benchInput(const BenchDesign& design);

// The design as one line of --jsonl input.
std::string jsonLine(const BenchDesign& design);

// --jsonl input of `lines` lines, the three designs above in turn.
std::string jsonLinesInput(int lines);

} // namespace coilwise
