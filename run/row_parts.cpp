#include "run/row_parts.h"

#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "run/file_converter.h"

namespace run {

namespace {

// Parts a worker may have read that the calling thread has not yet added.
constexpr size_t kWaitingPartsPerWorker = 3;

struct Part : PartBase<FileStats> {
    std::unique_ptr<PartRows> rows;
    unsigned worker = 0;
};

class Shared : public PartQueue<Part> {
public:
    Shared(PartFile& file, unsigned workers, const PartSizes& sizes)
        : PartQueue(file, workers, sizes), waiting_(workers) {}

    // The next part, once the worker has room for it.
    bool nextPart(unsigned worker, const sources::WalkControl& control, size_t& index,
                  uint64_t& first, uint64_t& end) {
        {
            std::unique_lock lock(mutex);
            changed.wait(lock,
                         [&] { return givenUp() || waiting_[worker] < kWaitingPartsPerWorker; });
        }
        return takePart(control, index, first, end);
    }
    void rowsRead(size_t index, unsigned worker, std::unique_ptr<PartRows> rows, uint64_t count) {
        const std::lock_guard lock(mutex);
        Part& read = part(index);
        read.rows = std::move(rows);
        read.worker = worker;
        read.bytes = count * 32;  // about a row's columns
        ++waiting_[worker];
    }
    void collected(const Part& part) {  // under the lock
        --waiting_[part.worker];
        changed.notify_all();
    }

private:
    std::vector<size_t> waiting_;
};

void readParts(Shared& shared, unsigned worker, RowParts& rows, const sources::WalkControl& control,
               bool counting) {
    platform::Status failure;
    try {
        const std::unique_ptr<PartReader> input = shared.file().openReader(failure);
        if (input == nullptr) {
            shared.workerEnded(failure);
            return;
        }
        const bool ownCounts = !shared.file().countsWholeFile();
        const std::unique_ptr<RowReader> reader = rows.makeReader();
        size_t index = 0;
        uint64_t first = 0;
        uint64_t end = 0;
        while (shared.nextPart(worker, control, index, first, end)) {
            FileStats stats;
            platform::Status walked;
            int32_t closed = 0;
            uint64_t count = 0;
            const sources::SourceCounts* counts = nullptr;
            try {
                sources::FrameSource& source = input->readPart(index, first, end);
                walked = reader->read(source, control, counting ? &stats : nullptr);
                count = reader->rows();
                shared.rowsRead(index, worker, reader->take(), count);
                if (ownCounts) counts = &source.counts();
            } catch (const std::bad_alloc&) {
                closed = platform::kOutOfMemory;
                count = 0;
                reader->take();
            }
            input->endPart();
            shared.partDone(index, walked, closed, count, std::move(stats), counts);
        }
    } catch (const std::bad_alloc&) {
        failure = platform::Status::failure(platform::kOutOfMemory);
    } catch (...) {
        failure = platform::Status::failure(platform::kFail);
    }
    shared.workerEnded(failure);
}

}  // namespace

FileOutcome readInParts(PartFile& file, const sources::FrameSource& head, RowParts& rows,
                        const sources::WalkControl& control, unsigned workers, FileStats* stats,
                        const PartSizes& sizes, sources::SourceCounts* logCounts) {
    if (stats != nullptr) {
        *stats = FileStats{};
        stats->startFile(head);
    }
    Shared shared(file, workers, sizes);
    std::vector<std::thread> threads;
    for (unsigned worker = 0; worker < workers; ++worker) {
        try {
            threads.emplace_back(readParts, std::ref(shared), worker, std::ref(rows),
                                 std::cref(control), stats != nullptr);
        } catch (const std::system_error&) {
            shared.workerEnded(platform::Status::failure(platform::kOutOfMemory));
        }
    }

    platform::Status walked;
    int32_t closed = 0;
    uint64_t lines = 0;
    PartsMet met(file, head);
    const auto ready = [](const Part& part) { return part.done; };
    std::unique_lock lock(shared.mutex);
    for (size_t index = 0; shared.waitFor(index, lock, ready, control, walked); ++index) {
        Part& part = shared.part(index);
        walked = part.walked;
        closed = part.closed;
        if (part.rows != nullptr) {
            const std::unique_ptr<PartRows> taken = std::move(part.rows);
            lock.unlock();
            try {
                rows.collect(*taken);
            } catch (const std::bad_alloc&) {
                closed = platform::kOutOfMemory;
            }
            lock.lock();
            shared.collected(part);
        }
        lines += part.lines;
        met.add(part.counts);
        if (stats != nullptr) addPartStats(*stats, part.stats, met.wholeFile());
        if (!walked.ok() || closed != 0) break;
    }
    shared.giveUp();
    lock.unlock();
    for (std::thread& thread : threads) thread.join();

    if (closed == 0 && !walked.ok()) closed = walked.code();
    if (stats != nullptr) stats->lines = closed == 0 ? lines : 0;
    if (logCounts != nullptr) *logCounts = met.source().counts();
    return outcomeOf(walked, closed, met.source());
}

}  // namespace run
