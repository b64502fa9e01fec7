#pragma once

#include "report/page_recording.h"

#include <string>
#include <vector>

namespace coilwise {

// One line per page operation, so that a failing comparison shows the sheet as a person reads it:
// "font Arial 12 bold underline", "pen grid", "line 345,270 10710,270", "box ...", "text 570,335 Title".
inline std::string describe(PagePoint point) {
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

struct Describe {
    std::string operator()(const PageFont& font) const {
        return "font " + font.name + " " + std::to_string(font.points) + (font.bold ? " bold" : "") +
               (font.italic ? " italic" : "") + (font.underline ? " underline" : "");
    }
    std::string operator()(PagePen pen) const { return pen == PagePen::frame ? "pen frame" : "pen grid"; }
    std::string operator()(const PageLine& line) const {
        return "line " + describe(line.from) + " " + describe(line.to);
    }
    std::string operator()(const PageRectangle& box) const {
        return "box " + describe(box.corner) + " " + describe(box.opposite);
    }
    std::string operator()(const PageText& text) const {
        return "text " + describe(text.topLeft) + " " + text.text;
    }
};

inline std::vector<std::string> describe(const PageRecording& page) {
    std::vector<std::string> lines;
    for (const PageOperation& operation : page.operations()) {
        lines.push_back(std::visit(Describe{}, operation));
    }
    return lines;
}

// A text measure easy to work by hand: each character ten times as wide as the font has points.
inline int tenTimesPoints(const PageFont& font, const std::string& text) {
    return 10 * font.points * static_cast<int>(text.size());
}

// Accepts a given number of operations, then refuses every one, counting them all.
class FailingCanvas final : public PageCanvas {
public:
    explicit FailingCanvas(int accepted) : accepted_(accepted) {}

    bool setFont(const PageFont&) override { return next(); }
    bool setPen(PagePen) override { return next(); }
    bool line(PagePoint, PagePoint) override { return next(); }
    bool rectangle(PagePoint, PagePoint) override { return next(); }
    bool text(PagePoint, const std::string&) override { return next(); }
    int textWidth(const std::string& text) override { return tenTimesPoints({}, text); }

    int calls() const { return calls_; }

private:
    bool next() { return calls_++ < accepted_; }

    int accepted_;
    int calls_ = 0;
};

} // namespace coilwise
