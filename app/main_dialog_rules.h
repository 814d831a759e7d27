// Decisions of the main dialog that need no window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/conversion_settings.h"

namespace app {

constexpr size_t kTitleCapacity = 256;  // characters, terminator included

// With a suffix from -t: the template caption, " - " and the suffix, cut to 255 characters;
// without one: the product title from the string table.
std::wstring mainWindowTitle(std::wstring_view templateCaption, std::wstring_view titleSuffix,
                             std::wstring_view productTitle);

// The target data line for a list index: 1 CH1 only, 2 CH2 only, anything else both channels.
settings::Channels channelsFromListIndex(int64_t index);

// The list index that shows a stored choice; a value out of range shows both channels.
int32_t listIndexOfChoice(int32_t value, int32_t choiceCount);

}  // namespace app
