// Which frames a walk hands on: those of the chosen channels and identifiers (--channel, --ids).
// Error frames belong to a channel but carry no identifier of a message, and a source's own bus
// events belong to neither: only a filter that narrows nothing keeps them all.
#pragma once

#include <cstdint>
#include <vector>

#include "can/frame.h"
#include "can/id_range.h"

namespace sources {

class FrameFilter {
public:
    FrameFilter() = default;  // every frame
    // `channels`: the channel numbers kept (0 for CH1); empty: every channel.
    FrameFilter(std::vector<int32_t> channels, std::vector<can::IdRange> ids)
        : channels_(std::move(channels)), ids_(std::move(ids)) {}

    bool admitsChannel(int32_t channel) const {
        if (channels_.empty()) return true;
        for (const int32_t kept : channels_) {
            if (kept == channel) return true;
        }
        return false;
    }
    bool admits(const can::Frame& frame) const {
        switch (frame.kind) {
            case can::FrameKind::kData:
            case can::FrameKind::kRemote:
                return admitsChannel(frame.channel) && can::idSelected(ids_, frame.canId);
            case can::FrameKind::kError:
                return admitsChannel(frame.channel) && ids_.empty();
            case can::FrameKind::kDamaged:
                return admitsChannel(frame.channel);
            default:
                return !narrows();
        }
    }
    bool narrows() const { return !channels_.empty() || !ids_.empty(); }
    const std::vector<can::IdRange>& ids() const { return ids_; }

private:
    std::vector<int32_t> channels_;
    std::vector<can::IdRange> ids_;
};

}  // namespace sources
