#include "page_text.h"

#include <gtest/gtest.h>

namespace coilwise {
namespace {

void drawSample(PageCanvas& canvas) {
    canvas.setFont({.name = "Arial", .points = 9, .bold = true});
    canvas.setPen(PagePen::frame);
    canvas.line({1, 2}, {3, 4});
    canvas.rectangle({5, 6}, {7, 8});
    canvas.text({-9, 10}, "Aé");
}

TEST(PageRecording, ReplayDrawsTheSamePageAgain) {
    PageRecording page(tenTimesPoints);
    drawSample(page);
    PageRecording copy(tenTimesPoints);
    ASSERT_TRUE(page.replay(copy));
    EXPECT_EQ(describe(copy), (std::vector<std::string>{"font Arial 9 bold", "pen frame", "line 1,2 3,4",
                                                        "box 5,6 7,8", "text -9,10 Aé"}));
}

TEST(PageRecording, ReplayStopsAtTheFirstRefusedOperation) {
    PageRecording page(tenTimesPoints);
    drawSample(page);
    for (const int accepted : {0, 2, 4}) {
        FailingCanvas canvas(accepted);
        EXPECT_FALSE(page.replay(canvas)) << accepted;
        EXPECT_EQ(canvas.calls(), accepted + 1) << accepted;
    }
}

TEST(PageRecording, MeasuresTextsInTheFontSetLast) {
    PageRecording page(tenTimesPoints);
    page.setFont({.name = "Arial", .points = 9});
    EXPECT_EQ(page.textWidth("Volts"), 450);
    page.setFont({.name = "Arial", .points = 12});
    EXPECT_EQ(page.textWidth("Volts"), 600);
    EXPECT_EQ(describe(page), (std::vector<std::string>{"font Arial 9", "font Arial 12"}));
}

} // namespace
} // namespace coilwise
