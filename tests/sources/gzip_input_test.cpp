#include "sources/gzip_input.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "sources/byte_input.h"
#include "tests/support/test_paths.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

using sources::GzipInput;

// Hands out its bytes a few at a time, as a pipe may; or fails after them, as a broken disk does.
class PieceInput final : public sources::ByteInput {
public:
    PieceInput(std::string bytes, size_t piece, bool failAtEnd = false)
        : bytes_(std::move(bytes)), piece_(piece), failAtEnd_(failAtEnd) {}
    size_t read(std::span<uint8_t> buffer) override {
        const size_t count = std::min({buffer.size(), piece_, bytes_.size() - offset_});
        if (count == 0 && failAtEnd_) {
            status_ = platform::Status::failure(platform::systemError(23), "read failed",
                                                platform::Place::byte(offset_));
        }
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return status_; }
    uint64_t consumed() const override { return offset_; }

private:
    std::string bytes_;
    size_t piece_;
    bool failAtEnd_;
    size_t offset_ = 0;
    platform::Status status_;
};

struct Inflated {
    std::string bytes;
    platform::Status status;
    bool cutShort = false;
    uint64_t consumed = 0;
};

// Everything the input hands on, read into buffers of `piece` bytes.
Inflated inflateAll(std::unique_ptr<sources::ByteInput> stored, size_t piece) {
    GzipInput input(std::move(stored));
    Inflated out;
    std::vector<uint8_t> buffer(piece);
    for (;;) {
        const size_t got = input.read(buffer);
        if (got == 0) break;
        out.bytes.append(buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(got));
    }
    EXPECT_EQ(input.read(buffer), 0u) << "read after the end";
    out.status = input.status();
    out.cutShort = input.cutShort();
    out.consumed = input.consumed();
    return out;
}

Inflated inflateBytes(const std::string& gz, size_t piece = 65536, size_t storedPiece = 1 << 20) {
    return inflateAll(std::make_unique<PieceInput>(gz, storedPiece), piece);
}

// One gzip member made by zlib itself, for the tests that need no outside program.
std::string gzipOf(std::string_view data, int level = 6) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// A few MB that look like a log in places and like noise in others.
std::string sampleContent(size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::string content;
    content.reserve(size);
    static const char kHex[] = "0123456789ABCDEF";
    while (content.size() < size) {
        if (random() % 8 == 0) {
            for (int i = 0; i < 4096; ++i) content += static_cast<char>(random() & 0xFF);
            continue;
        }
        content += "(1700000000." + std::to_string(random() % 1000000) + ") can" +
                   std::to_string(random() % 4) + " " + kHex[random() % 8] + kHex[random() % 16] +
                   kHex[random() % 16] + "#";
        for (auto i = random() % 9; i > 0; --i) {
            content += kHex[random() % 16];
            content += kHex[random() % 16];
        }
        content += '\n';
    }
    content.resize(size);
    return content;
}

TEST(GzipInput, ReadsWhatZlibDeflatedThroughPiecesOfAnySize) {
    const std::string content = sampleContent(3 << 20, 1);
    const std::string gz = gzipOf(content);
    for (const size_t piece : {size_t{1} << 20, size_t{65537}, size_t{4093}, size_t{7}}) {
        const Inflated out = inflateBytes(gz, piece);
        EXPECT_TRUE(out.status.ok()) << out.status.description();
        EXPECT_FALSE(out.cutShort);
        EXPECT_TRUE(out.bytes == content) << "read in pieces of " << piece;
        EXPECT_EQ(out.consumed, gz.size());
    }
    // The stored file arriving a few bytes at a time.
    for (const size_t storedPiece : {size_t{1}, size_t{3}, size_t{1021}}) {
        const std::string small = content.substr(0, 300000);
        const Inflated out = inflateBytes(gzipOf(small, 9), 4096, storedPiece);
        EXPECT_TRUE(out.status.ok() && !out.cutShort && out.bytes == small)
            << "stored pieces of " << storedPiece;
    }
    // Nothing compressed is a member too.
    const Inflated empty = inflateBytes(gzipOf(""));
    EXPECT_TRUE(empty.status.ok() && !empty.cutShort && empty.bytes.empty());
}

