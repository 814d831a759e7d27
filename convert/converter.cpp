#include "convert/converter.h"

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
void Converter::walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                            const TimeBase& time, RowSink& sink, CaptureStats* stats) {
    if (file.count == 0 || file.records == nullptr) return;
    monitor::RecordCursor cursor{0, file.count, file.records};
    const bool admitted[2] = {options.admits(0), options.admits(1)};
    uint32_t reported = 0;  // records counted into the progress so far
    for (monitor::RecordKind kind = Layout::first(cursor); kind != monitor::kKindEnd;
         kind = Layout::next(cursor)) {
        if (bytesWalked_ != nullptr && cursor.index - reported >= kProgressRecords) {
            bytesWalked_->fetch_add(uint64_t{cursor.index - reported} * monitor::kRecordSize,
                                    std::memory_order_relaxed);
            reported = cursor.index;
        }
        const int channel = monitor::frameChannelOf(kind);
        // The channel written comes from the record kind, never from a bit of the record.
        if (channel < 0) continue;
        if (stats != nullptr) ++stats->frames[channel];
        if (!admitted[channel]) continue;
        if (!Layout::assemble(cursor, channel, frame_)) continue;
        if (!ids_.empty() && !idSelected(ids_, frame_.canId)) continue;
        FrameDecoder* decoder = decoders_[channel] ? &*decoders_[channel] : nullptr;
        if (decoder == nullptr) {
            if (stats != nullptr) stats->unknownFrame(frame_.canId, frame_.isExtended, channel);
            continue;
        }
        if (!decoder->decodeFrame(frame_, values_)) continue;
        const uint64_t count = Layout::timeCount(cursor);
        if (stats != nullptr) stats->frameTime(count * stats->time.microsecondsPerCount);
        sink.write({frame_, *decoder->message(), count * time.microsecondsPerCount, values_});
        if (sink.result() != 0) break;
    }
    if (bytesWalked_ != nullptr) {
        bytesWalked_->fetch_add(uint64_t{file.count - reported} * monitor::kRecordSize,
                                std::memory_order_relaxed);
    }
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
    const bool known = monitor::withRecordLayout(file.variant, [&](auto layout) {
        sink.begin(time);
        walkRecords<decltype(layout)>(file, options, time, sink, stats);
    });
    if (!known) sink.fail(platform::kInvalidData);
    const int32_t result = sink.close();
    if (stats != nullptr) stats->lines = sink.linesWritten();
    if (!known && result == platform::kInvalidData) return FileOutcome::loadFailed(result);
    if (result == platform::kCancelled) return {FileStatus::kStopped, result};
    return result == 0 ? FileOutcome{} : FileOutcome::outputFailed(result);
}

}  // namespace convert
