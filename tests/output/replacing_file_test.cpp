#include "output/replacing_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "tests/support/test_paths.h"

namespace {

using output::ReplacingFile;
using testing_support::readFileBytes;
using testing_support::ScratchDir;
using testing_support::writeFileBytes;

size_t filesIn(const std::filesystem::path& folder) {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

void write(ReplacingFile& file, const std::string& text) {
    ASSERT_NE(file.stream(), nullptr);
    ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file.stream()), text.size());
}

TEST(ReplacingFile, TheOldFileStaysUntilTheNewOneIsCompleteAndOnlyOneRemains) {
    ScratchDir dir("replacing");
    const auto target = dir / "out.csv";
    writeFileBytes(target, "old");
    {
        ReplacingFile file;
        ASSERT_EQ(file.open(target), 0);
        EXPECT_NE(file.writtenPath(), target);
        EXPECT_EQ(file.writtenPath().parent_path(), target.parent_path());
        write(file, "new");
        std::fflush(file.stream());
        EXPECT_EQ(readFileBytes(target), "old");  // still the old one while writing
        file.abandon();
    }
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    {
        ReplacingFile file;
        ASSERT_EQ(file.open(target), 0);
        write(file, "new");
    }  // given up without a commit
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    ReplacingFile file;
    ASSERT_EQ(file.open(target), 0);
    write(file, "new");
    EXPECT_EQ(file.commit(), 0);
    EXPECT_EQ(readFileBytes(target), "new");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    // A new output where there was none.
    ASSERT_EQ(file.open(dir / "fresh.csv"), 0);
    EXPECT_EQ(file.commit(), 0);
    EXPECT_EQ(readFileBytes(dir / "fresh.csv"), "");
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(ReplacingFile, WhatCannotBeReplacedFailsBeforeAnythingIsWritten) {
    ScratchDir dir("replacing-refused");
    std::filesystem::create_directory(dir / "folder.csv");
    ReplacingFile file;
#ifdef _WIN32
    EXPECT_EQ(file.open(dir / "folder.csv"), EACCES);
#else
    EXPECT_EQ(file.open(dir / "folder.csv"), EISDIR);
#endif
    EXPECT_EQ(file.open(dir / "missing" / "x.csv"), ENOENT);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

#ifndef _WIN32
TEST(ReplacingFile, ALinkKeepsPointingAtTheReplacedFileAndDevicesAreWrittenInPlace) {
    ScratchDir dir("replacing-links");
    writeFileBytes(dir / "real.csv", "old");
    std::filesystem::create_symlink("real.csv", dir / "link.csv");
    ReplacingFile file;
    ASSERT_EQ(file.open(dir / "link.csv"), 0);
    write(file, "new");
    ASSERT_EQ(file.commit(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
    EXPECT_EQ(readFileBytes(dir / "real.csv"), "new");
    ASSERT_EQ(file.open("/dev/null"), 0);
    EXPECT_EQ(file.writtenPath(), std::filesystem::path("/dev/null"));
    write(file, "gone");
    EXPECT_EQ(file.commit(), 0);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}
#endif

}  // namespace
