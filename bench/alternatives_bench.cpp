#include "bench_designs.h"
#include "engine/alternatives.h"

#include <benchmark/benchmark.h>

namespace coilwise {
namespace {

// The whole table for a design of five secondaries, as the window recomputes it after a change.
void alternativesTable(benchmark::State& state) {
    const FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    record.frec = 50;
    record.tiserv = largestCore.service;
    record.costofe = largestCore.ironPrice;
    record.costocu = largestCore.copperPrice;
    MemoryWindow typed(record, locale);
    typed.setText({Field::labvpri}, largestCore.primary);
    for (std::size_t i = 0; i < largestCore.secondaries.size(); ++i) {
        typed.setText({Field::labvsec, static_cast<int>(i) + 1}, largestCore.secondaries[i].first);
        typed.setText({Field::labisec, static_cast<int>(i) + 1}, largestCore.secondaries[i].second);
    }
    const std::vector<ChosenCore> own{*chosenCore(25, 40), *chosenCore(70, 70)};
    for (auto _ : state) {
        const AlternativesTable table = alternatives(typed, record, locale, own);
        if (table.rows.empty()) {
            state.SkipWithError("the design gave no alternatives");
            return;
        }
        benchmark::DoNotOptimize(table.rows.data());
    }
}

BENCHMARK(alternativesTable)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace coilwise
