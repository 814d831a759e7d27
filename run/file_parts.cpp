#include "run/file_parts.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "run/converter.h"
#include "run/file_converter.h"
#include "run/sink_choice.h"

namespace run {

namespace {

// Buffers a worker owns: the one it writes into and those waiting for the writer.
constexpr size_t kBuffersPerWorker = 6;

struct Block {
    std::unique_ptr<char[]> bytes;
    size_t used = 0;
    unsigned worker = 0;  // whose buffer it is: it goes back to that worker's pool
};

struct Part {
    uint32_t first = 0;
    uint32_t end = 0;
    std::deque<Block> blocks;  // handed on, not yet written
    bool done = false;
    platform::Status walked;
    int32_t closed = 0;
    uint64_t lines = 0;
    uint64_t bytes = 0;
    FileStats stats;
};

struct Pool {
    std::vector<std::unique_ptr<char[]>> free;
    size_t made = 0;
};

// What the workers and the writer share, under one lock: blocks move at most once a megabyte,
// so the lock is seldom taken.
class Shared {
public:
    Shared(uint32_t records, unsigned workers, const PartSizes& sizes)
        : records_(records), sizes_(sizes), pools_(workers), running_(workers) {}

    std::mutex mutex;
    std::condition_variable changed;

    // The next part for a worker, false when every record is taken or the file was given up.
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

    // A worker's full block goes to its part, an empty buffer of the worker's in its place: a
    // free one, else a new one while the worker has fewer than its share, else the next one the
    // writer gives back.
    int32_t handOff(unsigned worker, size_t index, std::unique_ptr<char[]>& block, size_t used,
                    size_t capacity) {
        std::unique_lock lock(mutex);
        Pool& pool = pools_[worker];
        std::unique_ptr<char[]> empty;
        while (empty == nullptr) {
            if (givenUp_) return platform::kCancelled;
            if (!pool.free.empty()) {
                empty = std::move(pool.free.back());
                pool.free.pop_back();
            } else if (pool.made < kBuffersPerWorker) {
                ++pool.made;
                lock.unlock();
                empty.reset(new (std::nothrow) char[capacity]);
                lock.lock();
                if (empty == nullptr) return platform::kOutOfMemory;
            } else {
                changed.wait(lock);
            }
        }
        Part& into = parts_[index];
        into.blocks.push_back({std::move(block), used, worker});
        into.bytes += used;
        block = std::move(empty);
        changed.notify_all();
        return 0;
    }

