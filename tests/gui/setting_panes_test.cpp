// The conversion setting pane, the CSV additional setting dialog and the target data line,
// driven in-process: every choice reaches the next conversion and the settings file.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
// clang-format on

#include <string>

#include "app/resources/resource_ids.h"
#include "tests/gui/conversion_test_support.h"
#include "tests/gui/gui_captures.h"
#include "tests/gui/in_process_program.h"
#include "tests/support/test_paths.h"

namespace {

using namespace gui_testing;
namespace fs = std::filesystem;

std::wstring profileValue(const fs::path& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[300] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 300, file.wstring().c_str());
    return value;
}

bool checked(HWND main, int id) {
    return SendMessageW(findControl(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void click(HWND main, int id) { SendMessageW(findControl(main, id), BM_CLICK, 0, 0); }

// Types the delimiter and moves the focus away, as the edit tells its pane.
void typeDelimiter(HWND main, const wchar_t* text) {
    HWND edit = findControl(main, IDC_DELIMITER);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(GetParent(edit), WM_COMMAND, MAKEWPARAM(IDC_DELIMITER, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(edit));
}

// Opens the CSV dialog with "...", chooses UTF-8 with a byte order mark and LF, and leaves it
// with Esc. Checks that it opened over the middle of the main window.
void chooseUtf8BomAndLf(const InProcessProgram& program) {
    HWND main = program.mainWindow();
    HWND button = findControl(main, IDC_CSV_SETTING);
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_CSV_SETTING, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    HWND dialog = program.waitForOwnedDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowText(dialog), L"CSV conversion additional setting");
    RECT owner{}, own{};
    GetWindowRect(main, &owner);
    GetWindowRect(dialog, &own);
    EXPECT_NEAR((own.left + own.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    chooseListEntry(GetDlgItem(dialog, IDC_CSV_OUT_CODE), 2);
    chooseListEntry(GetDlgItem(dialog, IDC_CSV_LINEFEED), 1);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

std::string convertOnce(const InProcessProgram& program) {
    JobMessageRecorder recorder(program.threadId());
    PostMessageW(program.mainWindow(), WM_COMMAND, IDC_START, 0);
    if (!waitUntilIdleAfter(recorder, program.mainWindow())) return "<no end>";
    return recorder.results() == std::vector<int32_t>{0} ? "" : "<failed>";
}

TEST(SettingPanes, EveryChoiceReachesTheOutputAndTheSettingsFile) {
    testing_support::ScratchDir scratch("gui-settings-panes");
    const fs::path capture = scratch / "s.DT";
    const fs::path ini = scratch / "settings.ini";
    writeCapture(capture, 30, 7);
    {
        InProcessProgram program(programArguments(scratch));
        ASSERT_NE(program.mainWindow(), nullptr);
        HWND main = program.mainWindow();
        chooseDbcFile(program, exampleDbc());
        ASSERT_TRUE(selectAllFiles(main, 1));

        chooseListEntry(findControl(main, IDC_TIMESTAMP), 2);
        chooseListEntry(GetDlgItem(main, IDC_SIGNAL_LINE), 1);
        for (int id : {IDC_PRINT_CH, IDC_PRINT_ENUM, IDC_PRINT_RAW}) click(main, id);
        EXPECT_FALSE(checked(main, IDC_PRINT_CH));
        EXPECT_FALSE(checked(main, IDC_PRINT_ENUM));
        EXPECT_TRUE(checked(main, IDC_PRINT_RAW));
        EXPECT_TRUE(checked(main, IDC_PRINT_ID));
        typeDelimiter(main, L"\\t");
        EXPECT_FALSE(IsWindowEnabled(findControl(main, IDC_CSV_SETTING)));
        click(main, IDC_CSV_ADDITIONAL);
        EXPECT_TRUE(checked(main, IDC_CSV_ADDITIONAL));
        EXPECT_TRUE(IsWindowEnabled(findControl(main, IDC_CSV_SETTING)));
        chooseUtf8BomAndLf(program);

        settings::ConversionSettings expected;
        expected.timeStamps = settings::TimeStamps::kElapsed;
        expected.channels = settings::Channels::kCh1;
        expected.columns.channel = false;
        expected.columns.description = false;
        expected.columns.rawData = true;
        expected.delimiter = u"\\t";
        expected.additionalCsv = true;
        expected.encoding = settings::Encoding::kUtf8Bom;
        expected.lineEnd = settings::LineEnd::kLf;
        ASSERT_EQ(convertOnce(program), "");
        const std::string output = testing_support::readFileBytes(scratch / "s.csv");
        EXPECT_EQ(output, referenceConversion(capture, expected));
        EXPECT_EQ(output.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(output.find('\r'), std::string::npos);
        EXPECT_NE(output.find('\t'), std::string::npos);

        // Without the tick the stored code and line feed stay but are not in force.
        click(main, IDC_CSV_ADDITIONAL);
        EXPECT_FALSE(IsWindowEnabled(findControl(main, IDC_CSV_SETTING)));
        ASSERT_EQ(convertOnce(program), "");
        expected.additionalCsv = false;
        EXPECT_EQ(testing_support::readFileBytes(scratch / "s.csv"),
                  referenceConversion(capture, expected));
        EXPECT_EQ(program.close(), 0);
    }
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"timeStamp"), L"elapsed");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"signalLine"), L"CH1 only");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"printCh"), L"False");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"printEnum"), L"False");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"printRaw"), L"True");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"printID"), L"True");
    EXPECT_EQ(profileValue(ini, L"txtcvtParams", L"csvDelimit"), L"\\t");
    EXPECT_EQ(profileValue(ini, L"txtcvtExParams", L"csvAdditional"), L"False");
    EXPECT_EQ(profileValue(ini, L"txtcvtExParams", L"csvOutCode"), L"UTF-8 BOM");
    EXPECT_EQ(profileValue(ini, L"txtcvtExParams", L"csvLinefeed"), L"LF");

    // The next start shows what was stored.
    InProcessProgram again(programArguments(scratch));
    ASSERT_NE(again.mainWindow(), nullptr);
    HWND main = again.mainWindow();
    EXPECT_EQ(SendMessageW(findControl(main, IDC_TIMESTAMP), CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageW(GetDlgItem(main, IDC_SIGNAL_LINE), CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(checked(main, IDC_PRINT_CH));
    EXPECT_TRUE(checked(main, IDC_PRINT_RAW));
    EXPECT_FALSE(checked(main, IDC_CSV_ADDITIONAL));
    EXPECT_FALSE(IsWindowEnabled(findControl(main, IDC_CSV_SETTING)));
    EXPECT_EQ(windowText(findControl(main, IDC_DELIMITER)), L"\\t");
    EXPECT_EQ(again.close(), 0);
}

}  // namespace
