#include "convert/file_converter.h"

namespace convert {

FileConverter::FileConverter(const dbc::CanDatabase& database, const ConversionOptions& options,
                             const std::atomic<bool>* abort)
    : options_(options), converter_(database) {
    sink_.configure(options_, &database);
    sink_.setAbortFlag(abort);
}

FileOutcome FileConverter::convert(const std::filesystem::path& input,
                                   const std::filesystem::path& output) {
    const int32_t loaded = monitor::loadMonitorFile(capture_, input);
    if (loaded != 0) return FileOutcome::loadFailed(loaded);
    const FileOutcome outcome = converter_.convert(capture_, options_, sink_, output);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

}  // namespace convert
