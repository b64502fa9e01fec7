#pragma once

#include "chosen_core.h"
#include "design_record.h"
#include "locale.h"
#include "window_port.h"

#include <optional>

namespace coilwise {

enum class Outcome {
    ok,              // every result written
    inputError,      // a check refused a field
    cannotCalculate, // no wire or lamination is large enough, or the settings make no sense
    cleared,         // no secondary in use: the window was cleared
};

// The Calculate command: checks the inputs, sizes core and windings and writes every result
// field through the window. On any stop the result fields keep the previous run's texts. The
// record keeps what the run designed from and the design (see designTransformer).
Outcome Command1_Click(DesignRecord& record, WindowPort& window, const Locale& locale);

// Calculate on a core the user chose: the same checks, fields and messages, the sizing rules run
// on that core alone with the allowance rising from 0, and a current beyond the thickest wire
// wound with parallel strands. When the windings do not fit, the message says how much of the
// window they need.
Outcome calculateOnCore(DesignRecord& record, WindowPort& window, const Locale& locale,
                        const ChosenCore& core);

// A recalculation the program starts itself, after new prices or a new primary voltage.
Outcome nuevocosto(DesignRecord& record, WindowPort& window, const Locale& locale);

} // namespace coilwise
