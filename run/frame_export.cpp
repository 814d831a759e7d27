#include "run/frame_export.h"

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "canlog/asc_writer.h"
#include "canlog/blf_writer.h"
#include "canlog/candump_writer.h"
#include "canlog/log_clock.h"
#include "platform/platform.h"
#include "run/block_parts.h"
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

FrameExporter::FrameExporter(const ExportOptions& options, const sources::WalkControl& control,
                             unsigned partWorkers)
    : options_(options),
      filter_(channelsOf(options.channels), options.ids),
      control_(control),
      partWorkers_(partWorkers) {}

template <class Writer>
platform::Status FrameExporter::walkInto(sources::FrameSource& source, Writer& writer,
                                         const canlog::LogClock& clock, output::BlockOutput& output,
                                         ExportStats* stats) const {
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
        return output.result() == 0;
    });
    if (stats != nullptr) {
        stats->sourceSeen(source, walk.counts());
        stats->leftOut = writer.leftOut();
    }
    return walked;
}

template <class Writer>
platform::Status FrameExporter::writeFrames(sources::FrameSource& source, Writer& writer,
                                            ExportStats* stats) {
    const canlog::LogClock clock = canlog::logClockFor(source.timeOrigin(), options_.clock);
    writer.begin(clock);
    platform::Status walked = walkInto(source, writer, clock, output_, stats);
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
        stats->startFile(source);
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

template <class Writer, class MakeWriter>
FileOutcome FrameExporter::exportInParts(PartFile& file, const sources::FrameSource& head,
                                         const std::filesystem::path& output,
                                         const MakeWriter& makeWriter) {
    if (const int32_t opened = output_.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    std::shared_ptr<ExportStats> stats;
    if (options_.collectStats) {
        stats = std::make_shared<ExportStats>();
        stats->startFile(head);
    }
    const canlog::LogClock clock = canlog::logClockFor(head.timeOrigin(), options_.clock);
    Writer logHead = makeWriter(output_);
    logHead.begin(clock);

    // Each worker: an output of its own, and a writer for each part, begun without the head.
    const auto makeWork = [this, &clock, &makeWriter] {
        return [this, &clock, &makeWriter, partOutput = std::make_shared<output::BlockOutput>()](
                   sources::FrameSource& source, output::BlockHandOff& handOff,
                   ExportStats& partStats) {
            PartWritten written;
            written.closed = partOutput->openPart(handOff);
            if (written.closed != 0) return written;
            Writer writer = makeWriter(*partOutput);
            writer.begin(clock, false);
            written.walked = walkInto(source, writer, clock, *partOutput,
                                      options_.collectStats ? &partStats : nullptr);
            if (!written.walked.ok()) partOutput->fail(written.walked.code());
            written.closed = partOutput->close();
            return written;
        };
    };
    BlockParts<ExportStats> parts(file, partWorkers_, {}, [this](const char* bytes, size_t count) {
        output_.writeBlock(bytes, count);
    });
    std::vector<std::thread> threads = startBlockWorkers(parts, partWorkers_, control_, makeWork);
    PartsMet met(file, head);
    platform::Status walked =
        parts.writeInOrder(control_, [&](BlockParts<ExportStats>::Part& part) {
            if (part.walked.ok() && part.closed != 0) output_.fail(part.closed);
            met.add(part.counts);
            if (stats != nullptr) addPartStats(*stats, part.stats, met.wholeFile());
            return output_.result() == 0;
        });
    for (std::thread& thread : threads) thread.join();
    if (walked.ok() && control_.stopped()) walked = platform::Status::failure(platform::kCancelled);
    if (walked.ok()) logHead.end();
    FileOutcome outcome = writtenOutcomeOf(walked, met.source());
    outcome.exportStats = std::move(stats);
    return outcome;
}

bool FrameExporter::exportedInParts(const std::filesystem::path& input,
                                    sources::FrameSource& source,
                                    const std::filesystem::path& output, FileOutcome& outcome) {
    // A capture's text log is written on several workers. A BLF log's containers are packed in
    // order by one writer, and a CAN log's export is mostly its reading, which goes in order
    // (measured: no quicker on two workers, a BLF log's slower, as its reading uses every core
    // already).
    const auto* capture = dynamic_cast<const sources::CaptureSource*>(&source);
    if (options_.format == FrameFormat::kBlf || capture == nullptr ||
        !worthParts(capture->capture().count, partWorkers_)) {
        return false;
    }
    const auto exportParts = [&](PartFile& file) {
        if (options_.format == FrameFormat::kCandump) {
            outcome = exportInParts<canlog::CandumpWriter>(
                file, source, output, [this](output::BlockOutput& out) {
                    return canlog::CandumpWriter(out, options_.channelNames);
                });
        } else {
            outcome = exportInParts<canlog::AscWriter>(
                file, source, output,
                [](output::BlockOutput& out) { return canlog::AscWriter(out); });
        }
        return true;
    };
    CaptureParts parts(input, capture->capture());
    return exportParts(parts);
}

FileOutcome FrameExporter::exportFile(const std::filesystem::path& input,
                                      const std::filesystem::path& output) {
    OpenedInput opened = openInput(input, options_.input);
    if (opened.source == nullptr) return opened.failure;
    if (FileOutcome outcome; exportedInParts(input, *opened.source, output, outcome)) {
        return outcome;
    }
    return exportSource(*opened.source, output);
}

std::vector<FileResult> exportBatch(const std::vector<std::filesystem::path>& inputs,
                                    const ExportOptions& options, OutputNaming naming,
                                    unsigned workers, const std::atomic<bool>& stop,
                                    const BatchCallbacks& callbacks,
                                    const sources::WalkControl& control, unsigned partWorkers) {
    naming.extension = frameFormatExtension(options.format);
    return runBatch(inputs, naming, workers, stop, callbacks, [&]() -> FileConversion {
        auto exporter = std::make_shared<FrameExporter>(options, control, partWorkers);
        return [exporter](const std::filesystem::path& input, const std::filesystem::path& output) {
            return exporter->exportFile(input, output);
        };
    });
}

}  // namespace run
