#include "bench_designs.h"
#include "engine/calculation.h"
#include "engine/memory_window.h"

#include <benchmark/benchmark.h>

namespace coilwise {
namespace {

// Puts back the texts a person typed, since a run rewrites them in display form.
void type(MemoryWindow& window, const BenchDesign& design) {
    window.setText({Field::labvpri}, design.primary);
    for (int row = 1; row <= rowCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        const bool used = i < design.secondaries.size();
        window.setText({Field::labvsec, row}, used ? design.secondaries[i].first : std::string());
        window.setText({Field::labisec, row}, used ? design.secondaries[i].second : std::string());
    }
    window.forgetObservations();
}

void calculate(benchmark::State& state, const BenchDesign& design) {
    const FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    record.frec = 50;
    record.tiserv = design.service;
    record.costofe = design.ironPrice;
    record.costocu = design.copperPrice;
    record.carga = true;
    MemoryWindow window(record, locale);

    type(window, design);
    if (Command1_Click(record, window, locale) != Outcome::ok ||
        window.text({Field::labchapa}) != design.tongueMm) {
        state.SkipWithError("the design no longer comes to the lamination it is meant to time");
        return;
    }
    for (auto _ : state) {
        type(window, design);
        benchmark::DoNotOptimize(Command1_Click(record, window, locale));
    }
}

BENCHMARK_CAPTURE(calculate, deeper_stack_19mm, deeperStack)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(calculate, end_to_end_23mm, endToEnd)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(calculate, five_secondaries_64mm, largestCore)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace coilwise
