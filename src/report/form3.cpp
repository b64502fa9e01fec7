#include "form3.h"

#include "paint_sheet.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace coilwise {

void printDesignSheet(DialogsPort& dialogs, const SheetInputs& inputs) {
    QPrinter printer(QPrinter::HighResolution);
    if (dialogs.printDialog(printer)) {
        paintDesignSheet(printer, inputs);
    }
}

void previewDesignSheet(DialogsPort& dialogs, const SheetInputs& inputs, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("designSheetPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&inputs](QPrinter* target) { paintDesignSheet(*target, inputs); });
    dialogs.runModal(preview);
}

} // namespace coilwise
