#include <windows.h>

#include "app/startup_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return app::runProgram(instance, GetCommandLineW());
}
