#include "convert/output_writer.h"

#include <cerrno>
#include <new>

#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace convert {

namespace {
constexpr size_t kPendingCapacity = 1u << 20;
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
}  // namespace

OutputWriter::OutputWriter()
    : line_(new (std::nothrow) char[kLineCapacity + 2]),
      pending_(new (std::nothrow) char[kPendingCapacity]) {}

OutputWriter::~OutputWriter() { closeOutput(); }

void OutputWriter::configureWriter(const ConversionOptions& options) {
    switch (options.outputFormat & LINE_END) {
        case 1:
            lineEnd_[0] = '\n', lineEndLength_ = 1;
            break;
        case 2:
            lineEnd_[0] = '\r', lineEndLength_ = 1;
            break;
        default:
            lineEnd_[0] = '\r', lineEnd_[1] = '\n', lineEndLength_ = 2;
            break;
    }
    utf8_ = (options.outputFormat & CODE_UTF8) != 0;
    bom_ = utf8_ && (options.outputFormat & CODE_BOM) != 0;
    const std::string bytes =
        utf8_ ? platform::utf16ToUtf8(options.delimiter) : platform::utf16ToAnsi(options.delimiter);
    delimiterLength_ = bytes.size() < kDelimiterCapacity ? bytes.size() : kDelimiterCapacity - 1;
    if (delimiterLength_ > 0) std::memcpy(delimiter_, bytes.data(), delimiterLength_);
}

void OutputWriter::fail(int errorNumber) {
    if (result_ == 0) result_ = platform::runtimeError(errorNumber != 0 ? errorNumber : EIO);
}

int32_t OutputWriter::openOutput(const std::filesystem::path& path) {
    closeOutput();
    result_ = 0;
    length_ = 0;
    pendingLength_ = 0;
    if (line_ == nullptr || pending_ == nullptr) {
        result_ = platform::kOutOfMemory;
        return result_;
    }
    errno = 0;
    file_ = platform::openFile(path, "wb");
    if (file_ == nullptr) {
        fail(errno);
        return result_;
    }
    // Our own block buffer does the gathering; the stream passes blocks straight through.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    if (bom_) writeOut(kByteOrderMark, sizeof kByteOrderMark);
    return result_;
}

bool OutputWriter::flushPending() {
    if (pendingLength_ == 0) return true;
    errno = 0;
    const size_t written = std::fwrite(pending_.get(), 1, pendingLength_, file_);
    const bool complete = written == pendingLength_;
    pendingLength_ = 0;
    if (!complete) fail(errno);
    return complete;
}

void OutputWriter::writeOut(const char* bytes, size_t count) {
    if (file_ == nullptr) return;
    if (pendingLength_ + count > kPendingCapacity && !flushPending()) return;
    if (count > kPendingCapacity) {
        errno = 0;
        if (std::fwrite(bytes, 1, count, file_) != count) fail(errno);
        return;
    }
    std::memcpy(pending_.get() + pendingLength_, bytes, count);
    pendingLength_ += count;
}

void OutputWriter::endLine() {
    if (result_ != 0 || file_ == nullptr) {
        length_ = 0;
        return;
    }
    char* line = line_.get();
    while (length_ > 0 && line[length_ - 1] == ' ') --length_;
    // The buffer has two spare bytes past its capacity for the line end.
    std::memcpy(line + length_, lineEnd_, lineEndLength_);
    writeOut(line, length_ + lineEndLength_);
    length_ = 0;
}

int32_t OutputWriter::closeOutput() {
    if (file_ == nullptr) return result_;
    if (result_ == 0) flushPending();
    errno = 0;
    if (std::fclose(file_) != 0) fail(errno);
    file_ = nullptr;
    pendingLength_ = 0;
    return result_;
}

}  // namespace convert
