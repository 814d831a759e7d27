// The options in force for one conversion job, built from the persistent settings when the job
// starts and read by the worker for every file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "convert/conversion_settings.h"

namespace convert {

// printFlags: the optional columns. "Signal" and "Value" are always written.
constexpr uint32_t PRINT_CSV = 0x01;
constexpr uint32_t PRINT_CH = 0x04;
constexpr uint32_t PRINT_ID = 0x08;
constexpr uint32_t PRINT_MSG = 0x10;
constexpr uint32_t PRINT_ENUM = 0x20;
constexpr uint32_t PRINT_UNIT = 0x40;
constexpr uint32_t PRINT_RAW = 0x80;

// outputFormat: LINE_END holds 1 LF, 2 CR, 3 CR LF (0 is written as CR LF too).
constexpr uint32_t LINE_END = 0x03;
constexpr uint32_t CODE_UTF8 = 0x04;
constexpr uint32_t CODE_BOM = 0x08;

struct ConversionOptions {
    int32_t channelFilter = 0;        // 0 both channels, 1 CH1 only, 2 CH2 only
    int32_t timestampPreference = 0;  // 0 none, 1 date/time, 2 elapsed
    uint32_t printFlags = 0;
    uint32_t outputFormat = 0;
    std::u16string delimiter;          // escapes resolved, at most 15 units
    std::filesystem::path outputPath;  // of the file being converted; set by the job
};

// Resolves the escapes of a typed delimiter. Grammar, read up to a NUL or the 15th unit:
//   \t   a tab            e.g. "\t" -> TAB, "a\t\t" -> "a" TAB TAB
//   \\   one backslash    e.g. "\\" -> "\"
//   \x   nothing, for any other x; a final lone backslash gives nothing too ("\x" -> "")
// Any other character stands for itself (";" -> ";"). The result is never longer than the text.
std::u16string resolveDelimiterEscapes(std::u16string_view typed);

// Rebuilds `options` from the settings; out-of-range choices fall back to the defaults.
void buildConversionOptions(const ConversionSettings& settings, ConversionOptions& options);

}  // namespace convert
