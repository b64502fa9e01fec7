// Runs one piece of work a fixed number of times with callgrind counting only those runs, so that
// bench/instruction_counts.sh can print exact instructions per design on a busy machine too.
#include "bench_designs.h"
#include "cli/default_design.h"
#include "engine/alternatives.h"
#include "engine/calculation.h"
#include "qt_locale/qt_locale.h"
#include "results/jsonl_session.h"

#include <QLocale>
#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string_view>
#include <valgrind/callgrind.h>

namespace coilwise {
namespace {

// One unit of work; false when the design no longer comes to what it is meant to measure.
using Work = std::function<bool()>;

// As the window calculates again after an edit: the same window, its inputs typed anew.
Work calculate(const BenchDesign& design, const Locale& locale) {
    struct Window {
        Window(const BenchDesign& design, const Locale& locale)
            : record(benchRecord(design)), memory(record, locale) {}
        DesignRecord record;
        MemoryWindow memory;
    };
    auto window = std::make_shared<Window>(design, locale);
    return [&design, &locale, window] {
        typeDesign(window->memory, design);
        return Command1_Click(window->record, window->memory, locale) == Outcome::ok &&
               window->memory.text({Field::labchapa}) == design.tongueMm;
    };
}

Work alternativesOf(const BenchDesign& design, const Locale& locale) {
    return [&design, &locale] {
        const std::vector<ChosenCore> own{*chosenCore(25, 40), *chosenCore(70, 70)};
        return !alternatives(benchInput(design), locale, own).rows.empty();
    };
}

// A whole session counts once for each of its lines: see run().
bool jsonLines(const std::string& input, const Locale& locale) {
    // Room for every result up front, as on a terminal or in a file, so that the count is not the
    // string stream growing.
    std::string room;
    room.reserve(input.size() * 40);
    std::istringstream in(input);
    std::ostringstream out(std::move(room));
    std::ostringstream err;
    return runJsonLines(in, out, err, locale, defaultDesign()) == exitCalculated;
}

enum class Kind { calculate, jsonlLine, alternatives };
enum class Conventions { fixed, enUs };

struct Workload {
    std::string_view name;
    Kind kind;
    Conventions conventions;
    const BenchDesign* design;
    int times;
};

const Workload workloads[] = {
    {"calculate/fixed-locale/deeper_stack_19mm", Kind::calculate, Conventions::fixed, &deeperStack, 200},
    {"calculate/fixed-locale/end_to_end_23mm", Kind::calculate, Conventions::fixed, &endToEnd, 200},
    {"calculate/fixed-locale/five_secondaries_64mm", Kind::calculate, Conventions::fixed, &largestCore, 100},
    {"calculate/en_US/deeper_stack_19mm", Kind::calculate, Conventions::enUs, &deeperStack, 200},
    {"calculate/en_US/end_to_end_23mm", Kind::calculate, Conventions::enUs, &endToEnd, 200},
    {"calculate/en_US/five_secondaries_64mm", Kind::calculate, Conventions::enUs, &largestCore, 100},
    {"jsonl-line/fixed-locale/deeper_stack_19mm", Kind::jsonlLine, Conventions::fixed, &deeperStack, 200},
    {"jsonl-line/fixed-locale/end_to_end_23mm", Kind::jsonlLine, Conventions::fixed, &endToEnd, 200},
    {"jsonl-line/fixed-locale/five_secondaries_64mm", Kind::jsonlLine, Conventions::fixed, &largestCore, 100},
    {"jsonl-line/en_US/end_to_end_23mm", Kind::jsonlLine, Conventions::enUs, &endToEnd, 200},
    {"alternatives/fixed-locale/five_secondaries_64mm", Kind::alternatives, Conventions::fixed, &largestCore,
     10},
};

bool run(const Workload& workload) {
    const FixedLocale fixed = FixedLocale::point();
    const QtLocale program(QLocale(QLocale::English, QLocale::UnitedStates));
    const Locale& locale =
        workload.conventions == Conventions::fixed ? static_cast<const Locale&>(fixed) : program;

    if (workload.kind == Kind::jsonlLine) {
        // The lines are read in one session, as --jsonl reads them; a short session first warms up.
        const std::string line = jsonLine(*workload.design);
        std::string input;
        for (int i = 0; i < workload.times; ++i) {
            input += line;
        }
        if (!jsonLines(line, locale)) {
            return false;
        }
        CALLGRIND_TOGGLE_COLLECT;
        const bool ok = jsonLines(input, locale);
        CALLGRIND_TOGGLE_COLLECT;
        return ok;
    }
    const Work work = workload.kind == Kind::calculate ? calculate(*workload.design, locale)
                                                       : alternativesOf(*workload.design, locale);
    // Once before counting: the first run sets up what every later one reuses.
    if (!work()) {
        return false;
    }
    bool ok = true;
    CALLGRIND_TOGGLE_COLLECT;
    for (int i = 0; i < workload.times; ++i) {
        ok = work() && ok;
    }
    CALLGRIND_TOGGLE_COLLECT;
    return ok;
}

} // namespace
} // namespace coilwise

int main(int argc, char** argv) {
    using coilwise::workloads;
    if (argc == 2 && std::string_view(argv[1]) == "--list") {
        for (const auto& workload : workloads) {
            std::printf("%.*s %d\n", static_cast<int>(workload.name.size()), workload.name.data(),
                        workload.times);
        }
        return 0;
    }
    for (const auto& workload : workloads) {
        if (argc == 2 && workload.name == argv[1]) {
            if (coilwise::run(workload)) {
                return 0;
            }
            std::fprintf(stderr, "%s: the work no longer comes to the design it is meant to measure\n",
                         argv[1]);
            return 1;
        }
    }
    std::fprintf(stderr, "usage: %s --list | WORKLOAD\n", argv[0]);
    return 2;
}
