// The lines of a DBC file as a text-mode stream on Windows gives them: a CR directly before an
// LF is not part of the line, a byte 0x1A ends the input, a last line without LF counts, and an
// empty rest after the last LF does not.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace dbc {

// Lines of bytes already in memory.
class TextLines {
public:
    explicit TextLines(std::string_view text) : rest_(text.substr(0, text.find('\x1A'))) {}
    // The next line, valid until the next call; false at the end.
    bool next(std::string_view& line);

private:
    std::string_view rest_;
};

// Lines of a file read block by block, so that the whole file is never held at once. Reading
// stops with tooLarge() once more than maxBytes came (a file that grew while it was read).
class FileLines {
public:
    FileLines(platform::InputFile& file, uint64_t maxBytes) : file_(file), maxBytes_(maxBytes) {}
    bool next(std::string_view& line);
    int32_t readResult() const { return readResult_; }
    bool tooLarge() const { return tooLarge_; }

private:
    bool fill();

    platform::InputFile& file_;
    uint64_t maxBytes_;
    uint64_t total_ = 0;
    std::string buffer_;
    size_t begin_ = 0;    // the first byte not yet returned
    size_t end_ = 0;      // the end of the bytes read
    size_t scanned_ = 0;  // up to here [begin_, end_) holds no LF
    bool ended_ = false;
    bool tooLarge_ = false;
    int32_t readResult_ = platform::kOk;
};

// Reads all of a file that tells no size (a pipe, a device) into `text`, refusing it with
// `tooLarge` once it holds more than maxBytes.
int32_t readWholeFile(platform::InputFile& file, uint64_t maxBytes, std::string& text,
                      bool& tooLarge);

}  // namespace dbc
