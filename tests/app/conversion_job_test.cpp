#include "app/conversion_job.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/conversion_control_rules.h"
#include "app/finish_report.h"
#include "app/resources/resource_ids.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using app::Path;
using run::FileStatus;

constexpr int32_t kTooLong = static_cast<int32_t>(0x800700CE);

// "p" + text, spelled so that GCC 12 sees no overlapping copy in it.
std::string tagged(const char* tag, const std::string& text) {
    std::string event(tag);
    event += text;
    return event;
}

// What the job reported, in order: "p<position>", "c<file name>" and "d<result>".
struct Recorder {
    std::mutex mutex;
    std::vector<std::string> events;

    void add(std::string event) {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(std::move(event));
    }
    app::JobCallbacks callbacks() {
        return {[this](int32_t p) { add(tagged("p", std::to_string(p))); },
                [this](int32_t r) { add(tagged("d", std::to_string(r))); }};
    }
};

std::string nameOf(const Path& path) {
    return platform::utf16ToUtf8(platform::pathToUtf16(path.filename()));
}

// Converts by name: a file whose name starts with "bad" is corrupt.
run::FileConversion fakeConverter(Recorder& recorder) {
    return [&recorder](const Path& input, const Path& output) {
        recorder.add(tagged("c", nameOf(input)) + ">" + nameOf(output));
        return nameOf(input).rfind("bad", 0) == 0
                   ? run::FileOutcome::loadFailed(platform::kInvalidData)
                   : run::FileOutcome{};
    };
}

std::vector<FileStatus> statuses(const std::vector<run::FileResult>& files) {
    std::vector<FileStatus> found;
    for (const run::FileResult& file : files) found.push_back(file.outcome.status);
    return found;
}

std::vector<std::string> run(const std::vector<Path>& inputs, bool stopAtOnce = false) {
    Recorder recorder;
    std::atomic<bool> stop{stopAtOnce};
    app::runConversionJob(inputs, fakeConverter(recorder), recorder.callbacks(), stop);
    return recorder.events;
}

TEST(ConversionJob, ProgressRunsOddBeforeEachFileAndEvenAtTheEnd) {
    EXPECT_EQ(run({"a.DT", "b.DT", "c.DT"}),
              (std::vector<std::string>{"p1", "ca.DT>a.csv", "p3", "cb.DT>b.csv", "p5",
                                        "cc.DT>c.csv", "p6", "d0"}));
    EXPECT_EQ(run({}), (std::vector<std::string>{"p0", "d0"}));
    EXPECT_EQ(run({"a.DT", "b.DT"}, true), (std::vector<std::string>{"p0", "d0"}));
}

TEST(ConversionJob, TheLastFileDecidesTheResult) {
    // A corrupt file in the middle does not end the job and is forgotten.
    EXPECT_EQ(run({"a.DT", "bad.DT", "c.DT"}),
              (std::vector<std::string>{"p1", "ca.DT>a.csv", "p3", "cbad.DT>bad.csv", "p5",
                                        "cc.DT>c.csv", "p6", "d0"}));
    const std::string invalid = tagged("d", std::to_string(platform::kInvalidData));
    EXPECT_EQ(run({"a.DT", "bad.DT"}),
              (std::vector<std::string>{"p1", "ca.DT>a.csv", "p3", "cbad.DT>bad.csv", invalid}));
    // An output path that cannot be formed skips the file without touching it.
    EXPECT_EQ(run({"a.DT", "b.csv"}),
              (std::vector<std::string>{"p1", "ca.DT>a.csv", "p3",
                                        tagged("d", std::to_string(kTooLong))}));
}

TEST(ConversionJob, AFailingConverterDoesNotEndTheJob) {
    Recorder recorder;
    std::atomic<bool> stop{false};
    const auto throwing = [](const Path& input, const Path&) -> run::FileOutcome {
        if (input == "a.DT") throw std::runtime_error("broken");
        return {};
    };
    EXPECT_EQ(app::runConversionJob({"a.DT", "b.DT"}, throwing, recorder.callbacks(), stop), 0);
    EXPECT_EQ(app::runConversionJob({"b.DT", "a.DT"}, throwing, recorder.callbacks(), stop),
              platform::kFail);
}

