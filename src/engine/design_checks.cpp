#include "design_checks.h"

#include "assumptions.h"
#include "display_mask.h"

#include <algorithm>

namespace coilwise {

namespace {

// A figure with the given decimals (at least one digit before the separator).
std::string figure(double value, int decimals, const Locale& locale) {
    return formatMask(value, DisplayMask::fixed(decimals), locale);
}

Check radialFit(const CoreSheet& core, const Locale& locale) {
    const std::string need = figure(core.radialBuildMm, 1, locale);
    const std::string room = figure(core.radialSpaceMm, 1, locale);
    if (core.radialBuildMm > core.radialSpaceMm) {
        return {"radial_fit", CheckStatus::warning,
                "the windings need " + need + " mm but the window leaves " + room +
                    " mm: take the next lamination or a deeper stack"};
    }
    return {"radial_fit", CheckStatus::pass,
            "the windings need " + need + " mm and the window leaves " + room + " mm"};
}

Check windowFill(const CoreSheet& core, const Locale& locale) {
    return {"window_fill", CheckStatus::info,
            "the windings fill " + figure(core.windowFillPercent, 1, locale) +
                " % of the window, against the 55 % it may hold"};
}

Check selv(const DesignDetails& design, const Locale& locale) {
    Check worst{"selv", CheckStatus::pass,
                "every secondary stays within 50 V without load, also with the mains 10 % high"};
    auto rank = [](CheckStatus s) {
        return s == CheckStatus::warning ? 2 : s == CheckStatus::info ? 1 : 0;
    };
    const auto secondaries = design.secondaries();
    for (std::size_t i = 0; i < secondaries.size(); ++i) {
        const SecondaryDetails& s = secondaries[i];
        const std::string name = "secondary " + std::to_string(i + 1);
        const std::string rated = formatGeneral(s.volts, locale) + " V";
        Check found{"selv", CheckStatus::pass, {}};
        if (s.volts > assumed::selvVolts) {
            found = {"selv", CheckStatus::info,
                     name + " is rated " + rated + ", above 50 V: it is not a safety extra-low voltage"};
        } else if (s.unloadVolts > assumed::selvVolts) {
            found = {"selv", CheckStatus::warning,
                     name + " (" + rated + ") reaches " + figure(s.unloadVolts, 2, locale) +
                         " V without load, above the 50 V safety extra-low voltage limit"};
        } else if (s.unloadVolts * assumed::mainsHigh > assumed::selvVolts) {
            found = {"selv", CheckStatus::info,
                     name + " (" + rated + ") reaches " + figure(s.unloadVolts, 2, locale) +
                         " V without load and " + figure(s.unloadVolts * assumed::mainsHigh, 2, locale) +
                         " V with the mains 10 % high, above the 50 V safety extra-low voltage limit"};
        }
        if (rank(found.status) > rank(worst.status)) {
            worst = std::move(found);
        }
    }
    return worst;
}

Check noLoadRise(const DesignDetails& design, const ConstructionSheet& sheet, const Locale& locale) {
    const auto first = sheet.windings.begin() + 1;
    const auto highest = std::max_element(first, sheet.windings.end(), [](const auto& x, const auto& y) {
        return *x.noLoadRisePercent < *y.noLoadRisePercent;
    });
    const std::string rise = figure(*highest->noLoadRisePercent, 1, locale);
    // The 15 % limit holds for transformers of 63 VA up to 250 VA.
    if (design.loadWatts >= 63 && design.loadWatts <= 250 && *highest->noLoadRisePercent > 15) {
        return {"no_load_rise", CheckStatus::warning,
                highest->winding + " rises " + rise +
                    " % without load, more than the 15 % allowed from 63 to 250 VA"};
    }
    return {"no_load_rise", CheckStatus::pass,
            "the highest rise without load is " + rise + " % (" + highest->winding + ")"};
}

Check temperature(const ThermalSheet& thermal, const Locale& locale) {
    const std::string celsius = figure(thermal.windingTemperatureC, 1, locale);
    if (thermal.windingTemperatureC > 130) {
        return {"temperature", CheckStatus::warning,
                "the windings reach " + celsius + " °C at full load, above 130 °C: take a larger core"};
    }
    return {"temperature", CheckStatus::pass,
            "the windings reach " + celsius + " °C at full load, insulation class " +
                thermal.insulationClass};
}

std::string fuseText(double amps, const Locale& locale) {
    return amps < 1 ? formatGeneral(amps * 1000, locale) + " mA" : formatGeneral(amps, locale) + " A";
}

Check fuse(const PrimarySheet& primary, const Locale& locale) {
    const std::string current = figure(primary.currentA, 3, locale);
    const std::string peak = figure(primary.inrushPeakA, 2, locale);
    const std::string fuse = primary.fuseA ? "a " + fuseText(*primary.fuseA, locale) + " time-lag fuse"
                                           : "no time-lag fuse up to 10 A";
    return {"fuse", CheckStatus::info,
            fuse + " for " + current + " A at full load; the switch-on peak can reach " + peak + " A"};
}

} // namespace

std::string_view checkStatusName(CheckStatus status) {
    switch (status) {
    case CheckStatus::warning:
        return "warning";
    case CheckStatus::info:
        return "info";
    case CheckStatus::pass:
        break;
    }
    return "pass";
}

std::vector<Check> designChecks(const DesignDetails& design, const ConstructionSheet& sheet,
                                const Locale& locale) {
    return {
        radialFit(sheet.core, locale),     windowFill(sheet.core, locale),     selv(design, locale),
        noLoadRise(design, sheet, locale), temperature(sheet.thermal, locale), fuse(sheet.primary, locale)};
}

} // namespace coilwise
