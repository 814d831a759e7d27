#include "convert/file_converter.h"

#include "convert/sinks.h"

namespace convert {

FileConverter::FileConverter(const Decoding& decoding, const ConversionOptions& options,
                             const RunControl& control)
    : options_(options),
      converter_(decoding),
      sink_(makeRowSink(decoding, options, control.abort)) {
    converter_.setProgress(control.bytesWalked);
}

FileOutcome FileConverter::convert(const std::filesystem::path& input,
                                   const std::filesystem::path& output) {
    const int32_t loaded = monitor::loadMonitorFile(capture_, input);
    if (loaded != 0) return FileOutcome::loadFailed(loaded);
    std::shared_ptr<CaptureStats> stats;
    if (options_.collectStats) stats = std::make_shared<CaptureStats>();
    FileOutcome outcome = converter_.convert(capture_, options_, *sink_, output, stats.get());
    outcome.stats = std::move(stats);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

}  // namespace convert
