#include "alternatives.h"

#include "design_fields.h"
#include "display_mask.h"
#include "wire_choice.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace coilwise {

namespace {

bool sameCore(const ChosenCore& x, const ChosenCore& y) {
    return x.lamination.tongueMm == y.lamination.tongueMm && x.stackMm == y.stackMm && x.custom == y.custom;
}

// The figures the table shows and sorts by.
void summarise(Alternative& row) {
    const Design& design = *row.design;
    const ConstructionSheet& sheet = design.sheet;
    row.fillPercent = sheet.core.windowFillPercent;
    row.radialFit = sheet.core.radialBuildMm <= sheet.core.radialSpaceMm;
    row.totalGrams = design.details.totalGrams;
    row.cost = design.costs.iron + design.costs.copper;
    row.efficiencyPercent = design.details.efficiencyPercent;
    for (const WindingSheet& w : sheet.windings) {
        row.worstNoLoadRisePercent = std::max(row.worstNoLoadRisePercent, w.noLoadRisePercent.value_or(0));
    }
    row.windingCelsius = sheet.thermal.windingTemperatureC;
    row.warnings =
        static_cast<int>(std::count_if(design.checks.begin(), design.checks.end(),
                                       [](const Check& c) { return c.status == CheckStatus::warning; }));
}

Alternative alternativeOn(const ChosenCore& core, const DesignRequest& inputs, const Design* calculated,
                          const std::optional<ChosenCore>& calculateCore, const Locale& locale) {
    Alternative row;
    row.core = core;
    row.name = coreName(core);
    row.calculateChoice = calculateCore && sameCore(*calculateCore, core);
    if (row.calculateChoice) {
        row.design = *calculated;
    } else {
        DesignRequest request = inputs;
        request.core = core;
        DesignAttempt attempt = designTransformer(request, locale);
        row.design = std::move(attempt.design);
        row.stop = attempt.stop;
        if (attempt.stop == DesignStop::doesNotFit) {
            row.fillPercent = attempt.windowFillNeededPercent;
        }
    }
    if (row.design) {
        summarise(row);
    }
    return row;
}

bool coreOrder(const Alternative& x, const Alternative& y) {
    return std::tuple(x.core.custom, x.core.lamination.tongueMm, x.core.stackMm) <
           std::tuple(y.core.custom, y.core.lamination.tongueMm, y.core.stackMm);
}

} // namespace

std::vector<int> alternativeStacks(int tongueMm) {
    std::vector<int> stacks;
    for (const double factor : {1.0, 1.25, 1.5, 2.0}) {
        const auto stack = static_cast<int>(std::lround(factor * tongueMm));
        if (std::find(stacks.begin(), stacks.end(), stack) == stacks.end()) {
            stacks.push_back(stack);
        }
    }
    return stacks;
}

AlternativesTable alternatives(const DesignInput& input, const Locale& locale,
                               std::span<const ChosenCore> ownCores) {
    AlternativesTable table;
    table.calculate = std::make_unique<DesignRun>(input, locale);
    const std::optional<DesignRequest>& request = table.calculate->record().request;
    if (!request) {
        return table;
    }
    const Design* calculated = table.calculate->design();
    std::optional<ChosenCore> calculateCore;
    if (calculated != nullptr) {
        calculateCore = chosenCore(static_cast<int>(std::lround(10 * calculated->details.tongueCm)),
                                   static_cast<int>(std::lround(10 * calculated->details.stackCm)));
    }

    std::vector<ChosenCore> cores;
    for (const Lamination& lamination : laminations) {
        const auto tongue = static_cast<int>(lamination.tongueMm);
        for (const int stack : alternativeStacks(tongue)) {
            cores.push_back(*chosenCore(tongue, stack));
        }
    }
    const auto listed = [&](const ChosenCore& core) {
        return std::any_of(cores.begin(), cores.end(),
                           [&](const ChosenCore& c) { return sameCore(c, core); });
    };
    if (calculateCore && !listed(*calculateCore)) {
        cores.push_back(*calculateCore);
    }
    for (const ChosenCore& own : ownCores) {
        if (!listed(own)) {
            cores.push_back(own);
        }
    }

    table.rows.reserve(cores.size());
    for (const ChosenCore& core : cores) {
        table.rows.push_back(alternativeOn(core, *request, calculated, calculateCore, locale));
    }
    std::stable_sort(table.rows.begin(), table.rows.end(), coreOrder);
    std::stable_partition(table.rows.begin(), table.rows.end(),
                          [](const Alternative& a) { return a.fits(); });
    return table;
}

std::string alternativeRefusal(const Alternative& row, const Locale& locale) {
    if (!row.fillPercent) {
        return "needs more than " + std::to_string(mostStrands) + " strands of " +
               formatGeneral(wires.back().diameterMm, locale) + " mm";
    }
    return "needs " + formatMask(*row.fillPercent, "##0.0", locale) + " %";
}

void showAlternative(const Alternative& row, const DesignRun& calculate, MemoryWindow& window) {
    const MemoryWindow& typed = calculate.window();
    window.setText({Field::labvpri}, typed.text({Field::labvpri}));
    for (int i = 1; i <= rowCount; ++i) {
        window.setText({Field::labvsec, i}, typed.text({Field::labvsec, i}));
        window.setText({Field::labisec, i}, typed.text({Field::labisec, i}));
    }
    if (const std::optional<FieldRef> focus = typed.focus()) {
        window.setFocus(*focus);
    }
    if (row.design) {
        writeDesignFields(*row.design, window, window.locale());
        return;
    }
    const RunStop stop = designStopFor(row.stop, row.fillPercent.value_or(0), window.locale());
    window.beep();
    window.showCritical(stop.message);
}

void sortAlternatives(std::vector<Alternative>& rows, AlternativeColumn column, bool ascending) {
    const auto key = [column](const Alternative& a) -> double {
        switch (column) {
        case AlternativeColumn::core:
            return 0;
        case AlternativeColumn::fit:
            return a.fillPercent.value_or(0);
        case AlternativeColumn::weight:
            return a.totalGrams;
        case AlternativeColumn::cost:
            return a.cost;
        case AlternativeColumn::efficiency:
            return a.efficiencyPercent;
        case AlternativeColumn::noLoadRise:
            return a.worstNoLoadRisePercent;
        case AlternativeColumn::temperature:
            return a.windingCelsius;
        case AlternativeColumn::warnings:
            return a.warnings;
        }
        return 0;
    };
    std::stable_sort(rows.begin(), rows.end(), coreOrder);
    const auto firstNotFitting =
        std::stable_partition(rows.begin(), rows.end(), [](const Alternative& a) { return a.fits(); });
    const auto compare = [&](const Alternative& x, const Alternative& y) {
        if (column == AlternativeColumn::core) {
            return ascending ? coreOrder(x, y) : coreOrder(y, x);
        }
        return ascending ? key(x) < key(y) : key(y) < key(x);
    };
    std::stable_sort(rows.begin(), firstNotFitting, compare);
    if (column == AlternativeColumn::core && !ascending) {
        std::stable_sort(firstNotFitting, rows.end(), compare);
    }
}

} // namespace coilwise
