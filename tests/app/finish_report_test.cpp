#include "app/finish_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace app {

void PrintTo(const MessageLine& line, std::ostream* out) {
    *out << "{" << line.textId;
    for (const MessageArgument& argument : line.arguments) {
        *out << ", \"" << platform::utf16ToUtf8(argument.text) << "\"/" << argument.windowsError
             << "/" << argument.runtimeError;
    }
    *out << "}";
}

namespace {

using run::FailureDetail;
using run::FileOutcome;
using run::FileResult;
using run::FileStatus;
using run::Path;

MessageArgument text(const char16_t* value) { return {value}; }
MessageArgument code(const char16_t* hex, uint32_t windowsError, int runtimeError) {
    return {hex, windowsError, runtimeError};
}

FileResult result(FileStatus status, int32_t resultCode, const char* output = "x.csv") {
    FileResult file;
    file.output = output;
    file.outcome = {status, resultCode};
    return file;
}

FileResult converted() { return result(FileStatus::kConverted, 0); }
FileResult stopped() { return result(FileStatus::kStopped, platform::kCancelled); }
FileResult corrupt() { return result(FileStatus::kLoadFailed, platform::kInvalidData); }

std::vector<Path> numberedInputs(size_t count) {
    std::vector<Path> inputs;
    for (size_t i = 1; i <= count; ++i) inputs.push_back("folder/f" + std::to_string(i) + ".DT");
    return inputs;
}

std::u16string u16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

TEST(FinishReport, EachReasonInWords) {
    FileResult tooLarge = result(FileStatus::kLoadFailed, platform::kOutOfMemory);
    tooLarge.outcome.detail = FailureDetail::kCaptureTooLarge;
    FileResult cutShort = result(FileStatus::kCutShort, 0);
    cutShort.outcome.recordsPresent = 120;
    cutShort.outcome.recordsClaimed = 5000000000;
    // A log cut short has no records to count; where it ends is said instead.
    FileResult logCutShort = result(FileStatus::kCutShort, 0);
    logCutShort.outcome.inputName = "BLF log";
    logCutShort.outcome.where = "byte 4096: container 3 runs past the end of the file";
    logCutShort.outcome.recordsPresent = 12;
    // The same numbers in glibc and the Windows C runtime.
    static_assert(ENOSPC == 28 && EDOM == 33);
    const int32_t diskFull = platform::runtimeError(ENOSPC);
    const int32_t noWindowsWords = platform::runtimeError(EDOM);
    struct Row {
        FileResult file;
        MessageLine line;
    };
    const Row rows[] = {
        {corrupt(), {IDS_REASON_UNSUPPORTED, {text(u"a.DT")}}},
        {result(FileStatus::kLoadFailed, platform::kNotSupported),
         {IDS_REASON_UNSUPPORTED, {text(u"a.DT")}}},
        {tooLarge, {IDS_REASON_TOO_LARGE, {text(u"a.DT")}}},
        {result(FileStatus::kLoadFailed, platform::kOutOfMemory),
         {IDS_REASON_OUT_OF_MEMORY, {text(u"a.DT")}}},
        {result(FileStatus::kLoadFailed, platform::systemError(2)),
         {IDS_REASON_READ_FAILED, {text(u"a.DT"), code(u"0x80070002", 2, 0)}}},
        {result(FileStatus::kLoadFailed, platform::systemError(32)),
         {IDS_REASON_READ_FAILED, {text(u"a.DT"), code(u"0x80070020", 32, 0)}}},
        {result(FileStatus::kLoadFailed, platform::kFail),
         {IDS_REASON_OTHER, {text(u"a.DT"), code(u"0x80004005", 0, 0)}}},
        {result(FileStatus::kOutputFailed, platform::kFileNameTooLong),
         {IDS_REASON_OUTPUT_NAME, {text(u"a.DT")}}},
        // Output codes: the system's words where errno has a Windows counterpart, the C
        // runtime's otherwise.
        {result(FileStatus::kOutputFailed, diskFull, "dir/a.csv"),
         {IDS_REASON_OUTPUT_FAILED,
          {text(u"a.DT"), text(u"a.csv"), code(u"0xA007001C", 112, ENOSPC)}}},
        {result(FileStatus::kOutputFailed, noWindowsWords, "dir/a.csv"),
         {IDS_REASON_OUTPUT_FAILED, {text(u"a.DT"), text(u"a.csv"), code(u"0xA0070021", 0, EDOM)}}},
        {result(FileStatus::kOutputFailed, platform::runtimeError(0)),
         {IDS_REASON_OUTPUT_FAILED, {text(u"a.DT"), text(u"x.csv"), code(u"0xA0070000", 0, 0)}}},
        {result(FileStatus::kOutputFailed, platform::systemError(5)),
         {IDS_REASON_OUTPUT_FAILED, {text(u"a.DT"), text(u"x.csv"), code(u"0x80070005", 5, 0)}}},
        {result(FileStatus::kOutputFailed, platform::kOutOfMemory),
         {IDS_REASON_OUT_OF_MEMORY, {text(u"a.DT")}}},
        {result(FileStatus::kSameOutput, platform::systemError(183), "dir/shared.csv"),
         {IDS_REASON_SAME_OUTPUT, {text(u"a.DT"), text(u"shared.csv")}}},
        {cutShort, {IDS_REASON_CUT_SHORT, {text(u"a.DT"), text(u"120"), text(u"5000000000")}}},
        {logCutShort,
         {IDS_REASON_LOG_CUT_SHORT,
          {text(u"a.DT"), text(u"byte 4096: container 3 runs past the end of the file")}}},
        {result(FileStatus::kFailed, platform::kOutOfMemory),
         {IDS_REASON_OUT_OF_MEMORY, {text(u"a.DT")}}},
        {result(FileStatus::kFailed, platform::kFail),
         {IDS_REASON_OTHER, {text(u"a.DT"), code(u"0x80004005", 0, 0)}}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(reasonLine(u"a.DT", row.file), row.line)
            << std::hex << static_cast<uint32_t>(row.file.outcome.code);
        // The same line inside the whole report, under its heading.
        const std::vector<MessageLine> report =
            finishReport(row.file.outcome.code, {"d/a.DT"}, {row.file});
        ASSERT_EQ(report.size(), 2u);
        EXPECT_EQ(report[0], (MessageLine{IDS_REPORT_HEADING, {text(u"1"), text(u"1")}}));
        EXPECT_EQ(report[1], row.line);
    }
}

TEST(FinishReport, NothingToSayForACleanOrStoppedRun) {
    const std::vector<Path> three = numberedInputs(3);
    EXPECT_TRUE(finishReport(0, three, {converted(), converted(), converted()}).empty());
    // Stopped during the second file: the files the stop kept back are no failure.
    EXPECT_TRUE(finishReport(0, three, {converted(), converted(), stopped()}).empty());
    EXPECT_TRUE(
        finishReport(platform::kCancelled, three, {stopped(), stopped(), stopped()}).empty());
    EXPECT_TRUE(finishReport(0, {}, {}).empty());
    // A file cancelled on its way counts as stopped, whatever its status says.
    EXPECT_TRUE(
        finishReport(platform::kCancelled, three,
                     {converted(), result(FileStatus::kFailed, platform::kCancelled), stopped()})
            .empty());
    // A failure before the stop is still reported.
    const std::vector<MessageLine> failedThenStopped =
        finishReport(0, three, {corrupt(), converted(), stopped()});
    ASSERT_EQ(failedThenStopped.size(), 2u);
    EXPECT_EQ(failedThenStopped[0], (MessageLine{IDS_REPORT_HEADING, {text(u"1"), text(u"3")}}));
    EXPECT_EQ(failedThenStopped[1], (MessageLine{IDS_REASON_UNSUPPORTED, {text(u"f1.DT")}}));
}

TEST(FinishReport, WithoutFileResultsTheJobResultSpeaks) {
    // The worker could not be created: no file was touched.
    EXPECT_EQ(finishReport(platform::kFail, numberedInputs(2), {}),
              (std::vector<MessageLine>{{IDS_CANNOT_CONVERT, {}}}));
    EXPECT_EQ(finishReport(platform::kInvalidData, {}, {}),
              (std::vector<MessageLine>{{IDS_UNSUPPORTED_DATA, {}}}));
    EXPECT_TRUE(finishReport(platform::kCancelled, numberedInputs(2), {}).empty());
}

TEST(FinishReport, AFailureBeforeASuccessfulLastFileIsNamed) {
    const std::vector<MessageLine> report = finishReport(
        0, numberedInputs(5), {converted(), corrupt(), converted(), converted(), converted()});
    EXPECT_EQ(report, (std::vector<MessageLine>{
                          {IDS_REPORT_HEADING, {text(u"1"), text(u"5")}},
                          {IDS_REASON_UNSUPPORTED, {text(u"f2.DT")}},
                      }));
}

TEST(FinishReport, TheFirstTenFilesAreNamedThenHowManyMore) {
    for (const size_t failures : {9u, 10u, 11u, 25u}) {
        const std::vector<Path> inputs = numberedInputs(failures + 2);
        std::vector<FileResult> files{converted()};
        for (size_t i = 0; i < failures; ++i) files.push_back(corrupt());
        files.push_back(converted());
        const std::vector<MessageLine> report = finishReport(0, inputs, files);
        const size_t named = std::min<size_t>(failures, 10);
        ASSERT_EQ(report.size(), 1 + named + (failures > named ? 1 : 0)) << failures;
        EXPECT_EQ(report[0], (MessageLine{IDS_REPORT_HEADING,
                                          {text(u16(std::to_string(failures)).c_str()),
                                           text(u16(std::to_string(failures + 2)).c_str())}}));
        for (size_t i = 0; i < named; ++i) {
            // The first input converted, so the failures start with f2.
            std::u16string name = u"f";
            name += u16(std::to_string(i + 2));
            name += u".DT";
            EXPECT_EQ(report[1 + i], (MessageLine{IDS_REASON_UNSUPPORTED, {{name}}})) << i;
        }
        if (failures > named) {
            EXPECT_EQ(report.back(),
                      (MessageLine{IDS_REPORT_MORE, {{u16(std::to_string(failures - named))}}}));
        }
    }
}

TEST(FinishReport, PlaceholdersSystemTextsAndLines) {
    EXPECT_EQ(fillPlaceholders(u"%1: cannot convert (%2).", {u"a.DT", u"Access is denied"}),
              u"a.DT: cannot convert (Access is denied).");
    // Order follows the numbers, as the Japanese texts need; values are never expanded again.
    EXPECT_EQ(fillPlaceholders(u"%2 個中 %1 個", {u"3", u"%1"}), u"%1 個中 3 個");
    EXPECT_EQ(fillPlaceholders(u"%1 and %3", {u"x"}), u"x and ");
    EXPECT_EQ(fillPlaceholders(u"100% %0 %a %", {u"x"}), u"100% %0 %a %");

    EXPECT_EQ(trimSystemText(u"The system cannot find the file specified.\r\n"),
              u"The system cannot find the file specified");
    EXPECT_EQ(trimSystemText(u"指定されたファイルが見つかりません。\r\n"),
              u"指定されたファイルが見つかりません");
    EXPECT_EQ(trimSystemText(u"No space left on device"), u"No space left on device");
    EXPECT_EQ(trimSystemText(u" .\r\n"), u"");
    EXPECT_EQ(trimSystemText(u""), u"");

    EXPECT_EQ(joinReportLines({}), u"");
    EXPECT_EQ(joinReportLines({u"Cannot convert."}), u"Cannot convert.");
    EXPECT_EQ(joinReportLines({u"Heading", u"a", u"b"}), u"Heading\n\na\nb");
}

TEST(FinishReport, OutputsAskedForAreNamedAfterTheReport) {
    const Path folder = Path("data") / "day1";
    FileResult first = result(FileStatus::kConverted, 0, "data/day1/a.csv");
    FileResult second = result(FileStatus::kCutShort, 0, "data/day1/b.csv");
    FileResult failed = result(FileStatus::kLoadFailed, platform::kInvalidData, "data/day2/c.csv");
    const std::vector<FileResult> files{first, second, failed};
    EXPECT_EQ(commonOutputFolder(files), folder);  // a failed file's output was never written
    EXPECT_EQ(commonOutputFolder({first, result(FileStatus::kConverted, 0, "data/day2/c.csv")}),
              Path());
    EXPECT_EQ(commonOutputFolder({failed}), Path());

    // Without a failure: the count, the folder and the question.
    const std::vector<MessageLine> quiet = reportWithOutputs({}, {first, second});
    ASSERT_EQ(quiet.size(), 3u);
    EXPECT_EQ(quiet[0], (MessageLine{IDS_REPORT_ALL_CONVERTED, {text(u"2")}}));
    EXPECT_EQ(quiet[1], (MessageLine{IDS_OUTPUTS_IN, {{platform::pathToUtf16(folder)}}}));
    EXPECT_EQ(quiet[2], (MessageLine{IDS_OPEN_FOLDER_QUESTION, {}}));
    // With failures: the report as it was, then the folder.
    const std::vector<MessageLine> report = finishReport(0, numberedInputs(3), files);
    const std::vector<MessageLine> both = reportWithOutputs(report, files);
    ASSERT_EQ(both.size(), report.size() + 2);
    EXPECT_TRUE(std::equal(report.begin(), report.end(), both.begin()));
    EXPECT_EQ(both.back(), (MessageLine{IDS_OPEN_FOLDER_QUESTION, {}}));
    // Outputs in several folders lie beside their data files; nothing written, nothing to say.
    const std::vector<MessageLine> spread =
        reportWithOutputs({}, {first, result(FileStatus::kConverted, 0, "data/day2/c.csv")});
    EXPECT_EQ(spread.back(), (MessageLine{IDS_OUTPUTS_BESIDE_INPUTS, {}}));
    EXPECT_EQ(spread.size(), 2u);
    EXPECT_EQ(reportWithOutputs(report, {failed, stopped()}), report);
    EXPECT_TRUE(reportWithOutputs({}, {}).empty());
}

}  // namespace
}  // namespace app
