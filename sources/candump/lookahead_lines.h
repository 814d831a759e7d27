// The lines of a text log with two additions to LineInput: the first lines can be read ahead
// (to recognise the log and how its times read) and are then handed on again in order, and a
// last line that the file ends inside of, with no line end, is marked as cut. Memory stays
// bounded: the lines read ahead are copied up to a limit, the rest stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sources/byte_input.h"
#include "sources/line_input.h"

namespace sources::candump {

struct TextLine {
    std::string_view text;  // valid until the next line is asked for
    uint64_t number = 0;    // from 1
    bool tooLong = false;   // longer than LineInput::kMaxLineLength: no text
    bool cut = false;       // the file ends inside this line (it has no line end)
};

class LookaheadLines {
public:
    explicit LookaheadLines(std::unique_ptr<ByteInput> input);
    ~LookaheadLines();

    // Reads up to `maxLines` lines, or until `maxBytes` of their text, ahead of next(); the
    // lines read ahead, valid until next() has handed them all on.
    const std::vector<TextLine>& readAhead(size_t maxLines, size_t maxBytes);
    // The next line in file order; false at the end of the input or when reading failed.
    bool next(TextLine& line) {
        // Once the lines read ahead are handed on, straight to the input (inline: every line).
        return replaying_ ? replay(line) : fetch(line);
    }

    // The bytes of LineInput::unread() once the lines read ahead are handed on; false before.
    bool unread(std::string_view& bytes) const {
        if (replaying_) return false;
        bytes = lines_.unread();
        return true;
    }
    // Hands on the next line from unread(): its first `length` bytes, its LF the last.
    void take(size_t length) { lines_.take(length); }

    platform::Status status() const;
    uint64_t consumed() const;
    // The lines read from the file so far, those read ahead included.
    uint64_t linesRead() const { return lines_.lineNumber(); }
    // The stored file ended before the data it holds (ByteInput::cutShort).
    bool inputCutShort() const;

private:
    bool fetch(TextLine& line);
    bool replay(TextLine& line);

    std::unique_ptr<ByteInput> input_;
    LineInput lines_;
    // Lines read ahead: their text one after the other, handed on again from `replayed_`.
    std::string aheadText_;
    std::vector<TextLine> ahead_;
    size_t replayed_ = 0;
    bool replaying_ = false;  // lines read ahead, or their copies, are still kept
};

}  // namespace sources::candump
