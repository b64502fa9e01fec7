#include "engine/utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

struct SequenceCase {
    std::string bytes;
    char32_t code; // of the first character; 0 with length 0 when the bytes begin none
    std::size_t length;
};

TEST(Utf8, ReadsWellFormedSequencesOnly) {
    const std::vector<SequenceCase> cases = {
        {"A", U'A', 1},
        {"\xc3\xa9", U'\u00e9', 2},
        {"\xe2\x82\xac", U'\u20ac', 3},
        {"\xf0\x9f\x98\x80", U'\U0001f600', 4},
        {"\xf4\x8f\xbf\xbf", U'\U0010ffff', 4},
        {"\x80", 0, 0},             // a continuation byte alone
        {"\xc0\xaf", 0, 0},         // overlong form of '/'
        {"\xe0\x80\xaf", 0, 0},     // overlong, three bytes
        {"\xed\xa0\x80", 0, 0},     // a surrogate
        {"\xf4\x90\x80\x80", 0, 0}, // above U+10FFFF
        {"\xe2\x82", 0, 0},         // cut short at the end
        {"\xe2\x41\x41", 0, 0},     // cut short by a plain byte
        {"\xff", 0, 0},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const std::optional<Utf8Character> character = decodeUtf8At(c.bytes, 0);
        EXPECT_EQ(character.has_value(), c.length > 0);
        EXPECT_EQ(utf8SequenceLength(c.bytes, 0), c.length);
        EXPECT_EQ(isValidUtf8(c.bytes), c.length == c.bytes.size());
        if (character) {
            EXPECT_EQ(character->code, c.code);
            EXPECT_EQ(character->length, c.length);
            std::string written;
            appendUtf8(written, c.code);
            EXPECT_EQ(written, c.bytes);
        }
    }
}

TEST(Utf8, CountsCharactersByTheirFirstByte) {
    EXPECT_EQ(utf8CharacterCount(""), 0U);
    EXPECT_EQ(utf8CharacterCount("2,81 \xe2\x82\xac"), 6U);
    EXPECT_EQ(utf8CharacterCount("\xf0\x9f\x98\x80!"), 2U);
    EXPECT_EQ(utf8CharacterCount("a\xff"), 2U); // a stray byte counts as one
}

} // namespace
} // namespace coilwise
