// The user's persistent conversion choices as the settings file and the dialogs keep them. The
// conversion options of a job are built from this record; nothing else in the engine reads it.
#pragma once

#include <cstdint>
#include <string>

namespace convert {

struct ConversionSettings {
    int32_t signalLine = 0;            // 0 both channels, 1 CH1 only, 2 CH2 only
    bool csvAdditional = false;        // csvOutCode and csvLinefeed are in force
    int32_t csvOutCode = 0;            // 0 ANSI code page, 1 UTF-8, 2 UTF-8 with byte order mark
    int32_t csvLinefeed = 0;           // 0 CR LF, 1 LF, 2 CR
    std::u16string csvDelimit = u",";  // as typed, escapes included; at most 15 characters
    int32_t timeStamp = 1;             // 0 none, 1 time of day, 2 elapsed
    bool printCh = true;
    bool printID = true;
    bool printMsg = true;
    bool printEnum = true;
    bool printUnit = true;
    bool printRaw = false;
};

// The most characters a typed delimiter holds.
constexpr size_t kMaxDelimiterLength = 15;

}  // namespace convert
