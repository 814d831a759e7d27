#include "cli/convert_worker.h"

namespace cli {

int32_t convertOneFile(ConvertWorker& worker, const convert::Path& input,
                       const convert::Path& output) {
    int32_t result = monitor::loadMonitorFile(worker.monitor, input);
    if (result != 0) return result;
    worker.options.outputPath = output;
    result = convert::convertFile(worker.converters, worker.monitor, worker.writer, worker.options);
    monitor::releaseMonitorFile(worker.monitor);
    return result;
}

}  // namespace cli
