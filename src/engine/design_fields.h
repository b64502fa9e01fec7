#pragma once

#include "design.h"
#include "locale.h"
#include "run_stop.h"
#include "window_port.h"

namespace coilwise {

// Every result field of the design through its display mask, as Calculate writes them.
void writeDesignFields(const Design& design, WindowPort& window, const Locale& locale);

// How a run without a design stops: the generic refusal, or how much of the chosen core's window
// the windings need.
RunStop designStopFor(DesignStop stop, double windowFillNeededPercent, const Locale& locale);

} // namespace coilwise
