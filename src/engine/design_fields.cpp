#include "design_fields.h"

#include "display_mask.h"

namespace coilwise {

void writeDesignFields(const Design& design, WindowPort& window, const Locale& locale) {
    const auto write = [&](Field field, int row, double value, DisplayMask mask) {
        window.setText({field, row}, formatMask(value, mask, locale));
    };
    const DesignDetails& d = design.details;
    write(Field::labnpri, 0, d.primary.turns, "######");
    window.setText({Field::labalambpri}, formatGeneral(d.primary.wire.diameterMm, locale));
    write(Field::labpesoprim, 0, d.primary.grams, "#######");
    write(Field::labrprim, 0, d.primary.ohms, "#####0.000");
    for (std::size_t i = 0; i < d.secondaryCount; ++i) {
        const SecondaryDetails& s = d.secondaryRows[i];
        const int row = static_cast<int>(i) + 1;
        write(Field::labesp, row, s.winding.turns, "######");
        write(Field::labalam, row, s.winding.wire.diameterMm, "#0.00");
        write(Field::labcob, row, s.winding.grams, "#####0");
        write(Field::labres, row, s.winding.ohms, "#####0.000");
        write(Field::vacvsec, row, s.unloadVolts, "###0.00");
    }
    write(Field::labchapa, 0, 10 * d.tongueCm, "##");
    write(Field::labprof, 0, 10 * d.stackCm, "##");
    write(Field::labpesoE, 0, d.eGrams, "#####");
    write(Field::labpesoI, 0, d.iGrams, "#####");
    write(Field::labpesocu, 0, d.copperGrams, "#####");
    write(Field::labpesotot, 0, d.totalGrams, "######");
    write(Field::labptot, 0, d.loadWatts, "###0.0");
    write(Field::labppri, 0, d.inputWatts, "###0.0");
    write(Field::labrend, 0, d.efficiencyPercent, "##0");
    write(Field::labperfe, 0, d.ironWatts, "###0.0");
    write(Field::labpercu, 0, d.copperWatts, "###0.0");
    window.setText({Field::tbxcostofe}, locale.formatCurrency(design.costs.iron));
    window.setText({Field::tbxcostocu}, locale.formatCurrency(design.costs.copper));
    window.setText({Field::tbxcostotot}, locale.formatCurrency(design.costs.total));
}

RunStop designStopFor(DesignStop stop, double windowFillNeededPercent, const Locale& locale) {
    if (stop == DesignStop::doesNotFit) {
        return {true,
                "The windings do not fit this core:\nthey need " +
                    formatMask(windowFillNeededPercent, "##0.0", locale) + " % of its window, 55 % at most.",
                std::nullopt};
    }
    return {true, cannotCalculateMessage, std::nullopt};
}

} // namespace coilwise
