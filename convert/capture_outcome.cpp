#include "convert/capture_outcome.h"

namespace convert {

bool loadCapture(monitor::MonitorFile& capture, const std::filesystem::path& input,
                 FileOutcome& failure) {
    monitor::LoadReport report;
    const int32_t loaded = monitor::loadMonitorFile(capture, input, &report);
    if (loaded == 0) return true;
    failure = FileOutcome::loadFailed(loaded);
    if (report.tooLarge) failure.detail = FailureDetail::kCaptureTooLarge;
    return false;
}

FileOutcome writtenOutcome(const monitor::MonitorFile& capture) {
    if (!capture.cutShort) return {};
    FileOutcome outcome;
    outcome.status = FileStatus::kCutShort;
    outcome.recordsClaimed = capture.recordsClaimed;
    outcome.recordsPresent = capture.count;
    return outcome;
}

}  // namespace convert
