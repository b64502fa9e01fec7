#pragma once

#include "engine/dc_output.h"
#include "engine/design_input.h"
#include "engine/design_run.h"
#include "engine/locale.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace coilwise {

// --dc-secondary VDC:IDC[:RECTIFIER] as given, with the first row it fills.
struct DcSecondaryOption {
    int row = 0;
    std::string volts;
    std::string amps;
    Rectifier rectifier = Rectifier::bridge;
};

// The option's value read, or the reason it is none; the numbers stay texts until the locale
// they are read in is known.
std::variant<DcSecondaryOption, std::string> readDcSecondaryOption(const std::string& text, int row);

// An option converted: the winding written into its rows of the design.
struct ConvertedDc {
    int row = 0;
    DcSecondary secondary;
};

// Converts every option with the default diode drop and ripple at the design's frequency and
// writes the AC figures, rounded up to hundredths, into the design's rows as a person would type
// them; the reason when a figure is no positive number.
std::variant<std::vector<ConvertedDc>, std::string>
convertDcSecondaries(std::span<const DcSecondaryOption> options, DesignInput& design, const Locale& locale);

// The converted rows as the JSON value of "dc": one object per option, with the DC voltages at the
// ends of the mains tolerance once the run has calculated the winding (null otherwise).
void appendDcJson(std::string& out, std::span<const ConvertedDc> converted, const DesignRun& run);

// The same for the text sheet, after the design.
void writeDcLines(std::ostream& out, std::span<const ConvertedDc> converted, const DesignRun& run);

} // namespace coilwise
