// Where a .blf file may be cut into parts for several workers: at the start of a compressed or
// stored container that follows the one before directly (after the zero bytes that pad it), the
// containers lying whole in the file. Each cut is found by reading the containers' headers
// only. Where the file holds anything else (objects outside containers, damage, a container
// cut short), no cut is made after it: the rest of the file is one part, read as one worker
// reads a whole file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/platform.h"
#include "platform/status.h"

namespace sources::blf {

class PartCut {
public:
    // At most this much inflated content in a part (besides its first container), so that the
    // frames a worker reads ahead of its conversion stay few.
    static constexpr uint64_t kMaxInflatedBytes = uint64_t{4} << 20;

    platform::Status open(const std::filesystem::path& path);
    // The log's bytes in memory (tests and fuzzers), which must outlive the cutting.
    platform::Status open(std::span<const uint8_t> bytes);
    uint64_t fileSize() const { return fileSize_; }

    // The end of a part that starts at byte `from` (a container's start, or where the objects
    // begin) and holds about `bytes` of the file: the start of the container behind its last
    // one, or the end of the file. Always past `from` while `from` is before the end.
    uint64_t cutAfter(uint64_t from, uint64_t bytes);

private:
    // The size of the container starting at byte `at` (padding skipped into `at`), with its
    // inflated size: false when none starts there or it does not lie whole in the file.
    bool containerAt(uint64_t& at, uint64_t& size, uint64_t& inflated);

    // `count` bytes from byte `at`, which lie in the file.
    bool readAt(uint64_t at, uint8_t* out, size_t count);
    platform::Status checkSignature();

    platform::InputFile file_;
    std::span<const uint8_t> bytes_;
    bool inMemory_ = false;
    uint64_t fileSize_ = 0;
};

}  // namespace sources::blf
