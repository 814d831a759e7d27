// What one conversion worker owns (its converters, its writer, the file it has loaded and the
// options in force) and the conversion of one file: load, convert, release. The Windows
// program's worker and each worker of the command line are one of these.
#pragma once

#include <cstdint>

#include "convert/converter.h"
#include "convert/job.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"

namespace convert {

struct ConversionWorker {
    explicit ConversionWorker(const dbc::CanDatabase& database) : converters(database) {}
    Converters converters;
    OutputWriter writer;
    monitor::MonitorFile monitor;
    ConversionOptions options;
};

// 0, or the loader's or the output file's result code.
int32_t convertOneFile(ConversionWorker& worker, const Path& input, const Path& output);

}  // namespace convert
