// The databases of a conversion run: one for every channel, or one per channel, each loaded
// with its own load log (dbcload.log; dbcload-ch1.log, dbcload-ch2.log, ... with several).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/rules/convert_options.h"
#include "cli/run_report.h"
#include "dbc/database.h"

namespace cli {

// The load log of a database: in the current folder, or where --log says (a folder, or a file
// whose name gets "-ch1", "-ch2", ... before its extension with several databases). `channel` is
// -1 for the only database of a run.
std::filesystem::path loadLogPathFor(const std::string& logOption, int channel);

class ConvertDatabases {
public:
    // Loads what the request names; false after saying why on standard error.
    bool load(const ConvertRequest& request);
    // The database of every channel (--dbc FILE), nullptr when there is none.
    const dbc::CanDatabase* every() const { return every_; }
    // The databases of single channels, by channel number (0 CH1).
    const std::vector<std::pair<int32_t, const dbc::CanDatabase*>>& own() const { return own_; }
    std::vector<ReportDatabase> reportEntries() const { return entries_; }

private:
    bool loadOne(const std::string& path, const std::filesystem::path& log, bool quiet,
                 const std::string& channelName);

    std::vector<std::unique_ptr<dbc::CanDatabase>> owned_;
    const dbc::CanDatabase* every_ = nullptr;
    std::vector<std::pair<int32_t, const dbc::CanDatabase*>> own_;
    std::vector<ReportDatabase> entries_;
};

}  // namespace cli
