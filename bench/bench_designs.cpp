#include "bench_designs.h"

#include "results/json_writer.h"

namespace coilwise {

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

DesignRecord benchRecord(const BenchDesign& design) {
    DesignRecord record;
    record.frec = 50;
    record.tiserv = design.service;
    record.costofe = design.ironPrice;
    record.costocu = design.copperPrice;
    record.carga = true;
    return record;
}

DesignInput benchInput(const BenchDesign& design) {
    DesignInput typed;
    typed.primary = design.primary;
    for (std::size_t i = 0; i < design.secondaries.size(); ++i) {
        typed.volts[i] = design.secondaries[i].first;
        typed.amps[i] = design.secondaries[i].second;
    }
    typed.frequency = 50;
    typed.service = design.service;
    typed.ironPrice = design.ironPrice;
    typed.copperPrice = design.copperPrice;
    return typed;
}

void typeDesign(MemoryWindow& window, const BenchDesign& design) {
    window.setText({Field::labvpri}, design.primary);
    for (int row = 1; row <= rowCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        const bool used = i < design.secondaries.size();
        window.setText({Field::labvsec, row}, used ? design.secondaries[i].first : std::string());
        window.setText({Field::labisec, row}, used ? design.secondaries[i].second : std::string());
    }
    window.forgetObservations();
}

std::string jsonLinesInput(int lines) {
    const BenchDesign* designs[] = {&deeperStack, &endToEnd, &largestCore};
    std::string input;
    for (int i = 0; i < lines; ++i) {
        input += jsonLine(*designs[i % 3]);
    }
    return input;
}

} // namespace coilwise
