#include "engine/memory_window.h"
#include "page_text.h"
#include "report/design_sheet.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

using Lines = std::vector<std::string>;

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

class DesignSheet : public testing::Test {
protected:
    void set(Field field, const std::string& text, int row = 0) { window.setText({field, row}, text); }

    SheetInputs inputs(std::int16_t q, std::int16_t frec = 50,
                       std::string service = "Continuous service") const {
        return {window, q, frec, std::move(service), 4, 12, 0};
    }

    Lines draw(const SheetInputs& sheet, bool drawsToEnd = true) const {
        PageRecording page(tenTimesPoints);
        EXPECT_EQ(drawDesignSheet(page, sheet), drawsToEnd);
        return describe(page);
    }

    // The texts drawn at one height, in drawing order.
    static Lines textsAt(const Lines& sheet, int y) {
        Lines found;
        for (const std::string& line : sheet) {
            const std::size_t comma = line.find(',');
            if (startsWith(line, "text ") && std::stoi(line.substr(comma + 1)) == y) {
                found.push_back(line);
            }
        }
        return found;
    }

    FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    MemoryWindow window{record, locale};
};

TEST_F(DesignSheet, OneSecondaryDrawsEveryItemInPlace) {
    set(Field::labobs, "Bench supply");
    const std::vector<std::pair<Field, std::string>> singles{
        {Field::labvpri, "220"},       {Field::labnpri, "1784"},       {Field::labalambpri, "0.2"},
        {Field::labpesoprim, "54"},    {Field::labrprim, "108.123"},   {Field::labchapa, "23"},
        {Field::labprof, "23"},        {Field::labpesoE, "450"},       {Field::labpesoI, "150"},
        {Field::labpesocu, "109"},     {Field::labpesotot, "709"},     {Field::tbxcostofe, "1,50 €"},
        {Field::tbxcostocu, "1,31 €"}, {Field::tbxcostotot, "2,81 €"}, {Field::labppri, "14.7"},
        {Field::labptot, "12.0"},      {Field::labperfe, "1.5"},       {Field::labpercu, "1.2"},
        {Field::labrend, "82"}};
    for (const auto& [field, text] : singles) {
        set(field, text);
    }
    const std::vector<std::pair<Field, std::string>> row1{{Field::labvsec, "12.00"}, {Field::labisec, "1.00"},
                                                          {Field::vacvsec, "13.10"}, {Field::labesp, "106"},
                                                          {Field::labalam, "0.70"},  {Field::labcob, "54"},
                                                          {Field::labres, "0.712"}};
    for (const auto& [field, text] : row1) {
        set(field, text, 1);
        set(field, "99", 2); // a row after q is never printed
    }

    const Lines expected{
        "pen frame",
        "line 345,270 10710,270",
        "line 345,780 10710,780",
        "line 345,270 345,780",
        "line 10710,270 10710,780",
        "font Arial 18 bold italic",
        "text 570,335 Coilwise v4.12.0",
        "font Arial 12",
        "text 570,1215 Bench supply",
        "font Arial 12 bold underline",
        "text 570,1890 Primary",
        "font Arial 10",
        "text 3000,1900 Continuous service",
        "font Arial 9",
        // Column labels centred over their columns: 90 twips a character at 9 points.
        "text 1492,2350 Volts",
        "text 2947,2350 Freq.(Hz)",
        "text 4762,2350 Turns",
        "text 6262,2350 Dia.(mm)",
        "text 7852,2350 Weight(g)",
        "text 9532,2350 Rs(ohms)",
        "pen grid",
        "box 900,2580 10710,2850",
        "line 2535,2580 2535,2850",
        "line 4170,2580 4170,2850",
        "line 5805,2580 5805,2850",
        "line 7440,2580 7440,2850",
        "line 9075,2580 9075,2850",
        "font Arial 12 bold underline",
        "text 570,3300 Secondary",
        "pen grid",
        "box 910,3990 10710,4260",
        "line 2310,3990 2310,4260",
        "line 3710,3990 3710,4260",
        "line 5110,3990 5110,4260",
        "line 6510,3990 6510,4260",
        "line 7910,3990 7910,4260",
        "line 9310,3990 9310,4260",
        "font Arial 9",
        "text 1385,3760 Volts",
        "text 2785,3760 Amps.",
        "text 4050,3760 v Unload",
        "text 5585,3760 Turns",
        "text 6850,3760 Dia.(mm)",
        "text 8205,3760 Weight(g)",
        "text 9650,3760 Rs(ohms)",
        "font Arial 12 bold underline",
        "text 570,4710 Construction",
        "pen grid",
        "box 900,5400 6500,5670",
        "line 2300,5400 2300,5670",
        "line 3700,5400 3700,5670",
        "line 5100,5400 5100,5670",
        "box 900,6060 3700,6330",
        "line 2300,6060 2300,6330",
        "box 5100,6060 6500,6330",
        "box 9310,4980 10710,5250",
        "box 9310,5250 10710,5520",
        "box 9310,5520 10710,5790",
        "box 9310,5790 10710,6060",
        "box 9310,6060 10710,6330",
        "pen frame",
        "line 345,6720 10710,6720",
        "font Arial 9",
        "text 1420,5170 Iron",
        "text 2595,5170 Depth(mm)",
        "text 3860,5170 Weight E (g)",
        "text 5260,5170 Weight I (g)",
        "text 1015,5840 Weight cu (g)",
        "text 2280,5840 Total weight (g)",
        "text 5620,5840 Cost",
        "text 7490,5020 Primary power (W)",
        "text 7700,5290 Total power (W)",
        "text 7770,5560 Iron losses (W)",
        "text 7500,5830 Copper losses (W)",
        "text 7870,6100 Efficiency (%)",
        "font Arial 9",
        "text 1567,2615 220",
        "text 3252,2615  50",
        "text 4787,2615 1784",
        "text 6472,2615 0.2",
        "text 8157,2615 54",
        "text 9542,2615 108.123",
        "text 1360,4025 12.00",
        "text 2810,4025 1.00",
        "text 4160,4025 13.10",
        "text 5660,4025 106",
        "text 7010,4025 0.70",
        "text 8510,4025 54",
        "text 9760,4025 0.712",
        "text 1500,5435 23",
        "text 2900,5435 23",
        "text 4250,5435 450",
        "text 5650,5435 150",
        "text 1450,6095 109",
        "text 2850,6095 709",
        "text 5500,6095 2,81 €", // six characters, whatever their bytes
        "text 9810,5015 14.7",
        "text 9810,5285 12.0",
        "text 9860,5555 1.5",
        "text 9860,5825 1.2",
        "text 9910,6095 82",
    };
    EXPECT_EQ(draw(inputs(1)), expected);
}

