// The file selection pane driven in-process: listing order, hidden entries, the filter, the
// selection buttons and their states, and the start button that follows the selection.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>
// clang-format on

#include <algorithm>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "tests/gui/gui_captures.h"
#include "tests/gui/in_process_program.h"
#include "tests/support/test_paths.h"

namespace {

using namespace gui_testing;

using CompareStrings = int(WINAPI*)(LPCWSTR, LPCWSTR);

// The order the listing must have: the system's logical comparison of names.
std::vector<std::wstring> logicalOrder(std::vector<std::wstring> names) {
    HMODULE shlwapi = LoadLibraryW(L"Shlwapi.dll");
    auto logical = reinterpret_cast<CompareStrings>(
        reinterpret_cast<void*>(GetProcAddress(shlwapi, "StrCmpLogicalW")));
    std::sort(names.begin(), names.end(), [logical](const std::wstring& a, const std::wstring& b) {
        return logical(a.c_str(), b.c_str()) < 0;
    });
    FreeLibrary(shlwapi);
    return names;
}

struct ButtonStates {
    bool selectAll, selectNone, selectInverse, start;
    bool operator==(const ButtonStates&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ButtonStates& s) {
    return out << "{all " << s.selectAll << ", none " << s.selectNone << ", inverse "
               << s.selectInverse << ", start " << s.start << "}";
}

class FilePane {
public:
    explicit FilePane(HWND main) : main_(main) {}
    HWND control(int id) const { return findControl(main_, id); }
    HWND list() const { return control(IDC_FILE_LIST); }
    int count() const { return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0)); }
    void click(int id) const { SendMessageW(control(id), BM_CLICK, 0, 0); }
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
    ButtonStates buttons() const {
        return {enabled(IDC_SELECT_ALL), enabled(IDC_SELECT_NONE), enabled(IDC_SELECT_INVERSE),
                IsWindowEnabled(GetDlgItem(main_, IDC_START)) != FALSE};
    }

private:
    HWND main_;
};

const std::vector<std::wstring> kListed = {L"a1.DT", L"a10.DT",     L"a2.DT",
                                           L"B7.DT", L"#auto10.DT", L"#auto9.DT"};

TEST(FileSelectionPane, ListsFiltersAndSelects) {
    testing_support::ScratchDir scratch("gui-files");
    for (const std::wstring& name : kListed) writeCapture(scratch.path() / name, 3, 1);
    writeCapture(scratch / "hidden.DT", 3, 1);
    SetFileAttributesW((scratch / "hidden.DT").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::filesystem::create_directory(scratch / "folder.DT");
    testing_support::writeFileBytes(scratch / "notes.txt", "not a capture");

    InProcessProgram program(L"-l1033 -s\"" + (scratch / "settings.ini").wstring() + L"\" \"" +
                             scratch.path().wstring() + L"\"");
    ASSERT_NE(program.mainWindow(), nullptr);
    FilePane pane(program.mainWindow());
    ASSERT_TRUE(waitUntil([&] { return pane.count() == 6; })) << pane.count();

    const std::vector<std::wstring> names = listColumn(pane.list(), 0);
    EXPECT_EQ(names, logicalOrder(kListed));
    EXPECT_LT(std::find(names.begin(), names.end(), L"a2.DT"),
              std::find(names.begin(), names.end(), L"a10.DT"));
    const std::vector<std::wstring> sizes = listColumn(pane.list(), 2);
    wchar_t expectedSize[64] = {};
    StrFormatByteSizeW(static_cast<LONGLONG>(std::filesystem::file_size(scratch / "a1.DT")),
                       expectedSize, 64);
    for (const std::wstring& size : sizes) EXPECT_EQ(size, expectedSize);
    for (const std::wstring& date : listColumn(pane.list(), 1)) EXPECT_FALSE(date.empty());

    // Each row of the button table, and the start button that needs a selection.
    EXPECT_EQ(pane.buttons(), (ButtonStates{true, false, true, false}));
    pane.click(IDC_SELECT_ALL);
    EXPECT_EQ(selectedRows(pane.list()).size(), 6u);
    EXPECT_EQ(pane.buttons(), (ButtonStates{false, true, true, true}));
    pane.click(IDC_SELECT_NONE);
    EXPECT_TRUE(selectedRows(pane.list()).empty());
    EXPECT_EQ(pane.buttons(), (ButtonStates{true, false, true, false}));
    setRowSelected(pane.list(), 1, true);
    setRowSelected(pane.list(), 3, true);
    EXPECT_EQ(pane.buttons(), (ButtonStates{true, true, true, true}));
    pane.click(IDC_SELECT_INVERSE);
    EXPECT_EQ(selectedRows(pane.list()), (std::vector<int>{0, 2, 4, 5}));

    // Auto-save files only, then all data files again; the same filter twice lists nothing anew.
    chooseListEntry(pane.control(IDC_FILE_FILTER), 1);
    EXPECT_EQ(listColumn(pane.list(), 0), logicalOrder({L"#auto10.DT", L"#auto9.DT"}));
    setRowSelected(pane.list(), 0, true);
    chooseListEntry(pane.control(IDC_FILE_FILTER), 1);
    EXPECT_EQ(selectedRows(pane.list()), (std::vector<int>{0}));
    chooseListEntry(pane.control(IDC_FILE_FILTER), 0);
    EXPECT_EQ(pane.count(), 6);
    EXPECT_EQ(pane.buttons(), (ButtonStates{true, false, true, false}));

    // An emptied folder, refreshed: nothing to select and nothing to start.
    for (const std::wstring& name : kListed) std::filesystem::remove(scratch.path() / name);
    pane.click(IDC_REFRESH);
    EXPECT_EQ(pane.count(), 0);
    EXPECT_EQ(pane.buttons(), (ButtonStates{false, false, false, false}));
    EXPECT_EQ(program.close(), 0);
}

}  // namespace
