// The end of a conversion job as the user meets it: one message naming every file that failed,
// with its reason, in the UI language; and a stop or a close that never freezes the window
// while the worker finishes the file it is converting.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "tests/gui/conversion_test_support.h"
#include "tests/gui/gui_captures.h"
#include "tests/gui/in_process_program.h"
#include "tests/support/test_paths.h"

namespace {

using namespace gui_testing;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const settings::ConversionSettings kDefaults{};

// Files of one capture that take the worker several times longer than kLargeCapture.
constexpr uint64_t kVeryLargeCapture = 4 * kLargeCapture;

// What is on disk of an output so far: nothing before the worker has opened it.
uintmax_t writtenSoFar(const fs::path& output) {
    std::error_code error;
    const uintmax_t size = fs::file_size(output, error);
    return error ? 0 : size;
}

bool startsWith(const std::wstring& text, const std::wstring& start) {
    return text.compare(0, start.size(), start) == 0;
}

TEST(EndOfJob, NamesEveryFailedFileWithItsReason) {
    testing_support::ScratchDir scratch("gui-report");
    for (int i = 1; i <= 5; ++i) {
        if (i == 2) {
            writeCorruptCapture(numbered(scratch, "f", i, ".DT"));
        } else {
            writeCapture(numbered(scratch, "f", i, ".DT"), 10, static_cast<uint64_t>(i));
        }
    }
    // A folder where the output of f4 should go: the output cannot be created.
    fs::create_directory(scratch / "f4.csv");
    InProcessProgram program(programArguments(scratch));
    ASSERT_TRUE(readyToConvert(program, 5));
    HWND main = program.mainWindow();

    // The last file succeeds, so the worker's own result is 0; the message still names both.
    JobMessageRecorder recorder(program.threadId());
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    const std::wstring message = dismissMessageBox(program);
    ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
    EXPECT_EQ(recorder.results(), (std::vector<int32_t>{0}));
    EXPECT_EQ(recorder.progress(), (std::vector<int32_t>{1, 3, 5, 7, 9, 10}));
    const std::wstring heading =
        L"Files not converted completely: 2 of 5.\n\n"
        L"f2.DT: the data is unsupported or corrupt.\n"
        L"f4.DT: the output file f4.csv could not be written (";
    EXPECT_TRUE(startsWith(message, heading)) << message;
    // The system's words for the failure, not a bare code.
    EXPECT_GT(message.size(), heading.size() + 3) << message;
    EXPECT_EQ(message.find(L"0xA007"), std::wstring::npos) << message;
    EXPECT_EQ(message.substr(message.size() - 2), L").") << message;
    EXPECT_EQ(testing_support::readFileBytes(scratch / "f5.csv"),
              referenceConversion(scratch / "f5.DT", kDefaults));
    EXPECT_EQ(program.close(), 0);
}

TEST(EndOfJob, SpeaksTheUiLanguage) {
    testing_support::ScratchDir scratch("gui-report-ja");
    writeCorruptCapture(scratch / "c1.DT");
    writeCapture(scratch / "c2.DT", 10, 2);
    writeCapture(scratch / "c3.DT", 10, 3);
    InProcessProgram program(programArguments(scratch, L"-l1041"));
    ASSERT_TRUE(readyToConvert(program, 3));
    HWND main = program.mainWindow();

    JobMessageRecorder recorder(program.threadId());
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(dismissMessageBox(program),
              L"完全には変換できなかったファイル: 3 個中 1 個。\n\n"
              L"c1.DT: サポートされていないか、破損しているデータです。");
    ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
    EXPECT_TRUE(fs::exists(scratch / "c3.csv"));
    EXPECT_EQ(program.close(), 0);
}

TEST(EndOfJob, StopLeavesTheWindowAnsweringWhileTheFileEnds) {
    testing_support::ScratchDir scratch("gui-stop-answers");
    for (int i = 1; i <= 3; ++i) {
        writeCapture(numbered(scratch, "f", i, ".DT"), i == 2 ? kVeryLargeCapture : 10,
                     static_cast<uint64_t>(i));
    }
    const std::string expected = referenceConversion(scratch / "f2.DT", kDefaults);
    InProcessProgram program(programArguments(scratch));
    ASSERT_TRUE(readyToConvert(program, 3));
    HWND main = program.mainWindow();

    {
        JobMessageRecorder recorder(program.threadId());
        recorder.onProgress(3, [&] { PostMessageW(main, WM_COMMAND, IDC_STOP, 0); });
        PostMessageW(main, WM_COMMAND, IDC_START, 0);
        // The stop is taken: the button goes off and stays visible while the file ends.
        ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(GetDlgItem(main, IDC_STOP)); }));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, IDC_STOP)));
        // The window answers at once, while the worker is still writing the second file.
        EXPECT_TRUE(answersWithin(main, 2s));
        EXPECT_FALSE(recorder.done());
        EXPECT_LT(writtenSoFar(scratch / "f2.csv"), expected.size());
        while (!recorder.done()) {
            ASSERT_TRUE(answersWithin(main, 5s));
            Sleep(20);
        }

        ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
        EXPECT_EQ(ControlSnapshot::of(main), ControlSnapshot::idle());
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_START)));
        EXPECT_EQ(recorder.progress(), (std::vector<int32_t>{1, 3, 4}));
        EXPECT_EQ(program.ownedDialog(), nullptr);
        EXPECT_EQ(testing_support::readFileBytes(scratch / "f2.csv"), expected);
        EXPECT_FALSE(fs::exists(scratch / "f3.csv"));
    }

    // The next job starts with a usable stop button.
    setRowSelected(findControl(main, IDC_FILE_LIST), 1, false);
    JobMessageRecorder again(program.threadId());
    bool stopUsable = false;
    again.onProgress(1, [&] {
        HWND stop = GetDlgItem(main, IDC_STOP);
        stopUsable = IsWindowVisible(stop) && IsWindowEnabled(stop);
    });
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    ASSERT_TRUE(waitUntilIdleAfter(again, main));
    EXPECT_EQ(again.progress(), (std::vector<int32_t>{1, 3, 4}));
    EXPECT_TRUE(stopUsable);
    EXPECT_TRUE(fs::exists(scratch / "f3.csv"));
    EXPECT_EQ(program.close(), 0);
}

TEST(EndOfJob, ClosingLeavesTheWindowAnsweringUntilTheFileEnds) {
    testing_support::ScratchDir scratch("gui-close-answers");
    writeCapture(scratch / "f1.DT", kVeryLargeCapture, 1);
    writeCorruptCapture(scratch / "f2.DT");
    const std::string expected = referenceConversion(scratch / "f1.DT", kDefaults);
    InProcessProgram program(programArguments(scratch));
    ASSERT_TRUE(readyToConvert(program, 2));
    HWND main = program.mainWindow();

    JobMessageRecorder recorder(program.threadId());
    recorder.onProgress(1, [&] { PostMessageW(main, WM_CLOSE, 0, 0); });
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(GetDlgItem(main, IDC_STOP)); }));
    EXPECT_TRUE(answersWithin(main, 2s));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_LT(writtenSoFar(scratch / "f1.csv"), expected.size());

    // The dialog ends by itself once the file is done, without a message.
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(main); }));
    EXPECT_EQ(recorder.results(), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.close(), 0);
    EXPECT_EQ(testing_support::readFileBytes(scratch / "f1.csv"), expected);
    EXPECT_FALSE(fs::exists(scratch / "f2.csv"));
}

}  // namespace
