#include "convert/converter.h"

#include "monitor/record_walk.h"
#include "platform/platform.h"

namespace convert {

namespace {

// Written completely as far as the capture goes: every whole record present was converted.
FileOutcome cutShortOutcome(const monitor::MonitorFile& file) {
    FileOutcome outcome;
    outcome.status = FileStatus::kCutShort;
    outcome.recordsClaimed = file.recordsClaimed;
    outcome.recordsPresent = file.count;
    return outcome;
}

}  // namespace

template <class Layout>
int32_t Converter::walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                               const TimeBase& time, RowSink& sink) {
    monitor::RecordWalk<Layout> walk(file);
    const bool admitted[2] = {options.admits(0), options.admits(1)};
    for (monitor::RecordKind kind = walk.first(); kind != monitor::kKindEnd; kind = walk.next()) {
        const int channel = monitor::frameChannelOf(kind);
        // The channel written comes from the record kind, never from a bit of the record.
        if (channel < 0 || !admitted[channel]) continue;
        if (!Layout::assemble(walk.cursor(), channel, frame_)) continue;
        if (!decoder_.decodeFrame(frame_, values_)) continue;
        sink.write({frame_, *decoder_.message(),
                    Layout::timeCount(walk.cursor()) * time.microsecondsPerCount, values_});
        if (sink.result() != 0) return platform::kOk;
    }
    return walk.error();
}

FileOutcome Converter::convert(const monitor::MonitorFile& file, const ConversionOptions& options,
                               RowSink& sink, const std::filesystem::path& output) {
    const int32_t opened = sink.open(output);
    if (opened != 0) return FileOutcome::outputFailed(opened);
    const TimeBase time = timeBaseFor(file, options.timeStamps);
    int32_t readResult = platform::kOk;
    const bool known = monitor::withRecordLayout(file.variant, [&](auto layout) {
        sink.begin(time);
        readResult = walkRecords<decltype(layout)>(file, options, time, sink);
    });
    // Data the walk cannot read or convert ends the output where it stands.
    const int32_t loadResult = known ? readResult : platform::kInvalidData;
    if (loadResult != platform::kOk) sink.fail(loadResult);
    const int32_t result = sink.close();
    if (loadResult != platform::kOk && result == loadResult) return FileOutcome::loadFailed(result);
    if (result != 0) return FileOutcome::outputFailed(result);
    return file.cutShort ? cutShortOutcome(file) : FileOutcome{};
}

}  // namespace convert
