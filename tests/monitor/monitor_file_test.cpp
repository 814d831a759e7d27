#include "monitor/monitor_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "monitor/records.h"
#include "platform/platform.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using dtgen::chunk;
using dtgen::signatureBytes;
using monitor::kSignatureSize;

int32_t load(monitor::MonitorFile& file, const std::string& bytes) {
    return monitor::loadMonitorBytes(file, reinterpret_cast<const uint8_t*>(bytes.data()),
                                     bytes.size());
}

dtgen::CaptureBuilder twoFrames(int variant) {
    dtgen::CaptureBuilder builder(variant);
    builder.frame({.id = 1, .data = {1}}).frame({.id = 2, .data = {2}});
    return builder;
}

// The first data byte of the first frame, which tells the record chunks apart.
int firstDataByte(const monitor::MonitorFile& file) {
    monitor::RecordCursor cursor{0, file.count, file.records};
    can::Frame frame;
    if (monitor::firstRecordKind29(cursor) != 1) return -1;
    return monitor::assembleFrame29(cursor, 0, frame) ? frame.data[0] : -1;
}

TEST(MonitorFile, SignatureAndSize) {
    monitor::MonitorFile file;
    EXPECT_EQ(load(file, signatureBytes()), platform::kOk);
    EXPECT_EQ(file.count, 0u);
    EXPECT_EQ(file.variant, 0);
    EXPECT_EQ(load(file, signatureBytes().substr(0, 15)), platform::kInvalidData);
    std::string noZero = signatureBytes();
    noZero[15] = ' ';
    EXPECT_EQ(load(file, noZero), platform::kInvalidData);
    EXPECT_EQ(load(file, twoFrames(29).breakSignature().build()), platform::kInvalidData);
    EXPECT_EQ(file.bytes, nullptr);
}

TEST(MonitorFile, ChunkWalkUsesTheLastRecordChunkAfterTheInformation) {
    dtgen::CaptureBuilder first(29);
    first.frame({.id = 1, .data = {0x11}});
    dtgen::CaptureBuilder second(29);
    second.frame({.id = 1, .data = {0x22}}).frame({.id = 2, .data = {0x23}});
    const std::string info = first.informationChunk();
    monitor::MonitorFile file;

    ASSERT_EQ(load(file, signatureBytes() + first.recordChunk() + info), platform::kOk);
    EXPECT_EQ(file.variant, 29);
    EXPECT_EQ(file.count, 0u);  // before the information chunk: ignored

    ASSERT_EQ(load(file, signatureBytes() + info + chunk("XTRA", "abc") + first.recordChunk() +
                             second.recordTag("MDAC").recordChunk()),
              platform::kOk);
    EXPECT_EQ(file.count, 2u);
    EXPECT_EQ(firstDataByte(file), 0x22);

    // A chunk running past the end ends the walk; what came before stays.
    const std::string overlong = chunk("XTRA", "abc");
    ASSERT_EQ(load(file, signatureBytes() + info + first.recordChunk() +
                             overlong.substr(0, overlong.size() - 1)),
              platform::kOk);
    EXPECT_EQ(firstDataByte(file), 0x11);
    EXPECT_FALSE(file.cutShort);
    // A record chunk running past the end still replaces the one before with what it holds.
    const std::string cutRecords = second.recordChunk();
    ASSERT_EQ(load(file, signatureBytes() + info + first.recordChunk() +
                             cutRecords.substr(0, cutRecords.size() - 1)),
              platform::kOk);
    EXPECT_EQ(firstDataByte(file), 0x22);
    EXPECT_EQ(file.count, 1u);
    EXPECT_TRUE(file.cutShort);

    // 65 bytes of records are two records; the rest is ignored.
    ASSERT_EQ(load(file, signatureBytes() + info + chunk("MOND", std::string(65, '\0'))),
              platform::kOk);
    EXPECT_EQ(file.count, 2u);
}

TEST(MonitorFile, OnlyTheFirstAcceptedInformationChunkCounts) {
    dtgen::CaptureBuilder builder = twoFrames(29);
    builder.timeStampMode(5);
    dtgen::CaptureBuilder other(27);
    other.damageItemLength({"kind", 1000});
    monitor::MonitorFile file;
    ASSERT_EQ(load(file, signatureBytes() + builder.informationChunk() + other.informationChunk() +
                             builder.recordChunk()),
              platform::kOk);
    EXPECT_EQ(file.variant, 29);
    EXPECT_EQ(file.timeStampMode, 5);
    EXPECT_EQ(file.count, 2u);
}

