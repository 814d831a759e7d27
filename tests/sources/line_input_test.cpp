#include "sources/line_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "sources/byte_input.h"

namespace {

using sources::LineInput;

// Hands out its bytes a few at a time, as a pipe or an inflated stream may.
class TrickleInput final : public sources::ByteInput {
public:
    TrickleInput(std::string bytes, size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    size_t read(std::span<uint8_t> buffer) override {
        const size_t count = std::min({buffer.size(), piece_, bytes_.size() - offset_});
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return {}; }
    uint64_t consumed() const override { return offset_; }

private:
    std::string bytes_;
    size_t piece_;
    size_t offset_ = 0;
};

struct Line {
    std::string text;
    uint64_t number;
    bool tooLong;
    bool operator==(const Line&) const = default;
};

// Whether each line handed on ended with a line feed.
std::vector<bool> endsOf(const std::string& bytes, size_t piece) {
    TrickleInput input(bytes, piece);
    LineInput lines(input);
    std::vector<bool> ends;
    std::string_view line;
    while (lines.next(line)) ends.push_back(lines.lineEnded());
    return ends;
}

std::vector<Line> linesOf(const std::string& bytes, size_t piece = 1 << 20) {
    TrickleInput input(bytes, piece);
    LineInput lines(input);
    std::vector<Line> out;
    std::string_view line;
    while (lines.next(line))
        out.push_back({std::string(line), lines.lineNumber(), lines.tooLong()});
    return out;
}

TEST(LineInput, SplitsAtLineFeedsAndDropsTheCarriageReturnBeforeThem) {
    const std::vector<Line> expected = {
        {"a", 1, false}, {"", 2, false}, {"b c", 3, false}, {"last", 4, false}};
    for (const size_t piece : {size_t{1}, size_t{3}, size_t{1} << 20}) {
        EXPECT_EQ(linesOf("a\r\n\nb c\nlast", piece), expected) << "pieces of " << piece;
        EXPECT_EQ(linesOf("a\r\n\nb c\nlast\r\n", piece), expected) << "pieces of " << piece;
    }
    for (const size_t piece : {size_t{1}, size_t{1} << 20}) {
        EXPECT_EQ(endsOf("a\nb\nlast", piece), (std::vector<bool>{true, true, false}));
        EXPECT_EQ(endsOf("a\nlast\r\n", piece), (std::vector<bool>{true, true}));
    }
    EXPECT_TRUE(linesOf("").empty());
    EXPECT_EQ(linesOf("\n"), (std::vector<Line>{{"", 1, false}}));
}

TEST(LineInput, LinesAcrossBlockBoundariesComeWhole) {
    std::string bytes;
    std::vector<Line> expected;
    for (int i = 0; i < 40000; ++i) {
        std::string text =
            "line " + std::to_string(i) + std::string(static_cast<size_t>(i % 97), 'x');
        bytes += text + "\n";
        expected.push_back({text, static_cast<uint64_t>(i + 1), false});
    }
    ASSERT_GT(bytes.size(), 3 * LineInput::kBlockSize);
    EXPECT_EQ(linesOf(bytes), expected);
    EXPECT_EQ(linesOf(bytes, 4093), expected);
}

// A reader that takes lines from the block itself where it finds their end there, and asks for
// the next line elsewhere, gets the lines and numbers of next() alone, across every block end.
TEST(LineInput, LinesTakenFromTheBlockAndHandedOnFollowEachOther) {
    std::string bytes;
    for (int i = 0; i < 30000; ++i) {
        bytes += "line " + std::to_string(i) + std::string(static_cast<size_t>(i % 89), 'x') +
                 (i % 5 == 0 ? "\r\n" : "\n");
    }
    bytes += "last";
    const std::vector<Line> expected = linesOf(bytes);
    for (const size_t piece : {size_t{1}, size_t{4093}, size_t{1} << 20}) {
        TrickleInput input(bytes, piece);
        LineInput lines(input);
        std::vector<Line> got;
        size_t taken = 0;
        for (int i = 0;; ++i) {
            const std::string_view unread = lines.unread();
            const size_t feed = unread.find('\n');
            if (i % 3 != 0 && feed != std::string_view::npos) {
                std::string_view text = unread.substr(0, feed);
                if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
                got.push_back({std::string(text), 0, false});
                lines.take(feed + 1);
                ++taken;
            } else {
                std::string_view text;
                if (!lines.next(text)) break;
                got.push_back({std::string(text), 0, lines.tooLong()});
            }
            got.back().number = lines.lineNumber();
            ASSERT_TRUE(lines.lineEnded() || got.size() == expected.size());
        }
        EXPECT_EQ(got, expected) << "pieces of " << piece;
        // A byte at a time, the block never holds a whole line.
        if (piece != 1) {
            EXPECT_GT(taken, expected.size() / 2);
        }
    }
}

TEST(LineInput, AnOverlongLineIsHandedOnAsTooLongAndTheNextLinesFollow) {
    const std::string huge(1 << 20, 'A');  // a 1 MB line
    const std::vector<Line> lines = linesOf("first\n" + huge + "\nafter\n" + huge);
    EXPECT_EQ(lines, (std::vector<Line>{
                         {"first", 1, false}, {"", 2, true}, {"after", 3, false}, {"", 4, true}}));
    // A line of exactly the largest length is still a line.
    const std::string longest(LineInput::kMaxLineLength - 1, 'b');
    EXPECT_EQ(linesOf(longest + "\nz\n", 5000),
              (std::vector<Line>{{longest, 1, false}, {"z", 2, false}}));
}

}  // namespace
