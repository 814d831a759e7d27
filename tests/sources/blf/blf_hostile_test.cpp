// Files that are damaged, cut short, malicious or no BLF at all: the reader keeps what it can,
// counts or refuses the rest with its place, and never reads past its buffers, allocates by a
// size it has not checked, hangs or reports a failure as success.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "sources/blf/blf_source.h"
#include "tests/sources/blf/blf_test_files.h"

namespace {

using namespace blf_test;

std::string frameObject(uint32_t id, uint64_t stamp) {
    return object(1, canMessage(1, 0, 1, id, "\x42"), stamp);
}

// Objects with a chosen size field: `size` replaces the true one.
std::string withSize(std::string object, uint32_t size) {
    std::string field;
    put32(field, size);
    object.replace(8, 4, field);
    return object;
}

std::vector<uint32_t> idsOf(const ReadOutcome& outcome) {
    std::vector<uint32_t> ids;
    for (const can::Frame& frame : outcome.frames) ids.push_back(frame.canId);
    return ids;
}

// Whatever the file, each frame handed on is one a frame can be.
void expectSane(const ReadOutcome& outcome) {
    uint64_t place = 0;
    for (const can::Frame& frame : outcome.frames) {
        ASSERT_GT(frame.place, place);
        place = frame.place;
        ASSERT_GE(frame.channel, 0);
        ASSERT_GE(frame.dataLength, 0);
        ASSERT_LE(frame.dataLength, frame.isFd ? 64 : 8);
        ASSERT_LE(frame.canId, 0x1FFFFFFFu);
        const int used = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
        for (int i = used; i < can::kMaxDataLength; ++i) ASSERT_EQ(frame.data[i], 0) << i;
    }
    ASSERT_LE(outcome.counts.firstUnreadable.size(), sources::SourceCounts::kKeptUnreadable);
}

TEST(BlfHostile, InputsThatAreNoBlfLogFailToOpen) {
    const std::string inputs[] = {"",
                                  "LOG",
                                  "date time id\n0.000 1 123 8 00\n",
                                  "\x89PNG\r\n\x1a\n" + std::string(100, '\0'),
                                  std::string(1000, '\0'),
                                  "LOBJ" + std::string(200, '\x10'),
                                  "LOGG\x90\0\0\0",
                                  fileHeader().substr(0, 100),
                                  fileHeader().replace(4, 4, "\0\0\0\x40")};  // 1 GiB
    for (const std::string& input : inputs) {
        const ReadOutcome outcome = readAll(input);
        EXPECT_EQ(outcome.open.code(), platform::kInvalidData) << input.substr(0, 8);
        EXPECT_EQ(outcome.open.place().kind, platform::Place::Kind::kByte);
        EXPECT_FALSE(outcome.status.ok());
        EXPECT_TRUE(outcome.frames.empty());
    }
    EXPECT_EQ(readAll("").open.description(), "byte 0: not a BLF log: it does not start with LOGG");
    EXPECT_EQ(readAll(fileHeader({}, 200).substr(0, 150)).open.description(),
              "byte 150: the file ends inside its 200-byte header");
}

TEST(BlfHostile, ADecompressionBombIsRefusedWithItsPlace) {
    const std::string first = zlibContainer(frameObject(1, 0) + frameObject(2, 1));
    // 4 MiB of objects in a container claiming 1000 bytes.
    std::string flood;
    while (flood.size() < (4u << 20)) flood += frameObject(3, 2);
    const std::string bomb = container(2, zlibCompress(flood, 9), 1000);
    const ReadOutcome outcome =
        readAll(fileHeader() + first + bomb + zlibContainer(frameObject(4, 3)));
    EXPECT_EQ(idsOf(outcome), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(outcome.status.code(), platform::kInvalidData);
    EXPECT_EQ(outcome.status.description(),
              "byte " + std::to_string(144 + first.size()) +
                  ": container 2 inflates to more than the 1000 bytes it claims");

    // The same with zlib doing the inflating, as on Windows.
    const ReadOutcome withZlib =
        readAll(fileHeader() + first + bomb, 1000, 1 << 20, sources::blf::InflateEngine::kZlib);
    EXPECT_EQ(idsOf(withZlib), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(withZlib.status.description(), outcome.status.description());
}

// Each compressed container is inflated while the one before is read: a damaged one among many
// still ends the reading at its place, after every frame before it, however the frames are
// fetched.
TEST(BlfHostile, ADamagedContainerAmongOthersEndsTheReadingAtItsPlace) {
    std::string bytes = fileHeader();
    std::vector<uint32_t> before;
    uint32_t id = 0;
    for (int c = 0; c < 3; ++c) {
        std::string content;
        for (int i = 0; i < 50; ++i, ++id) {
            content += frameObject(id, id);
            before.push_back(id);
        }
        bytes += zlibContainer(content);
    }
    const std::string damagedAt = std::to_string(bytes.size());
    std::string damaged = zlibCompress(frameObject(999, 0) + frameObject(998, 0));
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
    bytes += container(2, damaged, 2 * 48) + zlibContainer(frameObject(997, 0));
    for (const size_t batch : {size_t{1}, size_t{7}, size_t{1000}}) {
        const ReadOutcome outcome = readAll(bytes, batch);
        EXPECT_EQ(idsOf(outcome), before) << batch;
        EXPECT_EQ(outcome.status.description(),
                  "byte " + damagedAt + ": container 4 holds damaged compressed data")
            << batch;
    }
    // Cut inside the container after the damaged one: the damage still speaks first.
    const ReadOutcome cut = readAll(bytes.substr(0, bytes.size() - 10));
    EXPECT_EQ(idsOf(cut), before);
    EXPECT_EQ(cut.status.description(),
              "byte " + damagedAt + ": container 4 holds damaged compressed data");
}

TEST(BlfHostile, ContainersClaimingTooMuchOrUnreadableAreRefused) {
    const std::string zeros = zlibCompress(std::string(17 << 20, '\0'), 9);
    struct Case {
        std::string container;
        int32_t code;
        std::string description;
    };
    const Case cases[] = {
        {container(2, zeros, 17 << 20), platform::kInvalidData,
         "byte 144: container 1 claims 17825792 bytes, more than the 16 MiB a container may hold"},
        {container(2, std::string(100, 'x'), 16 << 20), platform::kInvalidData,
         "byte 144: container 1 claims 16777216 bytes, more than its compressed bytes can hold"},
        {container(1, frameObject(1, 0), 48), platform::kInvalidData,
         "byte 144: container 1 is compressed by method 1, which is unknown"},
        {container(2, "this is no zlib stream", 48), platform::kInvalidData,
         "byte 144: container 1 holds damaged compressed data"},
        {container(2, zlibCompress(frameObject(1, 0)).substr(0, 20), 48), platform::kInvalidData,
         "byte 144: container 1 holds damaged compressed data"},
    };
    for (const Case& c : cases) {
        const ReadOutcome outcome = readAll(fileHeader() + c.container);
        EXPECT_TRUE(outcome.open.ok());
        EXPECT_EQ(outcome.status.code(), c.code) << c.description;
        EXPECT_EQ(outcome.status.description(), c.description);
        EXPECT_TRUE(outcome.frames.empty());
    }
}

// Sizes of zero, negative as signed 32-bit numbers, or past the file: no hang, no allocation by
// the size; the object is counted unreadable and the reading goes on at the next object, or
// the file is cut short there.
TEST(BlfHostile, ObjectSizesThatCannotBeAreCounted) {
    const std::string a = frameObject(0xA, 1);
    const std::string b = frameObject(0xB, 2);
    for (const uint32_t size : {0u, 15u, 0x80000000u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        SCOPED_TRACE(size);
        const std::string bad = withSize(frameObject(0xBAD, 0), size);
        for (const std::string& file :
             {fileHeader() + storedContainer(a + bad + b),
              fileHeader() + zlibContainer(a + bad + b), fileHeader() + a + bad + b,
              fileHeader() + zlibContainer(a) + bad + zlibContainer(b)}) {
            const ReadOutcome outcome = readAll(file);
            EXPECT_TRUE(outcome.status.ok());
            EXPECT_EQ(idsOf(outcome), (std::vector<uint32_t>{0xA, 0xB}));
            EXPECT_EQ(outcome.counts.unreadable, 1u);
            EXPECT_EQ(outcome.counts.firstUnreadable, std::vector<uint64_t>{2});
            EXPECT_EQ(outcome.frames[1].place, 3u);
            EXPECT_FALSE(outcome.counts.cutShort);
        }
    }
    // A container whose size is no size: its stored objects are found all the same.
    const std::string stored = withSize(storedContainer(a + b), 0xFFFFFFF0);
    const ReadOutcome outcome = readAll(fileHeader() + stored + zlibContainer(frameObject(0xC, 3)));
    EXPECT_EQ(idsOf(outcome), (std::vector<uint32_t>{0xA, 0xB, 0xC}));
    EXPECT_EQ(outcome.counts.firstUnreadable, std::vector<uint64_t>{1});
}

TEST(BlfHostile, ObjectsRunningPastTheEndOfTheFileCutItShort) {
    const std::string a = frameObject(0xA, 1);
    // An object passed over, of 10 MB, in a container of 100 bytes.
    const std::string text = withSize(object(65, std::string(52, 't'), 0), 10000000);
    ReadOutcome outcome = readAll(fileHeader() + zlibContainer(a + text));
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_EQ(idsOf(outcome), std::vector<uint32_t>{0xA});
    EXPECT_TRUE(outcome.counts.cutShort);
    EXPECT_EQ(outcome.counts.cutShortWhere, "object 2 runs past the end of the file");
    EXPECT_EQ(outcome.counts.skipped.at("APP_TEXT"), 1u);

    // A frame object claiming more than a frame object can be is unreadable as well.
    outcome = readAll(fileHeader() + storedContainer(a + withSize(frameObject(0xB, 0), 5000)));
    EXPECT_EQ(idsOf(outcome), std::vector<uint32_t>{0xA});
    EXPECT_EQ(outcome.counts.firstUnreadable, std::vector<uint64_t>{2});
    EXPECT_EQ(outcome.counts.cutShortWhere, "object 2 runs past the end of the file");

    // A frame whose last bytes are missing, at the end of the last container.
    outcome = readAll(fileHeader() + zlibContainer(a + frameObject(0xB, 2).substr(0, 40)));
    EXPECT_EQ(idsOf(outcome), std::vector<uint32_t>{0xA});
    EXPECT_EQ(outcome.counts.cutShortWhere, "object 2 runs past the end of the file");
    EXPECT_EQ(outcome.counts.unreadable, 0u);

    // Containers claiming more than the file holds.
    for (const std::string& last : {withSize(storedContainer(a + a), 0x00FFFFFF),
                                    withSize(zlibContainer(a + a), 0x00FFFFFF)}) {
        outcome = readAll(fileHeader() + zlibContainer(frameObject(1, 0)) + last);
        EXPECT_TRUE(outcome.status.ok());
        EXPECT_TRUE(outcome.counts.cutShort);
        EXPECT_EQ(outcome.counts.cutShortWhere,
                  "byte " + std::to_string(144 + zlibContainer(frameObject(1, 0)).size()) +
                      ": container 2 runs past the end of the file");
    }
}

// A file cut anywhere: the frames before the cut are kept, and the cut is said with its place.
TEST(BlfHostile, AFileCutAnywhereKeepsTheFramesBeforeTheCut) {
    std::string stored;
    std::string compressed;
    std::vector<uint32_t> ids;
    for (uint32_t i = 0; i < 30; ++i) {
        ids.push_back(i);
        const std::string frame = frameObject(i, i);
        stored += storedContainer(frame.substr(0, 20)) + storedContainer(frame.substr(20));
        compressed += zlibContainer(frame);
    }
    const std::string storedFile = fileHeader() + stored;
    for (size_t size = 144; size <= storedFile.size(); ++size) {
        const ReadOutcome outcome = readAll(storedFile.substr(0, size));
        ASSERT_TRUE(outcome.status.ok());
        expectSane(outcome);
        const std::vector<uint32_t> got = idsOf(outcome);
        ASSERT_TRUE(std::equal(got.begin(), got.end(), ids.begin())) << size;
        // Each frame takes two containers: 32 + 20 bytes and 32 + 28 bytes.
        const bool whole = 144 + got.size() * (52 + 60) == size;
        EXPECT_EQ(outcome.counts.cutShort, !whole) << size;
        EXPECT_EQ(outcome.counts.unreadable, 0u) << size;
    }
    // Cut in the middle of the 13th compressed container.
    size_t thirteenth = 144;
    for (uint32_t i = 0; i < 12; ++i) thirteenth += zlibContainer(frameObject(i, i)).size();
    const ReadOutcome outcome = readAll((fileHeader() + compressed).substr(0, thirteenth + 30));
    EXPECT_EQ(outcome.frames.size(), 12u);
    EXPECT_EQ(outcome.counts.cutShortWhere, "byte " + std::to_string(thirteenth) +
                                                ": container 13 runs past the end of the file");
}

TEST(BlfHostile, DamageBetweenContainersIsCountedAndPassed) {
    const std::string file = fileHeader() + zlibContainer(frameObject(1, 0)) +
                             "this is not an object but trash" + zlibContainer(frameObject(2, 1)) +
                             std::string(5, '\x7F') + zlibContainer(frameObject(3, 2)) +
                             "trailing junk of a file";
    const ReadOutcome outcome = readAll(file, 1000, 7);
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_EQ(idsOf(outcome), (std::vector<uint32_t>{1, 2, 3}));
    EXPECT_EQ(outcome.counts.firstUnreadable, (std::vector<uint64_t>{2, 5}));
    // A container inside a container is no frame: passed over.
    const ReadOutcome nested = readAll(
        fileHeader() + storedContainer(zlibContainer(frameObject(1, 0)) + frameObject(2, 0)));
    EXPECT_EQ(idsOf(nested), std::vector<uint32_t>{2});
    EXPECT_EQ(nested.counts.skipped.at("LOG_CONTAINER"), 1u);
}

// A ByteInput that fails after some bytes, or whose stored file ended early (a cut .gz).
class BrokenInput final : public sources::ByteInput {
public:
    BrokenInput(std::string bytes, size_t failAt, bool cut)
        : bytes_(std::move(bytes)), failAt_(failAt), cut_(cut) {}
    size_t read(std::span<uint8_t> buffer) override {
        if (offset_ >= failAt_) {
            status_ = platform::Status::failure(platform::systemError(23), {},
                                                platform::Place::byte(offset_));
            return 0;
        }
        const size_t count =
            std::min({buffer.size(), bytes_.size() - offset_, failAt_ - offset_, size_t{100}});
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return status_; }
    uint64_t consumed() const override { return offset_; }
    bool cutShort() const override { return cut_ && offset_ == bytes_.size(); }

private:
    std::string bytes_;
    size_t failAt_;
    bool cut_;
    size_t offset_ = 0;
    platform::Status status_;
};

TEST(BlfHostile, AFailedReadIsAFailureAndACutInputACut) {
    std::string file = fileHeader();
    for (uint32_t i = 0; i < 100; ++i) file += zlibContainer(frameObject(i, i));
    ReadOutcome outcome = readFrom(std::make_unique<BrokenInput>(file, file.size() / 2, false));
    EXPECT_EQ(outcome.status.code(), platform::systemError(23));
    EXPECT_FALSE(outcome.counts.cutShort);
    EXPECT_GT(outcome.frames.size(), 10u);
    outcome = readFrom(std::make_unique<BrokenInput>(file, 50, false));
    EXPECT_EQ(outcome.open.code(), platform::systemError(23));

    outcome = readFrom(std::make_unique<BrokenInput>(file, file.size() + 1, true));
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_EQ(outcome.frames.size(), 100u);
    EXPECT_EQ(outcome.counts.cutShortWhere,
              "byte " + std::to_string(file.size()) + ": the compressed file ends early");
}

// Valid logs with bytes flipped, dropped and repeated: whatever comes out is sane.
TEST(BlfHostile, MangledLogsGiveSaneFramesOrAFailure) {
    std::mt19937 random(99);
    std::string content;
    for (uint32_t i = 0; i < 40; ++i) {
        content += frameObject(i, i) +
                   object(101, canFdMessage64(2, 15, i, 0x3000, 1, std::string(64, 'q')), i) +
                   object(73, canErrorExt(1, 8, i, "12345678"), i) + object(65, "text", i);
    }
    const std::string file = fileHeader() + zlibContainer(content.substr(0, 3000)) +
                             storedContainer(content.substr(3000, 1000)) +
                             zlibContainer(content.substr(4000));
    for (int round = 0; round < 3000; ++round) {
        std::string mangled = file;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && mangled.size() > 145; ++e) {
            const size_t at = 144 + random() % (mangled.size() - 144);
            switch (random() % 4) {
                case 0:
                    mangled[at] = static_cast<char>(random());
                    break;
                case 1:
                    mangled.erase(at, random() % 64);
                    break;
                case 2:
                    mangled.insert(at, mangled.substr(at, random() % 64));
                    break;
                default:
                    mangled.resize(at);
                    break;
            }
        }
        const ReadOutcome outcome = readAll(mangled, 1 + random() % 50, 1 + random() % 5000);
        expectSane(outcome);
        if (!outcome.status.ok()) {
            EXPECT_EQ(outcome.status.code(), platform::kInvalidData);
        }
    }
}

}  // namespace
