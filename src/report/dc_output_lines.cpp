#include "dc_output_lines.h"

#include "engine/display_mask.h"
#include "engine/number_text.h"

#include <array>
#include <string>

namespace coilwise {

namespace {

SheetLine row(std::string_view label, const std::string& text) {
    constexpr std::size_t labelWidth = 18;
    return {SheetLine::Kind::row,
            "  " + std::string(label) + std::string(labelWidth - label.size(), ' ') + text};
}

} // namespace

std::vector<SheetLine> dcOutputLines(std::span<const DcOutputRow> rows, const Locale& locale) {
    const auto volts = [&locale](double value) {
        return formatMask(value, "0.00", locale) + " V";
    };
    std::vector<SheetLine> lines;
    for (const DcOutputRow& dc : rows) {
        const DcSecondary& s = dc.secondary;
        std::string heading = "DC output on secondary " + std::to_string(dc.row);
        if (windingRows(s.request.rectifier) == 2) {
            heading += " and " + std::to_string(dc.row + 1);
        }
        lines.push_back({SheetLine::Kind::heading,
                         heading + " (" + std::string(rectifierName(s.request.rectifier)) + ")"});
        lines.push_back(row("DC voltage", volts(s.request.dcVolts)));
        lines.push_back(row("DC current", formatMask(s.request.dcAmps, "0.00", locale) + " A"));
        lines.push_back(row("Capacitor", formatMask(s.capacitanceMicrofarads, "0", locale) +
                                             " µF, E6 value " +
                                             formatGeneral(s.capacitorMicrofarads, locale) + " µF"));
        if (!dc.voltages) {
            continue;
        }
        lines.push_back(
            row("No load, +10 %",
                volts(dc.voltages->noLoadHighMains) +
                    (dc.voltages->capacitorVoltage
                         ? ", capacitor rated " + std::to_string(*dc.voltages->capacitorVoltage) + " V"
                         : std::string(", above every standard capacitor voltage"))));
        lines.push_back(row("Full load, -10 %", volts(dc.voltages->fullLoadLowMains)));
    }
    return lines;
}

} // namespace coilwise
