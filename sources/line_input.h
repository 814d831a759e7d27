// The lines of a text log (ASC, candump, TRC), read from a ByteInput a block at a time and
// handed on in place, without a copy. A line ends at LF; a CR before it is not part of the line,
// nor is a last line's missing LF a fault. A line longer than kMaxLineLength is handed on as too
// long, without its text, and memory stays bounded whatever the file holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "sources/byte_input.h"

namespace sources {

class LineInput {
public:
    // Longer lines are no line of any log format this program reads.
    static constexpr size_t kMaxLineLength = 64 * 1024;
    static constexpr size_t kBlockSize = 256 * 1024;

    explicit LineInput(ByteInput& input);

    // The next line, valid until the next call; false at the end of the input (or when reading
    // failed: status() says). A line too long has an empty text and tooLong() set.
    bool next(std::string_view& line);
    // The bytes of the block in hand not handed on yet, whole lines or not: a reader that finds
    // a line's end itself takes the line from them with take(), without the search for its LF.
    std::string_view unread() const { return {buffer_.get() + begin_, end_ - begin_}; }
    // Hands on the first `length` bytes of unread() as the next line: they end with its LF.
    void take(size_t length) {
        begin_ += length;
        ++lineNumber_;
        tooLong_ = false;
        lineEnded_ = true;
    }
    // The number of the line last handed on, from 1.
    uint64_t lineNumber() const { return lineNumber_; }
    bool tooLong() const { return tooLong_; }
    // Whether the line last handed on ended with a line feed: false only for a last line that
    // the file ends inside of (cut, or merely written without its line end).
    bool lineEnded() const { return lineEnded_; }
    platform::Status status() const { return input_.status(); }
    uint64_t consumed() const { return input_.consumed(); }

private:
    // Moves the unread bytes to the front and reads more behind them; false when nothing came.
    bool refill();

    ByteInput& input_;
    std::unique_ptr<char[]> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool ended_ = false;
    uint64_t lineNumber_ = 0;
    bool tooLong_ = false;
    bool lineEnded_ = true;
};

}  // namespace sources
