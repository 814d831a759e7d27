#include "convert/output_writer.h"

#include <cerrno>
#include <new>

#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace convert {

namespace {
constexpr size_t kBufferCapacity = OutputWriter::kFlushThreshold + OutputWriter::kLineCapacity + 2;
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
}  // namespace

OutputWriter::OutputWriter() : buffer_(new (std::nothrow) char[kBufferCapacity]) {}

OutputWriter::~OutputWriter() { closeOutput(); }

void OutputWriter::configureWriter(const ConversionOptions& options) {
    switch (options.lineEnd) {
        case LineEnd::kLf:
            lineEnd_[0] = '\n', lineEndLength_ = 1;
            break;
        case LineEnd::kCr:
            lineEnd_[0] = '\r', lineEndLength_ = 1;
            break;
        default:
            lineEnd_[0] = '\r', lineEnd_[1] = '\n', lineEndLength_ = 2;
            break;
    }
    utf8_ = options.encoding == Encoding::kUtf8 || options.encoding == Encoding::kUtf8Bom;
    bom_ = options.encoding == Encoding::kUtf8Bom;
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
    bufferLength_ = 0;
    if (buffer_ == nullptr) {
        result_ = platform::kOutOfMemory;
        return result_;
    }
    if (const int refused = output_.open(path); refused != 0) {
        fail(refused);
        return result_;
    }
    // Our own block buffer does the gathering; the stream passes blocks straight through.
    std::setvbuf(output_.stream(), nullptr, _IONBF, 0);
    if (bom_) writeOut(kByteOrderMark, sizeof kByteOrderMark);
    return result_;
}

bool OutputWriter::flushPending() {
    if (bufferLength_ == 0) return true;
    errno = 0;
    const size_t written = std::fwrite(buffer_.get(), 1, bufferLength_, output_.stream());
    const bool complete = written == bufferLength_;
    bufferLength_ = 0;
    if (!complete) fail(errno);
    return complete;
}

// Only for the few bytes written outside lines (the byte order mark), before any line.
void OutputWriter::writeOut(const char* bytes, size_t count) {
    if (output_.stream() == nullptr || bufferLength_ + count > kFlushThreshold) return;
    std::memcpy(buffer_.get() + bufferLength_, bytes, count);
    bufferLength_ += count;
}

void OutputWriter::endLine() {
    if (result_ != 0 || output_.stream() == nullptr) {
        length_ = 0;
        return;
    }
    char* line = buffer_.get() + bufferLength_;
    while (length_ > 0 && line[length_ - 1] == ' ') --length_;
    // The buffer has two spare bytes past the longest line for the line end.
    line[length_] = lineEnd_[0];
    if (lineEndLength_ == 2) line[length_ + 1] = lineEnd_[1];
    bufferLength_ += length_ + lineEndLength_;
    length_ = 0;
    if (bufferLength_ >= kFlushThreshold) flushPending();
}

int32_t OutputWriter::closeOutput() {
    if (output_.stream() == nullptr) return result_;
    if (result_ == 0) flushPending();
    if (result_ == 0) {
        errno = 0;
        if (const int error = output_.commit(); error != 0) fail(error);
    } else {
        output_.abandon();
    }
    bufferLength_ = 0;
    return result_;
}

}  // namespace convert
