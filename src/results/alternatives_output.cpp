#include "alternatives_output.h"

#include "engine/display_mask.h"
#include "json_writer.h"
#include "result_json.h"

#include <ostream>

namespace coilwise {

namespace {

void appendBool(std::string& out, std::string_view key, bool value) {
    out += ", ";
    appendJsonKey(out, key);
    out += value ? "true" : "false";
}

// Pads a cell to a width counted in characters, so that "×" takes one place.
std::string cell(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return text + std::string(width > characters ? width - characters : 1, ' ');
}

} // namespace

void writeAlternativesText(std::ostream& out, const AlternativesTable& table, const Locale& locale) {
    const auto fixed = [&](double value, DisplayMask mask) {
        return formatMask(value, mask, locale);
    };
    out << cell("Core", 14) << cell("Fits", 6) << cell("Fill %", 8) << cell("Weight g", 10)
        << cell("Cost", 12) << cell("Eff. %", 8) << cell("Rise %", 8) << cell("Winding °C", 12)
        << "Warnings\n";
    for (const Alternative& row : table.rows) {
        out << cell(row.name + (row.calculateChoice ? " *" : ""), 14);
        if (!row.fits()) {
            out << cell("no", 6)
                << (row.fillPercent ? fixed(*row.fillPercent, "##0.0") : alternativeRefusal(row, locale))
                << '\n';
            continue;
        }
        out << cell(row.radialFit ? "yes" : "area", 6) << cell(fixed(row.fillPercent.value_or(0), "##0.0"), 8)
            << cell(fixed(row.totalGrams, "######"), 10) << cell(locale.formatCurrency(row.cost), 12)
            << cell(fixed(row.efficiencyPercent, "##0"), 8)
            << cell(fixed(row.worstNoLoadRisePercent, "##0.0"), 8)
            << cell(fixed(row.windingCelsius, "##0"), 12) << row.warnings << '\n';
    }
    out << "* the core Calculate chooses; \"area\": the windings fit the window area but not its width\n";
}

void appendAlternativeJson(std::string& out, const Alternative& row, const DesignRun& calculate) {
    out += R"({"core": )";
    appendJsonString(out, row.name);
    appendJsonMember(out, "tongue_mm", row.core.lamination.tongueMm);
    appendJsonMember(out, "stack_mm", row.core.stackMm);
    appendBool(out, "custom", row.core.custom);
    appendBool(out, "calculate_choice", row.calculateChoice);
    appendBool(out, "fits", row.fits());
    appendBool(out, "radial_fit", row.radialFit);
    appendJsonMember(out, "window_fill_percent", row.fillPercent);
    if (row.fits()) {
        appendJsonMember(out, "total_g", row.totalGrams);
        appendJsonMember(out, "cost", row.cost);
        appendJsonMember(out, "efficiency_percent", row.efficiencyPercent);
        appendJsonMember(out, "worst_no_load_rise_percent", row.worstNoLoadRisePercent);
        appendJsonMember(out, "winding_temperature_c", row.windingCelsius);
        appendJsonMember(out, "warnings", row.warnings);
    }
    out += R"(, "result": )";
    DesignRecord scratch;
    MemoryWindow window(scratch, calculate.locale());
    showAlternative(row, calculate, window);
    appendResultJson(out, row.fits() ? Outcome::ok : Outcome::cannotCalculate, window, calculate.record().q,
                     row.design ? &*row.design : nullptr);
    out += '}';
}

} // namespace coilwise
