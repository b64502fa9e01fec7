#include "page_recording.h"

namespace coilwise {

namespace {

struct Replay {
    PageCanvas& canvas;

    bool operator()(const PageFont& font) const { return canvas.setFont(font); }
    bool operator()(PagePen pen) const { return canvas.setPen(pen); }
    bool operator()(const PageLine& line) const { return canvas.line(line.from, line.to); }
    bool operator()(const PageRectangle& box) const { return canvas.rectangle(box.corner, box.opposite); }
    bool operator()(const PageText& text) const { return canvas.text(text.topLeft, text.text); }
};

} // namespace

bool PageRecording::replay(PageCanvas& canvas) const {
    for (const PageOperation& operation : operations_) {
        if (!std::visit(Replay{canvas}, operation)) {
            return false;
        }
    }
    return true;
}

} // namespace coilwise
