// The one walk over the frames of an input, whatever its format: the table conversion, the CAN
// log export, the Python frame table and `inspect` all go through it. It reads the source a block
// of frames at a time, counts what it meets before any filter, hands on the frames the filter
// admits, adds the bytes it walked to the progress count, and gives up at once when the stop
// request is set. A consumer only looks at frames.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "can/frame.h"
#include "platform/status.h"
#include "sources/frame_filter.h"
#include "sources/frame_source.h"

namespace sources {

// What the walk of a run watches and tells: a flag that gives up the file in hand (Ctrl-C, the
// Windows program's stop), and a count of the input bytes walked, for a progress display.
struct WalkControl {
    const std::atomic<bool>* stop = nullptr;
    std::atomic<uint64_t>* bytesWalked = nullptr;

    bool stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
};

// The frames of one channel the walk met, whatever the filter.
struct ChannelFrames {
    uint64_t data = 0;
    uint64_t remote = 0;
    uint64_t error = 0;
    uint64_t damaged = 0;  // frames the source could not read whole
    uint64_t fd = 0;       // of the data frames, those of CAN FD

    bool any() const { return data + remote + error + damaged > 0; }
    void add(const ChannelFrames& other) {
        data += other.data;
        remote += other.remote;
        error += other.error;
        damaged += other.damaged;
        fd += other.fd;
    }
};

struct WalkCounts {
    std::vector<ChannelFrames> channels;  // by channel number, as far as one was met
    uint64_t events = 0;

    // The frames of a channel, none for one never met.
    ChannelFrames of(int32_t channel) const {
        const auto index = static_cast<size_t>(channel);
        return channel >= 0 && index < channels.size() ? channels[index] : ChannelFrames{};
    }
    // Inline for the common case, a data frame of a channel met before.
    void count(const can::Frame& frame) {
        const auto channel = static_cast<size_t>(frame.channel);  // -1 (no channel) is huge
        if (frame.kind == can::FrameKind::kData && channel < channels.size()) {
            ++channels[channel].data;
            channels[channel].fd += frame.isFd ? 1 : 0;
            return;
        }
        countOther(frame);
    }

private:
    void countOther(const can::Frame& frame);
};

class FrameWalk {
public:
    // Frames read from the source at a time.
    static constexpr size_t kBlockFrames = 512;

    // The walk keeps a reference to the filter: it must outlive the walk.
    FrameWalk(FrameSource& source, const FrameFilter& filter, const WalkControl& control);
    FrameWalk(FrameSource& source, FrameFilter&& filter, const WalkControl& control) = delete;

    // Hands each admitted frame, in the source's order, to `consume`, a callable taking
    // `const can::Frame&` and returning false to end the walk early (a sink that failed). The
    // result: success at the end of the source or when the consumer ended it, kCancelled when
    // the stop request ended it, else the source's failure.
    template <class Consume>
    platform::Status run(Consume&& consume) {
        for (;;) {
            if (control_.stopped()) return platform::Status::failure(platform::kCancelled);
            const size_t count = source_.read({block_.get(), kBlockFrames});
            reportProgress();
            if (count == 0) break;
            const can::Frame* const frames = block_.get();
            const bool narrows = filter_.narrows();
            for (size_t i = 0; i < count; ++i) {
                const can::Frame& frame = frames[i];
                counts_.count(frame);
                if ((!narrows || filter_.admits(frame)) && !consume(frame)) return {};
            }
        }
        return source_.status();
    }

    const WalkCounts& counts() const { return counts_; }

private:
    void reportProgress();

    FrameSource& source_;
    const FrameFilter& filter_;
    WalkControl control_;
    std::unique_ptr<can::Frame[]> block_;
    WalkCounts counts_;
    uint64_t reported_ = 0;  // bytes added to the progress count so far
};

}  // namespace sources
