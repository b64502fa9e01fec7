#include "calculation.h"

#include "display_mask.h"
#include "input_checks.h"
#include "number_text.h"
#include "sizing_loop.h"
#include "wire_choice.h"

#include <array>
#include <optional>
#include <variant>

namespace coilwise {

namespace {

class Run {
public:
    Run(DesignRecord& record, WindowPort& window, const Locale& locale, const ChosenCore* core = nullptr)
        : record_(record), window_(window), locale_(locale), core_(core) {}

    Outcome execute();
    // When the windings did not fit the chosen core: the share of its window they needed (%).
    std::optional<double> fillNeeded() const { return fillNeeded_; }

private:
    std::string text(Field field, int row = 0) const { return window_.text({field, row}); }
    void write(Field field, const std::string& text) { window_.setText({field}, text); }
    void write(Field field, int row, const std::string& text) { window_.setText({field, row}, text); }
    std::string mask(double value, DisplayMask pattern) const { return formatMask(value, pattern, locale_); }

    Outcome stop(const RunStop& how, Outcome outcome = Outcome::inputError);
    Outcome cannotCalculate() {
        return stop({true, cannotCalculateMessage, std::nullopt}, Outcome::cannotCalculate);
    }
    std::int16_t countRowsInUse() const;
    void blankRowsNotInUse();
    std::optional<Wire> wireFor(double amps) const {
        return core_ ? chooseWireOrStrands(amps, record_.deltadia) : chooseWire(amps, record_.deltadia);
    }
    std::optional<DesignDetails> sizeOnChosenCore(const SizingInput& input);
    void writeResults(const DesignDetails& design, double loadWatts);
    void writeCosts(double ironGrams);

