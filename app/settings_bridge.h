// Stand-in for the settings store until it joins this branch: the records the shell edits and
// the two calls that start-up makes. Replaced by app/settings_store.h at the merge.
#pragma once

#include <cstdint>
#include <string>

namespace app {

struct ConversionSettings {
    int32_t signalLine = 0;
    bool csvAdditional = false;
    int32_t csvOutCode = 0;
    int32_t csvLinefeed = 0;
    std::wstring csvDelimit = L",";
    int32_t timeStamp = 1;
    bool printCh = true;
    bool printID = true;
    bool printMsg = true;
    bool printEnum = true;
    bool printUnit = true;
    bool printRaw = false;
};

// Reads the fourteen keys from the INI file at `settingsPath` into the two records.
void loadSettings(const std::wstring& settingsPath, ConversionSettings& settings,
                  std::wstring& folder, int32_t& fileFilter);
// Writes the fourteen keys to the INI file at `settingsPath`.
void saveSettings(const std::wstring& settingsPath, const ConversionSettings& settings,
                  const std::wstring& folder, int32_t fileFilter);

}  // namespace app
