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

// A worker hands on blocks for the second part of the file while nothing writes the first: it
// gets to `share` of them and stays there, its next hand-off waiting until the file is given up,
// which cancels it.
void expectBlocksAheadOfTheWriter(unsigned workers, size_t share) {
    CountedFile file;
    size_t written = 0;
    run::BlockParts<run::FileStats> parts(file, workers, {},
                                          [&written](const char*, size_t) { ++written; });
    const sources::WalkControl control;
    size_t index = 0;
    uint64_t first = 0;
    uint64_t end = 0;
    ASSERT_TRUE(parts.takePart(control, index, first, end));
    ASSERT_TRUE(parts.takePart(control, index, first, end));
    ASSERT_EQ(index, 1u);

    constexpr size_t kCapacity = 64;
    std::atomic<size_t> handed{0};
    std::atomic<int32_t> lastResult{0};
    std::thread worker([&] {
        auto block = std::make_unique<char[]>(kCapacity);
        while (handed < 1000) {  // an unbounded worker stops here
            const int32_t result = parts.handOff(1, 1, block, 8, kCapacity);
            if (result != 0) {
                lastResult = result;
                return;
            }
            ++handed;
        }
    });
    for (int wait = 0; wait < 1000 && handed < share; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // A bounded worker waits for good now; an unbounded one runs on meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(handed.load(), share) << workers << " workers";
    {
        const std::lock_guard lock(parts.mutex);
        parts.giveUp();
    }
    worker.join();
    EXPECT_EQ(lastResult.load(), platform::kCancelled);
    EXPECT_EQ(written, 0u);  // the first part, which nobody wrote, comes first
}

TEST(BlockParts, AWorkerAheadOfTheWriterHoldsItsShareOfBlocksAndThenWaits) {
    // Two workers share a lead of 64 blocks; many keep six each. Each hand-off keeps one full
    // block and takes an empty one, so a worker holds its share once it has handed that many on.
    expectBlocksAheadOfTheWriter(2, 32);
    expectBlocksAheadOfTheWriter(4, 16);
    expectBlocksAheadOfTheWriter(16, 6);
}

}  // namespace
