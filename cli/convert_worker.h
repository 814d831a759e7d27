// One conversion worker of txtcvt-cli convert: what it owns, and the conversion of one file as
// the Windows program's worker does it (load, convert, release).
#pragma once

#include <cstdint>

#include "convert/converter.h"
#include "convert/job.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"

namespace cli {

struct ConvertWorker {
    explicit ConvertWorker(const dbc::CanDatabase& database) : converters(database) {}
    convert::Converters converters;
    convert::OutputWriter writer;
    monitor::MonitorFile monitor;
    convert::ConversionOptions options;
};

// 0, or the loader's or the output file's result code.
int32_t convertOneFile(ConvertWorker& worker, const convert::Path& input,
                       const convert::Path& output);

}  // namespace cli
