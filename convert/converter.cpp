#include "convert/converter.h"

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
void Converter::walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                            const TimeBase& time, RowSink& sink) {
    if (file.count == 0 || file.records == nullptr) return;
    monitor::RecordCursor cursor{0, file.count, file.records};
    const bool admitted[2] = {options.admits(0), options.admits(1)};
    for (monitor::RecordKind kind = Layout::first(cursor); kind != monitor::kKindEnd;
         kind = Layout::next(cursor)) {
        const int channel = monitor::frameChannelOf(kind);
        // The channel written comes from the record kind, never from a bit of the record.
        if (channel < 0 || !admitted[channel]) continue;
        if (!Layout::assemble(cursor, channel, frame_)) continue;
        if (!decoder_.decodeFrame(frame_, values_)) continue;
        sink.write({frame_, *decoder_.message(),
                    Layout::timeCount(cursor) * time.microsecondsPerCount, values_});
        if (sink.result() != 0) return;
    }
}

FileOutcome Converter::convert(const monitor::MonitorFile& file, const ConversionOptions& options,
                               RowSink& sink, const std::filesystem::path& output) {
    const int32_t opened = sink.open(output);
    if (opened != 0) return FileOutcome::outputFailed(opened);
    const TimeBase time = timeBaseFor(file, options.timeStamps);
    const bool known = monitor::withRecordLayout(file.variant, [&](auto layout) {
        sink.begin(time);
        walkRecords<decltype(layout)>(file, options, time, sink);
    });
    if (!known) sink.fail(platform::kInvalidData);
    const int32_t result = sink.close();
    if (!known && result == platform::kInvalidData) return FileOutcome::loadFailed(result);
    if (result != 0) return FileOutcome::outputFailed(result);
    return file.cutShort ? cutShortOutcome(file) : FileOutcome{};
}

}  // namespace convert
