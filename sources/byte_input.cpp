#include "sources/byte_input.h"

#include <algorithm>
#include <cstring>

namespace sources {

platform::Status FileInput::open(const std::filesystem::path& path) {
    consumed_ = 0;
    const int32_t opened = file_.open(path);
    status_ = opened == platform::kOk ? platform::Status{} : platform::Status::failure(opened);
    return status_;
}

size_t FileInput::read(std::span<uint8_t> buffer) {
    if (!status_.ok() || buffer.empty()) return 0;
    size_t got = 0;
    const int32_t result = file_.readSome(buffer.data(), buffer.size(), got);
    if (result != platform::kOk) {
        status_ = platform::Status::failure(result, {}, platform::Place::byte(consumed_));
        return 0;
    }
    consumed_ += got;
    return got;
}

platform::Status FileRangeInput::open(const std::filesystem::path& path, uint64_t from,
                                      uint64_t end) {
    from_ = at_ = from;
    end_ = std::max(from, end);
    const int32_t opened = file_.open(path);
    status_ = opened == platform::kOk ? platform::Status{} : platform::Status::failure(opened);
    return status_;
}

size_t FileRangeInput::read(std::span<uint8_t> buffer) {
    if (!status_.ok() || at_ == end_) return 0;
    const auto count = static_cast<size_t>(std::min<uint64_t>(buffer.size(), end_ - at_));
    const int32_t result = file_.readAt(at_, buffer.data(), count);
    if (result != platform::kOk) {
        status_ = platform::Status::failure(result, {}, platform::Place::byte(at_));
        return 0;
    }
    at_ += count;
    return count;
}

size_t MemoryInput::read(std::span<uint8_t> buffer) {
    const size_t count = std::min(buffer.size(), bytes_.size() - offset_);
    if (count != 0) std::memcpy(buffer.data(), bytes_.data() + offset_, count);
    offset_ += count;
    return count;
}

size_t readFully(ByteInput& input, std::span<uint8_t> buffer) {
    size_t done = 0;
    while (done < buffer.size()) {
        const size_t got = input.read(buffer.subspan(done));
        if (got == 0) break;
        done += got;
    }
    return done;
}

}  // namespace sources
