// Reading the values of options, the same for every command and for the Python module: choice
// words in any case ("CH1", "utf8"), whole numbers, the number of files run at once, periods,
// lists of names, identifiers and columns.
#pragma once

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "can/id_range.h"
#include "settings/conversion_settings.h"

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

// "10ms", "0.5s", "250us", "1min" as microseconds; false for anything else or for no time.
bool parsePeriod(std::string_view text, uint64_t& microseconds);

// Comma-separated names, added to `names` ("" adds none); false on an empty entry ("a,,b").
bool parseNameList(std::string_view list, std::vector<std::string>& names);

// Comma-separated hexadecimal identifiers and ranges, added to `ranges`: "100-1FF,18FEF100".
// False, adding none, with what is wrong in `problem` ("invalid identifier 'xyz'", "the range
// 7FF-100 runs backwards").
bool parseIdList(std::string_view list, std::vector<can::IdRange>& ranges, std::string& problem);

// A comma-separated subset of ch,id,msg,unit,enum,raw ("" for none): the columns it names.
bool parseColumns(std::string_view list, settings::Columns& columns);

}  // namespace cli
