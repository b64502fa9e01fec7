#pragma once

#include <functional>
#include <string>

namespace coilwise {

// A position on the page in twips (1440 to the inch), x to the right and y downward, from the
// top-left corner of the printable area.
struct PagePoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

struct PageFont {
    std::string name;
    int points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const PageFont&, const PageFont&) = default;
};

// The width of a text in a font, in twips, as the page that will show it measures it.
using TextMeasure = std::function<int(const PageFont& font, const std::string& text)>;

// The frame pen draws the title frame and the closing rule, the grid pen the table lines.
enum class PagePen { frame, grid };

// The page the design sheet is drawn on, so that the sheet needs no toolkit: a printer or PDF page
// in the program, a recording in memory. Every operation answers whether it succeeded; after a
// failure the drawing must stop.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    virtual bool setFont(const PageFont& font) = 0;
    virtual bool setPen(PagePen pen) = 0;
    virtual bool line(PagePoint from, PagePoint to) = 0;
    // The outline only, never filled.
    virtual bool rectangle(PagePoint corner, PagePoint opposite) = 0;
    // Black UTF-8 text on one line, its top-left corner at the point.
    virtual bool text(PagePoint topLeft, const std::string& text) = 0;
    // How wide the text would be drawn in the font set last, in twips; the page is not touched.
    virtual int textWidth(const std::string& text) = 0;
};

} // namespace coilwise
