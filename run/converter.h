// The decoding of one input: its frames, walked through the run's filter, decoded through the
// database of their channel and handed to a table sink. The converter neither opens nor closes
// anything: the file step around it does (file_converter.h).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "decode/decoding_setup.h"
#include "decode/frame_decoder.h"
#include "run/file_stats.h"
#include "sources/frame_filter.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"
#include "tables/message_channels.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace run {

class Converter {
public:
    Converter(const decode::Decoding& decoding, const tables::ConversionOptions& options);

    // Starts the sink's rows, walks the source and hands every decoded frame to the sink. The
    // result: success when the source was read to its end (or the sink failed: its result()
    // says so), kCancelled when the stop request ended the walk, else the source's failure.
    // `stats`, when given, is filled with what the walk and the decoding met.
    platform::Status convert(sources::FrameSource& source, tables::RowSink& sink,
                             const sources::WalkControl& control, FileStats* stats = nullptr);

    // A first walk of the source for a table whose columns follow what the file holds: the
    // channels on which each message of the database of every channel gave values. Success, or
    // why the walk ended (the conversion that follows meets the same).
    platform::Status survey(sources::FrameSource& source, const sources::WalkControl& control,
                            tables::MessageChannels& seen);
    // The number of messages of the database of every channel (0 without one).
    size_t messagesOfEveryChannel() const {
        return every_ != nullptr ? every_->database().messages.size() : 0;
    }

private:
    // The decoder of a channel's frames, nullptr for a channel without a database.
    decode::FrameDecoder* decoderOf(int32_t channel) const {
        for (const auto& [number, decoder] : own_) {
            if (number == channel) return decoder;
        }
        return every_;
    }
    decode::FrameDecoder* decoderFor(const decode::ChannelDecoding& setup);

    // One decoder per decoding of the run (database, selection, J1939), shared by its channels.
    std::vector<std::unique_ptr<decode::FrameDecoder>> decoders_;
    std::vector<decode::ChannelDecoding> setups_;  // of each of decoders_
    decode::FrameDecoder* every_ = nullptr;
    std::vector<std::pair<int32_t, decode::FrameDecoder*>> own_;
    tables::ConversionOptions options_;
    sources::FrameFilter filter_;
    std::vector<decode::SignalValue> values_;
};

// The channels a run keeps, as the walk's filter numbers them.
std::vector<int32_t> channelsOf(settings::Channels channels);

}  // namespace run