TEST(MonitorFile, InformationThatIsRefusedFailsTheLoad) {
    monitor::MonitorFile file;
    ASSERT_EQ(load(file, twoFrames(27).build()), platform::kOk);
    EXPECT_EQ(file.variant, 27);
    // An item length below 4, an item past its container, a malformed block length.
    for (const char* item : {"time", "settings2", "identification", "block"}) {
        EXPECT_EQ(load(file, twoFrames(29).damageItemLength({item, 2}).build()),
                  platform::kInvalidData)
            << item;
        EXPECT_EQ(load(file, twoFrames(27).damageItemLength({item, 100000}).build()),
                  platform::kInvalidData)
            << item;
        EXPECT_EQ(file.bytes, nullptr);
        EXPECT_EQ(file.count, 0u);
    }
    // Mark byte A other than '!' or '+', and a variant code other than 27 or 29.
    std::string bytes = twoFrames(29).build();
    bytes[16 + 8 + 4 + 6] = '?';
    EXPECT_EQ(load(file, bytes), platform::kInvalidData);
    bytes = twoFrames(29).build();
    bytes[16 + 8 + 12 + 5] = 28;
    EXPECT_EQ(load(file, bytes), platform::kInvalidData);
    // A block too short to name its variant.
    EXPECT_EQ(load(file, signatureBytes() + chunk("DINF", std::string("\x06\0\0\0!!", 6))),
              platform::kInvalidData);
}

TEST(MonitorFile, FileWithoutInformationBorrowsNothingFromTheLastOne) {
    monitor::MonitorFile file;
    dtgen::CaptureBuilder builder = twoFrames(29);
    ASSERT_EQ(load(file, builder.timeStampMode(5).subKind(4).build()), platform::kOk);
    EXPECT_EQ(file.subKind, 4);
    ASSERT_EQ(load(file, signatureBytes() + builder.recordChunk()), platform::kOk);
    EXPECT_EQ(file.variant, 0);
    EXPECT_EQ(file.subKind, 0);
    EXPECT_EQ(file.timeStampMode, 0);
    EXPECT_EQ(file.count, 0u);
    monitor::releaseMonitorFile(file);
    EXPECT_EQ(file.records, nullptr);
}

// Every prefix and every single-byte change of a capture loads or is refused cleanly, and the
// walk over what loaded ends; the sanitizer build checks that nothing reads outside the buffer.
TEST(MonitorFile, DamagedCapturesNeverReadOutsideTheBuffer) {
    for (int variant : {27, 29}) {
        dtgen::CaptureBuilder builder(variant);
        builder.frame({.id = 5, .data = std::vector<uint8_t>(64, 0x5A), .extensionRecord = true});
        builder.event({5, 1}).frame({.channel = 1, .id = 6, .extended = true, .data = {1, 2}});
        const std::string good = builder.build();
        auto check = [&](const std::string& bytes) {
            monitor::MonitorFile file;
            const int32_t result = load(file, bytes);
            ASSERT_TRUE(result == platform::kOk || result == platform::kInvalidData);
            monitor::RecordCursor cursor{0, file.count, file.records};
            can::Frame frame;
            const bool is29 = file.variant == 29;
            uint32_t steps = 0;
            for (int kind = is29 ? monitor::firstRecordKind29(cursor)
                                 : monitor::firstRecordKind27(cursor);
                 kind != 0; kind = is29 ? monitor::nextRecordKind29(cursor)
                                        : monitor::nextRecordKind27(cursor)) {
                ASSERT_LE(++steps, file.count);
                if (is29)
                    monitor::assembleFrame29(cursor, 0, frame);
                else
                    monitor::assembleFrame27(cursor, 0, frame);
            }
        };
        for (size_t length = 0; length <= good.size(); ++length) check(good.substr(0, length));
        for (size_t at = 16; at < good.size(); ++at) {
            for (char value : {'\0', '\x03', '\x7F', '\xFF'}) {
                std::string bytes = good;
                bytes[at] = value;
                check(bytes);
            }
        }
    }
}

