#include "run/part_queue.h"

namespace run {

platform::Status openPartSource(const std::filesystem::path& input,
                                const monitor::MonitorFile& head, sources::CaptureSource& source) {
    platform::Status opened = source.open(input);
    if (!opened.ok()) return opened;
    const monitor::MonitorFile& mine = source.capture();
    if (mine.variant != head.variant || mine.count != head.count ||
        mine.recordsOffset != head.recordsOffset) {
        return platform::Status::failure(platform::kInvalidData);
    }
    return {};
}

}  // namespace run
