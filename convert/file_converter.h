// What one conversion worker owns: the converter, the sink with its output buffer and the
// capture it has loaded. Converts one file at a time: load, convert, release. The Windows
// program's worker and each worker of the command line are one of these.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>

#include "convert/converter.h"
#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/outcome.h"
#include "convert/row_sink.h"
#include "convert/run_control.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"

namespace convert {

class FileConverter {
public:
    // `abort`, when given, gives up the file in hand as soon as it is set (its old output stays).
    FileConverter(const dbc::CanDatabase& database, const ConversionOptions& options,
                  const std::atomic<bool>* abort = nullptr)
        : FileConverter(Decoding::of(database), options, RunControl{abort, nullptr}) {}
    FileConverter(const Decoding& decoding, const ConversionOptions& options,
                  const RunControl& control = {});

    FileOutcome convert(const std::filesystem::path& input, const std::filesystem::path& output);

private:
    ConversionOptions options_;
    Converter converter_;
    std::unique_ptr<RowSink> sink_;
    monitor::MonitorFile capture_;
};

}  // namespace convert