// A capture cut at any length: the whole records present are kept, and the file is marked cut
// short exactly when it ends after its information chunk and before its last byte (inside the
// record chunk's header: no records, none known to be claimed). A cut in the information chunk
// ends the walk as any cut chunk does.
TEST(MonitorFile, CutCaptureKeepsItsWholeRecords) {
    for (int variant : {27, 29}) {
        dtgen::CaptureBuilder builder(variant);
        builder.frame({.id = 5, .data = std::vector<uint8_t>(64, 0x5A), .extensionRecord = true});
        builder.event({5, 1}).frame({.channel = 1, .id = 6, .extended = true, .data = {1, 2}});
        builder.frame({.id = 7, .data = std::vector<uint8_t>(20, 0x77)});
        const std::string whole = builder.build();
        const size_t informationEnd = kSignatureSize + builder.informationChunk().size();
        const size_t recordsStart = informationEnd + 8;
        const uint32_t claimed = static_cast<uint32_t>(builder.recordCount());
        monitor::MonitorFile complete;
        ASSERT_EQ(load(complete, whole), platform::kOk);
        ASSERT_EQ(complete.count, claimed);
        EXPECT_FALSE(complete.cutShort);
        for (size_t length = 0; length <= whole.size(); ++length) {
            monitor::MonitorFile file;
            const int32_t result = load(file, whole.substr(0, length));
            if (length < kSignatureSize) {
                EXPECT_EQ(result, platform::kInvalidData) << length;
                continue;
            }
            ASSERT_EQ(result, platform::kOk) << length;
            EXPECT_EQ(file.variant, length >= informationEnd ? variant : 0) << length;
            const bool recordsCut = length >= recordsStart && length < whole.size();
            const bool headerCut = length > informationEnd && length < recordsStart;
            EXPECT_EQ(file.cutShort, recordsCut || headerCut) << length;
            if (headerCut) {
                EXPECT_EQ(file.recordsClaimed, 0u) << length;
            }
            const uint32_t present =
                length >= recordsStart ? static_cast<uint32_t>((length - recordsStart) / 32) : 0;
            ASSERT_EQ(file.count, present) << length;
            if (recordsCut) {
                EXPECT_EQ(file.recordsClaimed, claimed) << length;
            }
            if (present > 0) {
                EXPECT_EQ(std::memcmp(file.records, complete.records, present * 32u), 0) << length;
            }
        }
    }
}

// Whatever chunk the file ends in after the information, the capture is cut short when no
// record chunk came before the cut; once the records are whole, a cut after them loses nothing.
TEST(MonitorFile, ACutBeforeTheRecordChunkLosesEveryRecord) {
    const dtgen::CaptureBuilder builder = twoFrames(29);
    const std::string head = signatureBytes() + builder.informationChunk();
    const std::string other = chunk("XTRA", "abcd");
    struct Case {
        std::string bytes;
        bool cutShort;
        uint32_t count;
    };
    const Case cases[] = {
        {head, false, 0},                                               // no record chunk at all
        {head + "MO", true, 0},                                         // inside its header
        {head + other.substr(0, 7), true, 0},                           // inside another's header
        {head + other.substr(0, other.size() - 1), true, 0},            // inside another chunk
        {head + other + "MOND\x40", true, 0},                           // after another chunk
        {head + builder.recordChunk() + "XT", false, 2},                // after the records
        {head + builder.recordChunk() + other.substr(0, 9), false, 2},  // also
    };
    for (const Case& c : cases) {
        monitor::MonitorFile file;
        ASSERT_EQ(load(file, c.bytes), platform::kOk) << c.bytes.size();
        EXPECT_EQ(file.variant, 29);
        EXPECT_EQ(file.cutShort, c.cutShort) << c.bytes.size();
        EXPECT_EQ(file.count, c.count) << c.bytes.size();
        EXPECT_EQ(file.recordsClaimed, c.count) << c.bytes.size();
    }
}

TEST(MonitorFile, LoadsFromDiskWithTheSystemErrorOnFailure) {
    testing_support::ScratchDir dir("monitor-file");
    testing_support::writeFileBytes(dir / "a.DT", twoFrames(29).build());
    monitor::MonitorFile file;
    ASSERT_EQ(monitor::loadMonitorFile(file, dir / "a.DT"), platform::kOk);
    EXPECT_EQ(file.count, 2u);
    EXPECT_EQ(monitor::loadMonitorFile(file, dir / "missing.DT"), static_cast<int32_t>(0x80070002));
    EXPECT_EQ(file.count, 0u);
    testing_support::writeFileBytes(dir / "short.DT", "TALVERO");
    EXPECT_EQ(monitor::loadMonitorFile(file, dir / "short.DT"), platform::kInvalidData);
}

TEST(MonitorFile, SizeLimitIsOneGibibyte) {
    testing_support::ScratchDir dir("monitor-size");
    const std::filesystem::path path = dir / "large.DT";
    testing_support::writeFileBytes(path, signatureBytes());
    // Sparse: refused on its size before anything is read.
    std::filesystem::resize_file(path, monitor::kMaxMonitorFileSize + 1);
    monitor::MonitorFile file;
    monitor::LoadReport report;
    EXPECT_EQ(monitor::loadMonitorFile(file, path, &report), platform::kInvalidData);
    EXPECT_TRUE(report.tooLarge);
    testing_support::writeFileBytes(path, "TALVERO");
    EXPECT_EQ(monitor::loadMonitorFile(file, path, &report), platform::kInvalidData);
    EXPECT_FALSE(report.tooLarge);  // too small is not too large
    // Exactly 1 GiB is accepted: reading that much takes seconds, so
    // scripts/check-limits.sh checks it outside the unit tests.
}

}  // namespace
