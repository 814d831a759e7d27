// Shows dialogs in the system's message font: measured once on the main dialog, then applied to
// the main dialog (panes included) and to the CSV additional setting dialog.
#pragma once

#include <windows.h>

namespace app {

// Clears the metrics and measures them on `dialog`; leaves no font when the system's message
// font cannot be read or created, and the dialogs then keep their template font and sizes.
void measureDialogMetrics(HWND dialog);

// Gives `dialog` and every window inside it the message font and scales their rectangles.
void scaleToMessageFont(HWND dialog);

// Frees the font at program end.
void releaseDialogMetrics();

}  // namespace app
