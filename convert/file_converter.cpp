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
    monitor::LoadReport report;
    const int32_t loaded = monitor::loadMonitorFile(capture_, input, &report);
    if (loaded != 0) {
        FileOutcome outcome = FileOutcome::loadFailed(loaded);
        if (report.tooLarge) outcome.detail = FailureDetail::kCaptureTooLarge;
        return outcome;
    }
    std::shared_ptr<CaptureStats> stats;
    if (options_.collectStats) stats = std::make_shared<CaptureStats>();
    FileOutcome outcome = converter_.convert(capture_, options_, *sink_, output, stats.get());
    outcome.stats = std::move(stats);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

}  // namespace convert
