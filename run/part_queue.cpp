#include "run/part_queue.h"

namespace run {

namespace {

// A worker's own opening of the capture the parts were cut from: a file changed since it was
// opened first takes no part (0x8007000D), since its records are not the ones of the parts.
class CaptureReader final : public PartReader {
public:
    platform::Status open(const std::filesystem::path& input, const monitor::MonitorFile& head) {
        platform::Status opened = source_.open(input);
        if (!opened.ok()) return opened;
        const monitor::MonitorFile& mine = source_.capture();
        if (mine.variant != head.variant || mine.count != head.count ||
            mine.recordsOffset != head.recordsOffset) {
            return platform::Status::failure(platform::kInvalidData);
        }
        return {};
    }
    sources::FrameSource& readPart(size_t /*index*/, uint64_t first, uint64_t end) override {
        source_.walkPart(static_cast<uint32_t>(first), static_cast<uint32_t>(end));
        return source_;
    }

private:
    sources::CaptureSource source_;
};

}  // namespace

std::unique_ptr<PartReader> CaptureParts::openReader(platform::Status& failure) {
    auto reader = std::make_unique<CaptureReader>();
    failure = reader->open(input_, head_);
    if (!failure.ok()) return nullptr;
    return reader;
}

void addPartCounts(sources::SourceCounts& file, const sources::SourceCounts& part) {
    for (const auto& [kind, count] : part.skipped) file.skipped[kind] += count;
    file.unreadable += part.unreadable;
    for (const uint64_t place : part.firstUnreadable) {
        if (file.firstUnreadable.size() < sources::SourceCounts::kKeptUnreadable) {
            file.firstUnreadable.push_back(place);
        }
    }
    file.records += part.records;
    if (part.cutShort && !file.cutShort) {
        file.cutShort = true;
        file.recordsClaimed = part.recordsClaimed;
        file.cutShortWhere = part.cutShortWhere;
    }
}

}  // namespace run
