// Capture files through the loader and the whole conversion, written to the null device. The
// conversion settings come from the input's last byte, so seeds stay real capture files. A file
// that loads converts with success, or with 0x8007000D when it has no accepted information.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "convert/converter.h"
#include "convert/csv_long_sink.h"
#include "convert/options.h"
#include "dbc/database.h"
#include "dbc/loader.h"
#include "monitor/monitor_file.h"
#include "platform/platform.h"

namespace {

dbc::CanDatabase database;

convert::ConversionOptions optionsFrom(uint8_t choice) {
    convert::ConversionOptions options;
    options.channels = static_cast<convert::Channels>(choice % 3);
    options.timeStamps = static_cast<convert::TimeStamps>((choice / 3) % 3);
    const bool all = (choice & 0x80) != 0;
    options.columns = {all, all, all, all, all, all};
    options.encoding = static_cast<convert::Encoding>((choice >> 4) % 3);
    options.lineEnd = static_cast<convert::LineEnd>((choice >> 2) % 3);
    options.delimiter = (choice & 0x40) ? u"\t;" : u",";
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!dbc::loadDbcFile(database, TXTCVT_FUZZ_DBC, "/dev/null")) {
        std::fputs("the fuzzing database did not load\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static convert::Converter converter(database);
    static convert::CsvLongSink sink;
    monitor::MonitorFile capture;
    const int32_t loaded = monitor::loadMonitorBytes(capture, data, size);
    if (loaded != platform::kOk) {
        if (loaded != platform::kInvalidData) std::abort();
        return 0;
    }
    const convert::ConversionOptions options = optionsFrom(data[size - 1]);
    sink.configure(options);
    const int32_t result = converter.convert(capture, options, sink, "/dev/null").code;
    if (result != platform::kOk && !(result == platform::kInvalidData && capture.variant == 0)) {
        std::abort();
    }
    return 0;
}
