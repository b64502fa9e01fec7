#include "form1.h"
#include "report/design_sheet.h"
#include "report/form3.h"

namespace coilwise {

// Always available, also before the first calculation: the sheet prints the fields as they stand.
void Form1::menuarchimp_Click() {
    printDesignSheet(dialogs_, sheetInputs(*this, record_));
}

void Form1::menuPrintPreview_Click() {
    previewDesignSheet(dialogs_, sheetInputs(*this, record_), this);
}

} // namespace coilwise
