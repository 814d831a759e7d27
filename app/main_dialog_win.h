// The main dialog: the program's only top-level window.
#pragma once

#include <windows.h>

namespace app {

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app
