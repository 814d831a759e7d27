#include "convert/file_converter.h"

#include "convert/capture_outcome.h"
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
    if (FileOutcome failure; !loadCapture(capture_, input, failure)) return failure;
    std::shared_ptr<CaptureStats> stats;
    if (options_.collectStats) stats = std::make_shared<CaptureStats>();
    FileOutcome outcome = converter_.convert(capture_, options_, *sink_, output, stats.get());
    outcome.stats = std::move(stats);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

}  // namespace convert
