// The databases of a conversion run: one for both channels, or one per channel, each loaded
// with its own load log (dbcload.log; dbcload-ch1.log and dbcload-ch2.log with two).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/rules/convert_options.h"
#include "cli/run_report.h"
#include "dbc/database.h"

namespace cli {

// The load log of a database: in the current folder, or where --log says (a folder, or a file
// whose name gets "-ch1"/"-ch2" before its extension with two databases). `channel` is -1 for
// the only database of a run.
std::filesystem::path loadLogPathFor(const std::string& logOption, int channel);

class ConvertDatabases {
public:
    // Loads what the request names; false after saying why on standard error.
    bool load(const ConvertRequest& request);
    // The database of a channel (0 CH1, 1 CH2), nullptr when it has none.
    const dbc::CanDatabase* channel(int index) const { return channels_[index]; }
    std::vector<ReportDatabase> reportEntries() const { return entries_; }

private:
    bool loadOne(const std::string& path, const std::filesystem::path& log, bool quiet,
                 const std::string& channelName);

    std::vector<std::unique_ptr<dbc::CanDatabase>> owned_;
    const dbc::CanDatabase* channels_[2] = {nullptr, nullptr};
    std::vector<ReportDatabase> entries_;
};

}  // namespace cli
