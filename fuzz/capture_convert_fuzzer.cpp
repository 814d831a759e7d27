// Capture files through the loader and the whole conversion, written to the null device. The
// conversion settings come from the input's last byte, so seeds stay real capture files. A file
// that loads converts with success, or with 0x8007000D when it has no accepted information.
#include <cstddef>
#include <cstdint>

#include "dbc/database.h"
#include "fuzz/capture_fuzzing.h"
#include "monitor/monitor_file.h"

namespace {

dbc::CanDatabase database;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::loadExampleDatabase(database);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    monitor::MonitorFile capture;
    if (fuzzing::loadCapture(capture, data, size)) {
        fuzzing::convertAndCheck(database, capture, data[size - 1]);
    }
    return 0;
}
