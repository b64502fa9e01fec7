#include "construction_page.h"

namespace coilwise {

namespace {

const PageFont titleFont{.name = "Liberation Mono", .points = 14, .bold = true};
const PageFont headingFont{.name = "Liberation Mono", .points = 9, .bold = true};
const PageFont rowFont{.name = "Liberation Mono", .points = 9};

constexpr int leftTwips = 720;
constexpr int topTwips = 720;
constexpr int lineTwips = 220; // 11 pt for 9 pt text
constexpr int titleTwips = 480;

} // namespace

bool drawConstructionSheet(PageCanvas& canvas, const std::vector<SheetLine>& lines) {
    int y = topTwips;
    for (const SheetLine& line : lines) {
        const PageFont& font = line.kind == SheetLine::Kind::title ? titleFont
                               : line.kind == SheetLine::Kind::row ? rowFont
                                                                   : headingFont;
        // A heading opens its section with a little air above it.
        if (line.kind == SheetLine::Kind::heading) {
            y += lineTwips / 2;
        }
        if (!canvas.setFont(font) || !canvas.text({leftTwips, y}, line.text)) {
            return false;
        }
        y += line.kind == SheetLine::Kind::title ? titleTwips : lineTwips;
    }
    return true;
}

} // namespace coilwise
