// Decisions of the main dialog around a conversion, and of the conversion setting pane, that
// need no window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/conversion_settings.h"

namespace app {

// The main dialog's controls in the idle and the converting state. The DBC button is off while
// converting, so the database never changes under the worker.
struct MainControlStates {
    bool startVisible = true;
    bool startEnabled = false;  // while idle: only when files are selected
    bool stopVisible = false;
    int defaultButton = 0;  // control id of the default push button
    bool folderButton = true;
    bool fileSelectionPane = true;
    bool signalLine = true;
    bool conversionSettingPane = true;
    bool dbcButton = true;
};
MainControlStates mainControlStates(bool converting, int64_t selectedCount);

// The string id of the message that ends a job with `result`, or 0 for none.
unsigned finishMessageId(int32_t result);

// The value of a three-way choice for its list index: 1 and 2 for themselves, 0 for the rest
// (no selection included).
int32_t choiceFromListIndex(int64_t index);

// The setting a column check box of the conversion setting pane flips, or nullptr when
// `control` is not one of them.
bool* columnSettingOf(settings::ConversionSettings& settings, int control);

// The "..." button of the additional CSV settings is usable only in an enabled pane with the
// additional settings ticked.
bool csvSettingButtonEnabled(bool paneEnabled, bool csvAdditional);

// The delimiter as stored from the edit's text: at most 15 characters, escapes kept.
std::u16string delimiterFromEdit(std::u16string_view text);

}  // namespace app
