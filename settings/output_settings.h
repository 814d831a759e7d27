// The choices of the Windows program beyond the fourteen keys of settings_file.h: the kind of
// output, the table's shape, the signals chosen for a database, the databases per channel, the
// files listed and what happens at the end of a job. They live in a section of their own,
// [txtcvtOutput], so that an older txtcvt.ini reads as before and an older program ignores them.
// The command line's --settings reads them too.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace settings {

// The numbers are the indices of the choices in the dialogs and of the words in the file.
enum class OutputKind : int32_t { kCsv = 0, kXlsx = 1, kAsc = 2, kBlf = 3, kCandump = 4 };
enum class TableShape : int32_t { kLong = 0, kWide = 1, kWideHold = 2, kResampled = 3 };
enum class InputFiles : int32_t { kCaptures = 0, kCanLogs = 1 };

struct OutputSettings {
    OutputKind format = OutputKind::kCsv;
    TableShape table = TableShape::kLong;
    std::u16string resamplePeriod = u"100ms";  // a period as --resample takes it
    // The signals chosen, comma-separated Message.Signal patterns (empty: every signal), and the
    // DBC file they were chosen from: they apply only with that database.
    std::u16string signalsDatabase;
    std::u16string signals;
    InputFiles inputFiles = InputFiles::kCaptures;
    bool dbcPerChannel = false;  // CH2 decoded through a DBC file of its own
    bool openFolder = false;     // the end of every job names the output folder and offers it

    bool operator==(const OutputSettings&) const = default;
};

// Every key of the section, in the order in which it is read and written.
std::span<const SettingsKey> outputSettingsKeys();

// Reads the keys; a missing file or key gives its default, an unknown word the key's other
// value (listed in `unknownWords` when given).
void loadOutputSettings(const std::filesystem::path& path, OutputSettings& output,
                        std::vector<UnknownSettingsWord>* unknownWords = nullptr);
// Writes each key that differs from its default or is in the file already, so that the file of
// a user who never chose any of them stays as it was. False when a key could not be written.
bool saveOutputSettings(const std::filesystem::path& path, const OutputSettings& output);

// Whether a table conversion is asked for (not a CAN log of every frame).
inline bool isTableOutput(OutputKind format) {
    return format == OutputKind::kCsv || format == OutputKind::kXlsx;
}

}  // namespace settings
