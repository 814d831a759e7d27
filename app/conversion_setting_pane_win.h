// The conversion setting pane: timestamp, columns, delimiter and the additional CSV settings.
#pragma once

#include <windows.h>

namespace app {

// Creates the pane, hidden, inside `mainDialog` at its placeholder. Returns the pane or nullptr.
HWND createConversionSettingPane(HWND mainDialog);

}  // namespace app
