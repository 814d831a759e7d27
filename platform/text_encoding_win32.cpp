// UTF-16 to an ANSI code page through WideCharToMultiByte, and back through MultiByteToWideChar.
#include <windows.h>

#include <atomic>

#include "platform/text_encoding.h"

namespace platform {

namespace {
// 0 is CP_ACP: the system's ANSI code page.
std::atomic<uint32_t> gAnsiCodePage{0};
}  // namespace

std::string utf16ToAnsi(std::u16string_view text) {
    if (text.empty()) return {};
    const UINT codePage = gAnsiCodePage.load();
    if (codePage == CP_UTF8) return utf16ToUtf8(text);
    const std::wstring wideText(text.begin(), text.end());
    const wchar_t* wide = wideText.c_str();
    const int units = static_cast<int>(wideText.size());
    // No best fit: a character the code page lacks becomes its default character, not a
    // look-alike letter.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int bytes =
        WideCharToMultiByte(codePage, flags, wide, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string(text.size(), '?');
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, flags, wide, units, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string ansiToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    const UINT codePage = gAnsiCodePage.load();
    if (codePage == CP_UTF8) return utf16ToUtf8(utf8ToUtf16(bytes));
    const int count = static_cast<int>(bytes.size());
    // Without MB_ERR_INVALID_CHARS an undefined byte becomes the code page's default character.
    const int units = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
    if (units <= 0) return std::string(bytes.size(), '?');
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), count, wide.data(), units);
    return utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

bool setAnsiCodePage(uint32_t codePage) {
    if (codePage != 0 && !IsValidCodePage(codePage)) return false;
    gAnsiCodePage.store(codePage);
    return true;
}

uint32_t ansiCodePage() {
    const uint32_t codePage = gAnsiCodePage.load();
    return codePage == 0 ? GetACP() : codePage;
}

}  // namespace platform
