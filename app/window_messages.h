// The program's own window messages, all above WM_APP (0x8000).
#pragma once

namespace app {

constexpr unsigned kAppMessageBase = 0x8000;
constexpr unsigned WM_APP_COUNTS = kAppMessageBase + 0;      // wParam items, lParam selected
constexpr unsigned WM_APP_PANE_READY = kAppMessageBase + 2;  // a pane to itself after building
constexpr unsigned WM_APP_PROGRESS = kAppMessageBase + 3;    // wParam the progress position
constexpr unsigned WM_APP_DONE = kAppMessageBase + 4;        // wParam the job's result
// To the conversion setting pane: the output or the databases changed, grey its controls anew.
constexpr unsigned WM_APP_OUTPUT_STATES = kAppMessageBase + 5;

}  // namespace app
