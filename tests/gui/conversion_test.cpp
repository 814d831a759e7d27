// Converting from the main dialog, driven in-process: the DBC file chosen in the real open-file
// dialog, Start and its warning, progress, the end-of-job message, Stop, and closing the window
// while a conversion runs.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
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

const settings::ConversionSettings kDefaults{};

TEST(MainDialog, StartNeedsALoadedDbcFile) {
    testing_support::ScratchDir scratch("gui-dbc");
    writeCapture(scratch / "one.DT", 5, 1);
    testing_support::writeFileBytes(scratch / "broken.dbc", "this is no database\n");
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(selectAllFiles(main, 1));

    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(dismissMessageBox(program), L"No DBC file specified.");

    chooseDbcFile(program, scratch / "broken.dbc");
    EXPECT_EQ(windowText(GetDlgItem(main, IDC_DBC_FILE)), L"Unselected");
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(dismissMessageBox(program), L"No DBC file specified.");
    EXPECT_FALSE(fs::exists(scratch / "one.csv"));

    chooseDbcFile(program, exampleDbc());
    EXPECT_EQ(fs::path(windowText(GetDlgItem(main, IDC_DBC_FILE))), exampleDbc());
    EXPECT_EQ(program.close(), 0);
}

TEST(MainDialog, ConvertsTheSelectedFilesWithProgress) {
    testing_support::ScratchDir scratch("gui-convert");
    for (int i = 1; i <= 3; ++i)
        writeCapture(numbered(scratch, "run", i, ".DT"), 40, static_cast<uint64_t>(i));
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    chooseDbcFile(program, exampleDbc());
    ASSERT_TRUE(selectAllFiles(main, 3));

    JobMessageRecorder recorder(program.threadId());
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
    EXPECT_EQ(recorder.progress(), (std::vector<int32_t>{1, 3, 5, 6}));
    EXPECT_EQ(recorder.results(), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.ownedDialog(), nullptr);
    EXPECT_EQ(SendDlgItemMessageW(main, IDC_PROGRESS, PBM_GETPOS, 0, 0), 0);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(testing_support::readFileBytes(numbered(scratch, "run", i, ".csv")),
                  referenceConversion(numbered(scratch, "run", i, ".DT"), kDefaults));
    }
    EXPECT_EQ(program.close(), 0);
}

TEST(MainDialog, ReportsACorruptLastFileOnce) {
    testing_support::ScratchDir scratch("gui-corrupt");
    writeCapture(scratch / "a.DT", 10, 1);
    writeCorruptCapture(scratch / "b.DT");
    writeCapture(scratch / "c.DT", 10, 2);
    writeCorruptCapture(scratch / "d.DT");
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    chooseDbcFile(program, exampleDbc());

    // A corrupt file in the middle: the next one is still converted, and the end message
    // names the corrupt one although the last file succeeded.
    ASSERT_TRUE(selectAllFiles(main, 4));
    setRowSelected(findControl(main, IDC_FILE_LIST), 3, false);
    {
        JobMessageRecorder recorder(program.threadId());
        PostMessageW(main, WM_COMMAND, IDC_START, 0);
        EXPECT_EQ(dismissMessageBox(program),
                  L"Files not converted completely: 1 of 3.\n\n"
                  L"b.DT: the data is unsupported or corrupt.");
        ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
        EXPECT_EQ(recorder.progress(), (std::vector<int32_t>{1, 3, 5, 6}));
        EXPECT_EQ(recorder.results(), (std::vector<int32_t>{0}));
        EXPECT_EQ(program.ownedDialog(), nullptr);
    }
    EXPECT_TRUE(fs::exists(scratch / "c.csv"));
    EXPECT_FALSE(fs::exists(scratch / "b.csv"));

    // The corrupt file last: one message for both corrupt files, and no final progress step.
    JobMessageRecorder second(program.threadId());
    ASSERT_TRUE(selectAllFiles(main, 4));
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(dismissMessageBox(program),
              L"Files not converted completely: 2 of 4.\n\n"
              L"b.DT: the data is unsupported or corrupt.\n"
              L"d.DT: the data is unsupported or corrupt.");
    ASSERT_TRUE(waitUntilIdleAfter(second, main));
    EXPECT_EQ(second.progress(), (std::vector<int32_t>{1, 3, 5, 7}));
    EXPECT_EQ(second.results(), (std::vector<int32_t>{static_cast<int32_t>(0x8007000D)}));
    EXPECT_FALSE(fs::exists(scratch / "d.csv"));
    EXPECT_EQ(program.close(), 0);
}

TEST(MainDialog, StopEndsTheJobAfterTheCurrentFile) {
    testing_support::ScratchDir scratch("gui-stop");
    for (int i = 1; i <= 5; ++i) {
        // The second file is large, so that the stop surely arrives while it is converted, also
        // on a loaded machine (the capture is read a block at a time, and fast).
        writeCapture(numbered(scratch, "f", i, ".DT"), i == 2 ? 5 * kLargeCapture : 10,
                     static_cast<uint64_t>(i));
    }
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    chooseDbcFile(program, exampleDbc());
    ASSERT_TRUE(selectAllFiles(main, 5));

    JobMessageRecorder recorder(program.threadId());
    ControlSnapshot during;
    recorder.onProgress(3, [&] {
        during = ControlSnapshot::of(main);
        PostMessageW(main, WM_COMMAND, IDC_STOP, 0);
    });
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    ASSERT_TRUE(waitUntilIdleAfter(recorder, main));
    EXPECT_EQ(during, ControlSnapshot::converting());
    EXPECT_EQ(ControlSnapshot::of(main), ControlSnapshot::idle());
    EXPECT_EQ(recorder.progress(), (std::vector<int32_t>{1, 3, 4}));
    EXPECT_EQ(program.ownedDialog(), nullptr);
    EXPECT_EQ(testing_support::readFileBytes(scratch / "f2.csv"),
              referenceConversion(scratch / "f2.DT", kDefaults));
    EXPECT_TRUE(fs::exists(scratch / "f1.csv"));
    for (const char* name : {"f3.csv", "f4.csv", "f5.csv"})
        EXPECT_FALSE(fs::exists(scratch / name));
    EXPECT_EQ(program.close(), 0);
}

TEST(MainDialog, ClosingDuringAConversionWaitsForTheCurrentFile) {
    testing_support::ScratchDir scratch("gui-close");
    writeCapture(scratch / "f1.DT", kLargeCapture, 1);
    writeCapture(scratch / "f2.DT", 10, 2);
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    chooseDbcFile(program, exampleDbc());
    ASSERT_TRUE(selectAllFiles(main, 2));

    JobMessageRecorder recorder(program.threadId());
    recorder.onProgress(1, [&] { PostMessageW(main, WM_CLOSE, 0, 0); });
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    ASSERT_TRUE(waitUntil([&] { return !recorder.progress().empty(); }));
    EXPECT_EQ(program.close(), 0);
    EXPECT_EQ(testing_support::readFileBytes(scratch / "f1.csv"),
              referenceConversion(scratch / "f1.DT", kDefaults));
    EXPECT_FALSE(fs::exists(scratch / "f2.csv"));
}

}  // namespace
