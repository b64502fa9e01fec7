#pragma once

#include "page_canvas.h"

#include <QPointF>

class QFont;
class QPaintDevice;
class QPainter;

namespace coilwise {

// The page canvas on a painter that is open on a printer or PDF page. Twips are mapped to device
// pixels at the device's resolution, from the origin of its printable area. An operation fails once
// the painter is no longer active, having lost its device.
// Texts measured in a device's fonts and resolution, as a PainterCanvas on it draws them.
TextMeasure deviceTextMeasure(const QPaintDevice& device);

class PainterCanvas final : public PageCanvas {
public:
    explicit PainterCanvas(QPainter& painter);

    bool setFont(const PageFont& font) override;
    bool setPen(PagePen pen) override;
    bool line(PagePoint from, PagePoint to) override;
    bool rectangle(PagePoint corner, PagePoint opposite) override;
    bool text(PagePoint topLeft, const std::string& text) override;
    int textWidth(const std::string& text) override;

private:
    QPointF device(PagePoint point) const;

    QPainter& painter_;
    double pixelsPerTwipX_;
    double pixelsPerTwipY_;
};

} // namespace coilwise
