#include "dc_output.h"

#include "assumptions.h"
#include "display_mask.h"

#include <array>
#include <cmath>
#include <numbers>

namespace coilwise {

namespace {

struct RectifierNaming {
    std::string_view name;
    Rectifier rectifier;
};

constexpr std::array<RectifierNaming, 3> rectifierNames{{
    {"bridge", Rectifier::bridge},
    {"centre-tap", Rectifier::centreTap},
    {"half-wave", Rectifier::halfWave},
}};

// Capacitor-input rectifier: RMS winding current over DC load current. A bridge draws short
// current pulses through the whole winding (I_DC / 0.62); each half of a centre-tapped winding
// carries every other pulse (I_DC); a half-wave winding carries the DC as well (I_DC / 0.28).
double rmsCurrentFactor(Rectifier rectifier) {
    switch (rectifier) {
    case Rectifier::bridge:
        return 1 / assumed::bridgeCurrentFactor;
    case Rectifier::centreTap:
        return 1.0;
    case Rectifier::halfWave:
        return 1 / assumed::halfWaveCurrentFactor;
    }
    return 0;
}

// Charging pulses per mains cycle.
double pulsesPerCycle(Rectifier rectifier) {
    return rectifier == Rectifier::halfWave ? 1.0 : 2.0;
}

constexpr double roundingNoise = 1e-9;

bool positive(double value) {
    return std::isfinite(value) && value > 0;
}

} // namespace

std::string_view rectifierName(Rectifier rectifier) {
    for (const RectifierNaming& named : rectifierNames) {
        if (named.rectifier == rectifier) {
            return named.name;
        }
    }
    return {};
}

std::optional<Rectifier> rectifierNamed(std::string_view name) {
    for (const RectifierNaming& named : rectifierNames) {
        if (named.name == name) {
            return named.rectifier;
        }
    }
    return std::nullopt;
}

double defaultRipple(double dcVolts) {
    return dcVolts * assumed::rippleShare;
}

int diodesInPath(Rectifier rectifier) {
    return rectifier == Rectifier::bridge ? 2 : 1;
}

int windingRows(Rectifier rectifier) {
    return rectifier == Rectifier::centreTap ? 2 : 1;
}

double roundUpToHundredths(double value) {
    return std::ceil(value * 100 - roundingNoise) / 100;
}

double nextE6(double value) {
    constexpr std::array<double, 7> series{1.0, 1.5, 2.2, 3.3, 4.7, 6.8, 10.0};
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : series) {
        if (step * decade >= value * (1 - roundingNoise)) {
            return step * decade;
        }
    }
    return 10 * decade;
}

std::optional<int> nextCapacitorVoltage(double volts) {
    constexpr std::array<int, 12> ratings{16, 25, 35, 50, 63, 100, 160, 200, 250, 350, 400, 450};
    for (int rating : ratings) {
        if (rating >= volts) {
            return rating;
        }
    }
    return std::nullopt;
}

std::optional<DcSecondary> convertDcOutput(const DcRequest& request) {
    if (!positive(request.dcVolts) || !positive(request.dcAmps) || !positive(request.rippleVolts) ||
        !positive(request.frequency) || !std::isfinite(request.diodeDrop) || request.diodeDrop < 0) {
        return std::nullopt;
    }
    DcSecondary out;
    out.request = request;
    const double peak =
        request.dcVolts + request.rippleVolts / 2 + diodesInPath(request.rectifier) * request.diodeDrop;
    out.acVolts = peak / std::numbers::sqrt2;
    out.acAmps = request.dcAmps * rmsCurrentFactor(request.rectifier);
    out.acVoltsWritten = roundUpToHundredths(out.acVolts);
    out.acAmpsWritten = roundUpToHundredths(out.acAmps);
    // C = I / (k f ΔV), in µF.
    out.capacitanceMicrofarads =
        request.dcAmps / (pulsesPerCycle(request.rectifier) * request.frequency * request.rippleVolts) * 1e6;
    if (!std::isfinite(out.acVoltsWritten) || !std::isfinite(out.acAmpsWritten) ||
        !positive(out.capacitanceMicrofarads)) {
        return std::nullopt;
    }
    out.capacitorMicrofarads = nextE6(out.capacitanceMicrofarads);
    if (!std::isfinite(out.capacitorMicrofarads)) {
        return std::nullopt;
    }
    return out;
}

DcVoltages dcVoltages(const DcSecondary& secondary, double unloadVolts, double loadVolts) {
    const DcRequest& request = secondary.request;
    const double diodes = diodesInPath(request.rectifier) * request.diodeDrop;
    DcVoltages out;
    out.noLoadHighMains = std::numbers::sqrt2 * unloadVolts * assumed::mainsHigh - diodes;
    out.capacitorVoltage = nextCapacitorVoltage(out.noLoadHighMains);
    const double lowMainsLoadVolts = unloadVolts * assumed::mainsLow - (unloadVolts - loadVolts);
    out.fullLoadLowMains = std::numbers::sqrt2 * lowMainsLoadVolts - diodes - request.rippleVolts / 2;
    return out;
}

std::optional<DcVoltages> dcVoltagesOfRow(const DcSecondary& secondary, const Design& design, int row) {
    if (row < 1 || static_cast<std::size_t>(row) > design.details.secondaryCount) {
        return std::nullopt;
    }
    const SecondaryDetails& winding = design.details.secondaryRows[static_cast<std::size_t>(row - 1)];
    return dcVoltages(secondary, roundHalfAway(winding.unloadVolts, 2), winding.volts);
}

} // namespace coilwise
