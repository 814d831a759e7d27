// The shell's process-wide state and the one settings record, shared by start-up and dialogs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "dbc/database.h"
#include "settings/conversion_settings.h"
#include "settings/output_settings.h"

namespace app {

using settings::ConversionSettings;

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
    // The one database of the program; the worker only reads it while a conversion runs.
    std::unique_ptr<dbc::CanDatabase> database = std::make_unique<dbc::CanDatabase>();
    // CH2's own database, used while output.dbcPerChannel is set.
    std::wstring dbcPathCh2;
    bool dbcLoadedCh2 = false;
    std::unique_ptr<dbc::CanDatabase> databaseCh2 = std::make_unique<dbc::CanDatabase>();
    // The output, table, signal and listing choices kept in [txtcvtOutput].
    settings::OutputSettings output;
    HWND fileSelectionPane = nullptr;
    HWND conversionSettingPane = nullptr;
};

ShellState& shellState();
settings::ConversionSettings& conversionSettings();

}  // namespace app
