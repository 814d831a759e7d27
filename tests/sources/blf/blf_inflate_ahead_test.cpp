// Containers inflated by the threads ahead of the reader: results come back in file order
// whatever their sizes and however the threads finish, a failing container fails alone, and
// the reader may stop at any moment without a thread left behind or waiting.
#include "sources/blf/blf_inflate_ahead.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "sources/blf/blf_source.h"
#include "tests/sources/blf/blf_test_files.h"

namespace {

using sources::blf::InflateAhead;
using sources::blf::InflateResult;
using namespace blf_test;

std::span<const uint8_t> bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

struct Container {
    uint64_t at;
    std::string content;
    std::string packed;
    uint32_t claimed;
};

// Contents from empty to nearly the largest the threads take, in random order, so that a small
// one behind a large one is done first.
std::vector<Container> containers(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<Container> out;
    uint64_t at = 144;
    for (size_t i = 0; i < count; ++i) {
        const size_t size =
            random() % 4 == 0 ? random() % (InflateAhead::kMaxSize - 100) : random() % 5000;
        std::string content(size, '\0');
        for (char& c : content) c = static_cast<char>(random() % 7);
        std::string packed = zlibCompress(content, static_cast<int>(1 + random() % 9));
        const auto claimed = static_cast<uint32_t>(size);
        out.push_back({at, std::move(content), std::move(packed), claimed});
        at += 1000;
    }
    return out;
}

TEST(BlfInflateAhead, ResultsComeInFileOrderWhateverTheirSizes) {
    for (const unsigned threads : {1u, 2u, 4u}) {
        InflateAhead ahead(sources::blf::InflateEngine::kBest, threads);
        const std::vector<Container> all = containers(60, threads);
        // A bomb in the middle: more than it claims.
        std::vector<Container> list = all;
        list[30].claimed = static_cast<uint32_t>(list[30].content.size() / 2);
        list[31].packed[list[31].packed.size() / 2] ^= 0x5A;  // damaged
        std::deque<size_t> started;
        size_t next = 0;
        size_t taken = 0;
        while (taken < list.size()) {
            while (next < list.size() && ahead.hasRoom()) {
                ASSERT_TRUE(
                    ahead.start(list[next].at, bytes(list[next].packed), list[next].claimed));
                started.push_back(next++);
            }
            ASSERT_LE(started.size(), size_t{threads} * InflateAhead::kJobsPerThread);
            ASSERT_FALSE(started.empty());
            const size_t index = started.front();
            started.pop_front();
            InflateResult result = InflateResult::kDone;
            std::span<const uint8_t> output;
            ASSERT_TRUE(ahead.take(list[index].at, result, output)) << index;
            ++taken;
            if (index == 30) {
                EXPECT_EQ(result, InflateResult::kTooLarge);
            } else if (index == 31 && result != InflateResult::kDone) {
                EXPECT_EQ(result, InflateResult::kDamaged);  // unless the Adler-32 was flipped
            } else {
                ASSERT_EQ(result, InflateResult::kDone) << index;
                ASSERT_EQ(std::string(output.begin(), output.end()), list[index].content)
                    << index << " of " << threads << " threads";
            }
        }
        InflateResult result = InflateResult::kDone;
        std::span<const uint8_t> output;
        EXPECT_FALSE(ahead.take(1, result, output)) << "nothing left";
    }
}

TEST(BlfInflateAhead, TakesOnlyTheContainerAskedForAndRefusesWhatIsTooLarge) {
    InflateAhead ahead(sources::blf::InflateEngine::kBest, 2);
    const std::vector<Container> list = containers(2 * InflateAhead::kJobsPerThread, 5);
    for (const Container& c : list) ASSERT_TRUE(ahead.start(c.at, bytes(c.packed), c.claimed));
    EXPECT_FALSE(ahead.hasRoom());
    EXPECT_FALSE(ahead.start(99999, bytes(list[0].packed), list[0].claimed));
    InflateResult result = InflateResult::kDone;
    std::span<const uint8_t> output;
    // A place before the first started: none, and the jobs stay.
    EXPECT_FALSE(ahead.take(list[0].at - 1, result, output));
    // The third: the two before are passed by.
    ASSERT_TRUE(ahead.take(list[2].at, result, output));
    EXPECT_EQ(std::string(output.begin(), output.end()), list[2].content);
    // A place between two started: the earlier is dropped, the later stays for its turn.
    EXPECT_FALSE(ahead.take(list[2].at + 1, result, output));
    ASSERT_TRUE(ahead.take(list[3].at, result, output));
    EXPECT_EQ(std::string(output.begin(), output.end()), list[3].content);

    // Compressed or inflated sizes past the limit: left to the reader.
    const std::string large(InflateAhead::kMaxSize + 1, 'x');
    EXPECT_FALSE(ahead.start(1, bytes(large), 1000));
    EXPECT_FALSE(ahead.start(1, bytes(list[0].packed), InflateAhead::kMaxSize + 1));
}

TEST(BlfInflateAhead, StoppingWithJobsInFlightLeavesNoThreadWaiting) {
    const std::vector<Container> list =
        containers(InflateAhead::kMaxThreads * InflateAhead::kJobsPerThread, 9);
    for (int round = 0; round < 20; ++round) {
        InflateAhead ahead(sources::blf::InflateEngine::kBest, 1 + round % 4);
        for (size_t i = 0; ahead.hasRoom(); ++i) {
            ASSERT_TRUE(ahead.start(list[i].at, bytes(list[i].packed), list[i].claimed));
        }
        if (round % 2 == 0) {
            InflateResult result = InflateResult::kDone;
            std::span<const uint8_t> output;
            EXPECT_TRUE(ahead.take(list[0].at, result, output));
        }
        // Destroyed here, with jobs queued and running.
    }
}

std::string frameObject(uint32_t id, uint64_t stamp) {
    return object(1, canMessage(1, 0, 8, id, "\x11\x22\x33\x44\x55\x66\x77\x88"), stamp);
}

// Compressed containers of many sizes, a stored one and an object outside any container between
// them (where the reader stops starting containers ahead), read whole, cut, bombed or left early.
TEST(BlfInflateAhead, ALogOfManyContainersReadsAsItsStoredTwin) {
    std::mt19937 random(17);
    std::string compressed = fileHeader();
    std::string stored = fileHeader();
    std::vector<size_t> ends;  // where each compressed container ends
    uint32_t id = 0;
    for (int c = 0; c < 80; ++c) {
        std::string content;
        const int frames = random() % 5 == 0 ? 1 + static_cast<int>(random() % 15000)
                                             : static_cast<int>(random() % 300);
        for (int i = 0; i < frames; ++i, ++id) content += frameObject(id & 0x7FF, id);
        const std::string outside = c == 40 ? frameObject(0x7FF, id) : std::string();
        if (c == 20) {
            compressed += storedContainer(content);
        } else {
            compressed += zlibContainer(content, 1 + static_cast<int>(random() % 9));
        }
        compressed += outside;
        stored += storedContainer(content) + outside;
        ends.push_back(compressed.size());
    }
    const ReadOutcome expected = readAll(stored);
    ASSERT_TRUE(expected.status.ok());
    ASSERT_GT(expected.frames.size(), 20000u);
    for (const size_t batch : {size_t{1}, size_t{512}, size_t{100000}}) {
        const ReadOutcome outcome = readAll(compressed, batch, batch == 1 ? 4096 : 1 << 20);
        ASSERT_TRUE(outcome.status.ok());
        ASSERT_EQ(outcome.frames.size(), expected.frames.size());
        for (size_t i = 0; i < outcome.frames.size(); ++i) {
            ASSERT_EQ(describe(outcome.frames[i]), describe(expected.frames[i])) << i;
            ASSERT_EQ(outcome.frames[i].place, expected.frames[i].place) << i;
        }
        EXPECT_FALSE(outcome.counts.cutShort);
    }

    // Cut inside the 51st container: the frames of the 50 before, and the cut at its place.
    const ReadOutcome cut = readAll(compressed.substr(0, ends[49] + 100));
    EXPECT_TRUE(cut.status.ok());
    EXPECT_EQ(cut.counts.cutShortWhere,
              "byte " + std::to_string(ends[49]) + ": container 51 runs past the end of the file");

    // A bomb in the 61st container, claiming 1000 bytes: refused there, after every frame before.
    std::string flood;
    while (flood.size() < (2u << 20)) flood += frameObject(3, 2);
    const std::string bombed = compressed.substr(0, ends[59]) +
                               container(2, zlibCompress(flood, 9), 1000) +
                               compressed.substr(ends[59]);
    const ReadOutcome bomb = readAll(bombed);
    EXPECT_EQ(bomb.status.description(),
              "byte " + std::to_string(ends[59]) +
                  ": container 61 inflates to more than the 1000 bytes it claims");
    const ReadOutcome before = readAll(compressed.substr(0, ends[59]));
    EXPECT_EQ(bomb.frames.size(), before.frames.size());

    // Left after a few frames, with containers in flight.
    for (int round = 0; round < 10; ++round) {
        std::string copy = compressed;
        sources::BlfSource source(std::make_unique<sources::MemoryInput>(bytes(copy)));
        ASSERT_TRUE(source.open().ok());
        std::vector<can::Frame> frames(static_cast<size_t>(1 + round * 700));
        for (int reads = 0; reads < round; ++reads) source.read(frames);
    }
}

}  // namespace
