#include "design.h"

#include "design_record.h"
#include "display_mask.h"
#include "sizing_loop.h"
#include "wire_choice.h"

#include <variant>

namespace coilwise {

namespace {

DesignAttempt stopped(DesignStop stop, std::optional<double> ironGrams = std::nullopt) {
    DesignAttempt attempt;
    attempt.stop = stop;
    attempt.ironGrams = ironGrams;
    return attempt;
}

std::optional<double> ironWeighed(double ironGrams) {
    return ironGrams >= 0 ? std::optional(ironGrams) : std::nullopt;
}

// The sizing rules on the one chosen core, the allowance rising from 0.
std::variant<DesignDetails, WindowOverflow> sizeOnChosenCore(const SizingInput& input,
                                                             const Wire& primaryWire, const ChosenCore& core,
                                                             double& ironGrams) {
    double allowance = 0;
    return sizeOnCore(input, primaryWire, {core.lamination, core.stackMm / 10.0}, allowance, ironGrams);
}

DesignCosts costsOf(const DesignDetails& details, const DesignRequest& request, const Locale& locale) {
    const double iron = (details.eGrams + details.iGrams) * request.ironPrice / 1000;
    const double copper = roundHalfAway(details.copperGrams, 0) * request.copperPrice / 1000;
    return {iron, copper, locale.roundCurrency(iron) + locale.roundCurrency(copper)};
}

} // namespace

std::optional<Wire> windingWire(double amps, double ampsPerMm2, bool chosenCore) {
    return chosenCore ? chooseWireOrStrands(amps, ampsPerMm2) : chooseWire(amps, ampsPerMm2);
}

DesignAttempt designTransformer(const DesignRequest& request, const Locale& locale) {
    const ServiceConstants* service = serviceConstants(request.service);
    if (service == nullptr || (request.frequency != 50 && request.frequency != 60) ||
        request.rowsInUse == 0 || request.rowsInUse > rowCount) {
        return stopped(DesignStop::badSettings);
    }
    const bool chosen = request.core.has_value();
    std::array<SecondaryDemand, rowCount> demands{};
    double loadWatts = 0;
    for (std::size_t i = 0; i < request.rowsInUse; ++i) {
        const SecondaryLoad& row = request.rows[i];
        loadWatts = loadWatts + row.volts * row.amps;
        const std::optional<Wire> wire = windingWire(row.amps, service->deltadia, chosen);
        if (!wire) {
            return stopped(DesignStop::noWire);
        }
        demands[i] = {row.volts, row.amps, *wire};
    }
    const SizingInput input{request.primaryVolts,
                            std::span(demands.data(), request.rowsInUse),
                            loadWatts,
                            request.frequency,
                            service->gauss,
                            service->deltadia};
    const std::optional<Wire> primaryWire = windingWire(primaryCurrent(input), service->deltadia, chosen);
    if (!primaryWire) {
        return stopped(DesignStop::noWire);
    }

    // Sizing weighs the iron of every core the windings fit in; none may fit at all.
    double ironGrams = -1;
    std::optional<DesignDetails> details;
    if (chosen) {
        std::variant<DesignDetails, WindowOverflow> sized =
            sizeOnChosenCore(input, *primaryWire, *request.core, ironGrams);
        if (const WindowOverflow* overflow = std::get_if<WindowOverflow>(&sized)) {
            DesignAttempt attempt = stopped(DesignStop::doesNotFit, ironWeighed(ironGrams));
            attempt.windowFillNeededPercent = overflow->fillPercent();
            return attempt;
        }
        details = std::get<DesignDetails>(std::move(sized));
    } else {
        details = sizeCore(input, *primaryWire, ironGrams);
    }
    if (!details) {
        return stopped(DesignStop::noCore, ironWeighed(ironGrams));
    }

    DesignAttempt attempt;
    attempt.ironGrams = ironWeighed(ironGrams);
    Design& design = attempt.design.emplace();
    design.request = request;
    design.details = std::move(*details);
    design.costs = costsOf(design.details, request, locale);
    design.sheet = constructionSheet(design.details);
    design.checks = designChecks(design.details, design.sheet, locale);
    return attempt;
}

} // namespace coilwise
