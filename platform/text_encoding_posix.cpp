// UTF-16 to an ANSI code page through the C library's iconv, answering as WideCharToMultiByte
// does without best-fit mapping: every character the code page lacks becomes '?'.
#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/text_encoding.h"

namespace platform {

namespace {

std::atomic<uint32_t> gAnsiCodePage{1252};

// What iconv_open returns when it cannot convert between the two code sets.
bool failedToOpen(iconv_t converter) {
    return converter == reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
}

std::string iconvName(uint32_t codePage) {
    if (codePage == 65001) return "UTF-8";
    return "CP" + std::to_string(codePage);
}

// The text as UTF-16LE bytes, assembled one by one so the host's byte order does not matter.
std::string littleEndianBytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// What stands for input the code page cannot convert: `replacement` for each `unitBytes` bytes.
struct Invalid {
    std::string_view replacement;
    size_t unitBytes;
};

// Converts the input; each unit iconv cannot convert becomes the replacement (a surrogate pair
// two '?' in UTF-16, as WideCharToMultiByte gives them). False only when iconv fails in another
// way.
bool convertAll(iconv_t converter, std::string& input, std::string& out, Invalid invalid) {
    char* in = input.data();
    size_t inLeft = input.size();
    std::string buffer(input.size() * 4 + 16, '\0');
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        if (errno != EILSEQ && errno != EINVAL) return false;
        out += invalid.replacement;
        const size_t skip = inLeft < invalid.unitBytes ? inLeft : invalid.unitBytes;
        in += skip;
        inLeft -= skip;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

}  // namespace

std::string utf16ToAnsi(std::u16string_view text) {
    const uint32_t codePage = gAnsiCodePage.load();
    if (codePage == 65001) return utf16ToUtf8(text);
    iconv_t converter = iconv_open(iconvName(codePage).c_str(), "UTF-16LE");
    if (failedToOpen(converter)) return std::string(text.size(), '?');
    std::string input = littleEndianBytes(text);
    std::string out;
    if (!convertAll(converter, input, out, {"?", 2})) out.assign(text.size(), '?');
    iconv_close(converter);
    return out;
}

std::string ansiToUtf8(std::string_view bytes) {
    const uint32_t codePage = gAnsiCodePage.load();
    if (codePage == 65001) return utf16ToUtf8(utf8ToUtf16(bytes));
    iconv_t converter = iconv_open("UTF-8", iconvName(codePage).c_str());
    std::string out;
    if (failedToOpen(converter)) {
        // Without the code page each byte stands for the Latin-1 character of its value.
        for (const char byte : bytes) {
            const auto value = static_cast<unsigned char>(byte);
            if (value < 0x80) {
                out.push_back(byte);
            } else {
                out.push_back(static_cast<char>(0xC0 | (value >> 6)));
                out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
            }
        }
        return out;
    }
    std::string input(bytes);
    // A byte the code page does not define (or a lead byte cut off) becomes U+FFFD.
    if (!convertAll(converter, input, out, {"\xEF\xBF\xBD", 1})) out += "\xEF\xBF\xBD";
    iconv_close(converter);
    return out;
}

bool setAnsiCodePage(uint32_t codePage) {
    if (codePage == 0) return false;
    if (codePage != 65001) {
        iconv_t probe = iconv_open(iconvName(codePage).c_str(), "UTF-16LE");
        if (failedToOpen(probe)) return false;
        iconv_close(probe);
    }
    gAnsiCodePage.store(codePage);
    return true;
}

uint32_t ansiCodePage() { return gAnsiCodePage.load(); }

}  // namespace platform
