#include "run/frame_export.h"

#include <algorithm>
#include <memory>

#include "canlog/asc_writer.h"
#include "canlog/blf_writer.h"
#include "canlog/candump_writer.h"
#include "canlog/log_clock.h"
#include "platform/platform.h"
#include "run/converter.h"
#include "run/input_open.h"
#include "tables/time_base.h"

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
platform::Status FrameExporter::writeFrames(sources::FrameSource& source, Writer& writer,
                                            ExportStats* stats) {
    const canlog::LogClock clock = canlog::logClockFor(source.timeOrigin(), options_.clock);
    writer.begin(clock);
    sources::FrameWalk walk(source, filter_, control_);
    platform::Status walked = walk.run([&](const can::Frame& frame) {
        if (frame.kind != can::FrameKind::kEvent) {
            // Remote and error frames too: the writer writes what its format has a place for
            // and counts the rest.
            writer.frame(frame, clock.sinceOrigin(frame.time));
            if (stats != nullptr) stats->frameTime(frame.time / 1000);
        } else {
            writer.event(frame.event, static_cast<uint32_t>(frame.place),
                         clock.sinceOrigin(frame.time));
        }
        return output_.result() == 0;
    });
    if (stats != nullptr) {
        stats->sourceSeen(source, walk.counts());
        stats->leftOut = writer.leftOut();
    }
    if (!walked.ok()) return walked;
    if (control_.stopped()) return platform::Status::failure(platform::kCancelled);
    writer.end();
    if (stats != nullptr) stats->leftOut = writer.leftOut();
    return {};
}

platform::Status FrameExporter::writeInFormat(sources::FrameSource& source, ExportStats* stats) {
    switch (options_.format) {
        case FrameFormat::kBlf: {
            canlog::BlfWriter writer(output_);
            return writeFrames(source, writer, stats);
        }
        case FrameFormat::kCandump: {
            canlog::CandumpWriter writer(output_, options_.channelNames);
            return writeFrames(source, writer, stats);
        }
        default: {
            canlog::AscWriter writer(output_);
            return writeFrames(source, writer, stats);
        }
    }
}

FileOutcome FrameExporter::exportSource(sources::FrameSource& source,
                                        const std::filesystem::path& output) {
    if (const int32_t opened = output_.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    std::shared_ptr<ExportStats> stats;
    if (options_.collectStats) {
        stats = std::make_shared<ExportStats>();
        stats->records = source.counts().records;
        // The report shows times even where the log has none.
        stats->time = tables::timeBaseFor(source.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    }
    FileOutcome outcome = writtenOutcomeOf(writeInFormat(source, stats.get()), source);
    if (stats != nullptr) stats->records = std::max(stats->records, source.counts().records);
    outcome.exportStats = std::move(stats);
    return outcome;
}

FileOutcome FrameExporter::writtenOutcomeOf(const platform::Status& walked,
                                            const sources::FrameSource& source) {
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
