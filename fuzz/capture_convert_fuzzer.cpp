// Capture files through the loader and the whole conversion, written to the null device. The
// conversion settings come from the input's last byte, so seeds stay real capture files. A file
// that loads converts with success, or with 0x8007000D when it has no accepted information.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "convert/converter.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "dbc/database.h"
#include "dbc/loader.h"
#include "monitor/monitor_file.h"
#include "platform/platform.h"

namespace {

dbc::CanDatabase database;

convert::ConversionOptions optionsFrom(uint8_t choice) {
    convert::ConversionOptions options;
    options.channelFilter = choice % 3;
    options.timestampPreference = (choice / 3) % 3;
    options.printFlags = (choice & 0x80) ? 0xFFu : 0u;
    options.outputFormat = (choice >> 4) & 0x0F;
    options.delimiter = (choice & 0x40) ? u"\t;" : u",";
    options.outputPath = "/dev/null";
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
    static convert::Converters converters(database);
    static convert::OutputWriter writer;
    monitor::MonitorFile capture;
    const int32_t loaded = monitor::loadMonitorBytes(capture, data, size);
    if (loaded != platform::kOk) {
        if (loaded != platform::kInvalidData) std::abort();
        return 0;
    }
    const convert::ConversionOptions options = optionsFrom(data[size - 1]);
    const int32_t result = convert::convertFile(converters, capture, writer, options);
    if (result != platform::kOk && !(result == platform::kInvalidData && capture.variant == 0)) {
        std::abort();
    }
    return 0;
}
