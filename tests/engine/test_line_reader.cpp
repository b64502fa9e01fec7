#include "engine/line_reader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace coilwise {
namespace {

std::vector<std::string> readAll(std::string_view text) {
    LineReader reader(text);
    std::vector<std::string> lines;
    while (auto line = reader.next()) {
        lines.push_back(*line);
    }
    return lines;
}

TEST(LineReader, SplitsAtCarriageReturnsOnly) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(readAll(""), Lines{});
    EXPECT_EQ(readAll("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\nb\n"), (Lines{"a\nb\n"}));
    EXPECT_EQ(readAll("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(readAll("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

TEST(LineReader, EndIsReachedAfterTheLastTerminator) {
    LineReader reader("x\r\n");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.next(), "x");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), std::nullopt);
}

} // namespace
} // namespace coilwise
