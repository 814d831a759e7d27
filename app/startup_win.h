// txtcvt.exe: start-up and shut-down around the main dialog.
#pragma once

#include <windows.h>

namespace app {

// Reads `commandLine` (the whole command line, program name first), loads the settings, runs
// the main dialog and saves the settings. Returns the dialog's end code, the exit code.
int runProgram(HINSTANCE instance, const wchar_t* commandLine);

}  // namespace app
