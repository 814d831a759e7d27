#include "cli/input_files.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

TEST(LogicalOrder, DigitRunsCompareAsNumbersAndCaseIsIgnored) {
    std::vector<std::string> names = {"a10.DT", "a2.DT", "a1.DT", "B1.DT", "a02.DT", "#a3.DT"};
    std::sort(names.begin(), names.end(),
              [](const auto& x, const auto& y) { return cli::compareLogical(x, y) < 0; });
    EXPECT_EQ(names,
              (std::vector<std::string>{"#a3.DT", "a1.DT", "a02.DT", "a2.DT", "a10.DT", "B1.DT"}));
    EXPECT_LT(cli::compareLogical("file2", "file10"), 0);
    EXPECT_GT(cli::compareLogical("file10", "file9"), 0);
    EXPECT_LT(cli::compareLogical("abc", "ABD"), 0);
    EXPECT_EQ(cli::compareLogical("same", "same"), 0);
    EXPECT_LT(cli::compareLogical("x99999999999999999999998", "x99999999999999999999999"), 0);
}

TEST(Wildcards, StarAndQuestionMarkIgnoringCase) {
    EXPECT_TRUE(cli::matchesWildcard("*.DT", "run1.dt"));
    EXPECT_TRUE(cli::matchesWildcard("*.DT", "#auto.DT"));
    EXPECT_FALSE(cli::matchesWildcard("*.DT", "run1.DTX"));
    EXPECT_TRUE(cli::matchesWildcard("#*.DT", "#a.DT"));
    EXPECT_FALSE(cli::matchesWildcard("#*.DT", "a.DT"));
    EXPECT_TRUE(cli::matchesWildcard("r?n*", "run"));
    EXPECT_FALSE(cli::matchesWildcard("r?n", "rn"));
    EXPECT_TRUE(cli::matchesWildcard("*", ""));
}

TEST(ExpandInputs, FoldersAndWildcardsGiveDataFilesInLogicalOrder) {
    testing_support::ScratchDir dir("expand");
    for (const char* name : {"a10.DT", "a2.DT", "a1.dt", "notes.txt", ".hidden.DT", "h.DT"}) {
        testing_support::writeFileBytes(dir / name, "x");
    }
#ifdef _WIN32
    SetFileAttributesW((dir / "h.DT").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((dir / ".hidden.DT").c_str(), FILE_ATTRIBUTE_HIDDEN);
#else
    std::filesystem::remove(dir / "h.DT");
#endif
    std::filesystem::create_directory(dir / "sub.DT");
    std::vector<std::string> problems;
    const auto folder = cli::expandInputs({platform::pathToUtf8(dir.path())}, problems);
    std::vector<std::string> names;
    for (const auto& p : folder) names.push_back(platform::pathToUtf8(p.filename()));
    // Hidden files (the hidden attribute on Windows, a leading dot elsewhere) are left out.
    EXPECT_EQ(names, (std::vector<std::string>{"a1.dt", "a2.DT", "a10.DT"}));
    EXPECT_TRUE(problems.empty());

    const auto pattern = cli::expandInputs({platform::pathToUtf8(dir / "a?.DT")}, problems);
    ASSERT_EQ(pattern.size(), 2u);
    EXPECT_EQ(pattern[0].filename(), "a1.dt");
    EXPECT_EQ(pattern[1].filename(), "a2.DT");

    const auto plain = cli::expandInputs({"missing.DT"}, problems);
    EXPECT_EQ(plain.size(), 1u);
    EXPECT_TRUE(problems.empty());
    cli::expandInputs({platform::pathToUtf8(dir / "zz*.DT")}, problems);
    EXPECT_EQ(problems.size(), 1u);
}

}  // namespace