struct RowsCase {
    std::int16_t q;
    const char* heading;
    int constructionTop;
    int closingRule;
};

struct Extent {
    int left = 1 << 30;
    int right = -(1 << 30);
    int bottom = -(1 << 30);
};

// How far the lines, boxes and texts reach, from the points each line names.
Extent extent(const Lines& sheet) {
    Extent reach;
    for (const std::string& line : sheet) {
        const bool text = startsWith(line, "text ");
        if (!text && !startsWith(line, "line ") && !startsWith(line, "box ")) {
            continue;
        }
        std::size_t at = line.find(' ') + 1;
        for (int point = 0; point < (text ? 1 : 2); ++point) {
            const std::size_t comma = line.find(',', at);
            const std::size_t end = line.find(' ', comma);
            const int x = std::stoi(line.substr(at, comma - at));
            const int y = std::stoi(line.substr(comma + 1, end - comma - 1));
            if (!text) {
                reach.left = std::min(reach.left, x);
                reach.right = std::max(reach.right, x);
            }
            reach.bottom = std::max(reach.bottom, y);
            at = end + 1;
        }
    }
    return reach;
}

// Every secondary in use adds a row and moves the rest of the sheet down by one.
TEST_F(DesignSheet, SecondariesInUseShapeTheSheet) {
    for (int j = 1; j <= 5; ++j) {
        set(Field::labres, "0.5", j);
    }
    for (const RowsCase& c :
         {RowsCase{0, "Secondary", 4440, 6450}, RowsCase{1, "Secondary", 4710, 6720},
          RowsCase{2, "Secondaries", 4980, 6990}, RowsCase{5, "Secondaries", 5790, 7800}}) {
        SCOPED_TRACE(c.q);
        const Lines sheet = draw(inputs(c.q));
        const int r = 270 * c.q;
        const auto has = [&sheet](const std::string& line) {
            return std::count(sheet.begin(), sheet.end(), line) == 1;
        };

        EXPECT_EQ(textsAt(sheet, 3300), Lines{std::string("text 570,3300 ") + c.heading});
        EXPECT_EQ(std::count_if(sheet.begin(), sheet.end(),
                                [](const std::string& line) { return startsWith(line, "box 910,"); }),
                  c.q);
        for (int j = 1; j <= 5; ++j) {
            EXPECT_EQ(textsAt(sheet, 3755 + 270 * j).size(), j <= c.q ? 1U : 0U) << "row " << j;
        }
        for (const int x : {2310, 3710, 5110, 6510, 7910, 9310}) {
            const std::string column =
                "line " + std::to_string(x) + ",3990 " + std::to_string(x) + "," + std::to_string(3990 + r);
            EXPECT_TRUE(has(column)) << column;
        }
        EXPECT_TRUE(has("text 570," + std::to_string(c.constructionTop) + " Construction"));
        EXPECT_TRUE(has("box 9310," + std::to_string(4710 + r) + " 10710," + std::to_string(4980 + r)));
        EXPECT_TRUE(has("box 9310," + std::to_string(5790 + r) + " 10710," + std::to_string(6060 + r)));
        const std::string rule = std::to_string(c.closingRule);
        EXPECT_TRUE(has("line 345," + rule + " 10710," + rule));

        const Extent reach = extent(sheet);
        EXPECT_EQ(reach.left, 345);
        EXPECT_EQ(reach.right, 10710);
        EXPECT_EQ(reach.bottom, c.closingRule);
    }
}

