#pragma once

#include "chosen_core.h"
#include "design.h"
#include "design_input.h"
#include "design_run.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace coilwise {

struct Alternative {
    ChosenCore core{};
    std::string name;             // "EI 69 × 23"
    bool calculateChoice = false; // the core Calculate itself chooses for these inputs
    std::optional<Design> design; // when the windings fit the window area
    DesignStop stop = DesignStop::doesNotFit;
    // Of the window area: taken, or needed when the windings do not fit; none when no wire, even
    // stranded, can carry a winding's current.
    std::optional<double> fillPercent;
    // Of a design that fits, for the table and its sorting:
    bool radialFit = false; // the radial build also fits the window width
    double totalGrams = 0;
    double cost = 0; // iron and copper at the stored prices, copper by the weight shown
    double efficiencyPercent = 0;
    double worstNoLoadRisePercent = 0;
    double windingCelsius = 0;
    int warnings = 0;

    bool fits() const { return design.has_value(); }
};

struct AlternativesTable {
    // Calculate's own run on the inputs; on an input error or with no secondary in use the table
    // is empty and the run holds the message and the field at fault.
    std::unique_ptr<DesignRun> calculate;
    std::vector<Alternative> rows; // designs that fit first, each group in core order

    Outcome calculateOutcome() const { return calculate->outcome(); }
};

// The stacks tried on every lamination of the table: a, 1.25 a, 1.5 a and 2 a, in whole mm.
std::vector<int> alternativeStacks(int tongueMm);

// Every lamination with those stacks, the core Calculate chooses when it is not among them, and
// the user's own cores, each designed on the typed inputs. Calculate's row is Calculate's own
// design, the regulation allowance it carried from the smaller cores included.
AlternativesTable alternatives(const DesignInput& input, const Locale& locale,
                               std::span<const ChosenCore> ownCores);

// "needs more than 8 strands of 2.5 mm", or how much of the window the windings need.
std::string alternativeRefusal(const Alternative& row, const Locale& locale);

// The window of a row as Calculate on that core would leave it: the inputs as Calculate's run
// shows them, then the row's results, or its stop message.
void showAlternative(const Alternative& row, const DesignRun& calculate, MemoryWindow& window);

enum class AlternativeColumn { core, fit, weight, cost, efficiency, noLoadRise, temperature, warnings };

// Sorts by a column; designs that do not fit stay below those that do, in core order.
void sortAlternatives(std::vector<Alternative>& rows, AlternativeColumn column, bool ascending);

} // namespace coilwise
