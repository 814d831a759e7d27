#include "settings/settings_words.h"

namespace settings {

int32_t numberOfWord(const SettingsKey& key, std::u16string_view value) {
    for (size_t i = 0; i < key.words.size(); ++i) {
        if (key.words[i] == value) return static_cast<int32_t>(i);
    }
    return key.otherValue;
}

std::u16string_view wordOfNumber(const SettingsKey& key, int32_t number) {
    if (number < 0 || static_cast<size_t>(number) >= key.words.size()) number = key.otherValue;
    return key.words[static_cast<size_t>(number)];
}

std::u16string protectedText(std::u16string_view text) {
    if (text.empty()) return {};
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    const bool quoted = text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
                        text.back() == text.front();
    if (!isBlank(text.front()) && !isBlank(text.back()) && !quoted) return std::u16string(text);
    std::u16string result(1, u'"');
    result.append(text).push_back(u'"');
    return result;
}

}  // namespace settings
