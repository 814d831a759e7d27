// Jobs of the new choices, driven in-process and compared with txtcvt-cli on the same files:
// a workbook of three chosen signals (left in gui-workbooks/ for gui_workbook_readback, which
// reads both with openpyxl), a wide resampled CSV, a BLF export without a database, a database
// per channel, files dropped on the window, and the end of a job that names the outputs' folder.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include <cstring>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "tests/gui/conversion_test_support.h"
#include "tests/gui/gui_captures.h"
#include "tests/gui/in_process_program.h"
#include "tests/gui/output_choices_support.h"
#include "tests/gui/running_program.h"
#include "tests/support/test_paths.h"

namespace {

using namespace gui_testing;
namespace fs = std::filesystem;

const wchar_t kThreeSignals[] =
    L"EngineData.EngineSpeed,VehicleSpeed.Speed,Diagnostics.OilPressure";

// Chooses the three signals in the dialog: none, then each found by the filter and ticked.
void chooseThreeSignals(const InProcessProgram& program) {
    HWND dialog = openSignalDialog(program);
    ASSERT_NE(dialog, nullptr);
    HWND filter = GetDlgItem(dialog, IDC_SIGNAL_FILTER);
    HWND list = GetDlgItem(dialog, IDC_SIGNAL_LIST);
    SendMessageW(GetDlgItem(dialog, IDC_SIGNAL_NONE), BM_CLICK, 0, 0);
    for (const wchar_t* name : {L"EngineSpeed", L"VehicleSpeed.Speed", L"OilPressure"}) {
        typeText(filter, name);
        ASSERT_EQ(listColumn(list, 1).size(), 1u) << name;
        setRowChecked(list, 0, true);
    }
    closeDialog(dialog, IDOK);
}

void copyInto(const fs::path& from, const fs::path& folder) {
    fs::create_directories(folder);
    fs::copy_file(from, folder / from.filename(), fs::copy_options::overwrite_existing);
}

TEST(OutputJobs, AWorkbookOfThreeChosenSignalsAsTheCommandLineWritesIt) {
    testing_support::ScratchDir scratch("gui-jobs-workbook");
    writeCapture(scratch / "run1.DT", 60, 11);
    writeCapture(scratch / "run2.DT", 40, 12);
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(readyToConvert(program, 2));
    chooseThreeSignals(program);
    chooseListEntry(findControl(main, IDC_OUTPUT_FORMAT), 1);
    chooseListEntry(findControl(main, IDC_TABLE_SHAPE), 1);
    ASSERT_EQ(runJob(program), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.ownedDialog(), nullptr);  // no failure: silent as before
    EXPECT_EQ(program.close(), 0);

    ASSERT_EQ(runCli(L"convert --quiet --format xlsx --layout wide --dbc " + quoted(exampleDbc()) +
                         L" --signals " + kThreeSignals + L" -o cli run1.DT run2.DT",
                     scratch.path()),
              0);
    // Left for gui_workbook_readback, which compares them cell by cell.
    const fs::path kept = fs::current_path() / "gui-workbooks";
    fs::remove_all(kept);
    for (const char* name : {"run1.xlsx", "run2.xlsx"}) {
        const std::string window = testing_support::readFileBytes(scratch / name);
        ASSERT_EQ(window.substr(0, 2), "PK") << name;
        EXPECT_FALSE(fs::exists(scratch / (std::string(name, 4) + ".csv")));
        copyInto(scratch / name, kept / "window");
        copyInto(scratch / "cli" / name, kept / "cli");
    }
}

TEST(OutputJobs, AWideResampledCsvAsTheCommandLineWritesIt) {
    testing_support::ScratchDir scratch("gui-jobs-resampled");
    writeCapture(scratch / "r.DT", 80, 21);
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(readyToConvert(program, 1));
    chooseListEntry(findControl(main, IDC_TABLE_SHAPE), 3);
    HWND period = findControl(main, IDC_RESAMPLE_PERIOD);
    typeText(period, L"abc");
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(dismissMessageBox(program),
              L"The period must be a number of milliseconds from 0.001 to 86400000.");
    typeText(period, L"2.5");
    ASSERT_EQ(runJob(program), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.close(), 0);
    ASSERT_EQ(runCli(L"convert --quiet --layout wide --resample 2.5ms --dbc " +
                         quoted(exampleDbc()) + L" -o cli r.DT",
                     scratch.path()),
              0);
    const std::string window = testing_support::readFileBytes(scratch / "r.csv");
    EXPECT_EQ(window, testing_support::readFileBytes(scratch / "cli" / "r.csv"));
    // EngineData comes on both channels of the capture: its columns once per channel.
    EXPECT_EQ(window.substr(0, 47), "Date,Time,msec,CH1.EngineData.EngineSpeed [rpm]");
    EXPECT_NE(window.substr(0, window.find('\r')).find(",CH2.EngineData.EngineSpeed [rpm]"),
              std::string::npos);
}

TEST(OutputJobs, ABlfLogOfEveryFrameNeedsNoDatabase) {
    testing_support::ScratchDir scratch("gui-jobs-blf");
    writeCapture(scratch / "b.DT", 50, 31);
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(selectAllFiles(main, 1));
    PostMessageW(main, WM_COMMAND, IDC_START, 0);  // a table still needs a database
    EXPECT_EQ(dismissMessageBox(program), L"No DBC file specified.");
    chooseListEntry(findControl(main, IDC_OUTPUT_FORMAT), 3);
    ASSERT_EQ(runJob(program), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.close(), 0);
    ASSERT_EQ(runCli(L"export --quiet --format blf -o cli b.DT", scratch.path()), 0);
    const std::string window = testing_support::readFileBytes(scratch / "b.blf");
    EXPECT_EQ(window.substr(0, 4), "LOGG");
    EXPECT_EQ(window, testing_support::readFileBytes(scratch / "cli" / "b.blf"));
    EXPECT_FALSE(fs::exists(scratch / "b.csv"));
}

TEST(OutputJobs, ADatabasePerChannelWritesTheLoadLogOfEach) {
    testing_support::ScratchDir scratch("gui-jobs-channels");
    writeCapture(scratch / "c.DT", 40, 41);
    fs::copy_file(exampleDbc(), scratch / "second.dbc");
    for (const char* log : {"dbcload-ch1.log", "dbcload-ch2.log"}) fs::remove(log);
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(readyToConvert(program, 1));
    click(main, IDC_DBC_PER_CHANNEL);
    EXPECT_TRUE(fs::exists("dbcload-ch1.log"));  // CH1's database loaded again under its name
    // CH2's database through its own "..." and the real open-file dialog.
    PostMessageW(main, WM_COMMAND, IDC_DBC_BROWSE_CH2, 0);
    HWND open = program.waitForOwnedDialog();
    ASSERT_NE(open, nullptr);
    const std::wstring second = (scratch / "second.dbc").wstring();
    HWND name = GetDlgItem(open, 0x47C);  // the file name combo box
    if (name == nullptr) name = GetDlgItem(open, 0x480);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(second.c_str()));
    PostMessageW(open, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return program.ownedDialog() == nullptr; }));
    SendMessageW(main, WM_NULL, 0, 0);
    EXPECT_EQ(fs::path(windowText(GetDlgItem(main, IDC_DBC_FILE_CH2))), scratch / "second.dbc");
    EXPECT_TRUE(fs::exists("dbcload-ch2.log"));
    ASSERT_EQ(runJob(program), (std::vector<int32_t>{0}));
    EXPECT_EQ(program.close(), 0);
    ASSERT_EQ(runCli(L"convert --quiet --dbc ch1=" + quoted(exampleDbc()) + L" --dbc ch2=" +
                         quoted(scratch / "second.dbc") + L" --log cli -o cli c.DT",
                     scratch.path()),
              0);
    EXPECT_EQ(testing_support::readFileBytes(scratch / "c.csv"),
              testing_support::readFileBytes(scratch / "cli" / "c.csv"));
}

