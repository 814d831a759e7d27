#include "run/sequential_parts.h"

#include <algorithm>
#include <vector>

#include "sources/frame_list_source.h"

namespace run {

namespace {

constexpr size_t kReadStep = 4096;  // frames read at a time

// What the source counted since `before`: the counts of one part.
sources::SourceCounts countedSince(const sources::SourceCounts& before,
                                   const sources::SourceCounts& now) {
    sources::SourceCounts part;
    for (const auto& [kind, count] : now.skipped) {
        const auto earlier = before.skipped.find(kind);
        const uint64_t was = earlier != before.skipped.end() ? earlier->second : 0;
        if (count > was) part.skipped[kind] = count - was;
    }
    part.unreadable = now.unreadable - std::min(now.unreadable, before.unreadable);
    for (size_t i = before.firstUnreadable.size(); i < now.firstUnreadable.size(); ++i) {
        part.firstUnreadable.push_back(now.firstUnreadable[i]);
    }
    part.records = now.records - std::min(now.records, before.records);
    if (now.cutShort && !before.cutShort) {
        part.cutShort = true;
        part.recordsClaimed = now.recordsClaimed;
        part.cutShortWhere = now.cutShortWhere;
    }
    return part;
}

class SequentialReader final : public PartReader {
public:
    explicit SequentialReader(SequentialParts& parts) : parts_(parts) {}
    sources::FrameSource& readPart(size_t /*index*/, uint64_t first, uint64_t end) override {
        parts_.read(first, end, list_);
        return list_;
    }

private:
    SequentialParts& parts_;
    sources::FrameListSource list_;
};

}  // namespace

bool SequentialParts::worthParts(const std::filesystem::path& input, unsigned workers) {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(input, error);
    return workers > 1 && !error && size >= kMinFileBytes;
}

uint64_t SequentialParts::end() const {
    const std::lock_guard lock(mutex_);
    return end_;
}

std::unique_ptr<PartReader> SequentialParts::openReader(platform::Status& failure) {
    failure = {};
    return std::make_unique<SequentialReader>(*this);
}

void SequentialParts::read(uint64_t first, uint64_t end, sources::FrameListSource& into) {
    into.reset(source_.timeOrigin(), source_.formatName());
    std::unique_lock lock(mutex_);
    turn_.wait(lock, [&] { return read_ == first || first >= end_; });
    if (first >= end_) return;  // taken before the log was seen to end: no frames
    // The turn is this part's alone until it is handed on: the source is read unlocked.
    lock.unlock();
    std::vector<can::Frame>& frames = into.frames();
    const uint64_t wanted = end - first;
    bool ended = false;
    try {
        while (frames.size() < wanted) {
            const size_t have = frames.size();
            const auto step = static_cast<size_t>(std::min<uint64_t>(kReadStep, wanted - have));
            frames.resize(have + step);
            const size_t got = source_.read({frames.data() + have, step});
            frames.resize(have + got);
            if (got == 0) {
                ended = true;
                break;
            }
        }
    } catch (...) {
        // The file ends here for the parts after, which would wait for this one for ever.
        lock.lock();
        end_ = first;
        lock.unlock();
        turn_.notify_all();
        throw;
    }
    into.partCounts() = countedSince(counted_, source_.counts());
    counted_ = source_.counts();
    const uint64_t bytes = source_.bytesRead();
    into.end(ended ? source_.status() : platform::Status{}, bytes - std::min(bytes, bytesRead_));
    bytesRead_ = bytes;
    lock.lock();
    read_ = first + frames.size();
    if (ended) end_ = read_;
    lock.unlock();
    turn_.notify_all();
}

}  // namespace run
