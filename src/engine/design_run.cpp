#include "design_run.h"

namespace coilwise {

namespace {

// The record as the window holds it once its load has finished.
DesignRecord recordFor(const DesignInput& input) {
    DesignRecord record;
    record.frec = input.frequency;
    record.tiserv = input.service;
    record.costofe = input.ironPrice;
    record.costocu = input.copperPrice;
    record.carga = true;
    record.recalcularcosto = false;
    return record;
}

} // namespace

DesignRun::DesignRun(const DesignInput& input, const Locale& locale, const std::optional<ChosenCore>& core)
    : locale_(locale), record_(recordFor(input)), window_(record_, locale),
      outcome_(calculate(input, locale, core)) {}

Outcome DesignRun::calculate(const DesignInput& input, const Locale& locale,
                             const std::optional<ChosenCore>& core) {
    window_.setText({Field::labvpri}, input.primary);
    for (int row = 1; row <= rowCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        window_.setText({Field::labvsec, row}, input.volts[i]);
        window_.setText({Field::labisec, row}, input.amps[i]);
    }
    window_.setText({Field::labobs}, input.notes);
    return core ? calculateOnCore(record_, window_, locale, *core) : Command1_Click(record_, window_, locale);
}

} // namespace coilwise
