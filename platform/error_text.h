// The system's own words for a result code, for messages that say what happened.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The text of a 0x8007xxxx code (the system error of a file access) or of a 0xA007xxxx code
// (the C runtime's error number of an output file), in UTF-8 without a final period; empty for
// any other code.
std::string errorText(int32_t code);

// The errno value that a Windows system error number stands for (0 when none does).
int errnoFromWindowsError(uint32_t windowsError);

}  // namespace platform
