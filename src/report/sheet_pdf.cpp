#include "sheet_pdf.h"

#include "files/whole_file.h"
#include "paint_sheet.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace coilwise {

namespace {

// The sheet is laid out for a printer's printable area: a quarter-inch margin, as most printers
// have, and a laser printer's resolution, for which the pens' pixel widths are chosen.
constexpr double printerMarginMillimetres = 6.35;
constexpr int printerDotsPerInch = 600;

} // namespace

bool writeDesignSheetPdf(const QString& outPath, const SheetInputs& inputs) {
    // Drawn in memory, then saved as any file is: never over anything but a regular file.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setCreator(QStringLiteral("Coilwise"));
    writer.setResolution(printerDotsPerInch);
    const QMarginsF margins(printerMarginMillimetres, printerMarginMillimetres, printerMarginMillimetres,
                            printerMarginMillimetres);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    if (!paintDesignSheet(writer, inputs)) {
        return false;
    }
    pdf.close();
    return writeWholeFile(outPath,
                          std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace coilwise
