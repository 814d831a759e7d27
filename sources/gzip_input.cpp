#include "sources/gzip_input.h"

#include <zlib.h>

#include <algorithm>
#include <string>

namespace sources {

namespace {

constexpr uint8_t kMagic1 = 0x1F;
constexpr uint8_t kMagic2 = 0x8B;
constexpr uint8_t kDeflate = 8;
// A 32 KiB window (15 bits), and 16 more for the gzip wrapper alone (no zlib or raw streams).
constexpr int kGzipWindowBits = 15 + 16;
// zlib counts a buffer in 32 bits.
constexpr size_t kMaxOutputPerRead = size_t{1} << 30;

}  // namespace

bool startsWithGzipMagic(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == kMagic1 && bytes[1] == kMagic2 && bytes[2] == kDeflate;
}

struct GzipInput::Stream {
    z_stream z{};
    bool initialised = false;
};

GzipInput::GzipInput(std::unique_ptr<ByteInput> stored)
    : stored_(std::move(stored)),
      block_(std::make_unique<uint8_t[]>(kBlockSize)),
      stream_(std::make_unique<Stream>()) {
    const int result = inflateInit2(&stream_->z, kGzipWindowBits);
    if (result == Z_OK) {
        stream_->initialised = true;
    } else {
        fail(result == Z_MEM_ERROR ? platform::kOutOfMemory : platform::kFail,
             "cannot start inflating");
    }
}

GzipInput::~GzipInput() {
    if (stream_->initialised) inflateEnd(&stream_->z);
}

uint64_t GzipInput::consumed() const { return storedBytes_ - stream_->z.avail_in; }

size_t GzipInput::read(std::span<uint8_t> buffer) {
    if (state_ == State::kEnded || !status_.ok() || buffer.empty()) return 0;
    z_stream& z = stream_->z;
    const size_t room = std::min(buffer.size(), kMaxOutputPerRead);
    z.next_out = buffer.data();
    z.avail_out = static_cast<uInt>(room);
    // Until some bytes come out: a header, padding or an empty block may yield none.
    while (z.avail_out == room && state_ != State::kEnded) {
        if (z.avail_in == 0 && !fill()) {
            endOfStoredFile();
        } else if (state_ == State::kInMember) {
            inflateSome();
        } else {
            startMember();
        }
    }
    const size_t produced = room - z.avail_out;
    z.next_out = nullptr;
    z.avail_out = 0;
    return produced;
}

bool GzipInput::fill() {
    const size_t got = stored_->read({block_.get(), kBlockSize});
    if (got == 0) return false;
    storedBytes_ += got;
    stream_->z.next_in = block_.get();
    stream_->z.avail_in = static_cast<uInt>(got);
    return true;
}

void GzipInput::endOfStoredFile() {
    if (!stored_->status().ok()) {
        status_ = stored_->status();
    } else if (state_ != State::kAfterMember) {
        cutShort_ = true;  // inside a member, or before the first one's first byte
    }
    state_ = State::kEnded;
}

void GzipInput::startMember() {
    z_stream& z = stream_->z;
    if (state_ == State::kAfterMember) {
        while (z.avail_in != 0 && *z.next_in == 0) {
            ++z.next_in;
            --z.avail_in;
        }
        if (z.avail_in == 0) return;
    }
    // The second magic byte may be in the next block: zlib checks it then.
    const bool magic = z.next_in[0] == kMagic1 && (z.avail_in < 2 || z.next_in[1] == kMagic2);
    if (!magic) {
        fail(platform::kInvalidData, state_ == State::kFirstMember
                                         ? "not gzip-compressed data"
                                         : "junk after the end of the compressed data");
        return;
    }
    if (state_ == State::kAfterMember && inflateReset(&z) != Z_OK) {
        fail(platform::kFail, "cannot restart inflating");
        return;
    }
    state_ = State::kInMember;
}

void GzipInput::inflateSome() {
    z_stream& z = stream_->z;
    const uInt inputBefore = z.avail_in;
    const uInt roomBefore = z.avail_out;
    const int result = inflate(&z, Z_NO_FLUSH);
    const bool progress = z.avail_in != inputBefore || z.avail_out != roomBefore;
    if (result == Z_MEM_ERROR) {
        fail(platform::kOutOfMemory, "out of memory inflating");
    } else if (result == Z_STREAM_END && progress) {
        state_ = State::kAfterMember;
    } else if (result != Z_OK || !progress) {
        // Neither input taken nor output given is no sound inflater's answer: stop, not spin.
        fail(platform::kInvalidData, "corrupt compressed data", z.msg);
    }
}

void GzipInput::fail(int32_t code, const char* what, const char* detail) {
    std::string text = what;
    if (detail != nullptr) text += std::string(" (") + detail + ")";
    status_ = platform::Status::failure(code, std::move(text), platform::Place::byte(consumed()));
    state_ = State::kEnded;
}

}  // namespace sources
