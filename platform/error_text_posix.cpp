#include <cerrno>
#include <cstring>

#include "platform/error_text.h"

namespace platform {

namespace {

// Windows errors the program reports itself, where no errno value says the same.
const char* ownText(uint32_t windowsError) {
    switch (windowsError) {
        case 3:
            return std::strerror(ENOENT);  // a missing folder on the way
        case 13:
            return "The data is invalid";
        case 14:
            return "Not enough memory";
        case 38:
            return "The file ended before it was read completely";
        case 183:
            return "Another file of this run has this name";
        default:
            return nullptr;
    }
}

std::string withoutFinalPeriod(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

std::string errorText(int32_t code) {
    const auto value = static_cast<uint32_t>(code);
    const uint32_t number = value & 0xFFFFu;
    if ((value & 0xFFFF0000u) == 0x80070000u) {
        if (const char* text = ownText(number)) return text;
        const int errorNumber = errnoFromWindowsError(number);
        return errorNumber != 0 ? withoutFinalPeriod(std::strerror(errorNumber)) : std::string();
    }
    if ((value & 0xFFFF0000u) == 0xA0070000u) {
        return withoutFinalPeriod(std::strerror(static_cast<int>(number)));
    }
    return {};
}

}  // namespace platform
