// Parts of one capture whose bytes go to one file (the long CSV, the text CAN logs): each worker
// writes its part through an output whose full blocks it hands on; the worker of the part being
// written puts its blocks out itself, the blocks of later parts wait, and the calling thread puts
// those out in order once their part's turn comes. A worker owns a few buffers, the one it fills
// and those waiting, so memory stays bounded whatever the file's size.
#pragma once

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "output/block_hand_off.h"
#include "platform/platform.h"
#include "run/part_queue.h"

namespace run {

// Buffers a worker owns: the one it writes into and those waiting for the writer. One output
// file takes one write at a time, so the workers run ahead of it by turns; a lead of about 64
// blocks in all (64 MiB of the CSV's) rides out the writer's and the scheduler's stalls: a
// 256 MiB capture on two workers of 32 blocks each took 0.8 to 0.9 of the time it took with 6
// each, and 64 each gained nothing more. Many workers share the lead, each keeping a few.
inline constexpr size_t kBuffersAhead = 64;
inline constexpr size_t kLeastBuffersPerWorker = 6;
inline size_t buffersPerWorker(unsigned workers) {
    return std::max<size_t>(kLeastBuffersPerWorker, kBuffersAhead / std::max(workers, 1U));
}

struct PartBlock {
    std::unique_ptr<char[]> bytes;
    size_t used = 0;
    unsigned worker = 0;  // whose buffer it is: it goes back to that worker's pool
};

template <class Stats>
struct BlockPart : PartBase<Stats> {
    std::deque<PartBlock> blocks;  // handed on, not yet written
};

// The parts and the workers' buffers, under the queue's lock.
template <class Stats>
class BlockParts : public PartQueue<BlockPart<Stats>> {
public:
    using Part = BlockPart<Stats>;

    // `write(bytes, count)` puts a block out: called by one thread at a time, in file order.
    BlockParts(PartFile& file, unsigned workers, const PartSizes& sizes,
               std::function<void(const char*, size_t)> write)
        : PartQueue<Part>(file, workers, sizes),
          pools_(workers),
          buffersPerWorker_(buffersPerWorker(workers)),
          write_(std::move(write)) {}

    // A worker's full block goes out at once when it is next (its part is the one being written,
    // nothing of it waits and nobody writes), so that the worker of the front part writes its
    // own blocks; otherwise it waits in its part, and an empty buffer of the worker's takes its
    // place: a free one, else a new one while the worker has fewer than its share, else the
    // next one the writer gives back.
    int32_t handOff(unsigned worker, size_t index, std::unique_ptr<char[]>& block, size_t used,
                    size_t capacity) {
        std::unique_lock lock(this->mutex);
        if (!this->givenUp() && index == front_ && !writing_ && this->part(index).blocks.empty()) {
            writing_ = true;
            lock.unlock();
            write_(block.get(), used);
            lock.lock();
            writing_ = false;
            this->part(index).bytes += used;
            this->changed.notify_all();
            return 0;
        }
        Pool& pool = pools_[worker];
        std::unique_ptr<char[]> empty;
        while (empty == nullptr) {
            if (this->givenUp()) return platform::kCancelled;
            if (!pool.free.empty()) {
                empty = std::move(pool.free.back());
                pool.free.pop_back();
            } else if (pool.made < buffersPerWorker_) {
                ++pool.made;
                lock.unlock();
                empty.reset(new (std::nothrow) char[capacity]);
                lock.lock();
                if (empty == nullptr) return platform::kOutOfMemory;
            } else {
                this->changed.wait(lock);
            }
        }
        Part& into = this->part(index);
        into.blocks.push_back({std::move(block), used, worker});
        into.bytes += used;
        block = std::move(empty);
        this->changed.notify_all();
        return 0;
    }

