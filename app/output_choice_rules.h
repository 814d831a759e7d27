// Decisions of the Windows program about what a job writes: which controls of the conversion
// setting pane mean something for the chosen output, the resampling period as typed, the
// options and output names handed to the engine, and where the database load logs go.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "run/batch.h"
#include "run/frame_export.h"
#include "settings/conversion_settings.h"
#include "settings/output_settings.h"
#include "tables/table_options.h"

namespace app {

// The pane's controls that are usable for the chosen output (in an enabled pane). A workbook
// has no delimiter or character code; a CAN log of every frame has no table, columns, time
// columns or signals; the period belongs to the resampled table alone.
struct OutputControlStates {
    bool timestamp = true;
    bool columns = true;
    bool delimiter = true;
    bool csvAdditional = true;
    bool table = true;
    bool period = false;
    bool signals = false;
};
OutputControlStates outputControlStates(const settings::OutputSettings& output,
                                        bool databaseLoaded);

// Whether Start needs a loaded database for the chosen output: a CAN log needs none.
bool outputNeedsDatabase(settings::OutputKind format);

// The period edit holds milliseconds ("100", "0.5"); the settings keep a period word ("100ms").
// False when the text is no period from 1 µs to a day.
bool periodFromEdit(std::u16string_view text, uint64_t& microseconds);
std::u16string storedPeriod(std::u16string_view editText);
// The milliseconds for the edit of a stored period word; an unreadable word is shown as it is.
std::u16string periodEditText(std::u16string_view stored);

// The table options of a job: the pane's settings with the format and the table's shape.
tables::ConversionOptions tableOptions(const settings::ConversionSettings& settings,
                                       const settings::OutputSettings& output,
                                       uint64_t periodMicroseconds);
// The export options of a CAN log job: its format and the channels of "Target data line".
run::ExportOptions exportOptions(const settings::ConversionSettings& settings,
                                 settings::OutputKind format);
// Outputs beside their inputs with the format's extension: .csv, .xlsx, .asc, .blf, .log.
run::OutputNaming outputNaming(settings::OutputKind format);

// The load log of a database: dbcload.log, or dbcload-ch1.log and dbcload-ch2.log for a
// database per channel, as the command line names them.
std::filesystem::path loadLogName(bool perChannel, int channel);

}  // namespace app
