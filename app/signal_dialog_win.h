// The "Signals..." dialog: the loaded database's signals with check boxes, a filter, "All" and
// "None"; OK keeps the choice with the database's path in the output settings.
#pragma once

#include <windows.h>

namespace app {

// Runs the dialog over the database of CH1 (or of CH2 when only that one is loaded); nothing
// happens without a loaded database. True when the choice was kept.
bool runSignalDialog(HWND owner);

}  // namespace app
