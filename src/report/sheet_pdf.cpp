#include "sheet_pdf.h"

#include "paint_sheet.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace coilwise {

namespace {

// The sheet is laid out for a printer's printable area: a quarter-inch margin, as most printers
// have, and a laser printer's resolution, for which the pens' pixel widths are chosen.
constexpr double printerMarginMillimetres = 6.35;
constexpr int printerDotsPerInch = 600;

} // namespace

bool writeDesignSheetPdf(const QString& outPath, const SheetInputs& inputs) {
    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Coilwise"));
    writer.setResolution(printerDotsPerInch);
    const QMarginsF margins(printerMarginMillimetres, printerMarginMillimetres, printerMarginMillimetres,
                            printerMarginMillimetres);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    return paintDesignSheet(writer, inputs) && file.commit();
}

} // namespace coilwise