    void partDone(size_t index, const platform::Status& walked, int32_t closed, uint64_t lines,
                  FileStats&& stats) {
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
    void workerEnded(const platform::Status& failure) {
        const std::lock_guard lock(mutex);
        --running_;
        if (!failure.ok() && workerFailure_.ok()) workerFailure_ = failure;
        changed.notify_all();
    }

    // The writer's wait for part `index` to have a block or to be done. false when there is no
    // such part and none will come: the records are all taken, or no worker is left to take them.
    bool waitFor(size_t index, std::unique_lock<std::mutex>& lock) {
        for (;;) {
            if (index < parts_.size()) {
                const Part& part = parts_[index];
                if (!part.blocks.empty() || part.done) return true;
            } else if (next_ >= records_ || running_ == 0 || givenUp_) {
                return false;
            }
            changed.wait(lock);
        }
    }
    bool allTaken() const { return next_ >= records_; }
    platform::Status workerFailure() const { return workerFailure_; }

    void giveBack(Block&& block) {
        const std::lock_guard lock(mutex);
        pools_[block.worker].free.push_back(std::move(block.bytes));
        changed.notify_all();
    }
    // Ends the file: workers stop at their next block or part, and every block waiting goes back
    // to its worker, so that no worker waits for a buffer.
    void giveUp() {
        const std::lock_guard lock(mutex);
        givenUp_ = true;
        for (Part& part : parts_) {
            for (Block& block : part.blocks) {
                pools_[block.worker].free.push_back(std::move(block.bytes));
            }
            part.blocks.clear();
        }
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
    std::vector<Pool> pools_;
    uint32_t next_ = 0;
    uint64_t doneRecords_ = 0;
    uint64_t doneBytes_ = 0;
    unsigned running_;
    bool givenUp_ = false;
    platform::Status workerFailure_;
};

// A worker's sink hands its blocks to the part it converts.
class PartHandOff final : public output::BlockHandOff {
public:
    PartHandOff(Shared& shared, unsigned worker) : shared_(shared), worker_(worker) {}
    void startPart(size_t index) { index_ = index; }
    int32_t handOff(std::unique_ptr<char[]>& block, size_t used, size_t capacity) override {
        return shared_.handOff(worker_, index_, block, used, capacity);
    }

private:
    Shared& shared_;
    unsigned worker_;
    size_t index_ = 0;
};

// One worker: its own capture source, converter and sink; parts until none is left.
void convertParts(Shared& shared, unsigned worker, const std::filesystem::path& input,
                  const monitor::MonitorFile& head, const decode::Decoding& decoding,
                  const tables::ConversionOptions& options, const sources::WalkControl& control,
                  bool counting) {
    platform::Status failure;
    try {
        sources::CaptureSource source;
        platform::Status opened = source.open(input);
        // A file changed since it was opened first takes no part: its records are not the ones
        // the parts were cut from.
        const monitor::MonitorFile& mine = source.capture();
        if (opened.ok() && (mine.variant != head.variant || mine.count != head.count ||
                            mine.recordsOffset != head.recordsOffset)) {
            opened = platform::Status::failure(platform::kInvalidData);
        }
        if (!opened.ok()) {
            shared.workerEnded(opened);
            return;
        }
        Converter converter(decoding, options);
        const std::unique_ptr<tables::FileSink> sink = makeFileSink(decoding, options);
        PartHandOff handOff(shared, worker);
        size_t index = 0;
        uint32_t first = 0;
        uint32_t end = 0;
        while (shared.takePart(control, index, first, end)) {
            FileStats stats;
            platform::Status walked;
            int32_t closed = 0;
            try {
                source.walkPart(first, end);
                handOff.startPart(index);
                closed = sink->openPart(handOff);
                if (closed == 0) {
                    walked = converter.convert(source, *sink, control, counting ? &stats : nullptr);
                    if (!walked.ok()) sink->fail(walked.code());
                    closed = sink->close();
                }
            } catch (const std::bad_alloc&) {
                // The part fails, and with it the file; the sink is ready for none other.
                sink->fail(platform::kOutOfMemory);
                sink->close();
                closed = platform::kOutOfMemory;
            }
            shared.partDone(index, walked, closed, closed == 0 ? sink->linesWritten() : 0,
                            std::move(stats));
        }
    } catch (const std::bad_alloc&) {
        failure = platform::Status::failure(platform::kOutOfMemory);
    } catch (...) {
        failure = platform::Status::failure(platform::kFail);
    }
    shared.workerEnded(failure);
}

// Adds a part's figures to the file's, in file order: the time span runs from the first part's
// first frame to the last part's last one.
void addPartStats(FileStats& file, FileStats& part) {
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

}  // namespace

FileOutcome convertInParts(const std::filesystem::path& input, sources::CaptureSource& capture,
                           const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, tables::FileSink& sink,
                           const std::filesystem::path& output, const sources::WalkControl& control,
                           unsigned workers, FileStats* stats, const PartSizes& sizes) {
    if (const int32_t opened = sink.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    if (stats != nullptr) {
        *stats = FileStats{};
        stats->records = capture.counts().records;
        stats->time = tables::timeBaseFor(capture.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    }
    sink.begin(tables::timeBaseFor(capture.timeOrigin(), options));

    Shared shared(capture.capture().count, workers, sizes);
    std::vector<std::thread> threads;
    for (unsigned worker = 0; worker < workers; ++worker) {
        try {
            threads.emplace_back(convertParts, std::ref(shared), worker, std::cref(input),
                                 std::cref(capture.capture()), std::cref(decoding),
                                 std::cref(options), std::cref(control), stats != nullptr);
        } catch (const std::system_error&) {
            shared.workerEnded(platform::Status::failure(platform::kOutOfMemory));
        }
    }

    platform::Status walked;
    uint64_t lines = 0;
    for (size_t index = 0;; ++index) {
        std::unique_lock lock(shared.mutex);
        if (!shared.waitFor(index, lock)) {
            // No part is left: the file is complete, or it was stopped or failed before a worker
            // took the rest.
            if (!shared.allTaken()) {
                walked = control.stopped() ? platform::Status::failure(platform::kCancelled)
                         : !shared.workerFailure().ok()
                             ? shared.workerFailure()
                             : platform::Status::failure(platform::kFail);
            }
            break;
        }
        Part& part = shared.part(index);
        bool ended = false;
        while (!ended) {
            if (!part.blocks.empty()) {
                Block block = std::move(part.blocks.front());
                part.blocks.pop_front();
                lock.unlock();
                sink.writePartBlock(block.bytes.get(), block.used);
                shared.giveBack(std::move(block));
                lock.lock();
            } else if (part.done) {
                ended = true;
            } else {
                shared.changed.wait(lock);
            }
        }
        // A part that failed ends the file as the walk of the whole file would have ended there.
        if (!part.walked.ok()) {
            walked = part.walked;
        } else if (part.closed != 0) {
            sink.fail(part.closed);
        }
        lines += part.lines;
        if (stats != nullptr) addPartStats(*stats, part.stats);
        if (!walked.ok() || sink.result() != 0) break;
    }
    shared.giveUp();
    for (std::thread& thread : threads) thread.join();

    if (!walked.ok()) sink.fail(walked.code());
    const int32_t closed = sink.close();
    if (stats != nullptr) stats->lines = closed == 0 ? lines : 0;
    return outcomeOf(walked, closed, capture);
}

}  // namespace run
