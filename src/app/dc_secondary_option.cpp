#include "dc_secondary_option.h"

#include "engine/display_mask.h"
#include "engine/number_text.h"
#include "json_writer.h"

#include <array>
#include <charconv>
#include <ostream>

namespace coilwise {

namespace {

struct RectifierName {
    std::string_view name;
    Rectifier rectifier;
};

constexpr std::array<RectifierName, 3> rectifierNames{{
    {"bridge", Rectifier::bridge},
    {"centre-tap", Rectifier::centreTap},
    {"half-wave", Rectifier::halfWave},
}};

std::string_view nameOf(Rectifier rectifier) {
    for (const RectifierName& named : rectifierNames) {
        if (named.rectifier == rectifier) {
            return named.name;
        }
    }
    return {};
}

void appendNumber(std::string& out, double value) {
    char digits[32];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendMember(std::string& out, std::string_view name, double value) {
    out += ", ";
    appendJsonString(out, name);
    out += ": ";
    appendNumber(out, value);
}

// The row's DC voltages when the run has calculated it.
std::optional<DcVoltages> voltagesOf(const ConvertedDc& converted, const DesignRun& run) {
    if (run.outcome() != Outcome::ok) {
        return std::nullopt;
    }
    const Locale& locale = run.window().locale();
    const std::optional<double> unload = parseNumber(run.text(Field::vacvsec, converted.row), locale);
    const std::optional<double> load = parseNumber(run.text(Field::labvsec, converted.row), locale);
    if (!unload || !load) {
        return std::nullopt;
    }
    return dcVoltages(converted.secondary, *unload, *load);
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
    const std::string_view name = std::string_view(text).substr(second + 1);
    for (const RectifierName& named : rectifierNames) {
        if (name == named.name) {
            option.rectifier = named.rectifier;
            return option;
        }
    }
    return usage;
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
        appendNumber(out, dc.row);
        if (windingRows(s.request.rectifier) == 2) {
            out += ", ";
            appendNumber(out, dc.row + 1);
        }
        out += R"(], "rectifier": )";
        appendJsonString(out, nameOf(s.request.rectifier));
        appendMember(out, "vdc", s.request.dcVolts);
        appendMember(out, "idc", s.request.dcAmps);
        appendMember(out, "diode_drop", s.request.diodeDrop);
        appendMember(out, "ripple", s.request.rippleVolts);
        appendMember(out, "frequency", s.request.frequency);
        appendMember(out, "vac", s.acVolts);
        appendMember(out, "iac", s.acAmps);
        appendMember(out, "vac_written", s.acVoltsWritten);
        appendMember(out, "iac_written", s.acAmpsWritten);
        appendMember(out, "capacitance_uf", s.capacitanceMicrofarads);
        appendMember(out, "capacitor_uf", s.capacitorMicrofarads);
        const std::optional<DcVoltages> volts = voltagesOf(dc, run);
        if (!volts) {
            out +=
                R"(, "vdc_no_load_high_mains": null, "capacitor_voltage": null, "vdc_full_load_low_mains": null})";
            continue;
        }
        appendMember(out, "vdc_no_load_high_mains", volts->noLoadHighMains);
        out += R"(, "capacitor_voltage": )";
        if (volts->capacitorVoltage) {
            appendNumber(out, *volts->capacitorVoltage);
        } else {
            out += "null";
        }
        appendMember(out, "vdc_full_load_low_mains", volts->fullLoadLowMains);
        out += '}';
    }
    out += ']';
}

void writeDcLines(std::ostream& out, std::span<const ConvertedDc> converted, const DesignRun& run) {
    const Locale& locale = run.window().locale();
    const auto line = [&out](std::string_view label, const std::string& text) {
        constexpr std::size_t labelWidth = 18;
        out << "  " << label << std::string(labelWidth - label.size(), ' ') << text << '\n';
    };
    const auto volts = [&locale](double value) {
        return formatMask(value, "0.00", locale) + " V";
    };
    for (const ConvertedDc& dc : converted) {
        const DcSecondary& s = dc.secondary;
        out << "DC output on secondary " << dc.row;
        if (windingRows(s.request.rectifier) == 2) {
            out << " and " << dc.row + 1;
        }
        out << " (" << nameOf(s.request.rectifier) << ")\n";
        line("DC voltage", volts(s.request.dcVolts));
        line("DC current", formatMask(s.request.dcAmps, "0.00", locale) + " A");
        line("Capacitor", formatMask(s.capacitanceMicrofarads, "0", locale) + " uF, E6 value " +
                              formatGeneral(s.capacitorMicrofarads, locale) + " uF");
        const std::optional<DcVoltages> dcVolts = voltagesOf(dc, run);
        if (!dcVolts) {
            continue;
        }
        line("No load, +10 %",
             volts(dcVolts->noLoadHighMains) +
                 (dcVolts->capacitorVoltage
                      ? ", capacitor rated " + std::to_string(*dcVolts->capacitorVoltage) + " V"
                      : std::string(", above every standard capacitor voltage")));
        line("Full load, -10 %", volts(dcVolts->fullLoadLowMains));
    }
}

} // namespace coilwise
