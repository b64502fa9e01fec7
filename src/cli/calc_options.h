#pragma once

#include "default_design.h"
#include "engine/chosen_core.h"
#include "results/dc_secondary_option.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace coilwise {

enum class CalcOutput { sheet, json, jsonl };

// The options of --calc as given. The prices stay texts until the locale they are read in is known.
struct CalcOptions {
    DesignInput design = defaultDesign();
    std::optional<std::string> ironPrice;
    std::optional<std::string> copperPrice;
    std::string localeName; // empty for the system locale
    CalcOutput output = CalcOutput::sheet;
    std::vector<std::string> files;               // design files to calculate instead of the typed design
    std::vector<DcSecondaryOption> dcSecondaries; // rows of the typed design that feed a rectifier
    std::optional<ChosenCore> core; // --core: the core to design on instead of Calculate's choice
};

// The arguments after --calc, or a one-line reason why they are no valid use.
std::variant<CalcOptions, std::string> parseCalcOptions(std::span<const std::string> args);

} // namespace coilwise
