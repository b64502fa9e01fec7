#pragma once

#include "design_sheet.h"
#include "files/whole_file.h"

#include <QString>

namespace coilwise {

// Writes the design sheet as a one-page A4 PDF file. False when the sheet cannot be drawn or the
// file cannot be written; the file is then left as it was.
FileWrite writeDesignSheetPdf(const QString& outPath, const SheetInputs& inputs);

} // namespace coilwise
