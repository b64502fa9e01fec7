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

TEST(TextEncoding, WritesWindows1252WhereItCanAndUtf8WhereItCannot) {
    EXPECT_EQ(encodeFileText("Tensi\xc3\xb3n \xe2\x82\xac"), "Tensi\xf3n \x80");
    EXPECT_EQ(encodeFileText("plain"), "plain");
    const std::string greek = "\xce\xa9 coil";
    EXPECT_EQ(encodeFileText(greek), greek);
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
