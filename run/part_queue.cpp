#include "run/part_queue.h"

namespace run {

platform::Status openPartSource(const std::filesystem::path& input,
                                const monitor::MonitorFile& head, sources::CaptureSource& source) {
    const platform::Status opened = source.open(input);
    if (!opened.ok()) return opened;
    const monitor::MonitorFile& mine = source.capture();
    if (mine.variant != head.variant || mine.count != head.count ||
        mine.recordsOffset != head.recordsOffset) {
        return platform::Status::failure(platform::kInvalidData);
    }
    return {};
}

void addPartStats(FileStats& file, FileStats& part) {
    part.records = 0;  // each part says the whole capture's
    const bool timed = part.timed;
    const uint64_t first = part.firstMicroseconds;
    const uint64_t last = part.lastMicroseconds;
    file.add(part);
    if (timed) {
        if (!file.timed) file.firstMicroseconds = first;
        file.lastMicroseconds = last;
        file.timed = true;
    }
}

}  // namespace run