#ifndef _WIN32
// Runs a shell command; false when it fails.
bool run(const std::string& command) { return std::system(command.c_str()) == 0; }
#endif

TEST(GzipInput, ReadsFilesOfTheGzipProgramAndOfPythonsGzipModuleAlsoOneAfterAnother) {
#ifdef _WIN32
    GTEST_SKIP() << "the gzip program and Python are those of Linux";
#else
    if (!run("gzip --version >/dev/null 2>&1") ||
        !run("/usr/bin/python3 -c 'import gzip' >/dev/null 2>&1")) {
        GTEST_SKIP() << "no gzip program or no /usr/bin/python3";
    }
    testing_support::ScratchDir scratch("gzip-tools");
    const std::string first = sampleContent(5 << 20, 2);
    const std::string second = sampleContent(1 << 20, 3);
    testing_support::writeFileBytes(scratch / "first.log", first);
    testing_support::writeFileBytes(scratch / "second.log", second);
    const std::string dir = scratch.path().string();
    // gzip keeps the file's name in the header; Python's module at level 1 writes it too.
    ASSERT_TRUE(run("cd '" + dir + "' && gzip -c -9 first.log > first.gz"));
    ASSERT_TRUE(run("cd '" + dir +
                    "' && /usr/bin/python3 -c \"import gzip,shutil\n"
                    "with open('second.log','rb') as i, gzip.open('second.gz','wb',1) as o: "
                    "shutil.copyfileobj(i,o)\""));
    ASSERT_TRUE(run("cd '" + dir + "' && cat first.gz second.gz first.gz > all.gz"));
    const auto readFile = [&](const char* name, size_t piece) {
        auto file = std::make_unique<sources::FileInput>();
        EXPECT_TRUE(file->open(scratch / name).ok());
        return inflateAll(std::move(file), piece);
    };
    for (const size_t piece : {size_t{65536}, size_t{4093}}) {
        const Inflated one = readFile("first.gz", piece);
        EXPECT_TRUE(one.status.ok() && !one.cutShort && one.bytes == first);
        const Inflated two = readFile("second.gz", piece);
        EXPECT_TRUE(two.status.ok() && !two.cutShort && two.bytes == second);
        const Inflated all = readFile("all.gz", piece);
        EXPECT_TRUE(all.status.ok()) << all.status.description();
        EXPECT_FALSE(all.cutShort);
        EXPECT_TRUE(all.bytes == first + second + first) << "pieces of " << piece;
        EXPECT_EQ(all.consumed, std::filesystem::file_size(scratch / "all.gz"));
    }
    // And the other way round: what GzipInput reads, gzip reads the same.
    ASSERT_TRUE(run("cd '" + dir +
                    "' && gzip -dc all.gz > all.out && cat first.log second.log "
                    "first.log | cmp -s - all.out"));
#endif
}

TEST(GzipInput, MembersPaddingAndJunkAfterThem) {
    const std::string a = sampleContent(200000, 4);
    const std::string b = "second member\n";
    const std::string gzA = gzipOf(a);
    const std::string gzB = gzipOf(b, 1);
    // Members one after another, an empty one among them; zero bytes between and after them.
    const std::string padding(1000, '\0');
    const Inflated members = inflateBytes(gzA + gzipOf("") + padding + gzB + padding, 999);
    EXPECT_TRUE(members.status.ok()) << members.status.description();
    EXPECT_FALSE(members.cutShort);
    EXPECT_TRUE(members.bytes == a + b);
    // Junk after a good member (also after padding): the member's bytes, then a failure where
    // the junk starts.
    for (const std::string& junk :
         {std::string("garbage\n"), padding + "x", std::string("\x1f\x8c")}) {
        const Inflated out = inflateBytes(gzA + junk);
        EXPECT_EQ(out.status.code(), platform::kInvalidData);
        const size_t junkAt = gzA.size() + junk.find_first_not_of('\0');
        EXPECT_EQ(out.status.place().kind, platform::Place::Kind::kByte);
        EXPECT_EQ(out.status.place().number, junkAt) << out.status.description();
        EXPECT_TRUE(out.bytes == a);
    }
    // Not gzip at all.
    const Inflated text = inflateBytes("date Tue Nov 14 22:13:20 2023\n");
    EXPECT_EQ(text.status.code(), platform::kInvalidData);
    EXPECT_EQ(text.status.description(), "byte 0: not gzip-compressed data");
    EXPECT_TRUE(text.bytes.empty());
}

