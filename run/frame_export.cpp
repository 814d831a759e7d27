#include "run/frame_export.h"

#include <memory>

#include "canlog/asc_writer.h"
#include "canlog/blf_writer.h"
#include "canlog/candump_writer.h"
#include "canlog/log_clock.h"
#include "platform/platform.h"
#include "run/converter.h"
#include "run/input_open.h"

namespace run {

const char* frameFormatExtension(FrameFormat format) {
    switch (format) {
        case FrameFormat::kBlf:
            return ".blf";
        case FrameFormat::kCandump:
            return ".log";
        default:
            return ".asc";
    }
}

FrameExporter::FrameExporter(const ExportOptions& options, const sources::WalkControl& control)
    : options_(options), filter_(channelsOf(options.channels), options.ids), control_(control) {}

template <class Writer>
platform::Status FrameExporter::writeFrames(sources::FrameSource& source, Writer& writer) {
    const canlog::LogClock clock = canlog::logClockFor(source.timeOrigin(), options_.clock);
    writer.begin(clock);
    sources::FrameWalk walk(source, filter_, control_);
    platform::Status walked = walk.run([&](const can::Frame& frame) {
        if (frame.kind == can::FrameKind::kData) {
            writer.frame(frame, clock.sinceOrigin(frame.time));
        } else if (frame.kind == can::FrameKind::kEvent) {
            writer.event(frame.event, static_cast<uint32_t>(frame.place),
                         clock.sinceOrigin(frame.time));
        }
        return output_.result() == 0;
    });
    if (!walked.ok()) return walked;
    if (control_.stopped()) return platform::Status::failure(platform::kCancelled);
    writer.end();
    return {};
}

platform::Status FrameExporter::writeInFormat(sources::FrameSource& source) {
    switch (options_.format) {
        case FrameFormat::kBlf: {
            canlog::BlfWriter writer(output_);
            return writeFrames(source, writer);
        }
        case FrameFormat::kCandump: {
            canlog::CandumpWriter writer(output_, options_.channelNames);
            return writeFrames(source, writer);
        }
        default: {
            canlog::AscWriter writer(output_);
            return writeFrames(source, writer);
        }
    }
}

FileOutcome FrameExporter::exportSource(sources::FrameSource& source,
                                        const std::filesystem::path& output) {
    if (const int32_t opened = output_.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    const platform::Status walked = writeInFormat(source);
    // Data the walk cannot read, or a stop, gives the output up: the old one stays.
    if (!walked.ok()) {
        output_.abandon();
        if (walked.code() == platform::kCancelled) return {FileStatus::kStopped, walked.code()};
        return FileOutcome::loadFailed(walked.code());
    }
    if (const int32_t closed = output_.close(); closed != 0) {
        return FileOutcome::outputFailed(closed);
    }
    return writtenOutcome(source);
}

FileOutcome FrameExporter::exportFile(const std::filesystem::path& input,
                                      const std::filesystem::path& output) {
    OpenedInput opened = openInput(input, options_.input);
    if (opened.source == nullptr) return opened.failure;
    return exportSource(*opened.source, output);
}

std::vector<FileResult> exportBatch(const std::vector<std::filesystem::path>& inputs,
                                    const ExportOptions& options, OutputNaming naming,
                                    unsigned workers, const std::atomic<bool>& stop,
                                    const BatchCallbacks& callbacks,
                                    const sources::WalkControl& control) {
    naming.extension = frameFormatExtension(options.format);
    return runBatch(inputs, naming, workers, stop, callbacks, [&]() -> FileConversion {
        auto exporter = std::make_shared<FrameExporter>(options, control);
        return [exporter](const std::filesystem::path& input, const std::filesystem::path& output) {
            return exporter->exportFile(input, output);
        };
    });
}

}  // namespace run
