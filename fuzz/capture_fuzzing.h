// What the capture fuzz targets share: the example database, loading, and the conversion with
// settings chosen by one byte of the input so that the seeds stay real capture files (channel
// filter, time stamps, columns, encoding, line end and delimiter all vary).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "csv/csv_long_sink.h"
#include "dbc/database.h"
#include "dbc/loader.h"
#include "monitor/monitor_file.h"
#include "platform/platform.h"
#include "run/converter.h"
#include "run/file_converter.h"
#include "sources/capture_source.h"
#include "tables/table_options.h"

namespace fuzzing {

// TXTCVT_FUZZ_DBC names examples/vehicle.dbc; a target without it cannot run.
inline void loadExampleDatabase(dbc::CanDatabase& database) {
    if (!dbc::loadDbcFile(database, TXTCVT_FUZZ_DBC, "/dev/null")) {
        std::fputs("the fuzzing database did not load\n", stderr);
        std::abort();
    }
}

inline tables::ConversionOptions optionsFrom(uint8_t choice) {
    tables::ConversionOptions options;
    options.channels = static_cast<settings::Channels>(choice % 3);
    options.timeStamps = static_cast<settings::TimeStamps>((choice / 3) % 3);
    const bool all = (choice & 0x80) != 0;
    options.columns = {all, all, all, all, all, all};
    options.encoding = static_cast<settings::Encoding>((choice >> 4) % 3);
    options.lineEnd = static_cast<settings::LineEnd>((choice >> 2) % 3);
    options.delimiter = (choice & 0x40) ? u"\t;" : u",";
    return options;
}

// Loads an input; false when it is refused, which bytes in memory may only be as invalid data.
inline bool loadCapture(monitor::MonitorFile& capture, const uint8_t* data, size_t size) {
    const int32_t loaded = monitor::loadMonitorBytes(capture, data, size);
    if (loaded != platform::kOk && loaded != platform::kInvalidData) std::abort();
    return loaded == platform::kOk;
}

// Converts a loaded capture into the null device with the settings `choice` picks. It converts
// with success (a cut one as cut short), or with 0x8007000D without an accepted information
// block.
inline void convertAndCheck(const dbc::CanDatabase& database, const monitor::MonitorFile& capture,
                            uint8_t choice) {
    const tables::ConversionOptions options = optionsFrom(choice);
    run::Converter converter(decode::Decoding::of(database), options);
    static csv::CsvLongSink sink;
    sink.configure(options);
    sources::CaptureSource source(capture);
    const run::FileOutcome outcome = run::convertSource(source, converter, sink, "/dev/null", {});
    const bool expected =
        capture.variant == 0
            ? outcome.code == platform::kInvalidData
            : outcome.code == platform::kOk &&
                  (outcome.status == run::FileStatus::kCutShort) == capture.cutShort;
    if (!expected) std::abort();
}

}  // namespace fuzzing
