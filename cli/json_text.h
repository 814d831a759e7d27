// Texts as JSON strings, for the reports and `inspect --json`.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// A JSON string: UTF-8 passes, control characters and bytes that are no UTF-8 become \uXXXX
// (a DBC file's texts are bytes in its own code page).
std::string jsonString(std::string_view text);

}  // namespace cli