TEST(GzipInput, AFileCutShortHandsOnTheBytesBeforeTheCut) {
    const std::string content = sampleContent(1 << 20, 5);
    const std::string gz = gzipOf(content);
    const std::string second = gzipOf("after\n");
    for (const size_t cut :
         {size_t{0}, size_t{1}, size_t{2}, size_t{9}, size_t{11}, gz.size() / 3, gz.size() / 2,
          gz.size() - 9, gz.size() - 8, gz.size() - 4, gz.size() - 1}) {
        const Inflated out = inflateBytes(gz.substr(0, cut), 4093);
        EXPECT_TRUE(out.status.ok()) << "cut at " << cut << ": " << out.status.description();
        EXPECT_TRUE(out.cutShort) << "cut at " << cut;
        EXPECT_TRUE(content.starts_with(out.bytes)) << "cut at " << cut;
        EXPECT_EQ(out.consumed, cut);
        if (cut >= gz.size() / 2) {
            // zlib hands on all it could decode: most of what the compressed half holds.
            EXPECT_GT(out.bytes.size(), content.size() * cut / gz.size() / 2) << "cut at " << cut;
        }
        if (cut >= gz.size() - 8) {
            EXPECT_EQ(out.bytes.size(), content.size()) << "cut at " << cut;
        }
    }
    // A cut in the second member; and a cut just between two members is a clean end.
    const Inflated inSecond = inflateBytes(gz + second.substr(0, 12));
    EXPECT_TRUE(inSecond.status.ok() && inSecond.cutShort && inSecond.bytes.starts_with(content));
    const Inflated between = inflateBytes(gz + second);
    EXPECT_TRUE(between.status.ok() && !between.cutShort && between.bytes == content + "after\n");
}

TEST(GzipInput, CorruptBytesFailWithTheirOffsetAndNeverPassForGoodData) {
    const std::string content = sampleContent(400000, 6);
    const std::string gz = gzipOf(content);
    // A wrong compression method, a broken block, a wrong checksum, a wrong length.
    struct Case {
        size_t at;
        uint8_t value;
        const char* what;
    };
    const Case cases[] = {{2, 7, "unknown compression method"},
                          {10, 0xFF, "invalid block type"},
                          {gz.size() - 8, 0x5A, "incorrect data check"},
                          {gz.size() - 2, 0x7F, "incorrect length check"}};
    for (const Case& c : cases) {
        std::string bad = gz;
        bad[c.at] = static_cast<char>(c.value);
        const Inflated out = inflateBytes(bad, 4096);
        EXPECT_EQ(out.status.code(), platform::kInvalidData) << c.what;
        EXPECT_NE(out.status.detail().find(c.what), std::string::npos) << out.status.description();
        EXPECT_EQ(out.status.place().kind, platform::Place::Kind::kByte);
        EXPECT_GE(out.status.place().number, c.at) << c.what;
        EXPECT_LE(out.status.place().number, c.at + 8) << c.what;
        EXPECT_FALSE(out.cutShort);
    }
    // Any single byte changed: a failure, or (in the header's time and name fields) the same
    // data; never other data taken for good.
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        std::string bad = gz;
        const size_t at = random() % bad.size();
        bad[at] = static_cast<char>(bad[at] ^ static_cast<char>(1 + random() % 255));
        const Inflated out = inflateBytes(bad, 8192);
        if (out.status.ok() && !out.cutShort) {
            EXPECT_TRUE(out.bytes == content) << "byte " << at << " changed";
        }
    }
}

