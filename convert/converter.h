// The record walk of one capture: every head record of a CAN frame on an admitted channel is
// assembled, decoded through the database, and handed to a sink. Written once for both record
// layouts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "convert/decode.h"
#include "convert/options.h"
#include "convert/outcome.h"
#include "convert/row_sink.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"
#include "monitor/records.h"

namespace convert {

class Converter {
public:
    explicit Converter(const dbc::CanDatabase& database) : decoder_(database) {}

    // Converts the loaded file into `output` through the sink (configured by the caller). A file
    // of an unknown record layout gets an output without lines and fails with 0x8007000D; one
    // cut short inside its records is converted as far as it goes and reported as kCutShort. A
    // capture whose records cannot be read fails as kLoadFailed with the system's error, its
    // output ending where the reading stopped.
    FileOutcome convert(const monitor::MonitorFile& file, const ConversionOptions& options,
                        RowSink& sink, const std::filesystem::path& output);

private:
    // 0, or why the records could not be read.
    template <class Layout>
    int32_t walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                        const TimeBase& time, RowSink& sink);

    FrameDecoder decoder_;
    std::vector<SignalValue> values_;
    monitor::CapturedFrame frame_;
};

}  // namespace convert
