#include "dbc/text_lines.h"

#include <algorithm>
#include <cstring>

namespace dbc {

namespace {

constexpr size_t kBlock = size_t{1} << 20;

std::string_view withoutCr(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

bool TextLines::next(std::string_view& line) {
    if (rest_.empty()) return false;
    const size_t lf = rest_.find('\n');
    if (lf == std::string_view::npos) {
        line = rest_;
        rest_ = {};
        return true;
    }
    line = withoutCr(rest_.substr(0, lf));
    rest_.remove_prefix(lf + 1);
    return true;
}

bool FileLines::next(std::string_view& line) {
    for (;;) {
        const char* data = buffer_.data();
        const void* lf = std::memchr(data + scanned_, '\n', end_ - scanned_);
        if (lf != nullptr) {
            const auto at = static_cast<size_t>(static_cast<const char*>(lf) - data);
            line = withoutCr(std::string_view(data + begin_, at - begin_));
            begin_ = scanned_ = at + 1;
            return true;
        }
        scanned_ = end_;
        if (!fill()) {
            if (tooLarge_ || readResult_ != platform::kOk) return false;
            break;
        }
    }
    if (begin_ >= end_) return false;
    line = std::string_view(buffer_.data() + begin_, end_ - begin_);
    begin_ = scanned_ = end_;
    return true;
}

// Moves what is left to the front, makes room (a line longer than the buffer doubles it) and
// reads the next block; false when nothing more comes.
bool FileLines::fill() {
    if (ended_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        scanned_ -= begin_;
        begin_ = 0;
    }
    if (buffer_.size() - end_ < kBlock / 2) buffer_.resize(std::max(kBlock, buffer_.size() * 2));
    size_t got = 0;
    readResult_ = file_.readSome(buffer_.data() + end_, buffer_.size() - end_, got);
    if (readResult_ != platform::kOk || got == 0) {
        ended_ = true;
        return false;
    }
    total_ += got;
    if (total_ > maxBytes_) {
        tooLarge_ = ended_ = true;
        return false;
    }
    // A Ctrl-Z ends the input as it does for a text-mode stream on Windows.
    const void* eof = std::memchr(buffer_.data() + end_, '\x1A', got);
    end_ += got;
    if (eof != nullptr) {
        end_ = static_cast<size_t>(static_cast<const char*>(eof) - buffer_.data());
        ended_ = true;
    }
    return true;
}

int32_t readWholeFile(platform::InputFile& file, uint64_t maxBytes, std::string& text,
                      bool& tooLarge) {
    const uint64_t limit = maxBytes + 1;  // one byte more shows a pipe that goes on
    text.resize(static_cast<size_t>(std::min<uint64_t>(kBlock, limit)));
    size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            if (used >= limit) {
                tooLarge = true;
                text.clear();
                return platform::kOk;
            }
            text.resize(static_cast<size_t>(std::min<uint64_t>(uint64_t{used} * 2, limit)));
        }
        size_t got = 0;
        const int32_t result = file.readSome(text.data() + used, text.size() - used, got);
        if (result != platform::kOk) return result;
        if (got == 0) break;
        used += got;
    }
    text.resize(used);
    return platform::kOk;
}

}  // namespace dbc
