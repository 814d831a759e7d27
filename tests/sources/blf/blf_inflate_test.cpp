#include "sources/blf/blf_inflate.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/sources/blf/blf_test_files.h"

namespace {

using sources::blf::InflateEngine;
using sources::blf::Inflater;
using sources::blf::InflateResult;

std::span<const uint8_t> bytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string someContent(size_t size) {
    std::mt19937 random(7);
    std::string out;
    for (size_t i = 0; i < size; ++i) out.push_back(static_cast<char>(random() % 16));
    return out;
}

class BlfInflate : public testing::TestWithParam<InflateEngine> {
protected:
    void SetUp() override {
        if (!Inflater::available(GetParam())) GTEST_SKIP() << "not in this build";
    }
};

TEST_P(BlfInflate, InflatesIntoAFixedRoomAndRefusesWhatDoesNotFit) {
    Inflater inflater(GetParam());
    const std::string content = someContent(100000);
    const std::string packed = blf_test::zlibCompress(content, 6);
    std::vector<uint8_t> room(content.size());
    size_t produced = 0;
    for (int round = 0; round < 2; ++round) {  // the inflater is used again
        ASSERT_EQ(inflater.inflate(bytes(packed), room, produced), InflateResult::kDone);
        EXPECT_EQ(produced, content.size());
        EXPECT_EQ(std::string(room.begin(), room.end()), content);
    }
    // A stream holding less than the room; bytes behind the stream do not matter.
    std::vector<uint8_t> larger(content.size() + 100);
    EXPECT_EQ(inflater.inflate(bytes(packed + "tail"), larger, produced), InflateResult::kDone);
    EXPECT_EQ(produced, content.size());
    // A stream holding more: one byte more, or a bomb of zeros 1000 times its size.
    std::vector<uint8_t> smaller(content.size() - 1);
    EXPECT_EQ(inflater.inflate(bytes(packed), smaller, produced), InflateResult::kTooLarge);
    const std::string bomb = blf_test::zlibCompress(std::string(16 << 20, '\0'), 9);
    std::vector<uint8_t> claimed(128 * 1024);
    EXPECT_EQ(inflater.inflate(bytes(bomb), claimed, produced), InflateResult::kTooLarge);
    std::vector<uint8_t> none;
    EXPECT_EQ(inflater.inflate(bytes(packed), none, produced), InflateResult::kTooLarge);
    // An empty stream into no room.
    EXPECT_EQ(inflater.inflate(bytes(blf_test::zlibCompress("")), none, produced),
              InflateResult::kDone);
    EXPECT_EQ(produced, 0u);
}

TEST_P(BlfInflate, DamagedStreamsAreRefused) {
    Inflater inflater(GetParam());
    const std::string content = someContent(5000);
    const std::string packed = blf_test::zlibCompress(content, 6);
    std::vector<uint8_t> room(content.size());
    size_t produced = 0;
    EXPECT_EQ(inflater.inflate(bytes(packed.substr(0, packed.size() / 2)), room, produced),
              InflateResult::kDamaged);
    EXPECT_EQ(inflater.inflate(bytes(""), room, produced), InflateResult::kDamaged);
    EXPECT_EQ(inflater.inflate(bytes("not a zlib stream at all"), room, produced),
              InflateResult::kDamaged);
    std::string flipped = packed;
    flipped[flipped.size() - 2] ^= 0x40;  // the Adler-32 check
    EXPECT_EQ(inflater.inflate(bytes(flipped), room, produced), InflateResult::kDamaged);
    // A raw deflate stream, without zlib's header, is no container's.
    std::string raw = packed.substr(2);
    EXPECT_EQ(inflater.inflate(bytes(raw), room, produced), InflateResult::kDamaged);
    // Good again afterwards.
    EXPECT_EQ(inflater.inflate(bytes(packed), room, produced), InflateResult::kDone);
}

std::string engineName(const testing::TestParamInfo<InflateEngine>& engine) {
    static constexpr const char* kNames[] = {"best", "zlib", "libdeflate"};
    return kNames[static_cast<int>(engine.param)];
}

INSTANTIATE_TEST_SUITE_P(Engines, BlfInflate,
                         testing::Values(InflateEngine::kBest, InflateEngine::kZlib,
                                         InflateEngine::kLibdeflate),
                         engineName);

}  // namespace
