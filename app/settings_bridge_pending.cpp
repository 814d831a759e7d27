// Used only while the settings store is not part of the build (TXTCVT_SETTINGS_STORE off): the
// program then runs with the default settings and leaves any settings file alone.
#include <filesystem>
#include <system_error>

#include "app/settings_bridge.h"

namespace app {

void loadSettings(const std::wstring&, ConversionSettings&, std::wstring& folder, int32_t&) {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (!error && folder.empty()) folder = current.wstring();
}

void saveSettings(const std::wstring&, const ConversionSettings&, const std::wstring&, int32_t) {}

}  // namespace app
