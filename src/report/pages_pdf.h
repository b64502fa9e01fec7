#pragma once

#include "files/whole_file.h"
#include "page_canvas.h"

#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <span>

namespace coilwise {

// Draws one page on a canvas; false when the canvas refuses or the page cannot be drawn.
using PageDrawing = std::function<bool(PageCanvas&)>;

// Paints pages one after the other on a printer or PDF writer. Each page is first drawn in memory,
// measured as the device measures texts, and the device is opened only when every page has been
// drawn, so nothing half-drawn reaches it.
bool paintPages(QPagedPaintDevice& device, std::span<const PageDrawing> pages);

// The pages as an A4 PDF file, laid out as the design sheet is, saved as any file is: never over
// anything but a regular file. When a page cannot be drawn or the file cannot be written, the
// file is left as it was and the outcome says why.
FileWrite writePagesPdf(const QString& outPath, std::span<const PageDrawing> pages);

} // namespace coilwise
