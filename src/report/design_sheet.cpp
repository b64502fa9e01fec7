#include "design_sheet.h"

#include "engine/utf8.h"
#include "version.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <optional>

namespace coilwise {

namespace {

constexpr int rowHeight = 270; // one table row, in twips
constexpr int rightEdge = 10710;

const PageFont titleFont{.name = "Arial", .points = 18, .bold = true, .italic = true};
const PageFont notesFont{.name = "Arial", .points = 12};
const PageFont headingFont{.name = "Arial", .points = 12, .bold = true, .underline = true};
const PageFont serviceFont{.name = "Arial", .points = 10};
const PageFont tableFont{.name = "Arial", .points = 9};

// A column label, centred over its column by its measured width.
struct Heading {
    const char* label;
    int centre;
};

// Over the primary table's six columns, the secondaries table's seven and the construction boxes.
constexpr std::array<Heading, 6> primaryHeadings{{
    {"Volts", 1717},
    {"Freq.(Hz)", 3352},
    {"Turns", 4987},
    {"Dia.(mm)", 6622},
    {"Weight(g)", 8257},
    {"Rs(ohms)", 9892},
}};

constexpr std::array<Heading, 7> secondaryHeadings{{
    {"Volts", 1610},
    {"Amps.", 3010},
    {"v Unload", 4410},
    {"Turns", 5810},
    {"Dia.(mm)", 7210},
    {"Weight(g)", 8610},
    {"Rs(ohms)", 10010},
}};

constexpr std::array<Heading, 4> ironHeadings{{
    {"Iron", 1600},
    {"Depth(mm)", 3000},
    {"Weight E (g)", 4400},
    {"Weight I (g)", 5800},
}};

constexpr std::array<Heading, 3> weightHeadings{{
    {"Weight cu (g)", 1600},
    {"Total weight (g)", 3000},
    {"Cost", 5800},
}};

// A value centred in its box: the column's middle and the value's top.
struct Centred {
    Field field;
    int centre;
    int top;
};

constexpr std::array<Centred, 4> primaryResults{{
    {Field::labnpri, 4987, 2615},
    {Field::labalambpri, 6622, 2615},
    {Field::labpesoprim, 8257, 2615},
    {Field::labrprim, 9892, 2615},
}};

// Secondary row j puts its values 270 × j lower.
constexpr std::array<Centred, 7> rowValues{{
    {Field::labvsec, 1610, 3755},
    {Field::labisec, 3010, 3755},
    {Field::vacvsec, 4410, 3755},
    {Field::labesp, 5810, 3755},
    {Field::labalam, 7210, 3755},
    {Field::labcob, 8610, 3755},
    {Field::labres, 10010, 3755},
}};

// Below the secondaries table, before the row offset.
constexpr std::array<Centred, 12> lowerValues{{
    {Field::labchapa, 1600, 5165},
    {Field::labprof, 3000, 5165},
    {Field::labpesoE, 4400, 5165},
    {Field::labpesoI, 5800, 5165},
    {Field::labpesocu, 1600, 5825},
    {Field::labpesotot, 3000, 5825},
    {Field::tbxcostotot, 5800, 5825},
    {Field::labppri, 10010, 4745},
    {Field::labptot, 10010, 5015},
    {Field::labperfe, 10010, 5285},
    {Field::labpercu, 10010, 5555},
    {Field::labrend, 10010, 5825},
}};

bool inInt16(long value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// The left edge of a text centred on a column by an estimate of 100 twips a character, in the
// 16-bit arithmetic the layout was made with: none when a step leaves that range.
std::optional<int> centredLeft(int centre, std::size_t characters) {
    if (characters > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    const long halfWidth = 50L * static_cast<long>(characters);
    const long left = centre - halfWidth;
    if (!inInt16(halfWidth) || !inInt16(left)) {
        return std::nullopt;
    }
    return static_cast<int>(left);
}

class SheetDrawer {
public:
    SheetDrawer(PageCanvas& canvas, const SheetInputs& inputs)
        : canvas_(canvas), inputs_(inputs), offset_(rowHeight * inputs.q) {}

    bool draw() {
        return titleFrame() && titleAndNotes() && primaryBlock() && secondariesHeading() &&
               secondariesGrid() && secondariesHeader() && constructionHeading() && lowerGrids() &&
               closingRule() && lowerLabels() && values();
    }

private:
    bool titleFrame() {
        return canvas_.setPen(PagePen::frame) && canvas_.line({345, 270}, {rightEdge, 270}) &&
               canvas_.line({345, 780}, {rightEdge, 780}) && canvas_.line({345, 270}, {345, 780}) &&
               canvas_.line({rightEdge, 270}, {rightEdge, 780});
    }

    bool titleAndNotes() {
        const std::string title =
            std::string(applicationTitle) + " v" + std::to_string(inputs_.versionMajor) + "." +
            std::to_string(inputs_.versionMinor) + "." + std::to_string(inputs_.versionRevision);
        return write(titleFont, {570, 335}, title) &&
               write(notesFont, {570, 1215}, fieldText({Field::labobs}));
    }

    bool primaryBlock() {
        if (!write(headingFont, {570, 1890}, "Primary") ||
            !write(serviceFont, {3000, 1900}, inputs_.tiposervicio) || !canvas_.setFont(tableFont) ||
            !headings(primaryHeadings, 2350) || !canvas_.setPen(PagePen::grid) ||
            !canvas_.rectangle({900, 2580}, {rightEdge, 2850})) {
            return false;
        }
        for (int i = 1; i <= 5; ++i) {
            const int x = 900 + 1635 * i;
            if (!canvas_.line({x, 2580}, {x, 2850})) {
                return false;
            }
        }
        return true;
    }

    bool secondariesHeading() {
        return write(headingFont, {570, 3300}, inputs_.q > 1 ? "Secondaries" : "Secondary");
    }

    bool secondariesGrid() {
        if (!canvas_.setPen(PagePen::grid)) {
            return false;
        }
        for (int j = 1; j <= inputs_.q; ++j) {
            if (!canvas_.rectangle({910, 3720 + rowHeight * j}, {rightEdge, 3990 + rowHeight * j})) {
                return false;
            }
        }
        for (int i = 1; i <= 6; ++i) {
            const int x = 910 + 1400 * i;
            if (!canvas_.line({x, 3990}, {x, 3990 + offset_})) {
                return false;
            }
        }
        return true;
    }

    bool secondariesHeader() { return canvas_.setFont(tableFont) && headings(secondaryHeadings, 3760); }

    bool constructionHeading() { return write(headingFont, {570, 4440 + offset_}, "Construction"); }

    bool lowerGrids() {
        const int r = offset_;
        if (!canvas_.setPen(PagePen::grid) || !canvas_.rectangle({900, 5130 + r}, {6500, 5400 + r}) ||
            !canvas_.line({2300, 5130 + r}, {2300, 5400 + r}) ||
            !canvas_.line({3700, 5130 + r}, {3700, 5400 + r}) ||
            !canvas_.line({5100, 5130 + r}, {5100, 5400 + r}) ||
            !canvas_.rectangle({900, 5790 + r}, {3700, 6060 + r}) ||
            !canvas_.line({2300, 5790 + r}, {2300, 6060 + r}) ||
            !canvas_.rectangle({5100, 5790 + r}, {6500, 6060 + r})) {
            return false;
        }
        for (int i = 1; i <= 5; ++i) {
            if (!canvas_.rectangle({9310, 4440 + rowHeight * i + r}, {rightEdge, 4710 + rowHeight * i + r})) {
                return false;
            }
        }
        return true;
    }

    bool closingRule() {
        return canvas_.setPen(PagePen::frame) &&
               canvas_.line({345, 6450 + offset_}, {rightEdge, 6450 + offset_});
    }

    bool lowerLabels() {
        const int r = offset_;
        return canvas_.setFont(tableFont) && headings(ironHeadings, 4900 + r) &&
               headings(weightHeadings, 5570 + r) && print({7490, 4750 + r}, "Primary power (W)") &&
               print({7700, 5020 + r}, "Total power (W)") && print({7770, 5290 + r}, "Iron losses (W)") &&
               print({7500, 5560 + r}, "Copper losses (W)") && print({7870, 5830 + r}, "Efficiency (%)");
    }

    bool values() {
        if (!canvas_.setFont(tableFont) || !centred(1717, 2615, {Field::labvpri}) || !frequency()) {
            return false;
        }
        for (const Centred& value : primaryResults) {
            if (!centred(value.centre, value.top, {value.field})) {
                return false;
            }
        }
        for (int j = 1; j <= inputs_.q; ++j) {
            for (const Centred& value : rowValues) {
                if (!centred(value.centre, value.top + rowHeight * j, {value.field, j})) {
                    return false;
                }
            }
        }
        for (const Centred& value : lowerValues) {
            if (!centred(value.centre, value.top + offset_, {value.field})) {
                return false;
            }
        }
        return true;
    }

    // Printed as a number is: a blank where a plus sign would be; only the digits are centred.
    bool frequency() {
        const std::string digits = std::to_string(std::abs(static_cast<int>(inputs_.frec)));
        return centredText(3352, 2615, (inputs_.frec < 0 ? "-" : " ") + digits, digits.size());
    }

    bool centred(int centre, int top, FieldRef ref) {
        const std::string text = fieldText(ref);
        return centredText(centre, top, text, utf8CharacterCount(text));
    }

    bool centredText(int centre, int top, const std::string& text, std::size_t characters) {
        const std::optional<int> left = centredLeft(centre, characters);
        return left && print({*left, top}, text);
    }

    // Labels in the current font, each centred over its column by its real width.
    template <std::size_t N> bool headings(const std::array<Heading, N>& row, int top) {
        return std::all_of(row.begin(), row.end(), [this, top](const Heading& heading) {
            const std::string label = heading.label;
            return print({heading.centre - canvas_.textWidth(label) / 2, top}, label);
        });
    }

    bool write(const PageFont& font, PagePoint at, const std::string& text) {
        return canvas_.setFont(font) && print(at, text);
    }

    // An empty text leaves no mark, so it is not sent at all.
    bool print(PagePoint at, const std::string& text) { return text.empty() || canvas_.text(at, text); }

    std::string fieldText(FieldRef ref) const { return inputs_.window.text(ref); }

    PageCanvas& canvas_;
    const SheetInputs& inputs_;
    int offset_; // every secondary in use moves the rest of the sheet down one row
};

} // namespace

SheetInputs sheetInputs(const WindowPort& window, const DesignRecord& record) {
    return {window, record.q, record.frec, record.tiposervicio, versionMajor, versionMinor, versionRevision};
}

bool drawDesignSheet(PageCanvas& canvas, const SheetInputs& inputs) {
    return SheetDrawer(canvas, inputs).draw();
}

} // namespace coilwise
