#include "run/converter.h"

namespace run {

std::vector<int32_t> channelsOf(settings::Channels channels) {
    const int32_t number = settings::channelNumberOf(channels);
    if (number == 0) return {};
    return {number - 1};
}

Converter::Converter(const decode::Decoding& decoding, const tables::ConversionOptions& options)
    : options_(options), filter_(channelsOf(options.channels), decoding.ids) {
    every_ = decoderFor(decoding.every);
    for (const auto& [channel, setup] : decoding.own) own_.emplace_back(channel, decoderFor(setup));
}

decode::FrameDecoder* Converter::decoderFor(const decode::ChannelDecoding& setup) {
    if (setup.database == nullptr) return nullptr;
    for (size_t i = 0; i < decoders_.size(); ++i) {
        const decode::ChannelDecoding& made = setups_[i];
        if (made.database == setup.database && made.selection == setup.selection &&
            made.j1939 == setup.j1939) {
            return decoders_[i].get();
        }
    }
    setups_.push_back(setup);
    decoders_.push_back(std::make_unique<decode::FrameDecoder>(*setup.database));
    decoders_.back()->setSelection(setup.selection);
    decoders_.back()->setJ1939(setup.j1939);
    return decoders_.back().get();
}

platform::Status Converter::survey(sources::FrameSource& source,
                                   const sources::WalkControl& control,
                                   tables::MessageChannels& seen) {
    for (const std::unique_ptr<decode::FrameDecoder>& decoder : decoders_) {
        decoder->setStats(nullptr);  // the conversion counts
    }
    sources::FrameWalk walk(source, filter_, control);
    return walk.run([&](const can::Frame& frame) {
        if (frame.kind != can::FrameKind::kData) return true;
        decode::FrameDecoder* const decoder = decoderOf(frame.channel);
        if (decoder != every_ || decoder == nullptr || !decoder->decodeFrame(frame, values_)) {
            return true;
        }
        const dbc::DbcMessage* const message = decoder->message();
        seen.add(static_cast<size_t>(message - decoder->database().messages.data()), frame.channel);
        return true;
    });
}

platform::Status Converter::convert(sources::FrameSource& source, tables::RowSink& sink,
                                    const sources::WalkControl& control, FileStats* stats) {
    for (const std::unique_ptr<decode::FrameDecoder>& decoder : decoders_) {
        decoder->setStats(stats);
    }
    if (stats != nullptr) {
        *stats = FileStats{};
        stats->startFile(source);
    }
    sink.begin(tables::timeBaseFor(source.timeOrigin(), options_));
    sources::FrameWalk walk(source, filter_, control);
    platform::Status walked = walk.run([&](const can::Frame& frame) {
        if (frame.kind != can::FrameKind::kData) return true;
        decode::FrameDecoder* const decoder = decoderOf(frame.channel);
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
        // Every frame counts, whatever the filter, whether or not it could be read whole.
        stats->sourceSeen(source, walk.counts());
    }
    return walked;
}

}  // namespace run
