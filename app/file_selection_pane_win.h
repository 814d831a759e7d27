// The file selection pane: the folder's monitor data files, the file filter and the selection.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace app {

// Creates the pane inside `mainDialog` at its placeholder; `folderDisplay` is the main dialog's
// read-only folder field, which the pane keeps up to date. Returns the pane or nullptr.
HWND createFileSelectionPane(HWND mainDialog, HWND folderDisplay);

// The full paths of the selected files in list order: the folder field's text joined with each
// selected name. Empty when the pane does not exist.
std::vector<std::filesystem::path> selectedFilePaths(HWND pane);

// Lists the folder of the shell state anew (its filter and its other CAN logs as chosen) and
// selects the rows named in `names` (compared without regard to case).
void listFolderAndSelect(HWND pane, const std::vector<std::wstring>& names);

}  // namespace app
