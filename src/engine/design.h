#pragma once

#include "chosen_core.h"
#include "construction_sheet.h"
#include "design_checks.h"
#include "design_details.h"
#include "locale.h"
#include "window_port.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace coilwise {

struct SecondaryLoad {
    double volts = 0; // under full load
    double amps = 0;
};

// What a transformer is designed from: the figures of the inputs once they were checked, the
// settings, and the core when the user names one.
struct DesignRequest {
    double primaryVolts = 0;
    std::array<SecondaryLoad, rowCount> rows{};
    std::size_t rowsInUse = 0;      // 1 to rowCount, from the first row down
    std::int16_t frequency = 0;     // Hz, 50 or 60
    std::int16_t service = 0;       // 1 continuous, 2 discontinuous, 3 random
    double ironPrice = 0;           // per kg
    double copperPrice = 0;         // per kg
    std::optional<ChosenCore> core; // none: the smallest core the windings fit

    std::span<const SecondaryLoad> secondaries() const { return {rows.data(), rowsInUse}; }
};

struct DesignCosts {
    double iron;   // the iron weight at the iron price
    double copper; // the copper weight in whole grams, as the window shows it, at the copper price
    double total;  // the two amounts as the currency shows them, added, so the sheet adds up
};

// One calculated transformer, the single value every view reads: the main window's result fields
// are its figures through their display masks; the construction sheet and the checks are computed
// with it, once.
struct Design {
    DesignRequest request;
    DesignDetails details;
    DesignCosts costs;
    ConstructionSheet sheet;
    std::vector<Check> checks;
};

enum class DesignStop {
    badSettings, // a service or frequency outside its choices
    noWire,      // a winding needs more than the thickest wire (on a chosen core, more strands of it)
    noCore,      // the windings do not fit even the largest lamination
    doesNotFit,  // the windings do not fit the chosen core
};

struct DesignAttempt {
    std::optional<Design> design;
    DesignStop stop = DesignStop::noCore; // why there is no design
    double windowFillNeededPercent = 0;   // with doesNotFit
    std::optional<double> ironGrams;      // iron of the last core the windings fitted in, as sizing went
};

// Designs the transformer: the wires, the core (the chosen one, or the smallest that holds the
// windings, the regulation allowance carried from core to core), every figure, the costs, the
// construction sheet and the checks (their sentences in the locale's number form).
DesignAttempt designTransformer(const DesignRequest& request, const Locale& locale);

// The wire a winding of that current gets on the request's kind of core.
std::optional<Wire> windingWire(double amps, double ampsPerMm2, bool chosenCore);

} // namespace coilwise
