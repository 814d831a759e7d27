#include "convert/file_converter.h"

namespace convert {

FileConverter::FileConverter(const dbc::CanDatabase& database, const ConversionOptions& options)
    : options_(options), converter_(database) {
    sink_.configure(options_);
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
    const FileOutcome outcome = converter_.convert(capture_, options_, sink_, output);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

}  // namespace convert
