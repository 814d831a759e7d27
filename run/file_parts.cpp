#include "run/file_parts.h"

#include <deque>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
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

struct Part : PartBase {
    std::deque<Block> blocks;  // handed on, not yet written
};

struct Pool {
    std::vector<std::unique_ptr<char[]>> free;
    size_t made = 0;
};

// The parts and the workers' buffers, under the queue's lock.
class Shared : public PartQueue<Part> {
public:
    Shared(uint32_t records, unsigned workers, const PartSizes& sizes)
        : PartQueue(records, workers, sizes), pools_(workers) {}

    // A worker's full block goes to its part, an empty buffer of the worker's in its place: a
    // free one, else a new one while the worker has fewer than its share, else the next one the
    // writer gives back.
    int32_t handOff(unsigned worker, size_t index, std::unique_ptr<char[]>& block, size_t used,
                    size_t capacity) {
        std::unique_lock lock(mutex);
        Pool& pool = pools_[worker];
        std::unique_ptr<char[]> empty;
        while (empty == nullptr) {
            if (givenUp()) return platform::kCancelled;
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
        Part& into = part(index);
        into.blocks.push_back({std::move(block), used, worker});
        into.bytes += used;
        block = std::move(empty);
        changed.notify_all();
        return 0;
    }

    void giveBack(Block&& block) {
        const std::lock_guard lock(mutex);
        pools_[block.worker].free.push_back(std::move(block.bytes));
        changed.notify_all();
    }
    // Ends the file; every block waiting goes back to its worker, so that no worker waits for a
    // buffer. Under the lock.
    void giveUpAll() {
        giveUp();
        for (size_t index = 0; index < partCount(); ++index) {
            for (Block& block : part(index).blocks) {
                pools_[block.worker].free.push_back(std::move(block.bytes));
            }
            part(index).blocks.clear();
        }
    }

private:
    std::vector<Pool> pools_;
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
        if (const platform::Status opened = openPartSource(input, head, source); !opened.ok()) {
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
                // The part fails, and with it the file.
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
    size_t index = 0;
    const auto ready = [](const Part& part) { return !part.blocks.empty() || part.done; };
    std::unique_lock lock(shared.mutex);
    for (; shared.waitFor(index, lock, ready, control, walked); ++index) {
        Part& part = shared.part(index);
        while (!part.blocks.empty() || !part.done) {
            if (part.blocks.empty()) {
                shared.changed.wait(lock);
                continue;
            }
            Block block = std::move(part.blocks.front());
            part.blocks.pop_front();
            lock.unlock();
            sink.writePartBlock(block.bytes.get(), block.used);
            shared.giveBack(std::move(block));
            lock.lock();
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
    shared.giveUpAll();
    lock.unlock();
    for (std::thread& thread : threads) thread.join();

    if (!walked.ok()) sink.fail(walked.code());
    const int32_t closed = sink.close();
    if (stats != nullptr) stats->lines = closed == 0 ? lines : 0;
    return outcomeOf(walked, closed, capture);
}

}  // namespace run
