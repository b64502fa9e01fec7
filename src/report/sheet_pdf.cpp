#include "sheet_pdf.h"

#include "pages_pdf.h"

#include <array>

namespace coilwise {

FileWrite writeDesignSheetPdf(const QString& outPath, const SheetInputs& inputs) {
    const std::array<PageDrawing, 1> page{[&inputs](PageCanvas& canvas) {
        return drawDesignSheet(canvas, inputs);
    }};
    return writePagesPdf(outPath, page);
}

} // namespace coilwise
