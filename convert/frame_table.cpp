#include "convert/frame_table.h"

#include "monitor/record_walk.h"
#include "platform/platform.h"

namespace convert {

namespace {

template <class Layout>
int32_t walkFrames(const monitor::MonitorFile& file, FrameTable& table) {
    monitor::RecordWalk<Layout> walk(file);
    monitor::CapturedFrame frame;
    for (monitor::RecordKind kind = walk.first(); kind != monitor::kKindEnd; kind = walk.next()) {
        const int channel = monitor::frameChannelOf(kind);
        if (channel < 0 || !Layout::assemble(walk.cursor(), channel, frame)) continue;
        table.record.push_back(walk.index());
        const RowTime time = rowTimeOf(
            table.time, Layout::timeCount(walk.cursor()) * table.time.microsecondsPerCount);
        table.instant.push_back(time.instant);
        table.elapsed.push_back(time.elapsed);
        table.channel.push_back(static_cast<uint8_t>(channel + 1));
        table.id.push_back(frame.canId);
        table.extended.push_back(frame.isExtended ? 1 : 0);
        table.length.push_back(static_cast<uint8_t>(frame.dataLength));
        table.data.insert(table.data.end(), frame.data, frame.data + frame.dataLength);
    }
    return walk.error();
}

}  // namespace

int32_t readFrameTable(const monitor::MonitorFile& file, FrameTable& table) {
    table = FrameTable{};
    table.time = timeBaseFor(file, settings::TimeStamps::kTimeOfDay);
    int32_t result = platform::kInvalidData;
    monitor::withRecordLayout(
        file.variant, [&](auto layout) { result = walkFrames<decltype(layout)>(file, table); });
    return result;
}

}  // namespace convert
