#include <windows.h>

#include <cstring>

#include "platform/error_text.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == '\r' ||
                             text.back() == '\n')) {
        text.pop_back();
    }
    return text;
}

// The system's message in the user's language.
std::string systemMessage(uint32_t error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) return {};
    const std::u16string text(reinterpret_cast<const char16_t*>(buffer), length);
    LocalFree(buffer);
    return trimmed(utf16ToUtf8(text));
}

}  // namespace

std::string errorText(int32_t code) {
    const auto value = static_cast<uint32_t>(code);
    const uint32_t number = value & 0xFFFFu;
    if ((value & 0xFFFF0000u) == 0x80070000u) return systemMessage(number);
    if ((value & 0xFFFF0000u) == 0xA0070000u) {
        return trimmed(std::strerror(static_cast<int>(number)));
    }
    return {};
}

}  // namespace platform
