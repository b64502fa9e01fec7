#include "files/text_encoding.h"

#include <gtest/gtest.h>

namespace coilwise {
namespace {

TEST(TextEncoding, ReadsUtf8AsItIsAndAnythingElseAsWindows1252) {
    EXPECT_EQ(decodeFileText("Tensi\xc3\xb3n"), "Tensi\xc3\xb3n");
    EXPECT_EQ(decodeFileText("Tensi\xf3n"), "Tensi\xc3\xb3n");
    EXPECT_EQ(decodeFileText("\x80 5"), "\xe2\x82\xac 5"); // the euro sign
    EXPECT_EQ(decodeFileText("\x81"), "\xc2\x81");         // unassigned: kept as its own code point
}

TEST(TextEncoding, ReadsUtf8AfterAByteOrderMark) {
    EXPECT_EQ(decodeFileText("\xef\xbb\xbf\xc2\xb1"), "\xc2\xb1");
    EXPECT_EQ(decodeFileText("\xef\xbb\xbf"), "");
    EXPECT_EQ(decodeFileText("\xef\xbb\xbf\xb1"), "\xc2\xb1"); // no UTF-8 after all: Windows-1252
}

TEST(TextEncoding, WritesWindows1252WhereItReadsBackAndMarkedUtf8Otherwise) {
    struct Case {
        const char* text;
        const char* bytes;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"Tensi\xc3\xb3n \xe2\x82\xac", "Tensi\xf3n \x80"},
        {"\xce\xa9 coil", "\xef\xbb\xbf\xce\xa9 coil"}, // no place in Windows-1252
        {"\xc3\x82\xc2\xb1"
         "5 %",
         "\xef\xbb\xbf\xc3\x82\xc2\xb1"
         "5 %"}, // its bytes would read as UTF-8
        {"\xc3\xaf\xc2\xbb\xc2\xbfx", "\xef\xbb\xbf\xc3\xaf\xc2\xbb\xc2\xbfx"}, // they would read as the mark
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeFileText(c.text), c.bytes) << c.text;
        EXPECT_EQ(decodeFileText(encodeFileText(c.text)), c.text) << c.text;
    }
}

TEST(TextEncoding, EveryWindows1252ByteSurvivesARoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string single(1, static_cast<char>(byte));
        const std::string text = decodeFileText("x" + single + "\xff");
        EXPECT_EQ(encodeFileText(text), "x" + single + "\xff") << byte;
    }
}

TEST(TextEncoding, RejectsMalformedUtf8) {
    for (const char* bad : {"\xc3", "\xc0\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xff"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
    EXPECT_TRUE(isValidUtf8("\xf0\x9f\x94\x8c"));
}

} // namespace
} // namespace coilwise
