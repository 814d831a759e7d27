// The file selection pane: the folder's monitor data files, the file filter and the selection.
#pragma once

#include <windows.h>

namespace app {

// Creates the pane inside `mainDialog` at its placeholder; `folderDisplay` is the main dialog's
// read-only folder field, which the pane keeps up to date. Returns the pane or nullptr.
HWND createFileSelectionPane(HWND mainDialog, HWND folderDisplay);

}  // namespace app
