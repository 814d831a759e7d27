#include "app/startup_win.h"

// The other Windows headers need the types of windows.h, so it comes first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
// clang-format on

#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/layout_win.h"
#include "app/main_dialog_win.h"
#include "app/resource_order.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "settings/output_settings.h"
#include "settings/settings_file.h"

namespace app {

namespace {

using SetThreadPreferredUILanguagesFunction = BOOL(WINAPI*)(DWORD, PCZZWSTR, PULONG);

// The whole module path, however long; the settings file sits beside it.
std::wstring modulePath(HINSTANCE instance) {
    std::vector<wchar_t> buffer(kPathCapacity);
    while (true) {
        const DWORD length =
            GetModuleFileNameW(instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

void applyCommandLine(ShellState& state, const CommandLineOptions& options) {
    if (options.settingsPath) state.settingsPath = *options.settingsPath;
    state.commandLineFolder = options.folder;
    state.titleSuffix = options.titleSuffix;
    state.uiLanguage = options.uiLanguage;
    state.uiLanguageForced = options.uiLanguageForced;
}

// Looked up by name: systems before Vista lack the function.
void setThreadPreferredLanguage(uint16_t language) {
    HMODULE kernel = LoadLibraryW(L"Kernel32.dll");
    if (kernel == nullptr) return;
    auto setLanguages = reinterpret_cast<SetThreadPreferredUILanguagesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetThreadPreferredUILanguages")));
    if (setLanguages != nullptr) {
        const std::wstring list = preferredLanguageList(language);
        ULONG count = 0;
        setLanguages(MUI_LANGUAGE_ID, list.c_str(), &count);
    }
    FreeLibrary(kernel);
}

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_COOL_CLASSES;
    InitCommonControlsEx(&controls);
}

// Settings are loaded before and saved after the dialog, so a failed start saves nothing.
int runWithSettings(ShellState& state) {
    ConversionSettings& settings = conversionSettings();
    const std::filesystem::path settingsPath(state.settingsPath);
    settings::StoredShellSettings stored;
    settings::loadSettings(settingsPath, settings, stored);
    settings::loadOutputSettings(settingsPath, state.output);
    state.folder.assign(stored.folder.begin(), stored.folder.end());
    state.fileFilter = stored.fileFilter;
    if (!state.commandLineFolder.empty()) state.folder = state.commandLineFolder;
    const INT_PTR endCode = runResourceDialog(IDD_MAIN, nullptr, mainDialogProc);
    stored.folder.assign(state.folder.begin(), state.folder.end());
    stored.fileFilter = state.fileFilter;
    settings::saveSettings(settingsPath, settings, stored);
    settings::saveOutputSettings(settingsPath, state.output);
    return static_cast<int>(endCode);
}

}  // namespace

int runProgram(HINSTANCE instance, const wchar_t* commandLine) {
    ShellState& state = shellState();
    state = ShellState{};
    state.instance = instance;
    state.settingsPath = settingsPathBesideProgram(modulePath(instance));
    applyCommandLine(state, parseCommandLine(commandLine));
    if (state.uiLanguageForced) setThreadPreferredLanguage(state.uiLanguage);
    initialiseCommonControls();
    // Without COM no settings were loaded, so none are written over the stored ones.
    if (FAILED(CoInitialize(nullptr))) return 0;
    const int exitCode = runWithSettings(state);
    CoUninitialize();
    releaseDialogMetrics();
    return exitCode;
}

}  // namespace app