// An HDROP as the shell hands it over: DROPFILES and the wide paths, each ended, then one more
// end.
HGLOBAL dropOf(const std::vector<fs::path>& paths) {
    std::wstring list;
    for (const fs::path& path : paths) list += path.wstring() + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(),
                list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

TEST(OutputJobs, FilesDroppedOnTheWindowAreListedSelectedAndConverted) {
    testing_support::ScratchDir scratch("gui-jobs-drop");
    const fs::path day = scratch / "day";
    fs::create_directories(day);
    writeCapture(day / "x.DT", 30, 51);
    writeCapture(day / "other.DT", 30, 52);
    writeCapture(scratch / "elsewhere.DT", 30, 53);
    ASSERT_EQ(runCli(L"export --quiet --format blf x.DT", day), 0);
    fs::rename(day / "x.blf", day / "y.blf");

    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    HWND list = findControl(main, IDC_FILE_LIST);
    ASSERT_TRUE(waitUntil([&] { return listColumn(list, 0).size() == 1; }));
    chooseDbcFile(program, exampleDbc());

    // A capture and a CAN log of one folder: that folder, both selected, the logs listed too.
    PostMessageW(main, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(dropOf({day / "x.DT", day / "y.blf"})), 0);
    ASSERT_TRUE(waitUntil([&] { return listColumn(list, 0).size() == 3; }));
    EXPECT_EQ(fs::path(windowText(GetDlgItem(main, IDC_FOLDER))), day);
    EXPECT_EQ(listColumn(list, 0), (std::vector<std::wstring>{L"other.DT", L"x.DT", L"y.blf"}));
    EXPECT_EQ(selectedRows(list), (std::vector<int>{1, 2}));
    EXPECT_TRUE(checked(main, IDC_LIST_CAN_LOGS));
    EXPECT_TRUE(enabled(main, IDC_START));
    ASSERT_EQ(runJob(program), (std::vector<int32_t>{0}));
    EXPECT_TRUE(fs::exists(day / "x.csv"));
    EXPECT_TRUE(fs::exists(day / "y.csv"));  // the BLF log read like a capture
    EXPECT_FALSE(fs::exists(day / "other.csv"));
    EXPECT_EQ(testing_support::readFileBytes(day / "x.csv"),
              referenceConversion(day / "x.DT", settings::ConversionSettings{}));

    // Unticked, the captures alone; a dropped folder is listed with nothing selected.
    click(main, IDC_LIST_CAN_LOGS);
    ASSERT_TRUE(waitUntil([&] { return listColumn(list, 0).size() == 2; }));
    PostMessageW(main, WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf({scratch.path()})), 0);
    ASSERT_TRUE(waitUntil([&] { return listColumn(list, 0).size() == 1; }));
    EXPECT_EQ(listColumn(list, 0), (std::vector<std::wstring>{L"elsewhere.DT"}));
    EXPECT_TRUE(selectedRows(list).empty());
    EXPECT_EQ(program.close(), 0);
}

