// Platform services that are the same on every system.
#include <cerrno>

#include "platform/error_text.h"
#include "platform/platform.h"

namespace platform {

namespace {

struct ErrorRow {
    int errnoValue;
    uint32_t windowsError;
};

constexpr ErrorRow kErrorRows[] = {
    {ENOENT, 2},          // ERROR_FILE_NOT_FOUND
    {ENOTDIR, 3},         // ERROR_PATH_NOT_FOUND
    {EMFILE, 4},          // ERROR_TOO_MANY_OPEN_FILES
    {ENFILE, 4},          // ERROR_TOO_MANY_OPEN_FILES
    {EACCES, 5},          // ERROR_ACCESS_DENIED
    {EPERM, 5},           // ERROR_ACCESS_DENIED
    {EISDIR, 5},          // ERROR_ACCESS_DENIED (Windows refuses to open a folder as a file)
    {EROFS, 19},          // ERROR_WRITE_PROTECT
    {EBADF, 6},           // ERROR_INVALID_HANDLE
    {ENOMEM, 8},          // ERROR_NOT_ENOUGH_MEMORY
    {EINVAL, 87},         // ERROR_INVALID_PARAMETER
    {EIO, 30},            // ERROR_READ_FAULT
    {ENOSPC, 112},        // ERROR_DISK_FULL
    {EFBIG, 223},         // ERROR_FILE_TOO_LARGE
    {ENAMETOOLONG, 206},  // ERROR_FILENAME_EXCED_RANGE
    {EBUSY, 32},          // ERROR_SHARING_VIOLATION
    {ETXTBSY, 32},        // ERROR_SHARING_VIOLATION
    {EEXIST, 80},         // ERROR_FILE_EXISTS
    {ELOOP, 1921},        // ERROR_CANT_RESOLVE_FILENAME
};

}  // namespace

uint32_t windowsErrorFromErrno(int errorNumber) {
    for (const ErrorRow& row : kErrorRows) {
        if (row.errnoValue == errorNumber) return row.windowsError;
    }
    return 31;  // ERROR_GEN_FAILURE
}

int errnoFromWindowsError(uint32_t windowsError) {
    for (const ErrorRow& row : kErrorRows) {
        if (row.windowsError == windowsError) return row.errnoValue;
    }
    return 0;
}

TextLineReader::~TextLineReader() { close(); }

bool TextLineReader::open(const Path& path) {
    close();
    file_ = openFile(path, "rb");
    buffer_.clear();
    begin_ = 0;
    ended_ = false;
    return file_ != nullptr;
}

void TextLineReader::openBytes(std::string_view bytes) {
    close();
    buffer_.assign(bytes.substr(0, bytes.find('\x1A')));
    begin_ = 0;
    ended_ = true;
}

void TextLineReader::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

// Appends the next block of the file to the buffer; false when nothing more comes.
bool TextLineReader::fill() {
    if (ended_ || file_ == nullptr) return false;
    if (begin_ > 0) {
        buffer_.erase(0, begin_);
        begin_ = 0;
    }
    constexpr size_t kBlock = 1 << 16;
    const size_t old = buffer_.size();
    buffer_.resize(old + kBlock);
    const size_t got = std::fread(buffer_.data() + old, 1, kBlock, file_);
    buffer_.resize(old + got);
    // A Ctrl-Z ends the input as it does for a text-mode stream on Windows.
    const size_t eof = buffer_.find('\x1A', old);
    if (eof != std::string::npos) {
        buffer_.resize(eof);
        ended_ = true;
    }
    if (got < kBlock) ended_ = true;
    return got > 0;
}

bool TextLineReader::readLine(std::string& line) {
    size_t searchFrom = begin_;
    for (;;) {
        const size_t lf = buffer_.find('\n', searchFrom);
        if (lf != std::string::npos) {
            size_t end = lf;
            if (end > begin_ && buffer_[end - 1] == '\r') --end;
            line.assign(buffer_, begin_, end - begin_);
            begin_ = lf + 1;
            return true;
        }
        searchFrom = buffer_.size() - begin_;
        if (!fill()) break;
        searchFrom += begin_;
    }
    if (begin_ >= buffer_.size()) return false;
    line.assign(buffer_, begin_, std::string::npos);
    begin_ = buffer_.size();
    return true;
}

}  // namespace platform
