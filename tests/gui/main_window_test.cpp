// The real txtcvt.exe under test: started with its command-line options, its main dialog checked
// through window messages, closed as the user closes it.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "tests/gui/running_program.h"
#include "tests/support/test_paths.h"

namespace {

using gui_testing::comboItems;
using gui_testing::RunningProgram;
using gui_testing::windowText;

struct LanguageTexts {
    const wchar_t* option;
    const wchar_t* title;
    const wchar_t* caption;
    const wchar_t* unselected;
    const wchar_t* start;
    const wchar_t* stop;
    std::vector<std::wstring> signalLines;
    std::vector<std::wstring> fileFilters;
    std::vector<std::wstring> timestamps;
    std::vector<std::wstring> labels;  // group boxes, static texts and check boxes
};

const LanguageTexts kEnglish{
    L"-l1033",
    L"Text conversion [tessora V1.01]",
    L"Text conversion",
    L"Unselected",
    L"Start &convert",
    L"Stop &convert",
    {L"CH1 and CH2", L"CH1 only", L"CH2 only"},
    {L"Data files (*.DT)", L"Auto save files (#*.DT)"},
    {L"None", L"Prefer date/time", L"Prefer elapsed time"},
    {L"&Folder", L"&DBC File", L"Tar&get data line :", L"Input file fil&ter :",
     L"&Monitor data files :", L"&Refresh", L"Select &all", L"&No select", L"Select in&verse",
     L"&Timestamp :", L"C&hannel", L"CAN &ID", L"Me&ssage Name", L"&Enum", L"&Unit", L"Ra&w Data",
     L"De&limiter :", L"Additional setting"}};

const LanguageTexts kJapanese{
    L"-l 1041",
    L"テキスト変換 [tessora V1.01]",
    L"テキスト変換",
    L"未選択",
    L"変換開始(&C)",
    L"変換中止(&C)",
    {L"CH1とCH2", L"CH1のみ", L"CH2のみ"},
    {L"データファイル(*.DT)", L"オートセーブファイル(#*.DT)"},
    {L"なし", L"実時刻優先", L"相対時間優先"},
    {L"フォルダー(&F)", L"DBCファイル(&D)", L"対象チャンネル(&G) :",
     L"入力ファイルフィルター(&T) :", L"モニターデータファイル(&M) :", L"最新の状態に更新(&R)",
     L"すべて選択(&A)", L"選択解除(&N)", L"選択切替(&V)", L"タイムスタンプ(&T) :",
     L"チャンネル(&H)", L"CAN ID(&I)", L"メッセージ名(&S)", L"列挙子(&E)", L"単位(&U)",
     L"生データ(&W)", L"区切り文字(&L) :", L"追加設定"}};

RECT screenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void expectSameOrigin(HWND a, HWND b) {
    const RECT ra = screenRect(a), rb = screenRect(b);
    EXPECT_EQ(ra.left, rb.left);
    EXPECT_EQ(ra.top, rb.top);
}

void checkMainWindow(HWND main, const LanguageTexts& texts, const std::wstring& folder) {
    EXPECT_EQ(windowText(main), texts.title);
    EXPECT_EQ(windowText(GetDlgItem(main, IDC_FOLDER)), folder);
    EXPECT_EQ(windowText(GetDlgItem(main, IDC_DBC_FILE)), texts.unselected);
    EXPECT_EQ(windowText(GetDlgItem(main, IDC_FOLDER_BROWSE)), L"...");
    EXPECT_EQ(windowText(GetDlgItem(main, IDC_DBC_BROWSE)), L"...");
    EXPECT_EQ(comboItems(GetDlgItem(main, IDC_SIGNAL_LINE)), texts.signalLines);

    HWND start = GetDlgItem(main, IDC_START), stop = GetDlgItem(main, IDC_STOP);
    EXPECT_EQ(windowText(start), texts.start);
    EXPECT_EQ(windowText(stop), texts.stop);
    EXPECT_TRUE(IsWindowVisible(start));
    EXPECT_FALSE(IsWindowVisible(stop));
    const RECT startRect = screenRect(start), stopRect = screenRect(stop);
    EXPECT_TRUE(EqualRect(&startRect, &stopRect));

    HWND filePane = gui_testing::paneHolding(main, IDC_FILE_LIST);
    HWND settingPane = gui_testing::paneHolding(main, IDC_TIMESTAMP);
    ASSERT_NE(filePane, nullptr);
    ASSERT_NE(settingPane, nullptr);
    EXPECT_TRUE(IsWindowVisible(filePane));
    EXPECT_TRUE(IsWindowVisible(settingPane));
    expectSameOrigin(filePane, GetDlgItem(main, IDC_FSBASE));
    expectSameOrigin(settingPane, GetDlgItem(main, IDC_CVTBASE));
    EXPECT_EQ(comboItems(GetDlgItem(filePane, IDC_FILE_FILTER)), texts.fileFilters);
    EXPECT_EQ(comboItems(GetDlgItem(settingPane, IDC_TIMESTAMP)), texts.timestamps);

    const std::vector<std::wstring> shown = gui_testing::descendantTexts(main);
    for (const std::wstring& label : texts.labels) {
        EXPECT_NE(std::find(shown.begin(), shown.end(), label), shown.end()) << label;
    }
}

TEST(MainWindow, ShowsEveryControlInEachLanguage) {
    testing_support::ScratchDir scratch("gui-language");
    const std::wstring folder = scratch.path().wstring();
    for (const LanguageTexts* texts : {&kEnglish, &kJapanese}) {
        RunningProgram program(std::wstring(texts->option) + L" -s\"" +
                               (scratch / "settings.ini").wstring() + L"\" \"" + folder + L"\"");
        HWND main = program.mainWindow();
        ASSERT_NE(main, nullptr) << texts->option;
        checkMainWindow(main, *texts, folder);

        // Esc does not close the window; closing it ends the program with 0.
        SendMessageW(main, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(main));
        EXPECT_EQ(program.close(), 0);
    }
}

TEST(MainWindow, TitleSuffixFollowsTheTemplateCaption) {
    for (const LanguageTexts* texts : {&kEnglish, &kJapanese}) {
        RunningProgram program(std::wstring(texts->option) + L" -t\"Bench 2\" -tOther");
        ASSERT_NE(program.mainWindow(), nullptr);
        EXPECT_EQ(windowText(program.mainWindow()), std::wstring(texts->caption) + L" - Bench 2");
        EXPECT_EQ(program.close(), 0);
    }
}

std::wstring profileValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[300] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 300, file.c_str());
    return value;
}

