// The rows of the file list: the folder's matching files with their date and size, sorted by
// name as the shell sorts them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace app {

// Empties `list` and fills it with the files of `folder` that match the filter's pattern, and
// with `canLogs` its other CAN logs too; hidden files and folders are left out. Redrawing is up
// to the caller.
void fillFileList(HWND list, const std::wstring& folder, int32_t fileFilter, bool canLogs = false);

// Sorts the rows of `list` by name: digit runs as numbers where the system offers that
// comparison, else case-insensitively.
void sortFileList(HWND list);

// The text of row `item` (column 0) of `list`, at most 259 characters.
std::wstring fileListItemText(HWND list, int item);

}  // namespace app
