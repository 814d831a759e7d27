// The other Windows headers need the types of windows.h, so it comes first.
// clang-format off
#include "app/file_listing_win.h"
#include <commctrl.h>
#include <shlwapi.h>
// clang-format on

#include <cwchar>
#include <vector>

#include "app/command_line.h"
#include "app/file_selection_rules.h"

namespace app {

namespace {

using CompareStrings = int(WINAPI*)(LPCWSTR, LPCWSTR);

constexpr int kItemTextCapacity = 260;

void setSubItemText(HWND list, int item, int subItem, const wchar_t* text) {
    LVITEMW row{};
    row.iSubItem = subItem;
    row.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
}

// The user's short date and time without seconds, or empty when the time cannot be converted.
std::wstring modifiedText(const FILETIME& written) {
    if (written.dwLowDateTime == 0 && written.dwHighDateTime == 0) return {};
    FILETIME local{};
    SYSTEMTIME fields{};
    if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &fields)) {
        return {};
    }
    wchar_t date[32] = {};
    wchar_t time[32] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &fields, nullptr, date, 32);
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &fields, nullptr, time, 32);
    wchar_t joined[64] = {};
    std::swprintf(joined, 64, L"%ls %ls", date, time);
    return joined;
}

void addFileRow(HWND list, const WIN32_FIND_DATAW& found) {
    LVITEMW row{};
    row.mask = LVIF_TEXT | LVIF_STATE;
    row.iItem = 0;
    row.pszText = const_cast<wchar_t*>(found.cFileName);
    const LRESULT item = SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
    if (item < 0) return;
    const int index = static_cast<int>(item);
    setSubItemText(list, index, 1, modifiedText(found.ftLastWriteTime).c_str());
    const LONGLONG size = static_cast<LONGLONG>(
        (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
    wchar_t sizeText[64] = {};
    StrFormatByteSizeW(size, sizeText, 64);
    setSubItemText(list, index, 2, sizeText);
}

struct SortContext {
    std::vector<std::wstring> names;  // by the row's parameter
    CompareStrings compare;
};

int CALLBACK compareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto* sort = reinterpret_cast<const SortContext*>(context);
    return sort->compare(sort->names[static_cast<size_t>(first)].c_str(),
                         sort->names[static_cast<size_t>(second)].c_str());
}

// Each row gets its index as its parameter and its name is read once: a comparison that read
// the list while it is being sorted would see rows move under it on some systems.
std::vector<std::wstring> numberRows(HWND list) {
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::wstring> names;
    for (int item = 0; item < count; ++item) {
        names.push_back(fileListItemText(list, item));
        LVITEMW row{};
        row.mask = LVIF_PARAM;
        row.iItem = item;
        row.lParam = item;
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
    return names;
}

}  // namespace

std::wstring fileListItemText(HWND list, int item) {
    wchar_t text[kItemTextCapacity] = {};
    LVITEMW row{};
    row.iSubItem = 0;
    row.pszText = text;
    row.cchTextMax = kItemTextCapacity;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
    return text;
}

namespace {

// Adds the visible files of `folder` matching `pattern` that `takes` accepts.
template <class Takes>
void addMatchingFiles(HWND list, const std::wstring& folder, const wchar_t* pattern, Takes takes) {
    wchar_t search[kPathCapacity] = {};
    if (PathCombineW(search, folder.c_str(), pattern) == nullptr) return;
    WIN32_FIND_DATAW found{};
    HANDLE handle = FindFirstFileW(search, &found);
    if (handle == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
            continue;
        }
        if (takes(found.cFileName)) addFileRow(list, found);
    } while (FindNextFileW(handle, &found));
    FindClose(handle);
}

}  // namespace

void fillFileList(HWND list, const std::wstring& folder, int32_t fileFilter, bool canLogs) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    addMatchingFiles(list, folder, std::wstring(listingPattern(fileFilter)).c_str(),
                     [](const wchar_t*) { return true; });
    if (canLogs) {
        addMatchingFiles(list, folder, L"*",
                         [](const wchar_t* name) { return listedAsCanLog(name); });
    }
    sortFileList(list);
}

// The logical comparison is looked up by name: older systems lack it.
void sortFileList(HWND list) {
    HMODULE shlwapi = LoadLibraryW(L"Shlwapi.dll");
    CompareStrings logical = nullptr;
    if (shlwapi != nullptr) {
        logical = reinterpret_cast<CompareStrings>(
            reinterpret_cast<void*>(GetProcAddress(shlwapi, "StrCmpLogicalW")));
    }
    SortContext context{numberRows(list), logical != nullptr ? logical : StrCmpIW};
    SendMessageW(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                 reinterpret_cast<LPARAM>(compareRows));
    if (shlwapi != nullptr) FreeLibrary(shlwapi);
}

}  // namespace app
