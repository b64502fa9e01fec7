#include "construction_page.h"

#include <string_view>

namespace coilwise {

namespace {

const PageFont titleFont{.name = "Liberation Mono", .points = 14, .bold = true};
const PageFont headingFont{.name = "Liberation Mono", .points = 9, .bold = true};
const PageFont rowFont{.name = "Liberation Mono", .points = 9};

constexpr int leftTwips = 720;
constexpr int topTwips = 720;
constexpr int lineTwips = 220; // 11 pt for 9 pt text
constexpr int titleTwips = 480;
// What fits between the margins at 9 pt fixed pitch (108 twips a character), counted in bytes, so a
// line with accented characters breaks a little early; continued lines are indented under the text.
constexpr std::size_t lineBytes = 86;
constexpr std::size_t continuationIndent = 11;

// The line broken at blanks into pieces that fit the page width.
std::vector<std::string> fitted(std::string_view text) {
    std::vector<std::string> pieces;
    std::string prefix;
    while (prefix.size() + text.size() > lineBytes) {
        const std::size_t room = lineBytes - prefix.size();
        std::size_t cut = text.rfind(' ', room);
        if (cut == std::string_view::npos || cut == 0) {
            cut = room;
        }
        pieces.push_back(prefix + std::string(text.substr(0, cut)));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        prefix.assign(continuationIndent, ' ');
    }
    pieces.push_back(prefix + std::string(text));
    return pieces;
}

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
        if (!canvas.setFont(font)) {
            return false;
        }
        for (const std::string& piece : fitted(line.text)) {
            if (!canvas.text({leftTwips, y}, piece)) {
                return false;
            }
            y += line.kind == SheetLine::Kind::title ? titleTwips : lineTwips;
        }
    }
    return true;
}

} // namespace coilwise
