#include "sources/frame_walk.h"

namespace sources {

void WalkCounts::countOther(const can::Frame& frame) {
    if (frame.kind == can::FrameKind::kEvent || frame.channel < 0 ||
        frame.channel > can::kMaxChannel) {
        ++events;
        return;
    }
    const auto channel = static_cast<size_t>(frame.channel);
    if (channel >= channels.size()) channels.resize(channel + 1);
    ChannelFrames& frames = channels[channel];
    switch (frame.kind) {
        case can::FrameKind::kData:
            ++frames.data;
            frames.fd += frame.isFd ? 1 : 0;
            break;
        case can::FrameKind::kRemote:
            ++frames.remote;
            break;
        case can::FrameKind::kError:
            ++frames.error;
            break;
        default:
            ++frames.damaged;
            break;
    }
}

FrameWalk::FrameWalk(FrameSource& source, const FrameFilter& filter, const WalkControl& control)
    : source_(source),
      filter_(filter),
      control_(control),
      block_(std::make_unique<can::Frame[]>(kBlockFrames)) {}

void FrameWalk::reportProgress() {
    const uint64_t walked = source_.bytesRead();
    if (control_.bytesWalked != nullptr && walked > reported_) {
        control_.bytesWalked->fetch_add(walked - reported_, std::memory_order_relaxed);
    }
    if (walked > reported_) reported_ = walked;
}

}  // namespace sources
