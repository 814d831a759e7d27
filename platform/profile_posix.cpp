// Private-profile access without Win32: the whole file is read, changed as text and written
// back as UTF-8.
#include <cstdio>
#include <string>

#include "platform/profile.h"
#include "platform/profile_text.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

// Settings files are small; anything larger is not one of ours and reads as missing.
constexpr size_t kMaxProfileBytes = 16u << 20;

bool readWholeFile(const Path& path, std::string& bytes) {
    std::FILE* file = openFile(path, "rb");
    if (file == nullptr) return false;
    bytes.clear();
    char block[8192];
    size_t got = 0;
    bool ok = true;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.append(block, got);
        if (bytes.size() > kMaxProfileBytes) {
            ok = false;
            break;
        }
    }
    if (std::ferror(file)) ok = false;
    std::fclose(file);
    return ok;
}

}  // namespace

std::u16string readProfileString(const Path& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return std::u16string(defaultValue);
    const auto value = profile::findProfileValue(profile::decodeProfileBytes(bytes), section, key);
    return value ? *value : std::u16string(defaultValue);
}

bool writeProfileString(const Path& path, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value) {
    if (!profile::isStorableProfileEntry(section, key, value)) return false;
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        std::FILE* probe = openFile(path, "rb");
        if (probe != nullptr) {  // present but unreadable or too large: leave it alone
            std::fclose(probe);
            return false;
        }
        bytes.clear();
    }
    const std::u16string text =
        profile::setProfileValue(profile::decodeProfileBytes(bytes), section, key, value);
    const std::string encoded = utf16ToUtf8(text);
    std::FILE* file = openFile(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(encoded.data(), 1, encoded.size(), file) == encoded.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace platform
