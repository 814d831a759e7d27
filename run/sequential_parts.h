// A text log (ASC, candump, TRC, gzip-compressed or not) cut into parts for several workers.
// Its lines only read right in order (relative times, the channels in order of appearance, the
// header's settings, line numbers), so the parts are runs of frames read by one source: the
// workers take turns reading the next run into memory, then convert it side by side with the
// others. Reading a line is a small share of converting its frame, so the workers still share
// most of the work.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <mutex>

#include "run/part_file.h"
#include "sources/frame_list_source.h"
#include "sources/frame_source.h"

namespace run {

class SequentialParts final : public PartFile {
public:
    // Parts are sized in frames.
    static constexpr PartSizes kSizes{
        .firstUnits = 8192, .minUnits = 1024, .maxUnits = 65536, .outputBytes = uint64_t{2} << 20};
    // A file of fewer stored bytes is read and converted by one worker.
    static constexpr uint64_t kMinFileBytes = uint64_t{1} << 20;

    // `source`: the log opened already, none of its frames read; it must outlive the parts.
    explicit SequentialParts(sources::FrameSource& source) : source_(source) {}
    // Whether the file at `input` is worth several workers.
    static bool worthParts(const std::filesystem::path& input, unsigned workers);

    uint64_t begin() const override { return 0; }
    // Unknown until the source ends.
    uint64_t end() const override;
    uint64_t cutAfter(uint64_t first, uint64_t units) override { return first + units; }
    std::unique_ptr<PartReader> openReader(platform::Status& failure) override;

    // The frames from number `first` to before `end` into `into` (the part's counts, status and
    // bytes read with them), once the parts before have been read; none once the log ended.
    void read(uint64_t first, uint64_t end, sources::FrameListSource& into);

private:
    sources::FrameSource& source_;
    mutable std::mutex mutex_;
    std::condition_variable turn_;
    uint64_t read_ = 0;  // frames read so far
    uint64_t end_ = std::numeric_limits<uint64_t>::max();
    sources::SourceCounts counted_;  // the source's counts after the parts read so far
    uint64_t bytesRead_ = 0;
};

}  // namespace run