// The text of the message box and its answer No.
std::wstring answerNo(const InProcessProgram& program) {
    HWND box = program.waitForOwnedDialog();
    if (box == nullptr) return L"<none>";
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Static") == 0 && !windowText(child).empty())
            text = windowText(child);
    }
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    waitUntil([&] { return !IsWindow(box); });
    return text;
}

TEST(OutputJobs, TheEndOfAJobNamesTheOutputsFolderWhenAskedTo) {
    testing_support::ScratchDir scratch("gui-jobs-folder");
    writeCapture(scratch / "a.DT", 20, 61);
    writeCorruptCapture(scratch / "b.DT");
    InProcessProgram program(programArguments(scratch));
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND main = program.mainWindow();
    ASSERT_TRUE(readyToConvert(program, 2));
    setRowSelected(findControl(main, IDC_FILE_LIST), 1, false);
    click(main, IDC_OPEN_FOLDER);
    JobMessageRecorder recorder(program.threadId());
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    EXPECT_EQ(answerNo(program), L"Files converted: 1.\n\nThe outputs are in " +
                                     scratch.path().wstring() + L".\nOpen the folder?");
    ASSERT_TRUE(waitUntilIdleAfter(recorder, main));

    // A failure is listed as before, the folder after it.
    ASSERT_TRUE(selectAllFiles(main, 2));
    JobMessageRecorder second(program.threadId());
    PostMessageW(main, WM_COMMAND, IDC_START, 0);
    const std::wstring text = answerNo(program);
    EXPECT_EQ(text.rfind(L"Files not converted completely: 1 of 2.\n\nb.DT: ", 0), 0u) << text;
    EXPECT_NE(
        text.find(L"\nThe outputs are in " + scratch.path().wstring() + L".\nOpen the folder?"),
        std::wstring::npos)
        << text;
    ASSERT_TRUE(waitUntilIdleAfter(second, main));
    EXPECT_EQ(program.close(), 0);
}

}  // namespace