TEST(GzipInput, AFailingStoredFileFailsTheInputWithItsOwnStatus) {
    const std::string content = sampleContent(300000, 8);
    const std::string gz = gzipOf(content);
    const Inflated out =
        inflateAll(std::make_unique<PieceInput>(gz.substr(0, gz.size() / 2), 4096, true), 4096);
    EXPECT_EQ(out.status.code(), platform::systemError(23));
    EXPECT_FALSE(out.cutShort);
    EXPECT_TRUE(content.starts_with(out.bytes));
}

// Resident memory of this process, in bytes; 0 where it cannot be told.
uint64_t residentBytes() {
#ifdef _WIN32
    return 0;
#else
    std::ifstream statm("/proc/self/statm");
    uint64_t size = 0, resident = 0;
    if (!(statm >> size >> resident)) return 0;
    return resident * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
#endif
}

// A gzip member of `mebibytes` MiB of zeros in about a KiB per MiB: one MiB deflated after a
// full flush stands alone, so the deflated piece repeated is the deflated whole.
std::string zeroBomb(uint32_t mebibytes) {
    const std::vector<uint8_t> zeros(1 << 20);
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string piece(deflateBound(&z, 1 << 20) + 64, '\0');
    z.next_in = const_cast<Bytef*>(zeros.data());
    z.avail_in = 1 << 20;
    z.next_out = reinterpret_cast<Bytef*>(piece.data());
    z.avail_out = static_cast<uInt>(piece.size());
    EXPECT_EQ(deflate(&z, Z_FULL_FLUSH), Z_OK);
    piece.resize(z.total_out);
    deflateEnd(&z);
    std::string bomb("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff", 10);
    for (uint32_t i = 0; i < mebibytes; ++i) bomb += piece;
    bomb += std::string("\x03\x00", 2);  // the last block: empty, fixed codes
    const uLong pieceCrc = crc32(0, zeros.data(), 1 << 20);
    uLong crc = 0;
    for (uint32_t i = 0; i < mebibytes; ++i) crc = crc32_combine(crc, pieceCrc, 1 << 20);
    const uint64_t size = uint64_t{mebibytes} << 20;
    for (const uint64_t value : {uint64_t{crc}, size & 0xFFFFFFFFu}) {
        for (int i = 0; i < 4; ++i) bomb += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bomb;
}

TEST(GzipInput, ABombIsStreamedInBoundedMemory) {
    // 64 MiB of zeros, read whole: the bomb is a sound gzip file.
    const Inflated small = inflateBytes(zeroBomb(64), 1 << 20);
    EXPECT_TRUE(small.status.ok() && !small.cutShort) << small.status.description();
    EXPECT_EQ(small.bytes.size(), size_t{64} << 20);
    EXPECT_EQ(small.bytes.find_first_not_of('\0'), std::string::npos);

    // 6 GiB of zeros in 6 MB: the first 256 MiB read in 64 KiB pieces.
    GzipInput input(std::make_unique<PieceInput>(zeroBomb(6 << 10), 1 << 20));
    const uint64_t before = residentBytes();
    std::vector<uint8_t> buffer(65536);
    const std::vector<uint8_t> zeroPiece(buffer.size());
    uint64_t total = 0;
    bool zeros = true;
    while (total < (uint64_t{256} << 20)) {
        const size_t got = input.read(buffer);
        ASSERT_GT(got, 0u);
        zeros = zeros && std::memcmp(buffer.data(), zeroPiece.data(), got) == 0;
        total += got;
    }
    EXPECT_TRUE(zeros);
    EXPECT_TRUE(input.status().ok());
    // Only the compressed bytes for what was read were taken: about a KiB per MiB.
    EXPECT_LT(input.consumed(), 2u << 20);
    if (before != 0) {
        EXPECT_LT(residentBytes(), before + (8u << 20));
    }
}

}  // namespace
