#pragma once

#include "calculation.h"
#include "chosen_core.h"
#include "construction_sheet.h"
#include "design_checks.h"
#include "memory_window.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace coilwise {

// One design on one core, held as a window in memory holds it: every field as Calculate would
// write it, and the working values its construction sheet comes from.
class CoreRun {
public:
    CoreRun(const WindowPort& typed, const DesignRecord& settings, const Locale& locale,
            const ChosenCore& core);
    CoreRun(const CoreRun&) = delete;
    CoreRun& operator=(const CoreRun&) = delete;

    const CoreOutcome& outcome() const { return outcome_; }
    const DesignRecord& record() const { return record_; }
    const MemoryWindow& window() const { return window_; }

private:
    DesignRecord record_;
    MemoryWindow window_;
    CoreOutcome outcome_;
};

struct Alternative {
    ChosenCore core{};
    std::string name;             // "EI 69 × 23"
    bool calculateChoice = false; // the core Calculate itself chooses for these inputs
    bool fits = false;            // the windings fit the window area
    double fillPercent = 0;       // of the window area: taken, or needed when they do not fit
    std::unique_ptr<CoreRun> run;
    // Of a design that fits:
    std::optional<ConstructionSheet> sheet;
    std::vector<Check> checks;
    bool radialFit = false; // the radial build also fits the window width
    double totalGrams = 0;
    double cost = 0; // iron and copper at the stored prices, copper by the weight shown
    double efficiencyPercent = 0;
    double worstNoLoadRisePercent = 0;
    double windingCelsius = 0;
    int warnings = 0;
};

struct AlternativesTable {
    // Calculate's own outcome on the inputs; on an input error the table is empty and the window
    // holds the message and the field at fault.
    Outcome calculateOutcome;
    std::unique_ptr<MemoryWindow> calculateWindow;
    std::unique_ptr<DesignRecord> calculateRecord;
    std::vector<Alternative> rows; // designs that fit first, each group in core order
};

// The stacks tried on every lamination of the table: a, 1.25 a, 1.5 a and 2 a, in whole mm.
std::vector<int> alternativeStacks(int tongueMm);

// Every lamination with those stacks, the core Calculate chooses when it is not among them, and
// the user's own cores, each designed on the inputs of the typed window with the settings of the
// record.
AlternativesTable alternatives(const WindowPort& typed, const DesignRecord& settings, const Locale& locale,
                               std::span<const ChosenCore> ownCores);

enum class AlternativeColumn { core, fit, weight, cost, efficiency, noLoadRise, temperature, warnings };

// Sorts by a column; designs that do not fit stay below those that do, in core order.
void sortAlternatives(std::vector<Alternative>& rows, AlternativeColumn column, bool ascending);

} // namespace coilwise
