#include "painter_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <cmath>

namespace coilwise {

namespace {

constexpr double twipsPerInch = 1440.0;

// Widths in device pixels: the frame stands out from the table lines at any resolution the
// printer has.
constexpr int framePenPixels = 4;
constexpr int gridPenPixels = 1;

QFont pageFont(const PageFont& font) {
    QFont chosen(QString::fromStdString(font.name));
    chosen.setStyleHint(QFont::SansSerif);
    chosen.setPointSize(font.points);
    chosen.setBold(font.bold);
    chosen.setItalic(font.italic);
    chosen.setUnderline(font.underline);
    return chosen;
}

int widthInTwips(const QFont& font, const QPaintDevice& device, const std::string& text) {
    const QFontMetricsF metrics(font, &device);
    return static_cast<int>(std::lround(metrics.horizontalAdvance(QString::fromStdString(text)) *
                                        twipsPerInch / device.logicalDpiX()));
}

} // namespace

TextMeasure deviceTextMeasure(const QPaintDevice& device) {
    return [&device](const PageFont& font, const std::string& text) {
        return widthInTwips(pageFont(font), device, text);
    };
}

PainterCanvas::PainterCanvas(QPainter& painter)
    : painter_(painter), pixelsPerTwipX_(painter.device()->logicalDpiX() / twipsPerInch),
      pixelsPerTwipY_(painter.device()->logicalDpiY() / twipsPerInch) {
    painter_.setBrush(Qt::NoBrush);
}

bool PainterCanvas::setFont(const PageFont& font) {
    painter_.setFont(pageFont(font));
    return painter_.isActive();
}

bool PainterCanvas::setPen(PagePen pen) {
    const int width = pen == PagePen::frame ? framePenPixels : gridPenPixels;
    painter_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    return painter_.isActive();
}

bool PainterCanvas::line(PagePoint from, PagePoint to) {
    painter_.drawLine(device(from), device(to));
    return painter_.isActive();
}

bool PainterCanvas::rectangle(PagePoint corner, PagePoint opposite) {
    painter_.drawRect(QRectF(device(corner), device(opposite)).normalized());
    return painter_.isActive();
}

bool PainterCanvas::text(PagePoint topLeft, const std::string& text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF baseline = device(topLeft) + QPointF(0, metrics.ascent());
    painter_.drawText(baseline, QString::fromStdString(text));
    return painter_.isActive();
}

int PainterCanvas::textWidth(const std::string& text) {
    return widthInTwips(painter_.font(), *painter_.device(), text);
}

QPointF PainterCanvas::device(PagePoint point) const {
    return {point.x * pixelsPerTwipX_, point.y * pixelsPerTwipY_};
}

} // namespace coilwise
