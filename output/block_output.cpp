#include "output/block_output.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/platform.h"

namespace output {

BlockOutput::BlockOutput(size_t blockBytes, size_t pieceBytes)
    : blockBytes_(blockBytes),
      capacity_(blockBytes + pieceBytes),
      buffer_(new (std::nothrow) char[capacity_]) {}

void BlockOutput::failWithErrno(int errorNumber) {
    fail(platform::runtimeError(errorNumber != 0 ? errorNumber : EIO));
}

int32_t BlockOutput::restart() {
    abandon();
    result_ = buffer_ == nullptr ? platform::kOutOfMemory : 0;
    used_ = 0;
    flushed_ = 0;
    return result_;
}

int32_t BlockOutput::open(const std::filesystem::path& target) {
    if (restart() != 0) return result_;
    if (const int refused = file_.open(target); refused != 0) {
        failWithErrno(refused);
        return result_;
    }
    // The block buffer does the gathering; the stream passes blocks straight through.
    std::setvbuf(file_.stream(), nullptr, _IONBF, 0);
    return 0;
}

int32_t BlockOutput::openPart(BlockHandOff& target) {
    if (restart() != 0) return result_;
    handOff_ = &target;
    return 0;
}

void BlockOutput::writeBlock(const char* bytes, size_t count) {
    flush();
    if (result_ == 0 && file_.stream() != nullptr && count > 0) {
        errno = 0;
        if (std::fwrite(bytes, 1, count, file_.stream()) != count) failWithErrno(errno);
    }
    flushed_ += count;
}

void BlockOutput::flush() {
    if (used_ == 0) return;
    if (handOff_ != nullptr) {
        if (result_ == 0) fail(handOff_->handOff(buffer_, used_, capacity_));
    } else if (result_ == 0 && file_.stream() != nullptr) {
        errno = 0;
        if (std::fwrite(buffer_.get(), 1, used_, file_.stream()) != used_) failWithErrno(errno);
    }
    flushed_ += used_;
    used_ = 0;
}

void BlockOutput::write(const void* bytes, size_t count) {
    const auto* from = static_cast<const char*>(bytes);
    while (count > 0) {
        if (used_ >= blockBytes_) flush();
        const size_t piece = count < blockBytes_ - used_ ? count : blockBytes_ - used_;
        std::memcpy(buffer_.get() + used_, from, piece);
        used_ += piece;
        from += piece;
        count -= piece;
    }
}

bool BlockOutput::rewrite(uint64_t offset, const void* bytes, size_t count) {
    if (offset + count > position()) return false;
    if (offset >= flushed_) {
        std::memcpy(buffer_.get() + (offset - flushed_), bytes, count);
        return true;
    }
    flush();
    std::FILE* stream = file_.stream();
    if (result_ != 0 || stream == nullptr || offset > static_cast<uint64_t>(LONG_MAX)) return false;
    if (std::fseek(stream, static_cast<long>(offset), SEEK_SET) != 0) return false;
    errno = 0;
    if (std::fwrite(bytes, 1, count, stream) != count) failWithErrno(errno);
    // Back to the end for whatever follows; a stream that went back can go forward again.
    if (std::fseek(stream, 0, SEEK_END) != 0) failWithErrno(errno);
    return result_ == 0;
}

int32_t BlockOutput::close() {
    if (handOff_ != nullptr) {
        flush();
        handOff_ = nullptr;
        return result_;
    }
    if (file_.stream() == nullptr) return result_;
    flush();
    if (result_ == 0) {
        if (const int error = file_.commit(); error != 0) failWithErrno(error);
    } else {
        file_.abandon();
    }
    return result_;
}

void BlockOutput::abandon() {
    file_.abandon();
    handOff_ = nullptr;
    used_ = 0;
}

}  // namespace output
