// The parts of one capture shared out among workers: the records are cut into parts in file
// order, whichever worker is free takes the next, and the calling thread collects the parts in
// order, as the walk of the whole file on one thread would have met them. What a part hands on
// (blocks of a file, rows in memory) is the caller's; the queue holds the parts, sizes them, and
// knows when none is left.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>

#include "monitor/monitor_file.h"
#include "platform/status.h"
#include "run/file_stats.h"
#include "sources/capture_source.h"
#include "sources/frame_walk.h"

namespace run {

// How the records are cut into parts. After the first part, parts are sized from the output
// per record of the parts done, so that a part's output is about `outputBytes`.
struct PartSizes {
    uint32_t firstRecords = 8192;
    uint32_t minRecords = 1024;
    uint32_t maxRecords = 262144;
    uint64_t outputBytes = uint64_t{2} << 20;
};

// Whether a capture of `records` records is worth several workers: less than two parts is not.
inline bool worthParts(uint32_t records, unsigned workers, const PartSizes& sizes = {}) {
    return workers > 1 && records > uint64_t{sizes.firstRecords} * 2;
}

// What every part holds; a kind of output adds what it hands on. `Stats`: what a part's walk
// counts for the report (FileStats, ExportStats).
template <class Stats>
struct PartBase {
    uint32_t first = 0;
    uint32_t end = 0;
    bool done = false;
    platform::Status walked;  // how its walk ended
    int32_t closed = 0;       // how its output closed
    uint64_t lines = 0;
    uint64_t bytes = 0;  // output handed on, for the sizes of the parts after it
    Stats stats;
};

template <class Part>
class PartQueue {
public:
    PartQueue(uint32_t records, unsigned workers, const PartSizes& sizes)
        : records_(records), sizes_(sizes), running_(workers) {}

    // One lock for the queue and what the parts hand on: that moves a block or a part at a
    // time, so the lock is seldom taken.
    std::mutex mutex;
    std::condition_variable changed;

    // The next part for a worker: false when every record is taken, the file was given up or a
    // stop was asked for.
    bool takePart(const sources::WalkControl& control, size_t& index, uint32_t& first,
                  uint32_t& end) {
        const std::lock_guard lock(mutex);
        if (givenUp_ || control.stopped() || next_ >= records_) return false;
        Part part;
        part.first = first = next_;
        part.end = end =
            static_cast<uint32_t>(std::min<uint64_t>(records_, uint64_t{next_} + partSize()));
        next_ = part.end;
        parts_.push_back(std::move(part));
        index = parts_.size() - 1;
        changed.notify_all();
        return true;
    }
    // Under the lock: parts stay in place as more are added.
    Part& part(size_t index) { return parts_[index]; }
    size_t partCount() const { return parts_.size(); }  // under the lock
    bool givenUp() const { return givenUp_; }           // under the lock

    void partDone(size_t index, const platform::Status& walked, int32_t closed, uint64_t lines,
                  decltype(Part::stats)&& stats) {
        const std::lock_guard lock(mutex);
        Part& done = parts_[index];
        done.walked = walked;
        done.closed = closed;
        done.lines = lines;
        done.stats = std::move(stats);
        done.done = true;
        doneRecords_ += done.end - done.first;
        doneBytes_ += done.bytes;
        changed.notify_all();
    }
    // A worker ends, having taken its last part, or having failed before it took any.
    void workerEnded(const platform::Status& failure) {
        const std::lock_guard lock(mutex);
        --running_;
        if (!failure.ok() && workerFailure_.ok()) workerFailure_ = failure;
        changed.notify_all();
    }

    // The collector's wait, under `lock`, until part `index` is ready for it (`ready`: it has
    // something to hand on, or is done). false when there is no such part and none will come;
    // `ended` then tells why: success when every record was taken, else the stop or the
    // workers' failure.
    template <class Ready>
    bool waitFor(size_t index, std::unique_lock<std::mutex>& lock, Ready&& ready,
                 const sources::WalkControl& control, platform::Status& ended) {
        for (;;) {
            if (index < parts_.size()) {
                if (ready(parts_[index])) return true;
            } else if (next_ >= records_ || running_ == 0 || givenUp_) {
                ended = {};
                if (next_ < records_) {
                    ended = control.stopped()      ? platform::Status::failure(platform::kCancelled)
                            : !workerFailure_.ok() ? workerFailure_
                                                   : platform::Status::failure(platform::kFail);
                }
                return false;
            }
            changed.wait(lock);
        }
    }

    // Ends the file: workers stop at their next part (and at what they hand on next, where the
    // caller's hand-off asks givenUp()). Under the lock.
    void giveUp() {
        givenUp_ = true;
        changed.notify_all();
    }

private:
    uint32_t partSize() const {
        if (doneRecords_ == 0 || doneBytes_ == 0) return sizes_.firstRecords;
        const uint64_t records = sizes_.outputBytes * doneRecords_ / doneBytes_;
        return static_cast<uint32_t>(
            std::clamp<uint64_t>(records, sizes_.minRecords, sizes_.maxRecords));
    }

    const uint32_t records_;
    const PartSizes sizes_;
    std::deque<Part> parts_;
    uint32_t next_ = 0;
    uint64_t doneRecords_ = 0;
    uint64_t doneBytes_ = 0;
    unsigned running_;
    bool givenUp_ = false;
    platform::Status workerFailure_;
};

// A worker's own opening of the capture the parts were cut from: a file changed since it was
// opened first takes no part (0x8007000D), since its records are not the ones of the parts.
platform::Status openPartSource(const std::filesystem::path& input,
                                const monitor::MonitorFile& head, sources::CaptureSource& source);

// Adds a part's figures to the file's, in file order: the time span runs from the first part's
// first frame to the last part's last one.
template <class Stats>
void addPartStats(Stats& file, Stats& part) {
    part.records = 0;  // each part says the whole capture's
    const bool timed = part.timed;
    const uint64_t first = part.firstMicroseconds;
    const uint64_t last = part.lastMicroseconds;
    file.add(part);
    if (timed) {
        if (!file.timed) file.firstMicroseconds = first;
        file.lastMicroseconds = last;
        file.timed = true;
    }
}

}  // namespace run
