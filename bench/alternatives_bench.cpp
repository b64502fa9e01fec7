#include "bench_designs.h"
#include "engine/alternatives.h"

#include <benchmark/benchmark.h>

namespace coilwise {
namespace {

// The whole table for a design of five secondaries, as the window recomputes it after a change.
void alternativesTable(benchmark::State& state) {
    const FixedLocale locale = FixedLocale::point();
    const DesignInput typed = benchInput(largestCore);
    const std::vector<ChosenCore> own{*chosenCore(25, 40), *chosenCore(70, 70)};
    for (auto _ : state) {
        const AlternativesTable table = alternatives(typed, locale, own);
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
