#pragma once

#include "page_canvas.h"

#include <string>
#include <variant>
#include <vector>

namespace coilwise {

struct PageLine {
    PagePoint from;
    PagePoint to;

    friend bool operator==(const PageLine&, const PageLine&) = default;
};

struct PageRectangle {
    PagePoint corner;
    PagePoint opposite;

    friend bool operator==(const PageRectangle&, const PageRectangle&) = default;
};

struct PageText {
    PagePoint topLeft;
    std::string text;

    friend bool operator==(const PageText&, const PageText&) = default;
};

using PageOperation = std::variant<PageFont, PagePen, PageLine, PageRectangle, PageText>;

// A page held in memory. A print job cannot be taken back once the printer has begun it, so the
// sheet is drawn here first and reaches the printer only when it has been drawn to its end.
// Texts are measured as the page it will be replayed on measures them.
class PageRecording final : public PageCanvas {
public:
    explicit PageRecording(TextMeasure measure) : measure_(std::move(measure)) {}

    bool setFont(const PageFont& font) override {
        font_ = font;
        return add(font);
    }
    bool setPen(PagePen pen) override { return add(pen); }
    bool line(PagePoint from, PagePoint to) override { return add(PageLine{from, to}); }
    bool rectangle(PagePoint corner, PagePoint opposite) override {
        return add(PageRectangle{corner, opposite});
    }
    bool text(PagePoint topLeft, const std::string& text) override { return add(PageText{topLeft, text}); }
    int textWidth(const std::string& text) override { return measure_(font_, text); }

    const std::vector<PageOperation>& operations() const { return operations_; }
    // Draws the page again on another canvas, stopping at the first operation it refuses.
    bool replay(PageCanvas& canvas) const;

private:
    bool add(PageOperation operation) {
        operations_.push_back(std::move(operation));
        return true;
    }

    TextMeasure measure_;
    PageFont font_;
    std::vector<PageOperation> operations_;
};

} // namespace coilwise