size_t profileKeyCount(const std::wstring& file, const wchar_t* section) {
    std::vector<wchar_t> keys(4096);
    const DWORD length = GetPrivateProfileStringW(section, nullptr, L"", keys.data(),
                                                  static_cast<DWORD>(keys.size()), file.c_str());
    size_t count = 0;
    for (DWORD i = 0; i < length; ++i) count += keys[i] == L'\0' ? 1 : 0;
    return count;
}

TEST(MainWindow, WritesTheSettingsFileItWasGiven) {
    testing_support::ScratchDir scratch("gui-settings");
    const std::wstring ini = (scratch / "my settings.ini").wstring();
    const std::wstring folder = scratch.path().wstring();
    RunningProgram program(L"-l1033 -s\"" + ini + L"\" \"" + folder + L"\"");
    ASSERT_NE(program.mainWindow(), nullptr);
    HWND signalLine = GetDlgItem(program.mainWindow(), IDC_SIGNAL_LINE);
    SendMessageW(signalLine, CB_SETCURSEL, 2, 0);
    SendMessageW(program.mainWindow(), WM_COMMAND, MAKEWPARAM(IDC_SIGNAL_LINE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(signalLine));
    ASSERT_EQ(program.close(), 0);

    struct Key {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
    };
    const Key keys[] = {
        {L"txtcvtSettings", L"folder", folder},
        {L"txtcvtSettings", L"fileFilter", L"*.DT"},
        {L"txtcvtParams", L"signalLine", L"CH2 only"},
        {L"txtcvtParams", L"timeStamp", L"time of day"},
        {L"txtcvtParams", L"printCh", L"True"},
        {L"txtcvtParams", L"printID", L"True"},
        {L"txtcvtParams", L"printMsg", L"True"},
        {L"txtcvtParams", L"printUnit", L"True"},
        {L"txtcvtParams", L"printEnum", L"True"},
        {L"txtcvtParams", L"printRaw", L"False"},
        {L"txtcvtExParams", L"csvAdditional", L"False"},
        {L"txtcvtExParams", L"csvOutCode", L"JIS"},
        {L"txtcvtExParams", L"csvLinefeed", L"CRLF"},
        {L"txtcvtParams", L"csvDelimit", L","},
    };
    for (const Key& key : keys)
        EXPECT_EQ(profileValue(ini, key.section, key.key), key.value) << key.key;
    EXPECT_EQ(profileKeyCount(ini, L"txtcvtSettings") + profileKeyCount(ini, L"txtcvtParams") +
                  profileKeyCount(ini, L"txtcvtExParams"),
              14u);
}

}  // namespace
