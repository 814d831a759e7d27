#include "columns/frame_columns.h"

#include "columns/column_append.h"

namespace columns {

void FrameTable::append(const FrameTable& later) {
    appendColumn(record, later.record);
    appendColumn(instant, later.instant);
    appendColumn(elapsed, later.elapsed);
    appendColumn(channel, later.channel);
    appendColumn(id, later.id);
    appendColumn(extended, later.extended);
    appendColumn(length, later.length);
    appendColumn(data, later.data);
    appendColumn(kind, later.kind);
    appendColumn(fd, later.fd);
    appendColumn(bitRateSwitch, later.bitRateSwitch);
    appendColumn(errorState, later.errorState);
    appendColumn(transmitted, later.transmitted);
}

platform::Status readFrameTable(sources::FrameSource& source, FrameTable& table,
                                const sources::WalkControl& control) {
    table = FrameTable{};
    table.time = tables::timeBaseFor(source.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    const sources::FrameFilter everything;
    sources::FrameWalk walk(source, everything, control);
    return walk.run([&](const can::Frame& frame) {
        uint8_t kind = 0;
        if (frame.kind == can::FrameKind::kRemote) kind = 1;
        if (frame.kind == can::FrameKind::kError) kind = 2;
        if (frame.kind != can::FrameKind::kData && kind == 0) return true;
        table.record.push_back(frame.place);
        const RowTime time = rowTimeOf(table.time, frame.time / 1000);
        table.instant.push_back(time.instant);
        table.elapsed.push_back(time.elapsed);
        table.channel.push_back(static_cast<uint16_t>(frame.channel + 1));
        table.id.push_back(frame.canId);
        table.extended.push_back(frame.isExtended ? 1 : 0);
        table.length.push_back(static_cast<uint8_t>(frame.dataLength));
        // A remote frame's length is the one it asks for: it carries no bytes.
        if (kind != 1)
            table.data.insert(table.data.end(), frame.data, frame.data + frame.dataLength);
        table.kind.push_back(kind);
        table.fd.push_back(frame.isFd || frame.dataLength > 8 ? 1 : 0);
        table.bitRateSwitch.push_back(frame.bitRateSwitch ? 1 : 0);
        table.errorState.push_back(frame.errorState ? 1 : 0);
        table.transmitted.push_back(frame.transmitted ? 1 : 0);
        return true;
    });
}

}  // namespace columns
