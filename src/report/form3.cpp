#include "form3.h"

#include "paint_sheet.h"

#include <QPrinter>

namespace coilwise {

void printDesignSheet(DialogsPort& dialogs, const SheetInputs& inputs) {
    QPrinter printer(QPrinter::HighResolution);
    if (dialogs.printDialog(printer)) {
        paintDesignSheet(printer, inputs);
    }
}

} // namespace coilwise
