#include "tests/gui/conversion_test_support.h"

#include <commctrl.h>

#include <cstdio>
#include <ostream>

#include "app/resources/resource_ids.h"
#include "tests/gui/gui_captures.h"

namespace gui_testing {

namespace {

// The file name field of the open-file dialog: a combo box in the Explorer style, an edit in
// the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

bool enabled(HWND main, int id) { return IsWindowEnabled(findControl(main, id)) != FALSE; }
bool visible(HWND main, int id) { return IsWindowVisible(findControl(main, id)) != FALSE; }

struct StaticText {
    std::wstring text;
};

BOOL CALLBACK findMessageText(HWND window, LPARAM parameter) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    auto* found = reinterpret_cast<StaticText*>(parameter);
    const std::wstring text = windowText(window);
    if (_wcsicmp(className, L"Static") == 0 && !text.empty()) {
        found->text = text;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring programArguments(const testing_support::ScratchDir& scratch, const wchar_t* language) {
    return std::wstring(language) + L" -s\"" + (scratch / "settings.ini").wstring() + L"\" \"" +
           scratch.path().wstring() + L"\"";
}

// Built without string concatenation, of which GCC 12 warns falsely.
std::filesystem::path numbered(const testing_support::ScratchDir& scratch, const char* stem,
                               int number, const char* extension) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%d%s", stem, number, extension);
    return scratch / name;
}

bool selectAllFiles(HWND main, int count) {
    HWND list = findControl(main, IDC_FILE_LIST);
    if (!waitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == count; })) {
        return false;
    }
    SendMessageW(findControl(main, IDC_SELECT_ALL), BM_CLICK, 0, 0);
    return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == count;
}

void chooseDbcFile(const InProcessProgram& program, const std::filesystem::path& dbc) {
    HWND main = program.mainWindow();
    PostMessageW(main, WM_COMMAND, IDC_DBC_BROWSE, 0);
    HWND dialog = program.waitForOwnedDialog();
    if (dialog == nullptr) return;
    const std::wstring path = dbc.wstring();
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (name == nullptr) name = GetDlgItem(dialog, kFileNameEdit);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return program.ownedDialog() == nullptr; });
    // The load runs before the command handler returns; a message through it waits for that.
    SendMessageW(main, WM_NULL, 0, 0);
}

bool readyToConvert(const InProcessProgram& program, int files) {
    if (program.mainWindow() == nullptr) return false;
    chooseDbcFile(program, exampleDbc());
    return selectAllFiles(program.mainWindow(), files);
}

std::wstring dismissMessageBox(const InProcessProgram& program) {
    HWND box = program.waitForOwnedDialog();
    if (box == nullptr) return L"<none>";
    StaticText found;
    EnumChildWindows(box, findMessageText, reinterpret_cast<LPARAM>(&found));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return !IsWindow(box); });
    return found.text;
}

bool waitUntilIdleAfter(const JobMessageRecorder& recorder, HWND main) {
    return waitUntil([&] {
        return recorder.done() && IsWindowVisible(GetDlgItem(main, IDC_START)) &&
               IsWindowEnabled(GetDlgItem(main, IDC_FOLDER_BROWSE));
    });
}

bool answersWithin(HWND window, std::chrono::milliseconds timeout) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), &answer) != 0;
}

ControlSnapshot ControlSnapshot::of(HWND main) {
    ControlSnapshot s;
    s.startVisible = visible(main, IDC_START);
    s.stopVisible = visible(main, IDC_STOP);
    s.folderButton = enabled(main, IDC_FOLDER_BROWSE);
    s.dbcButton = enabled(main, IDC_DBC_BROWSE);
    s.signalLine = enabled(main, IDC_SIGNAL_LINE);
    s.fileFilter = enabled(main, IDC_FILE_FILTER);
    s.selectInverse = enabled(main, IDC_SELECT_INVERSE);
    s.delimiter = enabled(main, IDC_DELIMITER);
    s.csvAdditional = enabled(main, IDC_CSV_ADDITIONAL);
    s.csvSetting = enabled(main, IDC_CSV_SETTING);
    return s;
}

ControlSnapshot ControlSnapshot::converting() {
    ControlSnapshot s;
    s.stopVisible = true;
    return s;
}

ControlSnapshot ControlSnapshot::idle() {
    ControlSnapshot s;
    s.startVisible = true;
    s.folderButton = s.dbcButton = s.signalLine = s.fileFilter = s.selectInverse = true;
    s.delimiter = s.csvAdditional = true;
    return s;
}

std::ostream& operator<<(std::ostream& out, const ControlSnapshot& s) {
    return out << "{start " << s.startVisible << ", stop " << s.stopVisible << ", folder "
               << s.folderButton << ", dbc " << s.dbcButton << ", line " << s.signalLine
               << ", filter " << s.fileFilter << ", inverse " << s.selectInverse << ", delimiter "
               << s.delimiter << ", additional " << s.csvAdditional << ", csv " << s.csvSetting
               << "}";
}

}  // namespace gui_testing
