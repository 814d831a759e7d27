#include "csv/line_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using csv::LineWriter;
using tables::ConversionOptions;
using testing_support::readFileBytes;
using testing_support::ScratchDir;

using settings::Encoding;
using settings::LineEnd;

ConversionOptions optionsWith(Encoding encoding, LineEnd lineEnd, std::u16string delimiter = u",") {
    ConversionOptions options;
    options.encoding = encoding;
    options.lineEnd = lineEnd;
    options.delimiter = std::move(delimiter);
    return options;
}

// Two lines, "a,b" and "c", through a writer configured from the options.
std::string writeTwoLines(const std::filesystem::path& path, const ConversionOptions& options) {
    LineWriter writer;
    writer.configureWriter(options);
    EXPECT_EQ(writer.openOutput(path), 0);
    writer.appendText("a");
    writer.appendDelimiter();
    writer.appendText("b");
    writer.endLine();
    writer.appendText("c");
    writer.endLine();
    EXPECT_EQ(writer.closeOutput(), 0);
    return readFileBytes(path);
}

TEST(LineWriter, LineEndsAndByteOrderMark) {
    ScratchDir dir("writer-format");
    const auto out = dir / "x.csv";
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kCrLf)), "a,b\r\nc\r\n");
    // A line end out of range is written as CR LF too.
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, static_cast<LineEnd>(3))),
              "a,b\r\nc\r\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kLf)), "a,b\nc\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kCr)), "a,b\rc\r");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kUtf8Bom, LineEnd::kCrLf)),
              "\xEF\xBB\xBF"
              "a,b\r\nc\r\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kUtf8, LineEnd::kLf)), "a,b\nc\n");
}

TEST(LineWriter, DelimiterInTheOutputsEncoding) {
    ScratchDir dir("writer-delimiter");
    const auto out = dir / "x.csv";
    const uint32_t saved = platform::ansiCodePage();
    ASSERT_TRUE(platform::setAnsiCodePage(1252));
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kUtf8, LineEnd::kLf, u"\u00B7")),
              "a\xC2\xB7"
              "b\nc\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kLf, u"\u00B7")),
              "a\xB7"
              "b\nc\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kLf, u"\u3042")),
              "a?b\nc\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kLf, u"")), "ab\nc\n");
    EXPECT_EQ(writeTwoLines(out, optionsWith(Encoding::kAnsi, LineEnd::kLf, u"\t")), "a\tb\nc\n");
    platform::setAnsiCodePage(saved);
}

TEST(LineWriter, TrailingSpacesGoTabsStayLongLinesAreCut) {
    ScratchDir dir("writer-lines");
    const auto out = dir / "x.csv";
    LineWriter writer;
    writer.configureWriter(optionsWith(Encoding::kAnsi, LineEnd::kLf, u" "));
    ASSERT_EQ(writer.openOutput(out), 0);
    writer.appendText("v  ");
    writer.appendDelimiter();
    writer.endLine();
    writer.appendText("t\t");
    writer.endLine();
    writer.appendText("   ");
    writer.endLine();
    const std::string longText(LineWriter::kLineCapacity + 100, 'x');
    writer.appendText(longText);
    writer.appendText("more");
    writer.endLine();
    writer.appendText("after");
    writer.endLine();
    EXPECT_EQ(writer.closeOutput(), 0);
    std::string expected = "v\nt\t\n\n";
    expected.append(LineWriter::kLineCapacity - 1, 'x').append("\nafter\n");
    EXPECT_EQ(readFileBytes(out), expected);
}

TEST(LineWriter, FileThatCannotBeCreatedGetsNoLines) {
    ScratchDir dir("writer-open");
    LineWriter writer;
    writer.configureWriter(optionsWith(Encoding::kAnsi, LineEnd::kCrLf));
    // A folder cannot be opened as a file: Windows says access denied, POSIX "is a directory".
#ifdef _WIN32
    const int32_t expected = platform::runtimeError(EACCES);
#else
    const int32_t expected = platform::runtimeError(EISDIR);
#endif
    EXPECT_EQ(writer.openOutput(dir.path()), expected);
    EXPECT_EQ(writer.result(), expected);
    writer.appendText("lost");
    writer.endLine();
    EXPECT_EQ(writer.closeOutput(), expected);
    EXPECT_EQ(writer.openOutput(dir / "missing" / "x.csv"), platform::runtimeError(ENOENT));
    // The next file starts afresh.
    EXPECT_EQ(writer.openOutput(dir / "ok.csv"), 0);
    EXPECT_EQ(writer.closeOutput(), 0);
}

TEST(LineWriter, ReadOnlyFileIsAccessDeniedAndKeepsItsContent) {
    ScratchDir dir("writer-readonly");
    const auto out = dir / "ro.csv";
    testing_support::writeFileBytes(out, "old");
    std::filesystem::permissions(out, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    // Root (and Wine run by root) may write any file: nothing to see there.
    if (std::FILE* probe = platform::openFile(out, "ab")) {
        std::fclose(probe);
        std::filesystem::permissions(out, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        GTEST_SKIP() << "file permissions are not enforced for this user";
    }
    LineWriter writer;
    writer.configureWriter(optionsWith(Encoding::kAnsi, LineEnd::kCrLf));
    EXPECT_EQ(writer.openOutput(out), static_cast<int32_t>(0xA007000D));
    writer.appendText("new");
    writer.endLine();
    writer.closeOutput();
    std::filesystem::permissions(out, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(readFileBytes(out), "old");
}

TEST(LineWriter, FullDiskIsReportedAtTheLatestOnClose) {
#ifdef _WIN32
    GTEST_SKIP() << "needs /dev/full";
#else
    LineWriter writer;
    writer.configureWriter(optionsWith(Encoding::kUtf8Bom, LineEnd::kCrLf));
    ASSERT_EQ(writer.openOutput("/dev/full"), 0);
    writer.appendText("one short line");
    writer.endLine();
    EXPECT_EQ(writer.closeOutput(), platform::runtimeError(ENOSPC));
    // Enough lines to fill the block buffer: the failure shows while writing.
    ASSERT_EQ(writer.openOutput("/dev/full"), 0);
    for (int i = 0; i < 40000 && writer.result() == 0; ++i) {
        writer.appendText("a line of about forty bytes, repeated");
        writer.endLine();
    }
    EXPECT_EQ(writer.result(), platform::runtimeError(ENOSPC));
    EXPECT_EQ(writer.closeOutput(), platform::runtimeError(ENOSPC));
#endif
}

}  // namespace
