// The modal "CSV conversion additional setting" dialog: output character code and line feed.
#pragma once

#include <windows.h>

namespace app {

// Runs the dialog over `owner`; every choice takes effect at once, there is nothing to confirm.
void runCsvSettingDialog(HWND owner);

}  // namespace app
