#include "sources/blf/blf_part_cut.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "monitor/byte_order.h"
#include "sources/blf/blf_objects.h"

namespace sources::blf {

namespace {

// The most a container's padding, header and own fields take to say its sizes (a header of up
// to 48 bytes).
constexpr size_t kLookSize = kContainerPadding + 64;

}  // namespace

platform::Status PartCut::open(const std::filesystem::path& path) {
    if (const int32_t opened = file_.open(path); opened != platform::kOk) {
        return platform::Status::failure(opened);
    }
    if (const int32_t sized = file_.size(fileSize_); sized != platform::kOk) {
        return platform::Status::failure(sized);
    }
    return checkSignature();
}

platform::Status PartCut::open(std::span<const uint8_t> bytes) {
    bytes_ = bytes;
    inMemory_ = true;
    fileSize_ = bytes.size();
    return checkSignature();
}

platform::Status PartCut::checkSignature() {
    // The log as stored, not through a decompressor.
    std::array<uint8_t, 4> signature{};
    if (fileSize_ < signature.size() || !readAt(0, signature.data(), signature.size()) ||
        std::memcmp(signature.data(), "LOGG", signature.size()) != 0) {
        return platform::Status::failure(platform::kInvalidData);
    }
    return {};
}

bool PartCut::readAt(uint64_t at, uint8_t* out, size_t count) {
    if (!inMemory_) return file_.readAt(at, out, count) == platform::kOk;
    std::memcpy(out, bytes_.data() + at, count);
    return true;
}

bool PartCut::containerAt(uint64_t& at, uint64_t& size, uint64_t& inflated) {
    if (at >= fileSize_) return false;
    std::array<uint8_t, kLookSize> look{};
    const auto have = static_cast<size_t>(std::min<uint64_t>(kLookSize, fileSize_ - at));
    if (!readAt(at, look.data(), have)) return false;
    size_t skip = 0;
    while (skip < kContainerPadding && skip < have && look[skip] == 0) ++skip;
    if (have - skip < kBaseHeaderSize ||
        monitor::readLe32(look.data() + skip) != kObjectSignature) {
        return false;
    }
    const ObjectHeader header = readObjectHeader(look.data() + skip);
    const size_t fieldsEnd = size_t{header.headerSize} + kContainerFieldsSize;
    if (header.type != kLogContainer || !plausible(header) || header.objectSize < fieldsEnd ||
        fieldsEnd > have - skip || at + skip + header.objectSize > fileSize_) {
        return false;
    }
    at += skip;
    size = header.objectSize;
    inflated = monitor::readLe32(look.data() + skip + header.headerSize + kContainerClaimOffset);
    return true;
}

uint64_t PartCut::cutAfter(uint64_t from, uint64_t bytes) {
    uint64_t at = from;
    uint64_t inflated = 0;
    bool first = true;
    while (at < fileSize_ && (first || (at - from < bytes && inflated < kMaxInflatedBytes))) {
        uint64_t size = 0;
        uint64_t content = 0;
        if (!containerAt(at, size, content)) return fileSize_;
        at += size;
        inflated += content;
        first = false;
    }
    // The next part starts at the next container itself, its padding read with this part.
    if (at < fileSize_) {
        uint64_t next = at;
        uint64_t size = 0;
        uint64_t content = 0;
        if (!containerAt(next, size, content)) return fileSize_;
        at = next;
    }
    return std::min(at, fileSize_);
}

}  // namespace sources::blf
