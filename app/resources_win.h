// Strings and dialogs from the program's resources in the chosen UI language, falling back to
// the system's choice and then English. Never the plain loaders: they ignore the -l choice.
#pragma once

#include <windows.h>

#include <string>

namespace app {

// Copies string `id` into `buffer` (capacity characters, terminator included), cut to fit.
// Returns the number of characters copied; 0 and an empty buffer when the string is missing.
int loadResourceString(UINT id, wchar_t* buffer, int capacity);
std::wstring loadResourceString(UINT id);

// Runs dialog `templateId` modally; its end code, or -1 when the template is missing.
INT_PTR runResourceDialog(UINT templateId, HWND owner, DLGPROC procedure);

// Creates dialog `templateId` as a modeless child of `parent`; nullptr when it is missing.
HWND createResourceDialog(UINT templateId, HWND parent, DLGPROC procedure);

}  // namespace app