    // Puts the parts' blocks out in order (those their workers did not write themselves),
    // handing each part, once all of it is out, to `ended(part)`, which says whether to go on.
    // The walk's outcome: success, or why the parts ended early. Every worker is let go before
    // it returns.
    template <class Ended>
    platform::Status writeInOrder(const sources::WalkControl& control, Ended&& ended) {
        platform::Status walked;
        const auto ready = [](const Part& part) { return !part.blocks.empty() || part.done; };
        std::unique_lock lock(this->mutex);
        for (size_t index = 0; this->waitFor(index, lock, ready, control, walked); ++index) {
            front_ = index;
            this->changed.notify_all();
            Part& part = this->part(index);
            while (!part.blocks.empty() || !part.done || writing_) {
                if (part.blocks.empty() || writing_) {
                    this->changed.wait(lock);
                    continue;
                }
                PartBlock block = std::move(part.blocks.front());
                part.blocks.pop_front();
                writing_ = true;
                lock.unlock();
                write_(block.bytes.get(), block.used);
                lock.lock();
                writing_ = false;
                pools_[block.worker].free.push_back(std::move(block.bytes));
                this->changed.notify_all();
            }
            // A part that failed ends the file as the walk of the whole file would end there.
            if (!part.walked.ok()) walked = part.walked;
            if (!ended(part) || !walked.ok()) break;
        }
        // Every block still waiting goes back to its worker, so that none waits for a buffer.
        front_ = static_cast<size_t>(-1);
        this->giveUp();
        for (size_t index = 0; index < this->partCount(); ++index) {
            for (PartBlock& block : this->part(index).blocks) {
                pools_[block.worker].free.push_back(std::move(block.bytes));
            }
            this->part(index).blocks.clear();
        }
        return walked;
    }

private:
    struct Pool {
        std::vector<std::unique_ptr<char[]>> free;
        size_t made = 0;
    };
    std::vector<Pool> pools_;
    size_t buffersPerWorker_;
    std::function<void(const char*, size_t)> write_;
    size_t front_ = 0;      // the part being written
    bool writing_ = false;  // a block is being written, by the writer or a worker
};

// A worker's output hands its blocks to the part it writes.
template <class Stats>
class PartHandOff final : public output::BlockHandOff {
public:
    PartHandOff(BlockParts<Stats>& parts, unsigned worker) : parts_(parts), worker_(worker) {}
    void startPart(size_t index) { index_ = index; }
    int32_t handOff(std::unique_ptr<char[]>& block, size_t used, size_t capacity) override {
        return parts_.handOff(worker_, index_, block, used, capacity);
    }

private:
    BlockParts<Stats>& parts_;
    unsigned worker_;
    size_t index_ = 0;
};

// What one worker did with a part.
struct PartWritten {
    platform::Status walked;
    int32_t closed = 0;
    uint64_t lines = 0;
};

// Runs `workers` threads, each opening its own reader of the file and calling `makeWork()`
// once, then `work(source, handOff, stats)` (returning PartWritten) for every part it takes,
// `source` the part's frames and `handOff` started on it. Returns the threads, which the caller
// joins after writeInOrder.
template <class Stats, class MakeWork>
std::vector<std::thread> startBlockWorkers(BlockParts<Stats>& parts, unsigned workers,
                                           const sources::WalkControl& control,
                                           const MakeWork& makeWork) {
    const auto run = [&parts, &control, &makeWork](unsigned worker) {
        platform::Status failure;
        try {
            const std::unique_ptr<PartReader> reader = parts.file().openReader(failure);
            if (reader == nullptr) {
                parts.workerEnded(failure);
                return;
            }
            const bool ownCounts = !parts.file().countsWholeFile();
            auto work = makeWork();
            PartHandOff<Stats> handOff(parts, worker);
            size_t index = 0;
            uint64_t first = 0;
            uint64_t end = 0;
            while (parts.takePart(control, index, first, end)) {
                Stats stats;
                PartWritten written;
                const sources::SourceCounts* counts = nullptr;
                try {
                    sources::FrameSource& source = reader->readPart(index, first, end);
                    handOff.startPart(index);
                    written = work(source, handOff, stats);
                    if (ownCounts) counts = &source.counts();
                } catch (const std::bad_alloc&) {
                    written = {{}, platform::kOutOfMemory, 0};
                }
                reader->endPart();
                parts.partDone(index, written.walked, written.closed,
                               written.closed == 0 ? written.lines : 0, std::move(stats), counts);
            }
        } catch (const std::bad_alloc&) {
            failure = platform::Status::failure(platform::kOutOfMemory);
        } catch (...) {
            failure = platform::Status::failure(platform::kFail);
        }
        parts.workerEnded(failure);
    };
    std::vector<std::thread> threads;
    for (unsigned worker = 0; worker < workers; ++worker) {
        try {
            threads.emplace_back(run, worker);
        } catch (const std::system_error&) {
            parts.workerEnded(platform::Status::failure(platform::kOutOfMemory));
        }
    }
    return threads;
}

}  // namespace run
