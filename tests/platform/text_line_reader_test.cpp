#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_paths.h"

namespace {

std::vector<std::string> readLines(std::string_view bytes) {
    testing_support::ScratchDir dir("lines");
    testing_support::writeFileBytes(dir / "in.txt", bytes);
    platform::TextLineReader reader;
    EXPECT_TRUE(reader.open(dir / "in.txt"));
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line)) lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineReader, DropsOnlyTheCarriageReturnDirectlyBeforeALineFeed) {
    EXPECT_EQ(readLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(readLines("a\rb\r\r\n"), (Lines{"a\rb\r"}));
    EXPECT_EQ(readLines("x\r"), (Lines{"x\r"}));
}

TEST(TextLineReader, EmptyRestAfterTheLastLineFeedIsNoLine) {
    EXPECT_EQ(readLines("a\n"), (Lines{"a"}));
    EXPECT_EQ(readLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(readLines(""), Lines{});
}

TEST(TextLineReader, CtrlZEndsTheInput) {
    EXPECT_EQ(readLines("a\nb\x1A"
                        "c\nd\n"),
              (Lines{"a", "b"}));
    EXPECT_EQ(readLines("\x1A"
                        "a\n"),
              Lines{});
}

TEST(TextLineReader, LinesLongerThanTheReadBlockStayWhole) {
    const std::string longLine(200000, 'x');
    const std::string crlfAtBlockEdge = std::string(65535, 'y') + "\r\nz";
    EXPECT_EQ(readLines(longLine + "\nshort\n"), (Lines{longLine, "short"}));
    EXPECT_EQ(readLines(crlfAtBlockEdge), (Lines{std::string(65535, 'y'), "z"}));
    const std::string ctrlZLate = std::string(70000, 'q') + "\x1A" + "tail";
    EXPECT_EQ(readLines(ctrlZLate), (Lines{std::string(70000, 'q')}));
}

TEST(TextLineReader, MissingFileDoesNotOpen) {
    testing_support::ScratchDir dir("missing");
    platform::TextLineReader reader;
    EXPECT_FALSE(reader.open(dir / "nope.dbc"));
    std::string line;
    EXPECT_FALSE(reader.readLine(line));
}

}  // namespace
