#include "pages_pdf.h"

#include "files/whole_file.h"
#include "page_recording.h"
#include "painter_canvas.h"
#include "version.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace coilwise {

namespace {

// The sheets are laid out for a printer's printable area: a quarter-inch margin, as most printers
// have, and a laser printer's resolution, for which the pens' pixel widths are chosen.
constexpr double printerMarginMillimetres = 6.35;
constexpr int printerDotsPerInch = 600;

} // namespace

bool paintPages(QPagedPaintDevice& device, std::span<const PageDrawing> pages) {
    std::vector<PageRecording> recorded;
    recorded.reserve(pages.size());
    for (const PageDrawing& draw : pages) {
        if (!draw(recorded.emplace_back(deviceTextMeasure(device)))) {
            return false;
        }
    }
    QPainter painter;
    if (recorded.empty() || !painter.begin(&device)) {
        return false;
    }
    bool drawn = true;
    for (std::size_t i = 0; drawn && i < recorded.size(); ++i) {
        if (i > 0) {
            drawn = device.newPage();
        }
        PainterCanvas canvas(painter);
        drawn = drawn && recorded[i].replay(canvas);
    }
    const bool ended = painter.end();
    return drawn && ended;
}

FileWrite writePagesPdf(const QString& outPath, std::span<const PageDrawing> pages) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setCreator(QString::fromUtf8(applicationTitle));
    writer.setResolution(printerDotsPerInch);
    const QMarginsF margins(printerMarginMillimetres, printerMarginMillimetres, printerMarginMillimetres,
                            printerMarginMillimetres);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    if (!paintPages(writer, pages)) {
        return {"a page could not be drawn"};
    }
    pdf.close();
    return writeWholeFile(outPath,
                          std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace coilwise
