// The blocks a worker may hold ahead of the writer: a worker whose part is not yet being written
// gets new buffers up to its share and then waits, so memory stays bounded however far the
// writer falls behind.
#include "run/block_parts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "run/file_stats.h"

namespace {

class CountedFile final : public run::PartFile {
public:
    uint64_t begin() const override { return 0; }
    uint64_t end() const override { return uint64_t{1} << 40; }
    uint64_t cutAfter(uint64_t first, uint64_t units) override {
        return std::min<uint64_t>(end(), first + units);
    }
    std::unique_ptr<run::PartReader> openReader(platform::Status& failure) override {
        failure = platform::Status::failure(platform::kFail);
        return nullptr;
    }
};

// How many blocks a worker hands on for the second part of the file while nothing writes the
// first, before it has to wait; the wait then ends with a cancel when the file is given up.
size_t blocksAheadOfTheWriter(unsigned workers) {
    CountedFile file;
    size_t written = 0;
    run::BlockParts<run::FileStats> parts(file, workers, {},
                                          [&written](const char*, size_t) { ++written; });
    const sources::WalkControl control;
    size_t index = 0;
    uint64_t first = 0;
    uint64_t end = 0;
    EXPECT_TRUE(parts.takePart(control, index, first, end));
    EXPECT_TRUE(parts.takePart(control, index, first, end));
    EXPECT_EQ(index, 1u);

    constexpr size_t kCapacity = 64;
    std::atomic<size_t> handed{0};
    std::atomic<int32_t> lastResult{0};
    std::thread worker([&] {
        auto block = std::make_unique<char[]>(kCapacity);
        for (;;) {
            const int32_t result = parts.handOff(1, 1, block, 8, kCapacity);
            if (result != 0) {
                lastResult = result;
                return;
            }
            ++handed;
            if (handed > 1000) return;  // no bound at all
        }
    });
    // A bounded worker waits for good after its share; an unbounded one runs on meanwhile.
    size_t seen = 0;
    for (int wait = 0; wait < 50; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
        if (handed.load() == seen && seen > 0) break;
        seen = handed.load();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const size_t ahead = handed.load();
    {
        const std::lock_guard lock(parts.mutex);
        parts.giveUp();
    }
    worker.join();
    EXPECT_EQ(lastResult.load(), platform::kCancelled);
    EXPECT_EQ(written, 0u);  // the first part, which nobody wrote, came first
    return ahead;
}

TEST(BlockParts, AWorkerAheadOfTheWriterHoldsItsShareOfBlocksAndThenWaits) {
    // Two workers share a lead of 64 blocks; many keep six each. Each hand-off keeps one full
    // block and takes an empty one, so a worker holds its share once it has handed that many on.
    EXPECT_EQ(blocksAheadOfTheWriter(2), 32u);
    EXPECT_EQ(blocksAheadOfTheWriter(4), 16u);
    EXPECT_EQ(blocksAheadOfTheWriter(16), 6u);
}

}  // namespace