TEST_F(DesignSheet, EmptyFieldsDrawNothing) {
    const Lines sheet = draw(inputs(0, 50, ""));
    EXPECT_TRUE(textsAt(sheet, 1215).empty()) << "notes";
    EXPECT_TRUE(textsAt(sheet, 1900).empty()) << "service";
    const auto valuesFont = std::find(sheet.rbegin(), sheet.rend(), "font Arial 9");
    EXPECT_EQ(Lines(valuesFont.base(), sheet.end()), Lines{"text 3252,2615  50"});
}

struct CentringCase {
    const char* what;
    Field field;
    std::string text;
    std::int16_t frec;
    std::string expected;
};

// About 100 twips a character, not the measured width: long texts start further left, even left of
// the printable area, and are never shortened.
TEST_F(DesignSheet, ValuesAreCentredOnTheirColumns) {
    const std::string long200(200, '7');
    const std::string long655(655, '7');
    const std::vector<CentringCase> cases{
        {"three characters", Field::labvpri, "220", 50, "text 1567,2615 220"},
        {"frequency 60 counts its digits only", Field::labvpri, "", 60, "text 3252,2615  60"},
        {"last power value", Field::labrend, "100", 50, "text 9860,5825 100"},
        {"starts left of the page", Field::labvpri, long200, 50, "text -8283,2615 " + long200},
        {"longest that fits 16 bits", Field::labvpri, long655, 50, "text -31033,2615 " + long655},
    };
    for (const CentringCase& c : cases) {
        SCOPED_TRACE(c.what);
        set(Field::labvpri, "");
        set(c.field, c.text);
        const Lines sheet = draw(inputs(0, c.frec));
        EXPECT_TRUE(std::count(sheet.begin(), sheet.end(), c.expected) == 1);
        set(c.field, "");
    }
}

struct OverflowCase {
    const char* what;
    Field field;
    std::string lastDrawn;
};

// 656 characters or more overflow the 16-bit centring: the sheet stops just before that value.
TEST_F(DesignSheet, ValueTooLongForTheCentringEndsTheDrawing) {
    const std::vector<OverflowCase> cases{
        {"first value", Field::labvpri, "font Arial 9"},
        {"last value", Field::labrend, "text 9860,5555 1.2"},
    };
    for (const OverflowCase& c : cases) {
        SCOPED_TRACE(c.what);
        set(Field::labpercu, "1.2");
        set(c.field, std::string(656, '7'));
        const Lines sheet = draw(inputs(0), false);
        EXPECT_EQ(sheet.back(), c.lastDrawn);
        set(c.field, "");
    }
}

TEST_F(DesignSheet, NotesAndServiceAreNeverCentred) {
    const std::string notes(1000, 'n');
    const std::string service(700, 's');
    set(Field::labobs, notes);
    const Lines sheet = draw(inputs(0, 50, service));
    EXPECT_EQ(textsAt(sheet, 1215), Lines{"text 570,1215 " + notes});
    EXPECT_EQ(textsAt(sheet, 1900), Lines{"text 3000,1900 " + service});
}

// A page operation that fails ends the drawing at once, wherever it comes.
TEST_F(DesignSheet, FailedPageOperationEndsTheDrawing) {
    set(Field::labvpri, "220");
    const int total = static_cast<int>(draw(inputs(1)).size());
    for (const int accepted : {0, 5, 6, total / 2, total - 1}) {
        FailingCanvas canvas(accepted);
        EXPECT_FALSE(drawDesignSheet(canvas, inputs(1))) << accepted;
        EXPECT_EQ(canvas.calls(), accepted + 1) << accepted;
    }
    FailingCanvas enough(total);
    EXPECT_TRUE(drawDesignSheet(enough, inputs(1)));
    EXPECT_EQ(enough.calls(), total);
}

} // namespace
} // namespace coilwise
