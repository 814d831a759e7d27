// The bytes of an input file, read front to back in pieces: a file on disk, bytes in memory
// (tests and fuzzers), or a stream inflated on the fly (gzip_input.h). Sources of text and
// binary logs read through it, so that none of them holds a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "platform/platform.h"
#include "platform/status.h"

namespace sources {

class ByteInput {
public:
    virtual ~ByteInput() = default;
    // Up to `buffer.size()` next bytes into `buffer`: how many. 0 at the end, or on a failure
    // (status() says which).
    virtual size_t read(std::span<uint8_t> buffer) = 0;
    virtual platform::Status status() const = 0;
    // Bytes of the stored file consumed so far (for a progress display).
    virtual uint64_t consumed() const = 0;
    // The stored file ended before the data it holds did (a compressed file cut short): the
    // bytes handed on are good, the rest is missing. read() has returned 0 and status() is ok.
    virtual bool cutShort() const { return false; }
};

// A file on disk.
class FileInput final : public ByteInput {
public:
    // Success, or the system's error (0x80070000 + its number) when it cannot be opened.
    platform::Status open(const std::filesystem::path& path);
    size_t read(std::span<uint8_t> buffer) override;
    platform::Status status() const override { return status_; }
    uint64_t consumed() const override { return consumed_; }

private:
    platform::InputFile file_;
    platform::Status status_;
    uint64_t consumed_ = 0;
};

// A stretch of a file on disk, from byte `from` to before `end`: one part of a file read by
// several workers. A file shorter than the stretch fails as a read does.
class FileRangeInput final : public ByteInput {
public:
    platform::Status open(const std::filesystem::path& path, uint64_t from, uint64_t end);
    size_t read(std::span<uint8_t> buffer) override;
    platform::Status status() const override { return status_; }
    uint64_t consumed() const override { return at_ - from_; }

private:
    platform::InputFile file_;
    platform::Status status_;
    uint64_t from_ = 0;
    uint64_t at_ = 0;
    uint64_t end_ = 0;
};

// Bytes in memory, borrowed: they must outlive the input.
class MemoryInput final : public ByteInput {
public:
    explicit MemoryInput(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t read(std::span<uint8_t> buffer) override;
    platform::Status status() const override { return {}; }
    uint64_t consumed() const override { return offset_; }

private:
    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
};

// Reads exactly `buffer.size()` bytes unless the input ends first: how many were read.
size_t readFully(ByteInput& input, std::span<uint8_t> buffer);

}  // namespace sources
