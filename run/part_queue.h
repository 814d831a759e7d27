// The parts of one file shared out among workers: the file is cut into parts in its order,
// whichever worker is free takes the next, and the calling thread collects the parts in order, as
// the walk of the whole file on one thread would have met them. What a part hands on (blocks of a
// file, rows in memory) is the caller's; the queue holds the parts, sizes them, and knows when none
// is left.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>

#include "platform/status.h"
#include "run/file_stats.h"
#include "run/part_file.h"
#include "sources/frame_list_source.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"

namespace run {

// What every part holds; a kind of output adds what it hands on. `Stats`: what a part's walk
// counts for the report (FileStats, ExportStats).
template <class Stats>
struct PartBase {
    uint64_t first = 0;
    uint64_t end = 0;
    bool done = false;
    platform::Status walked;  // how its walk ended
    int32_t closed = 0;       // how its output closed
    uint64_t lines = 0;
    uint64_t bytes = 0;  // output handed on, for the sizes of the parts after it
    Stats stats;
    sources::SourceCounts counts;  // of a log's part: what its reading counted
};

template <class Part>
class PartQueue {
public:
    PartQueue(PartFile& file, unsigned workers, const PartSizes& sizes)
        : file_(file), next_(file.begin()), sizes_(sizes), running_(workers) {}

    // One lock for the queue and what the parts hand on: that moves a block or a part at a
    // time, so the lock is seldom taken.
    std::mutex mutex;
    std::condition_variable changed;

    PartFile& file() { return file_; }

    // The next part for a worker: false when the whole file is taken, the file was given up or
    // a stop was asked for.
    bool takePart(const sources::WalkControl& control, size_t& index, uint64_t& first,
                  uint64_t& end) {
        const std::lock_guard lock(mutex);
        const uint64_t fileEnd = file_.end();
        if (givenUp_ || control.stopped() || next_ >= fileEnd) return false;
        Part part;
        part.first = first = next_;
        part.end = end = std::clamp(file_.cutAfter(next_, partSize()), next_ + 1, fileEnd);
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
                  decltype(Part::stats)&& stats, const sources::SourceCounts* counts = nullptr) {
        const std::lock_guard lock(mutex);
        Part& done = parts_[index];
        if (counts != nullptr) done.counts = *counts;
        done.walked = walked;
        done.closed = closed;
        done.lines = lines;
        done.stats = std::move(stats);
        done.done = true;
        doneUnits_ += done.end - done.first;
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
    // `ended` then tells why: success when the whole file was taken, else the stop or the
    // workers' failure.
    template <class Ready>
    bool waitFor(size_t index, std::unique_lock<std::mutex>& lock, Ready&& ready,
                 const sources::WalkControl& control, platform::Status& ended) {
        for (;;) {
            if (index < parts_.size()) {
                if (ready(parts_[index])) return true;
            } else if (next_ >= file_.end() || running_ == 0 || givenUp_) {
                ended = {};
                if (next_ < file_.end()) {
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
    uint64_t partSize() const {
        if (doneUnits_ == 0 || doneBytes_ == 0) return sizes_.firstUnits;
        // Sizes far beyond any file are clamped before they are multiplied.
        const uint64_t units =
            std::min<uint64_t>(sizes_.outputBytes, uint64_t{1} << 32) * doneUnits_ / doneBytes_;
        return std::clamp<uint64_t>(units, sizes_.minUnits, sizes_.maxUnits);
    }

    PartFile& file_;
    uint64_t next_;
    const PartSizes sizes_;
    std::deque<Part> parts_;
    uint64_t doneUnits_ = 0;
    uint64_t doneBytes_ = 0;
    unsigned running_;
    bool givenUp_ = false;
    platform::Status workerFailure_;
};

// Adds a part's figures to the file's, in file order: the time span runs from the first part's
// first frame to the last part's last one. A capture's parts each say the whole capture's
// records (`wholeFile`); a log's parts say their own, and the file stays one log.
template <class Stats>
void addPartStats(Stats& file, Stats& part, bool wholeFile) {
    if (wholeFile) part.records = 0;
    const bool timed = part.timed;
    const uint64_t first = part.firstMicroseconds;
    const uint64_t last = part.lastMicroseconds;
    if (part.log) {
        LogCounts& counts = file.logCounts;
        std::vector<uint64_t> places = counts.firstUnreadable;
        for (const uint64_t place : part.logCounts.firstUnreadable) {
            if (places.size() < sources::SourceCounts::kKeptUnreadable) places.push_back(place);
        }
        file.add(part);
        counts.logs = 1;
        counts.format = part.logCounts.format;
        counts.firstUnreadable = std::move(places);
        counts.cutShort = std::min<uint64_t>(counts.cutShort, 1);
        counts.channels = file.channels;
    } else {
        file.add(part);
    }
    if (timed) {
        if (!file.timed) file.firstMicroseconds = first;
        file.lastMicroseconds = last;
        file.timed = true;
    }
}

// Adds the counts of a log's part to the file's, in file order.
void addPartCounts(sources::SourceCounts& file, const sources::SourceCounts& part);

// What the parts of a file met, for the file's outcome (cut short, and where): a capture's head
// knows it; a log's parts are added up as they are collected.
class PartsMet {
public:
    PartsMet(const PartFile& file, const sources::FrameSource& head)
        : head_(head), wholeFile_(file.countsWholeFile()) {
        added_.reset(head.timeOrigin(), head.formatName());
    }
    void add(const sources::SourceCounts& part) {
        if (!wholeFile_) addPartCounts(added_.partCounts(), part);
    }
    bool wholeFile() const { return wholeFile_; }
    const sources::FrameSource& source() const {
        return wholeFile_ ? head_ : static_cast<const sources::FrameSource&>(added_);
    }

private:
    const sources::FrameSource& head_;
    bool wholeFile_;
    sources::FrameListSource added_;
};

}  // namespace run
