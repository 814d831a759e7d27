#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_paths.h"

namespace {

TEST(InputFile, ReadsAWholeFileInOneCall) {
    testing_support::ScratchDir dir("input");
    testing_support::writeFileBytes(dir / "a.bin", std::string("\x01\x02\x00\x03", 4));
    platform::InputFile file;
    ASSERT_EQ(file.open(dir / "a.bin"), platform::kOk);
    uint64_t size = 0;
    ASSERT_EQ(file.size(size), platform::kOk);
    ASSERT_EQ(size, 4u);
    std::vector<unsigned char> bytes(4);
    ASSERT_EQ(file.readAll(bytes.data(), bytes.size()), platform::kOk);
    EXPECT_EQ(bytes, (std::vector<unsigned char>{1, 2, 0, 3}));
    // Asking for more than the file holds is a failure, not a short read.
    ASSERT_EQ(file.open(dir / "a.bin"), platform::kOk);
    std::vector<unsigned char> tooMany(8);
    EXPECT_NE(file.readAll(tooMany.data(), tooMany.size()), platform::kOk);
}

TEST(InputFile, ReadsPiecesAtAnyOffset) {
    testing_support::ScratchDir dir("input-pieces");
    testing_support::writeFileBytes(dir / "a.bin", std::string("abcdefgh"));
    platform::InputFile file;
    ASSERT_EQ(file.open(dir / "a.bin"), platform::kOk);
    std::string piece(3, '\0');
    ASSERT_EQ(file.readAt(5, piece.data(), 3), platform::kOk);
    EXPECT_EQ(piece, "fgh");
    ASSERT_EQ(file.readAt(1, piece.data(), 2), platform::kOk);
    EXPECT_EQ(piece, "bch");
    // Past the end is a failure, not a short read.
    EXPECT_EQ(file.readAt(6, piece.data(), 3), static_cast<int32_t>(0x80070026));
    EXPECT_EQ(file.readAt(100, piece.data(), 1), static_cast<int32_t>(0x80070026));
}

TEST(InputFile, FailuresCarryTheWindowsErrorNumber) {
    testing_support::ScratchDir dir("input-errors");
    platform::InputFile file;
    EXPECT_EQ(file.open(dir / "missing.DT"), static_cast<int32_t>(0x80070002));
    EXPECT_EQ(file.open(dir / "no-folder" / "x.DT"), static_cast<int32_t>(0x80070003));
    EXPECT_EQ(file.open(dir.path()), static_cast<int32_t>(0x80070005));
}

TEST(ResultCodes, ErrnoMapsToTheWindowsNumbers) {
    EXPECT_EQ(platform::windowsErrorFromErrno(ENOENT), 2u);
    EXPECT_EQ(platform::windowsErrorFromErrno(EACCES), 5u);
    EXPECT_EQ(platform::windowsErrorFromErrno(ENOSPC), 112u);
    EXPECT_EQ(platform::systemError(2), static_cast<int32_t>(0x80070002));
    EXPECT_EQ(platform::runtimeError(13), static_cast<int32_t>(0xA007000D));
}

}  // namespace
