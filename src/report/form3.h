#pragma once

#include "design_sheet.h"
#include "widgets/dialogs_port.h"

class QWidget;

namespace coilwise {

// The Print command's job: the print dialog, then the design sheet on the printer it leaves chosen.
// Nothing else is shown: cancelling prints nothing, and any failure ends the job without a word.
void printDesignSheet(DialogsPort& dialogs, const SheetInputs& inputs);

// The design sheet on screen, drawn by the same code as on paper, with the preview's own
// page controls and a Print button.
void previewDesignSheet(DialogsPort& dialogs, const SheetInputs& inputs, QWidget* parent);

} // namespace coilwise
