// Random access to the bytes of one capture: its file read piece by piece, or bytes in memory.
// The loader reads the signature, the chunk headers and the information block through it; the
// record walk reads blocks of records. Nothing holds a whole capture in memory for a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/platform.h"

namespace monitor {

class CaptureBytes {
public:
    virtual ~CaptureBytes() = default;

    uint64_t size() const { return size_; }
    // Copies `count` bytes from `offset` to `out`. false when the read failed, or the range is not
    // inside size(); error() keeps the first failure.
    virtual bool read(uint64_t offset, void* out, size_t count) const = 0;
    // The bytes in place when they are in memory, else nullptr.
    virtual const uint8_t* data() const { return nullptr; }
    // 0, or the first read failure: 0x80070000 + the system error number, or 0x8007000E.
    int32_t error() const { return error_; }

protected:
    bool failed(int32_t code) const;

    uint64_t size_ = 0;
    mutable int32_t error_ = platform::kOk;
};

// Bytes in memory: borrowed, or a copy owned by this object.
class MemoryBytes final : public CaptureBytes {
public:
    MemoryBytes(const uint8_t* bytes, uint64_t size);
    // nullptr when the copy cannot be allocated.
    static std::unique_ptr<MemoryBytes> copyOf(const uint8_t* bytes, uint64_t size);

    bool read(uint64_t offset, void* out, size_t count) const override;
    const uint8_t* data() const override { return bytes_; }

private:
    std::unique_ptr<uint8_t[]> owned_;
    const uint8_t* bytes_;
};

// An open file. Small reads (chunk headers, information items) come from a cached piece of the
// file, so a walk over many small chunks reads the file once; large reads go straight to the
// caller's buffer.
class FileBytes final : public CaptureBytes {
public:
    static constexpr size_t kCacheSize = 64 * 1024;

    // Opens the file and learns its size: 0, or 0x80070000 + the system error number.
    int32_t open(const std::filesystem::path& path);
    bool read(uint64_t offset, void* out, size_t count) const override;

private:
    mutable platform::InputFile file_;
    mutable std::unique_ptr<uint8_t[]> cache_;  // allocated at the first small read
    mutable uint64_t cacheOffset_ = 0;
    mutable size_t cacheLength_ = 0;
};

}  // namespace monitor