    DesignRecord& record_;
    WindowPort& window_;
    const Locale& locale_;
    const ChosenCore* core_;
    std::optional<double> fillNeeded_;
};

Outcome Run::stop(const RunStop& how, Outcome outcome) {
    if (how.beep) {
        window_.beep();
    }
    if (!how.message.empty()) {
        window_.showCritical(how.message);
    }
    if (how.focus) {
        window_.setFocus(*how.focus);
    }
    return outcome;
}

// Rows count only when filled from row 1 down: a row after a gap is not calculated.
std::int16_t Run::countRowsInUse() const {
    std::int16_t full = 0;
    for (int i = 1; i <= rowCount; ++i) {
        if (!text(Field::labvsec, i).empty() && !text(Field::labisec, i).empty()) {
            ++full;
        }
    }
    std::int16_t used = 0;
    for (int i = 1; i <= full; ++i) {
        if (!text(Field::labvsec, i).empty() || !text(Field::labisec, i).empty()) {
            ++used;
        }
    }
    return used;
}

void Run::blankRowsNotInUse() {
    for (int i = record_.q + 1; i <= rowCount; ++i) {
        for (Field f : secondaryRowFields) {
            write(f, i, {});
        }
    }
    window_.setFocus(record_.q < rowCount ? FieldRef{Field::labvsec, record_.q + 1}
                                          : FieldRef{Field::labobs});
}

Outcome Run::execute() {
    if (const ServiceConstants* service = serviceConstants(record_.tiserv)) {
        record_.tiposervicio = service->tiposervicio;
        record_.gauss = service->gauss;
        record_.deltadia = service->deltadia;
    }
    const std::variant<double, RunStop> primary = checkPrimaryVoltage(text(Field::labvpri), locale_);
    if (const RunStop* failed = std::get_if<RunStop>(&primary)) {
        return stop(*failed);
    }
    const double vp = std::get<double>(primary);

    record_.q = countRowsInUse();
    if (record_.q == 0) {
        window_.runClear();
        return Outcome::cleared;
    }

    for (int i = 1; i <= record_.q; ++i) {
        if (record_.carga) {
            if (auto failed =
                    checkSecondaryRow(i, text(Field::labvsec, i), text(Field::labisec, i), locale_)) {
                return stop(*failed);
            }
        }
        window_.leaveSecondaryVoltage(i);
        window_.leaveSecondaryCurrent(i);
    }
    blankRowsNotInUse();
    // Only a damaged settings file can leave these out of range; nothing sensible follows from them.
    if (!serviceConstants(record_.tiserv) || (record_.frec != 50 && record_.frec != 60)) {
        return cannotCalculate();
    }

    std::array<SecondaryDemand, rowCount> demands{};
    const auto q = static_cast<std::size_t>(record_.q);
    double loadWatts = 0;
    for (std::size_t i = 0; i < q; ++i) {
        const int row = static_cast<int>(i) + 1;
        const std::optional<double> volts = parseNumber(text(Field::labvsec, row), locale_);
        const std::optional<double> amps = parseNumber(text(Field::labisec, row), locale_);
        // Unchecked rows (before the load has finished) that are no numbers end the run quietly.
        if (!volts || !amps) {
            return Outcome::inputError;
        }
        loadWatts = loadWatts + *volts * *amps;
        const std::optional<Wire> wire = wireFor(*amps);
        if (!wire) {
            return cannotCalculate();
        }
        demands[i] = {*volts, *amps, *wire};
    }

    const SizingInput input{
        vp, std::span(demands.data(), q), loadWatts, record_.frec, record_.gauss, record_.deltadia};
    std::optional<DesignDetails> design = core_ ? sizeOnChosenCore(input) : sizeCore(input, record_.pesofe);
    if (fillNeeded_) {
        const std::string fill = mask(*fillNeeded_, "##0.0");
        return stop(
            {true,
             "The windings do not fit this core:\nthey need " + fill + " % of its window, 55 % at most.",
             std::nullopt},
            Outcome::cannotCalculate);
    }
    if (!design) {
        return cannotCalculate();
    }
    writeResults(*design, loadWatts);
    record_.details = std::move(design);
    record_.archivomodif = true;
    return Outcome::ok;
}

// The sizing rules on the one core, the allowance rising from 0.
std::optional<DesignDetails> Run::sizeOnChosenCore(const SizingInput& input) {
    const std::optional<Wire> primaryWire = wireFor(primaryCurrent(input));
    if (!primaryWire) {
        return std::nullopt;
    }
    double allowance = 0;
    std::variant<DesignDetails, WindowOverflow> sized = sizeOnCore(
        input, *primaryWire, {core_->lamination, core_->stackMm / 10.0}, allowance, record_.pesofe);
    if (const WindowOverflow* overflow = std::get_if<WindowOverflow>(&sized)) {
        fillNeeded_ = overflow->fillPercent();
        return std::nullopt;
    }
    return std::get<DesignDetails>(std::move(sized));
}

void Run::writeResults(const DesignDetails& design, double loadWatts) {
    write(Field::labnpri, mask(design.primary.turns, "######"));
    write(Field::labalambpri, formatGeneral(design.primary.wire.diameterMm, locale_));
    write(Field::labpesoprim, mask(design.primary.grams, "#######"));
    write(Field::labrprim, mask(design.primary.ohms, "#####0.000"));
    for (int i = 1; i <= record_.q; ++i) {
        const SecondaryDetails& s = design.secondaryRows[static_cast<std::size_t>(i - 1)];
        write(Field::labesp, i, mask(s.winding.turns, "######"));
        write(Field::labalam, i, mask(s.winding.wire.diameterMm, "#0.00"));
        write(Field::labcob, i, mask(s.winding.grams, "#####0"));
        write(Field::labres, i, mask(s.winding.ohms, "#####0.000"));
        write(Field::vacvsec, i, mask(s.unloadVolts, "###0.00"));
    }
    write(Field::labchapa, mask(10 * design.tongueCm, "##"));
    write(Field::labprof, mask(10 * design.stackCm, "##"));
    write(Field::labpesoE, mask(design.eGrams, "#####"));
    write(Field::labpesoI, mask(design.iGrams, "#####"));
    write(Field::labpesocu, mask(design.copperGrams, "#####"));
    write(Field::labpesotot, mask(design.totalGrams, "######"));
    write(Field::labptot, mask(loadWatts, "###0.0"));
    write(Field::labppri, mask(design.inputWatts, "###0.0"));
    write(Field::labrend, mask(design.efficiencyPercent, "##0"));
    write(Field::labperfe, mask(design.ironWatts, "###0.0"));
    write(Field::labpercu, mask(design.copperWatts, "###0.0"));
    writeCosts(design.eGrams + design.iGrams);
}

// Copper is charged by the weight as shown, in whole grams, and the total is the sum of the two
// amounts as shown, so the sheet always adds up.
void Run::writeCosts(double ironGrams) {
    const double iron = ironGrams * record_.costofe / 1000;
    write(Field::tbxcostofe, locale_.formatCurrency(iron));
    const double copperGrams = parseNumber(text(Field::labpesocu), locale_).value_or(0);
    const double copper = copperGrams * record_.costocu / 1000;
    write(Field::tbxcostocu, locale_.formatCurrency(copper));
    write(Field::tbxcostotot,
          locale_.formatCurrency(locale_.roundCurrency(iron) + locale_.roundCurrency(copper)));
}

} // namespace

Outcome Command1_Click(DesignRecord& record, WindowPort& window, const Locale& locale) {
    // A run that stops leaves no design behind, though the fields keep the earlier results.
    record.details.reset();
    const Outcome outcome = Run(record, window, locale).execute();
    record.recalcularcosto = false;
    return outcome;
}

CoreOutcome calculateOnCore(DesignRecord& record, WindowPort& window, const Locale& locale,
                            const ChosenCore& core) {
    record.details.reset();
    Run run(record, window, locale, &core);
    const Outcome outcome = run.execute();
    record.recalcularcosto = false;
    return {outcome, run.fillNeeded()};
}

Outcome nuevocosto(DesignRecord& record, WindowPort& window, const Locale& locale) {
    record.recalcularcosto = true;
    return Command1_Click(record, window, locale);
}

} // namespace coilwise
