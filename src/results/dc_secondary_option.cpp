#include "dc_secondary_option.h"

#include "engine/display_mask.h"
#include "engine/number_text.h"
#include "json_writer.h"
#include "report/dc_output_lines.h"

#include <ostream>

namespace coilwise {

namespace {

// The row's DC voltages when the run has calculated it.
std::optional<DcVoltages> voltagesOf(const ConvertedDc& converted, const DesignRun& run) {
    const Design* design = run.design();
    return design != nullptr ? dcVoltagesOfRow(converted.secondary, *design, converted.row) : std::nullopt;
}

} // namespace

std::variant<DcSecondaryOption, std::string> readDcSecondaryOption(const std::string& text, int row) {
    const std::string usage =
        "--dc-secondary takes VDC:IDC[:bridge|centre-tap|half-wave], not '" + text + "'";
    DcSecondaryOption option;
    option.row = row;
    const std::size_t first = text.find(':');
    if (first == std::string::npos) {
        return usage;
    }
    option.volts = text.substr(0, first);
    const std::size_t second = text.find(':', first + 1);
    option.amps =
        text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    if (second == std::string::npos) {
        return option;
    }
    const std::optional<Rectifier> rectifier = rectifierNamed(std::string_view(text).substr(second + 1));
    if (!rectifier) {
        return usage;
    }
    option.rectifier = *rectifier;
    return option;
}

std::variant<std::vector<ConvertedDc>, std::string>
convertDcSecondaries(std::span<const DcSecondaryOption> options, DesignInput& design, const Locale& locale) {
    std::vector<ConvertedDc> converted;
    for (const DcSecondaryOption& option : options) {
        const std::optional<double> volts = parseNumber(option.volts, locale);
        const std::optional<double> amps = parseNumber(option.amps, locale);
        const std::optional<DcSecondary> secondary =
            volts && amps ? convertDcOutput({*volts, *amps, option.rectifier, DcRequest{}.diodeDrop,
                                             defaultRipple(*volts), static_cast<double>(design.frequency)})
                          : std::nullopt;
        if (!secondary) {
            return "--dc-secondary '" + option.volts + ":" + option.amps +
                   "' needs a positive DC voltage and current";
        }
        const std::string acVolts = formatMask(secondary->acVoltsWritten, "0.00", locale);
        const std::string acAmps = formatMask(secondary->acAmpsWritten, "0.00", locale);
        for (int i = 0; i < windingRows(option.rectifier); ++i) {
            const auto index = static_cast<std::size_t>(option.row - 1 + i);
            design.volts.at(index) = acVolts;
            design.amps.at(index) = acAmps;
        }
        converted.push_back({option.row, *secondary});
    }
    return converted;
}

void appendDcJson(std::string& out, std::span<const ConvertedDc> converted, const DesignRun& run) {
    out += '[';
    for (const ConvertedDc& dc : converted) {
        const DcSecondary& s = dc.secondary;
        if (&dc != converted.data()) {
            out += ", ";
        }
        out += R"({"rows": [)";
        appendJsonNumber(out, dc.row);
        if (windingRows(s.request.rectifier) == 2) {
            out += ", ";
            appendJsonNumber(out, dc.row + 1);
        }
        out += R"(], "rectifier": )";
        appendJsonString(out, rectifierName(s.request.rectifier));
        appendJsonMember(out, "vdc", s.request.dcVolts);
        appendJsonMember(out, "idc", s.request.dcAmps);
        appendJsonMember(out, "diode_drop", s.request.diodeDrop);
        appendJsonMember(out, "ripple", s.request.rippleVolts);
        appendJsonMember(out, "frequency", s.request.frequency);
        appendJsonMember(out, "vac", s.acVolts);
        appendJsonMember(out, "iac", s.acAmps);
        appendJsonMember(out, "vac_written", s.acVoltsWritten);
        appendJsonMember(out, "iac_written", s.acAmpsWritten);
        appendJsonMember(out, "capacitance_uf", s.capacitanceMicrofarads);
        appendJsonMember(out, "capacitor_uf", s.capacitorMicrofarads);
        const std::optional<DcVoltages> volts = voltagesOf(dc, run);
        if (!volts) {
            out +=
                R"(, "vdc_no_load_high_mains": null, "capacitor_voltage": null, "vdc_full_load_low_mains": null})";
            continue;
        }
        appendJsonMember(out, "vdc_no_load_high_mains", volts->noLoadHighMains);
        appendJsonMember(out, "capacitor_voltage",
                         volts->capacitorVoltage ? std::optional<double>(*volts->capacitorVoltage)
                                                 : std::nullopt);
        appendJsonMember(out, "vdc_full_load_low_mains", volts->fullLoadLowMains);
        out += '}';
    }
    out += ']';
}

void writeDcLines(std::ostream& out, std::span<const ConvertedDc> converted, const DesignRun& run) {
    std::vector<DcOutputRow> rows;
    for (const ConvertedDc& dc : converted) {
        rows.push_back({dc.row, dc.secondary, voltagesOf(dc, run)});
    }
    for (const SheetLine& line : dcOutputLines(rows, run.window().locale())) {
        out << line.text << '\n';
    }
}

} // namespace coilwise
