// Reading the values of options: choice words in any case ("CH1", "utf8"), whole numbers and the
// number of files run at once, the same for every command.
#pragma once

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <system_error>

namespace cli {

bool sameWordIgnoringCase(std::string_view a, std::string_view b);

// The choice whose word is `value` in any case; the words are in the order of the values.
template <class Choice>
std::optional<Choice> pickWord(std::string_view value,
                               std::initializer_list<std::string_view> words) {
    int32_t index = 0;
    for (std::string_view word : words) {
        if (sameWordIgnoringCase(value, word)) return static_cast<Choice>(index);
        ++index;
    }
    return std::nullopt;
}

// The whole text as a number, nothing before or after it.
template <class Number>
bool parseNumber(std::string_view text, Number& out) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

// --jobs N: 1 to 256 files at once.
bool parseJobCount(std::string_view text, unsigned& jobs);

}  // namespace cli
