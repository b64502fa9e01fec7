#include "bench_designs.h"
#include "cli/default_design.h"
#include "results/json_writer.h"
#include "results/jsonl_session.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace coilwise {
namespace {

void jsonLines(benchmark::State& state) {
    constexpr int lines = 1000;
    const std::string input = jsonLinesInput(lines);
    const FixedLocale locale = FixedLocale::point();
    const DesignInput defaults = defaultDesign();

    // The output buffer is reused, as the program's standard output buffer is, so that the figure
    // is not the string stream growing.
    std::string output;
    output.reserve(input.size() * 16);
    std::ostringstream err;
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out(std::move(output));
        if (runJsonLines(in, out, err, locale, defaults) != exitCalculated) {
            state.SkipWithError("a design line was not calculated");
            return;
        }
        output = std::move(out).str();
        benchmark::DoNotOptimize(output.data());
        output.clear();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

BENCHMARK(jsonLines)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
} // namespace coilwise
