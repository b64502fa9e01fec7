#pragma once

#include "design_record.h"
#include "locale.h"
#include "window_port.h"

namespace coilwise {

enum class Outcome {
    ok,              // every result written
    inputError,      // a check refused a field
    cannotCalculate, // no wire or lamination is large enough, or the settings make no sense
    cleared,         // no secondary in use: the window was cleared
};

// The Calculate command: checks the inputs, sizes core and windings and writes every result
// field through the window. On any stop the result fields keep the previous run's texts.
Outcome Command1_Click(DesignRecord& record, WindowPort& window, const Locale& locale);

// A recalculation the program starts itself, after new prices or a new primary voltage.
Outcome nuevocosto(DesignRecord& record, WindowPort& window, const Locale& locale);

} // namespace coilwise
