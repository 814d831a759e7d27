// How the core's fallible calls report. Each returns a Status: success, or a result code in the
// HRESULT convention of platform.h (kInvalidData, kOutOfMemory, systemError(n), runtimeError(n),
// kCancelled, kInvalidArgument) with, where it is known, the place in the input the failure was
// found at (a line, a byte offset, an object or record number) and a few words on what was
// wrong there. The core never prints: the front ends turn a Status into the words the user
// reads, with the file's name in front. Calls that also hand back a value take it as an
// out-parameter that is valid only when the Status is ok.
//   Status::failure(kInvalidData, "container runs past the end of the file", Place::byte(4096))
//     -> "byte 4096: container runs past the end of the file"
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/platform.h"

namespace platform {

// A place in an input file, for messages.
struct Place {
    enum class Kind : uint8_t { kNone, kLine, kByte, kObject, kRecord };
    Kind kind = Kind::kNone;
    uint64_t number = 0;  // lines, objects and records count from 1; bytes from 0

    static Place line(uint64_t number) { return {Kind::kLine, number}; }
    static Place byte(uint64_t offset) { return {Kind::kByte, offset}; }
    static Place object(uint64_t number) { return {Kind::kObject, number}; }
    static Place record(uint64_t number) { return {Kind::kRecord, number}; }
    // "line 12", "byte 4096", "object 7", "record 3"; empty for no place.
    std::string text() const;
};

class [[nodiscard]] Status {
public:
    Status() = default;  // success
    static Status failure(int32_t code, std::string detail = {}, Place place = {}) {
        Status status;
        status.code_ = code == kOk ? kFail : code;
        status.detail_ = std::move(detail);
        status.place_ = place;
        return status;
    }

    bool ok() const { return code_ == kOk; }
    int32_t code() const { return code_; }
    const std::string& detail() const { return detail_; }
    const Place& place() const { return place_; }
    // The place and the detail as one text: "line 12: not a frame", "cut short", or empty.
    std::string description() const;

private:
    int32_t code_ = kOk;
    std::string detail_;
    Place place_;
};

}  // namespace platform
