// Output files that cannot be created or written: each ends its own file with the output
// file's code, keeps what was written, and the job goes on with the next file.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "tests/faults/fault_job.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace faults {
namespace {

using testing_support::readFileBytes;

Path csvOf(Path input) { return input.replace_extension(".csv"); }

class OutputFaults : public FaultJob {
protected:
    void SetUp() override {
        captures = {capture(1, 50), capture(2, 3000), capture(3, 40)};
        expected = referenceOutputs(captures);
        inputs = writeCaptures(dir / "job", captures);
    }

    // The first and the last file converted as if nothing had happened, the middle one failed.
    void expectOnlyTheMiddleFileFailed(const JobReport& report, int32_t code) {
        ASSERT_EQ(report.results.size(), 3u);
        EXPECT_EQ(report.results[0], 0);
        EXPECT_EQ(report.results[1], code);
        EXPECT_EQ(report.results[2], 0);
        EXPECT_EQ(report.done, 0);
        EXPECT_EQ(report.progress, (std::vector<int32_t>{1, 3, 5, 6}));
        EXPECT_EQ(readFileBytes(csvOf(inputs[0])), expected[0]);
        EXPECT_EQ(readFileBytes(csvOf(inputs[2])), expected[2]);
    }

    std::vector<std::string> captures;
    std::vector<std::string> expected;
    std::vector<Path> inputs;
};

#ifndef _WIN32
// Runs the job in a child process that first calls `restrict` (dropping privileges or limiting
// the file size), so that the restriction never reaches the test process.
JobReport runRestricted(const std::function<void()>& restrict,
                        const std::function<JobReport()>& job) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        restrict();
        const JobReport report = job();
        std::vector<int32_t> words = {report.done, static_cast<int32_t>(report.results.size())};
        words.insert(words.end(), report.results.begin(), report.results.end());
        words.insert(words.end(), report.progress.begin(), report.progress.end());
        const auto size = static_cast<ssize_t>(words.size() * sizeof(int32_t));
        _exit(write(pipeEnds[1], words.data(), static_cast<size_t>(size)) == size ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::vector<int32_t> words;
    int32_t word = 0;
    while (read(pipeEnds[0], &word, sizeof word) == static_cast<ssize_t>(sizeof word)) {
        words.push_back(word);
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    JobReport report;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || words.size() < 2) return report;
    report.done = words[0];
    const auto count = static_cast<size_t>(words[1]);
    report.results.assign(words.begin() + 2, words.begin() + 2 + static_cast<ptrdiff_t>(count));
    report.progress.assign(words.begin() + 2 + static_cast<ptrdiff_t>(count), words.end());
    return report;
}
#endif

TEST_F(OutputFaults, OutputThatCannotBeCreated) {
    // A folder in the place of the output file; Windows refuses it as access denied.
    std::filesystem::create_directory(csvOf(inputs[1]));
#ifdef _WIN32
    const int32_t code = platform::runtimeError(EACCES);
#else
    const int32_t code = platform::runtimeError(EISDIR);
#endif
    expectOnlyTheMiddleFileFailed(runJob(inputs), code);
    EXPECT_TRUE(std::filesystem::is_empty(csvOf(inputs[1])));

    // An input in a folder that does not exist: the load fails and no output appears.
    const std::vector<Path> withMissing = {inputs[0], dir / "gone" / "x.DT", inputs[2]};
    const JobReport report = runJob(withMissing);
    EXPECT_EQ(report.results, (std::vector<int32_t>{0, platform::systemError(3), 0}));
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
}

TEST_F(OutputFaults, ReadOnlyOutputFileKeepsItsContent) {
    const Path readOnly = csvOf(inputs[1]);
    testing_support::writeFileBytes(readOnly, "old");
    std::filesystem::permissions(readOnly,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
#ifdef _WIN32
    // Wine run by root writes any file, as root does.
    if (std::FILE* probe = platform::openFile(readOnly, "ab")) {
        std::fclose(probe);
        GTEST_SKIP() << "file permissions are not enforced for this user";
    }
    const JobReport report = runJob(inputs);
#else
    // Root writes any file: the job runs as an ordinary user in a child process instead.
    std::filesystem::permissions(dir / "job", std::filesystem::perms::all);
    const JobReport report = runRestricted(
        [] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        },
        [&] { return runJob(inputs); });
#endif
    expectOnlyTheMiddleFileFailed(report, platform::runtimeError(EACCES));
    EXPECT_EQ(readFileBytes(readOnly), "old");
}

// A full disk never costs the output of an earlier run: the new output is written beside it
// and only moved into its place once complete.
TEST_F(OutputFaults, DiskThatFillsUpKeepsTheOldOutputAndLeavesNoPartOfTheNew) {
#ifdef _WIN32
    GTEST_SKIP() << "needs /dev/full and file size limits";
#else
    // A device that is always full, in the place of the output file, is written in place.
    std::filesystem::create_symlink("/dev/full", csvOf(inputs[1]));
    expectOnlyTheMiddleFileFailed(runJob(inputs), platform::runtimeError(ENOSPC));
    std::filesystem::remove(csvOf(inputs[1]));

    // A file that may grow to 64 KiB only: the middle file outgrows it half-way.
    constexpr rlim_t kLimit = 64 * 1024;
    ASSERT_GT(expected[1].size(), 2 * kLimit);
    ASSERT_LT(expected[0].size(), kLimit);
    ASSERT_LT(expected[2].size(), kLimit);
    testing_support::writeFileBytes(csvOf(inputs[1]), "old output\r\n");
    const JobReport report = runRestricted(
        [] {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{kLimit, kLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(2);
        },
        [&] { return runJob(inputs); });
    expectOnlyTheMiddleFileFailed(report, platform::runtimeError(EFBIG));
    EXPECT_EQ(readFileBytes(csvOf(inputs[1])), "old output\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(inputs[1].parent_path())) {
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
#endif
}

TEST_F(OutputFaults, InputPathOf259UnitsHasNoOutputPath) {
    // Pad the name so that the whole path is 259 UTF-16 units: ".csv" would make it 260.
    const Path folder = dir / "job";
    const size_t folderUnits = platform::pathToUtf16(folder / "").size();
    ASSERT_LT(folderUnits + 8, 259u);
    const auto named = [&](size_t units) {
        return folder / (std::string(units - folderUnits - 3, 'n') + ".DT");
    };
    const Path tooLong = named(259);
    const Path longest = named(258);
    ASSERT_EQ(platform::pathToUtf16(tooLong).size(), 259u);
    std::filesystem::rename(inputs[1], tooLong);
    testing_support::writeFileBytes(longest, captures[1]);

    const JobReport report = runJob({inputs[0], tooLong, longest, inputs[2]});
    EXPECT_EQ(report.results, (std::vector<int32_t>{0, platform::kFileNameTooLong, 0, 0}));
    EXPECT_EQ(report.done, 0);
    EXPECT_FALSE(std::filesystem::exists(csvOf(tooLong)));
    EXPECT_EQ(readFileBytes(tooLong), captures[1]);  // never opened as the output
    EXPECT_EQ(readFileBytes(csvOf(longest)), expected[1]);

    // The last file decides the job's result.
    EXPECT_EQ(runJob({inputs[0], tooLong}).done, platform::kFileNameTooLong);
}

}  // namespace
}  // namespace faults
