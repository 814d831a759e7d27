// The shell's process-wide state and the one settings record, shared by start-up and dialogs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/settings_store.h"

namespace app {

struct ShellState {
    HINSTANCE instance = nullptr;
    std::wstring settingsPath;
    std::wstring commandLineFolder;
    std::wstring titleSuffix;
    uint16_t uiLanguage = 0;
    bool uiLanguageForced = false;
    std::wstring folder;
    int32_t fileFilter = 0;
    std::wstring dbcPath;
    bool dbcLoaded = false;
    HWND fileSelectionPane = nullptr;
    HWND conversionSettingPane = nullptr;
};

ShellState& shellState();
ConversionSettings& conversionSettings();

}  // namespace app
