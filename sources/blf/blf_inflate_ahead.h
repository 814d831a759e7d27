// The next compressed container of a log inflated on a thread of its own while the frames of the
// one before are read: inflating is half the time of reading a zlib BLF file, and the two halves
// then run side by side on two cores. Only containers of up to kMaxSize bytes (compressed and
// inflated; Vector's tools and python-can write 128 KiB) are taken, so memory stays small; the
// result is the same Inflater's on the same bytes, so nothing but the time changes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "sources/blf/blf_inflate.h"

namespace sources::blf {

class InflateAhead {
public:
    static constexpr size_t kMaxSize = size_t{1} << 20;

    explicit InflateAhead(InflateEngine engine) : engine_(engine) {}
    ~InflateAhead();
    InflateAhead(const InflateAhead&) = delete;
    InflateAhead& operator=(const InflateAhead&) = delete;

    // Starts inflating a copy of `payload` into `claimed` bytes of room, for the container at
    // byte `at` of the file: false (nothing started) when a job is under way, the sizes are
    // too large, or there is no memory or thread for it.
    bool start(uint64_t at, std::span<const uint8_t> payload, uint32_t claimed);
    // The result of the job for the container at `at`, once it is done: false when there is
    // none for it (a job for another place is dropped). The output stays valid until the job
    // after the next one starts.
    bool take(uint64_t at, InflateResult& result, std::span<const uint8_t>& output);

private:
    struct Buffer {
        std::unique_ptr<uint8_t[]> bytes;
        size_t capacity = 0;
        bool reserve(size_t size);
    };
    void work();

    InflateEngine engine_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopping_ = false;
    bool pending_ = false;  // a job is given and not taken yet
    bool done_ = false;     // ... and its result is in
    uint64_t at_ = 0;
    size_t payloadSize_ = 0;
    uint32_t claimed_ = 0;
    InflateResult result_ = InflateResult::kDamaged;
    size_t produced_ = 0;
    Buffer payload_;
    Buffer outputs_[2];  // by turns: the stream reads the one before while the next is filled
    int nextOutput_ = 0;
};

}  // namespace sources::blf
