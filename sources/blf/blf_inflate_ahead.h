// Compressed containers of a log inflated by a few threads ahead of the reader: the reader starts
// each container it finds whole in its block, the threads inflate them side by side, and the
// reader takes the results in file order. Inflating is half the time of reading a zlib BLF file;
// so it spreads over the cores the machine has. At most kJobsPerThread containers a thread, each
// of up to kMaxSize bytes (compressed and inflated; Vector's tools and python-can write 128 KiB),
// are held, so memory stays small; every result is the same Inflater's on the same bytes, so
// nothing but the time changes.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "sources/blf/blf_inflate.h"

namespace sources::blf {

class InflateAhead {
public:
    static constexpr size_t kMaxSize = size_t{1} << 20;
    static constexpr unsigned kMaxThreads = 4;
    static constexpr unsigned kJobsPerThread = 4;

    // `threads`: how many at most, 0 for one a core (up to kMaxThreads). Threads start as the
    // jobs need them.
    explicit InflateAhead(InflateEngine engine, unsigned threads = 0);
    ~InflateAhead();
    InflateAhead(const InflateAhead&) = delete;
    InflateAhead& operator=(const InflateAhead&) = delete;

    // Whether start() would find room for one more container.
    bool hasRoom() const;
    // Starts inflating a copy of `payload` into `claimed` bytes of room, for the container at
    // byte `at` of the file (after those started before): false (nothing started) when the jobs
    // are all taken, the sizes are too large, or there is no memory or thread for it.
    bool start(uint64_t at, std::span<const uint8_t> payload, uint32_t claimed);
    // The result for the container at `at`, once it is done (inflated here when no thread has
    // begun it); jobs for earlier places are dropped. False when there is none for it. The
    // output stays valid until the next take().
    bool take(uint64_t at, InflateResult& result, std::span<const uint8_t>& output);

private:
    struct Buffer {
        std::unique_ptr<uint8_t[]> bytes;
        size_t capacity = 0;
        bool reserve(size_t size);
    };
    enum class State { kFree, kQueued, kRunning, kDone };
    struct Job {
        State state = State::kFree;
        uint64_t at = 0;
        Buffer payload;
        size_t payloadSize = 0;
        Buffer output;
        uint32_t claimed = 0;
        size_t produced = 0;
        InflateResult result = InflateResult::kDamaged;
    };

    // The jobs in file order form a ring: `count_` of them from `first_`; the one taken last
    // stands just before, kept for the reader until the next take().
    Job& jobAt(size_t index) { return jobs_[(first_ + index) % jobs_.size()]; }
    // Another thread when every thread is busy and the limit allows: false when none can start
    // and there is none at all.
    bool addThreadIfNeeded();
    void work();
    // Inflates the job's payload into its output, the job being the caller's.
    static void run(Job& job, Inflater& inflater);

    InflateEngine engine_;
    Inflater ownInflater_;  // the reader's, for a job no thread has come to
    unsigned maxThreads_;
    std::vector<std::thread> threads_;
    mutable std::mutex mutex_;
    std::condition_variable queued_;  // a job to run, or stopping_
    std::condition_variable done_;    // a job is done
    bool stopping_ = false;
    std::vector<Job> jobs_;
    size_t first_ = 0;
    size_t count_ = 0;
    size_t waiting_ = 0;  // jobs queued and not running yet
    size_t idle_ = 0;     // threads waiting for a job
};

}  // namespace sources::blf
