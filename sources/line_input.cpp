#include "sources/line_input.h"

#include <cstring>

namespace sources {

LineInput::LineInput(ByteInput& input)
    : input_(input), buffer_(std::make_unique_for_overwrite<char[]>(kBlockSize)) {}

bool LineInput::refill() {
    if (ended_) return false;
    if (begin_ != 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    const size_t got =
        input_.read({reinterpret_cast<uint8_t*>(buffer_.get()) + end_, kBlockSize - end_});
    if (got == 0) ended_ = true;
    end_ += got;
    return got != 0;
}

bool LineInput::next(std::string_view& line) {
    tooLong_ = false;
    size_t searched = begin_;  // bytes before this hold no LF
    for (;;) {
        const void* found = searched < end_
                                ? std::memchr(buffer_.get() + searched, '\n', end_ - searched)
                                : nullptr;
        if (found != nullptr) {
            const size_t at = static_cast<size_t>(static_cast<const char*>(found) - buffer_.get());
            size_t length = at - begin_;
            if (length > 0 && buffer_[at - 1] == '\r') --length;
            line = tooLong_ ? std::string_view() : std::string_view(buffer_.get() + begin_, length);
            begin_ = at + 1;
            ++lineNumber_;
            lineEnded_ = true;
            return true;
        }
        if (end_ - begin_ >= kMaxLineLength) {
            // No end in sight: the line's bytes so far are dropped, its end is still looked for.
            tooLong_ = true;
            begin_ = end_;
        }
        searched = end_ - begin_;
        const bool more = refill();
        searched = begin_ + searched;
        if (!more) {
            if (end_ == begin_ && !tooLong_) return false;
            size_t length = end_ - begin_;
            if (length > 0 && buffer_[end_ - 1] == '\r') --length;
            line = tooLong_ ? std::string_view() : std::string_view(buffer_.get() + begin_, length);
            begin_ = end_;
            ++lineNumber_;
            lineEnded_ = false;
            return true;
        }
    }
}

}  // namespace sources
