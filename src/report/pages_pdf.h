#pragma once

#include "page_recording.h"

#include <QString>
#include <span>

class QPagedPaintDevice;

namespace coilwise {

// Paints recorded pages one after the other on a printer or PDF writer; the device is opened only
// when every page has been drawn, so nothing half-drawn reaches it.
bool paintPages(QPagedPaintDevice& device, std::span<const PageRecording> pages);

// The pages as an A4 PDF file, laid out as the design sheet is. False when the file cannot be
// written; the file is then left as it was.
bool writePagesPdf(const QString& outPath, std::span<const PageRecording> pages);

} // namespace coilwise
