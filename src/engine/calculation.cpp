#include "calculation.h"

#include "design_fields.h"
#include "input_checks.h"
#include "number_text.h"

#include <optional>
#include <variant>

namespace coilwise {

namespace {

class Run {
public:
    Run(DesignRecord& record, WindowPort& window, const Locale& locale, const ChosenCore* core = nullptr)
        : record_(record), window_(window), locale_(locale), core_(core) {}

    Outcome execute();

private:
    std::string text(Field field, int row = 0) const { return window_.text({field, row}); }
    void write(Field field, int row, const std::string& text) { window_.setText({field, row}, text); }

    Outcome stop(const RunStop& how, Outcome outcome = Outcome::inputError);
    Outcome cannotCalculate() {
        return stop({true, cannotCalculateMessage, std::nullopt}, Outcome::cannotCalculate);
    }
    std::int16_t countRowsInUse() const;
    void blankRowsNotInUse();
    std::optional<Outcome> readRows(DesignRequest& request) const;

    DesignRecord& record_;
    WindowPort& window_;
    const Locale& locale_;
    const ChosenCore* core_;
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

    DesignRequest request;
    request.primaryVolts = vp;
    request.rowsInUse = static_cast<std::size_t>(record_.q);
    request.frequency = record_.frec;
    request.service = record_.tiserv;
    request.ironPrice = record_.costofe;
    request.copperPrice = record_.costocu;
    if (core_ != nullptr) {
        request.core = *core_;
    }
    if (const std::optional<Outcome> refused = readRows(request)) {
        return *refused;
    }
    record_.request = request;

    DesignAttempt attempt = designTransformer(request, locale_);
    if (attempt.ironGrams) {
        record_.pesofe = *attempt.ironGrams;
    }
    if (!attempt.design) {
        return stop(designStopFor(attempt.stop, attempt.windowFillNeededPercent, locale_),
                    Outcome::cannotCalculate);
    }
    writeDesignFields(*attempt.design, window_, locale_);
    record_.design = std::move(attempt.design);
    record_.archivomodif = true;
    return Outcome::ok;
}

// The rows' figures as their fields now show them. Unchecked rows (before the load has finished)
// that are no numbers end the run quietly, unless a row above needs a wire thicker than any: the
// wires are chosen in row order, so that row stops the run first.
std::optional<Outcome> Run::readRows(DesignRequest& request) const {
    const double ampsPerMm2 = serviceConstants(record_.tiserv)->deltadia;
    bool beyondEveryWire = false;
    for (std::size_t i = 0; i < request.rowsInUse; ++i) {
        const int row = static_cast<int>(i) + 1;
        const std::optional<double> volts = parseNumber(text(Field::labvsec, row), locale_);
        const std::optional<double> amps = parseNumber(text(Field::labisec, row), locale_);
        if (!volts || !amps) {
            return beyondEveryWire ? std::nullopt : std::optional(Outcome::inputError);
        }
        beyondEveryWire = beyondEveryWire || !windingWire(*amps, ampsPerMm2, core_ != nullptr);
        request.rows[i] = {*volts, *amps};
    }
    return std::nullopt;
}

} // namespace

Outcome Command1_Click(DesignRecord& record, WindowPort& window, const Locale& locale) {
    // A run that stops leaves no design behind, though the fields keep the earlier results.
    record.request.reset();
    record.design.reset();
    const Outcome outcome = Run(record, window, locale).execute();
    record.recalcularcosto = false;
    return outcome;
}

Outcome calculateOnCore(DesignRecord& record, WindowPort& window, const Locale& locale,
                        const ChosenCore& core) {
    record.request.reset();
    record.design.reset();
    const Outcome outcome = Run(record, window, locale, &core).execute();
    record.recalcularcosto = false;
    return outcome;
}

Outcome nuevocosto(DesignRecord& record, WindowPort& window, const Locale& locale) {
    record.recalcularcosto = true;
    return Command1_Click(record, window, locale);
}

} // namespace coilwise
