#include "columns/frame_columns.h"

namespace columns {

platform::Status readFrameTable(sources::FrameSource& source, FrameTable& table,
                                const sources::WalkControl& control) {
    table = FrameTable{};
    table.time = tables::timeBaseFor(source.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    const sources::FrameFilter everything;
    sources::FrameWalk walk(source, everything, control);
    return walk.run([&](const can::Frame& frame) {
        if (frame.kind != can::FrameKind::kData) return true;
        table.record.push_back(static_cast<uint32_t>(frame.place));
        const RowTime time = rowTimeOf(table.time, frame.time / 1000);
        table.instant.push_back(time.instant);
        table.elapsed.push_back(time.elapsed);
        table.channel.push_back(static_cast<uint8_t>(frame.channel + 1));
        table.id.push_back(frame.canId);
        table.extended.push_back(frame.isExtended ? 1 : 0);
        table.length.push_back(static_cast<uint8_t>(frame.dataLength));
        table.data.insert(table.data.end(), frame.data, frame.data + frame.dataLength);
        return true;
    });
}

}  // namespace columns
