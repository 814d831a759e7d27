#include "monitor/capture_bytes.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace monitor {

namespace {

// A range outside the capture is answered as the end of a file that shrank.
constexpr int32_t kPastTheEnd = platform::systemError(38);

bool inside(uint64_t offset, size_t count, uint64_t size) {
    return offset <= size && count <= size - offset;
}

}  // namespace

bool CaptureBytes::failed(int32_t code) const {
    if (error_ == platform::kOk) error_ = code;
    return false;
}

MemoryBytes::MemoryBytes(const uint8_t* bytes, uint64_t size) : bytes_(bytes) { size_ = size; }

std::unique_ptr<MemoryBytes> MemoryBytes::copyOf(const uint8_t* bytes, uint64_t size) {
    std::unique_ptr<uint8_t[]> copy(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
    if (!copy) return nullptr;
    if (size > 0) std::memcpy(copy.get(), bytes, static_cast<size_t>(size));
    auto memory = std::make_unique<MemoryBytes>(copy.get(), size);
    memory->owned_ = std::move(copy);
    return memory;
}

bool MemoryBytes::read(uint64_t offset, void* out, size_t count) const {
    if (!inside(offset, count, size_)) return failed(kPastTheEnd);
    if (count > 0) std::memcpy(out, bytes_ + offset, count);
    return true;
}

int32_t FileBytes::open(const std::filesystem::path& path) {
    if (const int32_t result = file_.open(path); result != platform::kOk) return result;
    return file_.size(size_);
}

bool FileBytes::read(uint64_t offset, void* out, size_t count) const {
    if (!inside(offset, count, size_)) return failed(kPastTheEnd);
    if (count >= kCacheSize) {
        const int32_t result = file_.readAt(offset, out, count);
        return result == platform::kOk || failed(result);
    }
    if (!cache_) {
        cache_.reset(new (std::nothrow) uint8_t[kCacheSize]);
        if (!cache_) return failed(platform::kOutOfMemory);
    }
    if (offset < cacheOffset_ || offset + count > cacheOffset_ + cacheLength_) {
        const size_t length = static_cast<size_t>(std::min<uint64_t>(kCacheSize, size_ - offset));
        cacheLength_ = 0;
        if (const int32_t result = file_.readAt(offset, cache_.get(), length);
            result != platform::kOk) {
            return failed(result);
        }
        cacheOffset_ = offset;
        cacheLength_ = length;
    }
    if (count > 0) std::memcpy(out, cache_.get() + (offset - cacheOffset_), count);
    return true;
}

}  // namespace monitor
