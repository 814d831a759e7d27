#include "run/converter.h"

namespace run {

std::vector<int32_t> channelsOf(settings::Channels channels) {
    if (channels == settings::Channels::kCh1) return {0};
    if (channels == settings::Channels::kCh2) return {1};
    return {};
}

Converter::Converter(const decode::Decoding& decoding, const tables::ConversionOptions& options)
    : options_(options), filter_(channelsOf(options.channels), decoding.ids) {
    for (int channel = 0; channel < 2; ++channel) {
        const decode::ChannelDecoding& setup = decoding.channels[channel];
        if (setup.database == nullptr) continue;
        decode::FrameDecoder& decoder = decoders_[channel].emplace(*setup.database);
        decoder.setSelection(setup.selection);
        decoder.setJ1939(setup.j1939);
    }
}

platform::Status Converter::convert(sources::FrameSource& source, tables::RowSink& sink,
                                    const sources::WalkControl& control, FileStats* stats) {
    for (std::optional<decode::FrameDecoder>& decoder : decoders_) {
        if (decoder) decoder->setStats(stats);
    }
    if (stats != nullptr) {
        *stats = FileStats{};
        stats->records = source.counts().records;
        // The report shows times even where the output has none.
        stats->time = tables::timeBaseFor(source.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    }
    sink.begin(tables::timeBaseFor(source.timeOrigin(), options_));
    sources::FrameWalk walk(source, filter_, control);
    platform::Status walked = walk.run([&](const can::Frame& frame) {
        if (frame.kind != can::FrameKind::kData) return true;
        decode::FrameDecoder* decoder =
            frame.channel < 2 && decoders_[frame.channel] ? &*decoders_[frame.channel] : nullptr;
        if (decoder == nullptr) {
            if (stats != nullptr) stats->unknownFrame(frame.canId, frame.isExtended, frame.channel);
            return true;
        }
        if (!decoder->decodeFrame(frame, values_)) return true;
        const uint64_t microseconds = frame.time / 1000;
        if (stats != nullptr) stats->frameTime(microseconds);
        sink.write({frame, *decoder->message(), microseconds, values_});
        return sink.result() == 0;
    });
    if (stats != nullptr) {
        // Every frame record counts, whatever the filter, whether or not it could be read whole.
        for (int channel = 0; channel < 2; ++channel) {
            const sources::ChannelFrames frames = walk.counts().of(channel);
            stats->frames[channel] = frames.data + frames.damaged;
        }
    }
    return walked;
}

}  // namespace run
