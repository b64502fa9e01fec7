#include "construction_lines.h"

#include "engine/display_mask.h"

#include <algorithm>

namespace coilwise {

namespace {

class Lines {
public:
    explicit Lines(const Locale& locale) : locale_(locale) {}

    std::string fixed(double value, int decimals) const {
        return formatMask(value, DisplayMask::fixed(decimals), locale_);
    }
    std::string general(double value) const { return formatGeneral(value, locale_); }

    void add(SheetLine::Kind kind, std::string text) { lines_.push_back({kind, std::move(text)}); }
    void heading(std::string text) { add(SheetLine::Kind::heading, std::move(text)); }
    void row(std::string_view label, const std::string& value) {
        constexpr std::size_t labelWidth = 18;
        std::string text = "  " + std::string(label);
        text.append(labelWidth > label.size() ? labelWidth - label.size() : 1, ' ');
        add(SheetLine::Kind::row, text + value);
    }
    std::vector<SheetLine> take() { return std::move(lines_); }

private:
    const Locale& locale_;
    std::vector<SheetLine> lines_;
};

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

void checkLines(Lines& out, const std::vector<Check>& checks) {
    out.heading("Checks");
    for (const Check& c : checks) {
        const bool warning = c.status == CheckStatus::warning;
        std::string status = warning ? "WARNING" : std::string(checkStatusName(c.status));
        status.resize(9, ' ');
        out.add(warning ? SheetLine::Kind::warning : SheetLine::Kind::row,
                "  " + status + std::string(c.check) + ": " + c.message + ".");
    }
}

void coreLines(Lines& out, const CoreSheet& core) {
    out.heading("Core " + core.designation);
    out.row("Tongue", out.general(core.tongueMm) + " mm");
    out.row("Stack", out.general(core.stackMm) + " mm");
    out.row("Laminations",
            std::to_string(core.laminations) + " E and as many I (0.5 mm sheet, stacking factor 0.95)");
    out.row("Window", out.general(core.windowWidthMm) + " × " + out.general(core.windowHeightMm) + " mm");
    out.row("Flux density", out.fixed(core.fluxDensityT, 2) + " T");
    out.row("Current density", out.general(core.currentDensityAPerMm2) + " A/mm²");
    out.row("Window fill", out.fixed(core.windowFillPercent, 1) + " % (limit 55 %)");
    out.row("Radial build", out.fixed(core.radialBuildMm, 2) + " mm of " + out.fixed(core.radialSpaceMm, 1) +
                                " mm (1 mm bobbin wall)");
}

void windingLines(Lines& out, const WindingSheet& w) {
    out.heading(w.noLoadRisePercent ? capitalised(w.winding) : "Primary winding");
    const std::string strands = w.strands > 1 ? std::to_string(w.strands) + " × " : std::string();
    out.row("Wire", strands + out.general(w.wireMm) + " mm (AWG " + std::to_string(w.awg) + ")");
    out.row("Turns", out.general(w.turns) + " in " + std::to_string(w.layers) +
                         (w.layers == 1 ? " layer of " : " layers of ") + std::to_string(w.turnsPerLayer));
    out.row("Build", out.fixed(w.buildMm, 2) + " mm");
    out.row("Mean turn", out.fixed(w.meanTurnCm, 2) + " cm");
    out.row("Wire length", out.fixed(w.lengthM, 2) + " m (order " + out.fixed(w.orderLengthM, 1) + " m)");
    out.row("Copper", out.fixed(w.massG, 1) + " g");
    out.row("Resistance", out.fixed(w.ohms20C, 3) + " ohm at 20 °C, " + out.fixed(w.ohmsHot, 3) + " ohm hot");
    if (w.noLoadRisePercent) {
        out.row("No-load rise", out.fixed(*w.noLoadRisePercent, 1) + " %");
    }
    if (w.shortCircuitA) {
        out.row("Short circuit", out.fixed(*w.shortCircuitA, 2) + " A");
    }
}

std::string amps(const Lines& out, double a) {
    return a < 1 ? out.general(a * 1000) + " mA" : out.general(a) + " A";
}

} // namespace

std::vector<SheetLine> constructionLines(const ConstructionSheet& sheet, const std::vector<Check>& checks,
                                         const Locale& locale) {
    Lines out(locale);
    out.add(SheetLine::Kind::title, "Construction and checks");
    checkLines(out, checks);
    coreLines(out, sheet.core);
    for (const WindingSheet& w : sheet.windings) {
        windingLines(out, w);
    }
    out.heading("Wire to order");
    for (const WireOrder& o : sheet.wireToOrder) {
        out.row(out.general(o.wireMm) + " mm",
                out.fixed(o.lengthM, 1) + " m, " + out.fixed(o.massG, 1) + " g");
    }
    out.heading("Temperature");
    out.row("Rise", out.fixed(sheet.thermal.temperatureRiseK, 1) + " K over 40 °C ambient");
    out.row("Windings", out.fixed(sheet.thermal.windingTemperatureC, 1) + " °C, insulation class " +
                            sheet.thermal.insulationClass);
    out.heading("Primary fuse and switch-on");
    out.row("Full-load current", out.fixed(sheet.primary.currentA, 4) + " A");
    out.row("Time-lag fuse", sheet.primary.fuseA ? amps(out, *sheet.primary.fuseA) : "none up to 10 A");
    out.row("Switch-on peak", out.fixed(sheet.primary.inrushPeakA, 2) + " A at most");
    return out.take();
}

std::string checksSummary(const std::vector<Check>& checks) {
    const auto warnings = std::count_if(checks.begin(), checks.end(),
                                        [](const Check& c) { return c.status == CheckStatus::warning; });
    if (warnings == 0) {
        return "All checks pass";
    }
    return std::to_string(warnings) + (warnings == 1 ? " check needs" : " checks need") +
           " attention — Design > Construction and checks";
}

} // namespace coilwise
