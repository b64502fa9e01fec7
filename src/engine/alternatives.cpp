#include "alternatives.h"

#include "display_mask.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace coilwise {

namespace {

DesignRecord settingsOf(const DesignRecord& settings) {
    DesignRecord record;
    record.frec = settings.frec;
    record.tiserv = settings.tiserv;
    record.costofe = settings.costofe;
    record.costocu = settings.costocu;
    record.carga = true;
    return record;
}

void copyInputs(const WindowPort& from, MemoryWindow& to) {
    to.setText({Field::labvpri}, from.text({Field::labvpri}));
    for (int row = 1; row <= rowCount; ++row) {
        to.setText({Field::labvsec, row}, from.text({Field::labvsec, row}));
        to.setText({Field::labisec, row}, from.text({Field::labisec, row}));
    }
    to.forgetObservations();
}

bool sameCore(const ChosenCore& x, const ChosenCore& y) {
    return x.lamination.tongueMm == y.lamination.tongueMm && x.stackMm == y.stackMm && x.custom == y.custom;
}

Alternative alternativeOn(const WindowPort& typed, const DesignRecord& settings, const Locale& locale,
                          const ChosenCore& core, const std::optional<ChosenCore>& calculateCore) {
    Alternative row;
    row.core = core;
    row.name = coreName(core);
    row.calculateChoice = calculateCore && sameCore(*calculateCore, core);
    row.run = std::make_unique<CoreRun>(typed, settings, locale, core);
    const CoreRun& run = *row.run;
    if (run.outcome().windowFillNeededPercent) {
        row.fillPercent = *run.outcome().windowFillNeededPercent;
        return row;
    }
    if (!run.record().details) {
        return row;
    }
    const DesignDetails& design = *run.record().details;
    row.fits = true;
    row.sheet = constructionSheet(design);
    row.checks = designChecks(design, *row.sheet, locale);
    row.fillPercent = row.sheet->core.windowFillPercent;
    row.radialFit = row.sheet->core.radialBuildMm <= row.sheet->core.radialSpaceMm;
    row.totalGrams = design.totalGrams;
    // As Calculate charges them: copper by the weight shown in whole grams.
    row.cost = (design.eGrams + design.iGrams) * settings.costofe / 1000 +
               roundHalfAway(design.copperGrams, 0) * settings.costocu / 1000;
    row.efficiencyPercent = design.efficiencyPercent;
    for (const WindingSheet& w : row.sheet->windings) {
        row.worstNoLoadRisePercent = std::max(row.worstNoLoadRisePercent, w.noLoadRisePercent.value_or(0));
    }
    row.windingCelsius = row.sheet->thermal.windingTemperatureC;
    row.warnings = static_cast<int>(std::count_if(row.checks.begin(), row.checks.end(), [](const Check& c) {
        return c.status == CheckStatus::warning;
    }));
    return row;
}

bool coreOrder(const Alternative& x, const Alternative& y) {
    return std::tuple(x.core.custom, x.core.lamination.tongueMm, x.core.stackMm) <
           std::tuple(y.core.custom, y.core.lamination.tongueMm, y.core.stackMm);
}

} // namespace

CoreRun::CoreRun(const WindowPort& typed, const DesignRecord& settings, const Locale& locale,
                 const ChosenCore& core)
    : record_(settingsOf(settings)), window_(record_, locale),
      outcome_((copyInputs(typed, window_), calculateOnCore(record_, window_, locale, core))) {}

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

AlternativesTable alternatives(const WindowPort& typed, const DesignRecord& settings, const Locale& locale,
                               std::span<const ChosenCore> ownCores) {
    AlternativesTable table;
    table.calculateRecord = std::make_unique<DesignRecord>(settingsOf(settings));
    table.calculateWindow = std::make_unique<MemoryWindow>(*table.calculateRecord, locale);
    copyInputs(typed, *table.calculateWindow);
    table.calculateOutcome = Command1_Click(*table.calculateRecord, *table.calculateWindow, locale);
    if (table.calculateOutcome == Outcome::inputError || table.calculateOutcome == Outcome::cleared) {
        return table;
    }
    std::optional<ChosenCore> calculateCore;
    if (const std::optional<DesignDetails>& design = table.calculateRecord->details) {
        calculateCore = chosenCore(static_cast<int>(std::lround(10 * design->tongueCm)),
                                   static_cast<int>(std::lround(10 * design->stackCm)));
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
        table.rows.push_back(alternativeOn(typed, settings, locale, core, calculateCore));
    }
    std::stable_sort(table.rows.begin(), table.rows.end(), coreOrder);
    std::stable_partition(table.rows.begin(), table.rows.end(), [](const Alternative& a) { return a.fits; });
    return table;
}

void sortAlternatives(std::vector<Alternative>& rows, AlternativeColumn column, bool ascending) {
    const auto key = [column](const Alternative& a) -> double {
        switch (column) {
        case AlternativeColumn::core:
            return 0;
        case AlternativeColumn::fit:
            return a.fillPercent;
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
        std::stable_partition(rows.begin(), rows.end(), [](const Alternative& a) { return a.fits; });
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
