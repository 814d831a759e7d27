#include "cli/convert_databases.h"

#include <cstdio>

#include "cli/rules/dbc_report.h"
#include "dbc/loader.h"
#include "platform/text_encoding.h"

namespace cli {

std::filesystem::path loadLogPathFor(const std::string& logOption, int channel) {
    const std::string name =
        channel < 0 ? "dbcload.log" : "dbcload-ch" + std::to_string(channel + 1) + ".log";
    if (logOption.empty()) return name;
    std::filesystem::path path = platform::pathFromUtf8(logOption);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return path / name;
    if (channel < 0) return path;
    std::filesystem::path named = path;
    named.replace_filename(platform::pathToUtf8(path.stem()) + "-ch" + std::to_string(channel + 1) +
                           platform::pathToUtf8(path.extension()));
    return named;
}

bool ConvertDatabases::loadOne(const std::string& path, const std::filesystem::path& log,
                               bool quiet, const std::string& channelName) {
    auto database = std::make_unique<dbc::CanDatabase>();
    dbc::LoadOptions options;
    options.logPath = log;
    options.openDiagnostic = false;  // reported below, once, with its reason
    dbc::LoadSummary summary;
    const bool loaded =
        dbc::loadDbcFile(*database, platform::pathFromUtf8(path), options, &summary);
    if (dbcLoadRan(summary) && !quiet) {
        std::fprintf(stderr, "%s:%s\n", path.c_str(), summary.lastLogLine.c_str());
    }
    reportDbcLoad(stderr, path, summary, loaded, platform::pathToUtf8(log));
    if (!loaded) return false;
    entries_.push_back({channelName, path, dbc::messageCount(*database),
                        dbc::signalCount(*database), summary.errorCount});
    owned_.push_back(std::move(database));
    return true;
}

bool ConvertDatabases::load(const ConvertRequest& request) {
    if (!request.dbcPath.empty()) {
        if (!loadOne(request.dbcPath, loadLogPathFor(request.logPath, -1), request.run.quiet,
                     "both")) {
            return false;
        }
        every_ = owned_.back().get();
        return true;
    }
    const bool several = request.channelDbcPaths.size() > 1;
    for (const auto& [channel, path] : request.channelDbcPaths) {
        const std::string name = "ch" + std::to_string(channel + 1);
        if (!loadOne(path, loadLogPathFor(request.logPath, several ? channel : -1),
                     request.run.quiet, name)) {
            return false;
        }
        own_.emplace_back(channel, owned_.back().get());
    }
    return true;
}

}  // namespace cli
