// A gzip-compressed file (x.asc.gz, x.log.gz) read as the bytes it holds, inflated on the fly
// from another input a block at a time. Memory stays the same whatever the file holds or claims:
// one block of compressed bytes and zlib's 32 KiB window, the inflated bytes going straight into
// the caller's buffer.
//   members one after another (as `cat a.gz b.gz` makes them) read as one stream;
//   zero bytes after a member are padding and skipped (as gzip and Python's gzip module do);
//   anything else after a member, or corrupt data, fails with kInvalidData at its compressed byte;
//   a file that ends inside a member (or is empty) hands on the bytes before, then ends with
//   cutShort().
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "sources/byte_input.h"

namespace sources {

// The gzip magic (1F 8B) and deflate, the one method gzip defines: the first bytes of a member.
bool startsWithGzipMagic(std::span<const uint8_t> bytes);

class GzipInput final : public ByteInput {
public:
    static constexpr size_t kBlockSize = 64 * 1024;

    explicit GzipInput(std::unique_ptr<ByteInput> stored);
    ~GzipInput() override;
    GzipInput(const GzipInput&) = delete;
    GzipInput& operator=(const GzipInput&) = delete;

    size_t read(std::span<uint8_t> buffer) override;
    platform::Status status() const override { return status_; }
    // Compressed bytes inflated so far (the progress through the stored file).
    uint64_t consumed() const override;
    bool cutShort() const override { return cutShort_; }

private:
    enum class State { kFirstMember, kInMember, kAfterMember, kEnded };
    struct Stream;

    // More compressed bytes; false at the end of the stored file or on its failure.
    bool fill();
    // The stored file has ended: a clean end between members, else a file cut short.
    void endOfStoredFile();
    // At the start of a member (after padding): its magic checked, the inflater reset.
    void startMember();
    void inflateSome();
    void fail(int32_t code, const char* what, const char* detail = nullptr);

    std::unique_ptr<ByteInput> stored_;
    std::unique_ptr<uint8_t[]> block_;
    std::unique_ptr<Stream> stream_;
    State state_ = State::kFirstMember;
    uint64_t storedBytes_ = 0;  // read from the stored file so far
    platform::Status status_;
    bool cutShort_ = false;
};

}  // namespace sources
