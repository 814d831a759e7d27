#include "app/resource_order.h"

#include <algorithm>

namespace app {

namespace {
void addOnce(LanguageOrder& order, uint16_t language) {
    const auto end = order.languages.begin() + static_cast<std::ptrdiff_t>(order.count);
    if (std::find(order.languages.begin(), end, language) != end) return;
    order.languages[order.count++] = language;
}

uint16_t readLittleEndian16(const unsigned char* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}
}  // namespace

LanguageOrder resourceLanguageOrder(bool uiLanguageForced, uint16_t uiLanguage) {
    LanguageOrder order;
    if (uiLanguageForced) addOnce(order, uiLanguage);
    addOnce(order, kLanguageNeutral);
    addOnce(order, kLanguageEnglish);
    return order;
}

std::u16string stringTableEntry(const unsigned char* block, size_t blockSize, uint32_t id) {
    const size_t units = block == nullptr ? 0 : blockSize / 2;
    size_t position = 0;
    for (uint32_t skip = id % 16; skip > 0; --skip) {
        if (position >= units) return {};
        position += 1 + readLittleEndian16(block + 2 * position);
    }
    if (position >= units) return {};
    const size_t length =
        std::min<size_t>(readLittleEndian16(block + 2 * position), units - position - 1);
    std::u16string text(length, u'\0');
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char16_t>(readLittleEndian16(block + 2 * (position + 1 + i)));
    }
    return text;
}

size_t keptLength(size_t entryLength, size_t capacity) {
    return capacity == 0 ? 0 : std::min(entryLength, capacity - 1);
}

std::wstring preferredLanguageList(uint16_t language) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring list;
    for (int shift = 12; shift >= 0; shift -= 4) list.push_back(kDigits[(language >> shift) & 0xF]);
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

}  // namespace app
