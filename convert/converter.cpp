#include "convert/converter.h"

#include "convert/capture_outcome.h"
#include "monitor/record_walk.h"
#include "platform/platform.h"

namespace convert {

namespace {

// Records between two updates of the progress count: a megabyte of capture.
constexpr uint32_t kProgressRecords = 32768;

}  // namespace

Converter::Converter(const Decoding& decoding) : ids_(decoding.ids) {
    for (int channel = 0; channel < 2; ++channel) {
        const ChannelDecoding& setup = decoding.channels[channel];
        if (setup.database == nullptr) continue;
        FrameDecoder& decoder = decoders_[channel].emplace(*setup.database);
        decoder.setSelection(setup.selection);
        decoder.setJ1939(setup.j1939);
    }
}

template <class Layout>
int32_t Converter::walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                               const TimeBase& time, RowSink& sink, CaptureStats* stats) {
    monitor::RecordWalk<Layout> walk(file);
    const bool admitted[2] = {options.admits(0), options.admits(1)};
    uint32_t reported = 0;  // records counted into the progress so far
    for (monitor::RecordKind kind = walk.first(); kind != monitor::kKindEnd; kind = walk.next()) {
        if (bytesWalked_ != nullptr && walk.index() - reported >= kProgressRecords) {
            bytesWalked_->fetch_add(uint64_t{walk.index() - reported} * monitor::kRecordSize,
                                    std::memory_order_relaxed);
            reported = walk.index();
        }
        const int channel = monitor::frameChannelOf(kind);
        // The channel written comes from the record kind, never from a bit of the record.
        if (channel < 0) continue;
        if (stats != nullptr) ++stats->frames[channel];
        if (!admitted[channel]) continue;
        if (!Layout::assemble(walk.cursor(), channel, frame_)) continue;
        if (!ids_.empty() && !idSelected(ids_, frame_.canId)) continue;
        FrameDecoder* decoder = decoders_[channel] ? &*decoders_[channel] : nullptr;
        if (decoder == nullptr) {
            if (stats != nullptr) stats->unknownFrame(frame_.canId, frame_.isExtended, channel);
            continue;
        }
        if (!decoder->decodeFrame(frame_, values_)) continue;
        const uint64_t count = Layout::timeCount(walk.cursor());
        if (stats != nullptr) stats->frameTime(count * stats->time.microsecondsPerCount);
        sink.write({frame_, *decoder->message(), count * time.microsecondsPerCount, values_});
        if (sink.result() != 0) break;
    }
    if (bytesWalked_ != nullptr && file.count > reported) {
        bytesWalked_->fetch_add(uint64_t{file.count - reported} * monitor::kRecordSize,
                                std::memory_order_relaxed);
    }
    return sink.result() != 0 ? platform::kOk : walk.error();
}

FileOutcome Converter::convert(const monitor::MonitorFile& file, const ConversionOptions& options,
                               RowSink& sink, const std::filesystem::path& output,
                               CaptureStats* stats) {
    const int32_t opened = sink.open(output);
    if (opened != 0) return FileOutcome::outputFailed(opened);
    const TimeBase time = timeBaseFor(file, options);
    for (std::optional<FrameDecoder>& decoder : decoders_) {
        if (decoder) decoder->setStats(stats);
    }
    if (stats != nullptr) {
        *stats = CaptureStats{};
        stats->records = file.count;
        // The report shows times even where the output has none.
        stats->time = timeBaseFor(file, settings::TimeStamps::kTimeOfDay);
    }
    int32_t readResult = platform::kOk;
    const bool known = monitor::withRecordLayout(file.variant, [&](auto layout) {
        sink.begin(time);
        readResult = walkRecords<decltype(layout)>(file, options, time, sink, stats);
    });
    // Data the walk cannot read or convert ends the output: it is given up, the old one stays.
    const int32_t loadResult = known ? readResult : platform::kInvalidData;
    if (loadResult != platform::kOk) sink.fail(loadResult);
    const int32_t result = sink.close();
    if (stats != nullptr) stats->lines = sink.linesWritten();
    if (loadResult != platform::kOk && result == loadResult) return FileOutcome::loadFailed(result);
    if (result == platform::kCancelled) return {FileStatus::kStopped, result};
    if (result != 0) return FileOutcome::outputFailed(result);
    return writtenOutcome(file);
}

}  // namespace convert
