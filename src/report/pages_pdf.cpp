#include "pages_pdf.h"

#include "painter_canvas.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace coilwise {

namespace {

// As for the design sheet: a printer's quarter-inch margin and a laser printer's resolution.
constexpr double printerMarginMillimetres = 6.35;
constexpr int printerDotsPerInch = 600;

} // namespace

bool paintPages(QPagedPaintDevice& device, std::span<const PageRecording> pages) {
    QPainter painter;
    if (pages.empty() || !painter.begin(&device)) {
        return false;
    }
    bool drawn = true;
    for (std::size_t i = 0; drawn && i < pages.size(); ++i) {
        if (i > 0) {
            drawn = device.newPage();
        }
        PainterCanvas canvas(painter);
        drawn = drawn && pages[i].replay(canvas);
    }
    const bool ended = painter.end();
    return drawn && ended;
}

bool writePagesPdf(const QString& outPath, std::span<const PageRecording> pages) {
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
    return paintPages(writer, pages) && file.commit();
}

} // namespace coilwise
