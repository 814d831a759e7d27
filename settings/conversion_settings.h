// The user's conversion choices, shared by the Windows program and the command line: which
// channels, which time columns, which other columns, the delimiter as typed and the character
// code and line end of the output. The settings file stores them (settings_file.h); a job's
// options are built from them (tables/table_options.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace settings {

// The numbers are the indices of the choices in the dialogs and of the words in the file.
// Beyond them the command line keeps any one channel N of a log as Channels(N).
enum class Channels : int32_t { kAll = 0, kCh1 = 1, kCh2 = 2 };
// The highest channel number (CH65536: a log's 16-bit channels numbered from 1).
inline constexpr int32_t kMaxChannelNumber = 65536;
// The channel kept (1 for CH1), 0 for every channel or a number out of range.
constexpr int32_t channelNumberOf(Channels channels) {
    const auto number = static_cast<int32_t>(channels);
    return number >= 1 && number <= kMaxChannelNumber ? number : 0;
}

enum class TimeStamps : int32_t { kNone = 0, kTimeOfDay = 1, kElapsed = 2 };
enum class Encoding : int32_t { kAnsi = 0, kUtf8 = 1, kUtf8Bom = 2 };
enum class LineEnd : int32_t { kCrLf = 0, kLf = 1, kCr = 2 };

// The optional columns. "Signal" and "Value" are always written.
struct Columns {
    bool channel = true;      // "Ch"
    bool identifier = true;   // "CAN_ID"
    bool message = true;      // "Message"
    bool unit = true;         // "Unit"
    bool description = true;  // "Enum": the value description
    bool rawData = false;     // "Raw_Data"

    bool operator==(const Columns&) const = default;
};

struct ConversionSettings {
    Channels channels = Channels::kAll;
    TimeStamps timeStamps = TimeStamps::kTimeOfDay;
    Columns columns;
    std::u16string delimiter = u",";  // as typed, escapes included; at most 15 characters
    // The character code and line end below are in force only while this is set; otherwise
    // every output is ANSI with CR LF.
    bool additionalCsv = false;
    Encoding encoding = Encoding::kAnsi;
    LineEnd lineEnd = LineEnd::kCrLf;
};

// The most characters a typed delimiter holds.
constexpr size_t kMaxDelimiterLength = 15;

}  // namespace settings
