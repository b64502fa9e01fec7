#include "bench_designs.h"
#include "engine/calculation.h"
#include "engine/memory_window.h"

#include <benchmark/benchmark.h>

namespace coilwise {
namespace {

void calculate(benchmark::State& state, const BenchDesign& design) {
    const FixedLocale locale = FixedLocale::point();
    DesignRecord record = benchRecord(design);
    MemoryWindow window(record, locale);

    typeDesign(window, design);
    if (Command1_Click(record, window, locale) != Outcome::ok ||
        window.text({Field::labchapa}) != design.tongueMm) {
        state.SkipWithError("the design no longer comes to the lamination it is meant to time");
        return;
    }
    for (auto _ : state) {
        typeDesign(window, design);
        benchmark::DoNotOptimize(Command1_Click(record, window, locale));
    }
}

BENCHMARK_CAPTURE(calculate, deeper_stack_19mm, deeperStack)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(calculate, end_to_end_23mm, endToEnd)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(calculate, five_secondaries_64mm, largestCore)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace coilwise
