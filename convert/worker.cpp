#include "convert/worker.h"

namespace convert {

int32_t convertOneFile(ConversionWorker& worker, const Path& input, const Path& output) {
    int32_t result = monitor::loadMonitorFile(worker.monitor, input);
    if (result != 0) return result;
    worker.options.outputPath = output;
    result = convertFile(worker.converters, worker.monitor, worker.writer, worker.options);
    monitor::releaseMonitorFile(worker.monitor);
    return result;
}

}  // namespace convert
