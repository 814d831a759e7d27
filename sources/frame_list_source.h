// Frames read ahead into memory, handed on as a source: one part of a log that a worker reads
// whole before it converts it, since the part after it goes on from where its reading ended.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "sources/frame_source.h"

namespace sources {

class FrameListSource final : public FrameSource {
public:
    // Starts a new list (the room of the frames before kept).
    void reset(const TimeOrigin& origin, std::string_view formatName) {
        origin_ = origin;
        formatName_ = formatName;
        frames_.clear();
        counts_ = {};
        ended_ = {};
        fileBytes_ = 0;
        next_ = 0;
    }
    // Filled by the reading of the part; its counts are the part's alone.
    std::vector<can::Frame>& frames() { return frames_; }
    SourceCounts& partCounts() { return counts_; }
    // How the reading ended, handed on after the last frame, and the file bytes it read, handed
    // on as progress with the frames.
    void end(const platform::Status& ended, uint64_t fileBytes) {
        ended_ = ended;
        fileBytes_ = fileBytes;
    }

    size_t read(std::span<can::Frame> out) override {
        const size_t count = std::min(out.size(), frames_.size() - next_);
        std::copy_n(frames_.begin() + static_cast<std::ptrdiff_t>(next_), count, out.begin());
        next_ += count;
        return count;
    }
    platform::Status status() const override {
        return next_ == frames_.size() ? ended_ : platform::Status{};
    }
    uint64_t bytesRead() const override {
        return frames_.empty() ? fileBytes_ : fileBytes_ * next_ / frames_.size();
    }
    const TimeOrigin& timeOrigin() const override { return origin_; }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return formatName_; }

private:
    TimeOrigin origin_;
    std::string_view formatName_;
    std::vector<can::Frame> frames_;
    SourceCounts counts_;
    platform::Status ended_;
    uint64_t fileBytes_ = 0;
    size_t next_ = 0;
};

}  // namespace sources