TEST(ConversionJob, StopEndsTheJobAfterTheCurrentFile) {
    Recorder recorder;
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    app::ConversionJob job;
    const auto blocking = [&](const Path& input, const Path& output) {
        if (input == "b.DT") {
            entered.set_value();
            released.wait();
        }
        return fakeConverter(recorder)(input, output);
    };
    ASSERT_TRUE(
        job.start({"a.DT", "b.DT", "c.DT", "d.DT", "e.DT"}, blocking, recorder.callbacks()));
    entered.get_future().wait();
    EXPECT_TRUE(job.running());
    EXPECT_FALSE(job.start({"x.DT"}, blocking, recorder.callbacks()));
    job.requestStop();
    release.set_value();
    job.join();
    EXPECT_FALSE(job.running());
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"p1", "ca.DT>a.csv", "p3", "cb.DT>b.csv", "p4", "d0"}));
    EXPECT_EQ(job.inputs().size(), 5u);
    EXPECT_EQ(statuses(job.results()),
              (std::vector<FileStatus>{FileStatus::kConverted, FileStatus::kConverted,
                                       FileStatus::kStopped, FileStatus::kStopped,
                                       FileStatus::kStopped}));
    // The job can run again once it has been waited for.
    recorder.events.clear();
    ASSERT_TRUE(job.start({"f.DT"}, fakeConverter(recorder), recorder.callbacks()));
    job.join();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"p1", "cf.DT>f.csv", "p2", "d0"}));
    EXPECT_EQ(job.inputs(), (std::vector<Path>{"f.DT"}));
    EXPECT_EQ(statuses(job.results()), (std::vector<FileStatus>{FileStatus::kConverted}));
}

TEST(ConversionJob, KeepsWhatBecameOfEveryFileForTheReport) {
    Recorder recorder;
    std::atomic<bool> stop{false};
    const std::vector<Path> inputs{"a.DT", "bad.DT", "c.DT", "x.csv", "d.DT"};
    std::vector<run::FileResult> files;
    // The last file decides the result; every file keeps its own outcome.
    EXPECT_EQ(
        app::runConversionJob(inputs, fakeConverter(recorder), recorder.callbacks(), stop, &files),
        0);
    EXPECT_EQ(statuses(files),
              (std::vector<FileStatus>{FileStatus::kConverted, FileStatus::kLoadFailed,
                                       FileStatus::kConverted, FileStatus::kOutputFailed,
                                       FileStatus::kConverted}));
    EXPECT_EQ(files[1].outcome.code, platform::kInvalidData);
    EXPECT_EQ(files[3].outcome.code, kTooLong);
    const std::vector<app::MessageLine> report = app::finishReport(0, inputs, files);
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[1].textId, static_cast<unsigned>(IDS_REASON_UNSUPPORTED));
    EXPECT_EQ(report[1].arguments.at(0).text, u"bad.DT");
    EXPECT_EQ(report[2].textId, static_cast<unsigned>(IDS_REASON_OUTPUT_NAME));
    EXPECT_EQ(report[2].arguments.at(0).text, u"x.csv");
}

TEST(JobResultMessage, OneMessageAtMostForTheLastResult) {
    const std::pair<uint32_t, unsigned> cases[] = {
        {0, 0},
        {0x800704C7, 0},
        {0x8007000D, IDS_UNSUPPORTED_DATA},
        {0x80070032, IDS_UNSUPPORTED_DATA},
        {0x8007000E, IDS_CANNOT_CONVERT},
        {0x80070002, IDS_CANNOT_CONVERT},
        {0xA007000D, IDS_CANNOT_CONVERT},
        {0x80004005, IDS_CANNOT_CONVERT},
        {0x800700CE, IDS_CANNOT_CONVERT},
    };
    for (const auto& [result, id] : cases) {
        EXPECT_EQ(app::finishMessageId(static_cast<int32_t>(result)), id) << std::hex << result;
        // The command line's English text says the same.
        const char* text = run::failureMessage(static_cast<int32_t>(result));
        if (id == 0) {
            EXPECT_EQ(text, nullptr) << std::hex << result;
        } else {
            EXPECT_STREQ(text, id == IDS_UNSUPPORTED_DATA
                                   ? "The specified data file is unsupported or corrupt."
                                   : "Cannot convert.")
                << std::hex << result;
        }
    }
}

}  // namespace
