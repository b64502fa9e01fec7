#include "paint_sheet.h"

#include "page_recording.h"
#include "painter_canvas.h"

#include <QPainter>

namespace coilwise {

bool paintDesignSheet(QPaintDevice& device, const SheetInputs& inputs) {
    PageRecording sheet(deviceTextMeasure(device));
    if (!drawDesignSheet(sheet, inputs)) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    PainterCanvas canvas(painter);
    const bool drawn = sheet.replay(canvas);
    const bool ended = painter.end();
    return drawn && ended;
}

} // namespace coilwise
