#include "bench_designs.h"
#include "cli/default_design.h"
#include "results/json_writer.h"
#include "results/jsonl_session.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace coilwise {
namespace {

std::string jsonLine(const BenchDesign& design) {
    std::string volts;
    std::string amps;
    for (const auto& [v, a] : design.secondaries) {
        volts += volts.empty() ? "" : ", ";
        amps += amps.empty() ? "" : ", ";
        appendJsonString(volts, v);
        appendJsonString(amps, a);
    }
    std::string line = R"({"labvpri": )";
    appendJsonString(line, design.primary);
    return line + R"(, "labvsec": [)" + volts + R"(], "labisec": [)" + amps + R"(], "frec": 50, "tiserv": )" +
           std::to_string(design.service) + R"(, "costofe": )" + std::to_string(design.ironPrice) +
           R"(, "costocu": )" + std::to_string(design.copperPrice) + "}\n";
}

void jsonLines(benchmark::State& state) {
    constexpr int lines = 1000;
    const BenchDesign* designs[] = {&deeperStack, &endToEnd, &largestCore};
    std::string input;
    for (int i = 0; i < lines; ++i) {
        input += jsonLine(*designs[i % 3]);
    }
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
