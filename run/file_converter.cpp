#include "run/file_converter.h"

#include "platform/platform.h"
#include "run/blf_parts.h"
#include "run/file_parts.h"
#include "run/input_open.h"
#include "run/sequential_parts.h"
#include "run/sink_choice.h"
#include "sources/capture_source.h"

namespace run {

FileConverter::FileConverter(const decode::Decoding& decoding,
                             const tables::ConversionOptions& options,
                             const sources::WalkControl& control, const InputChoice& input,
                             unsigned partWorkers)
    : decoding_(decoding),
      options_(options),
      partWorkers_(partWorkers),
      control_(control),
      input_(input),
      converter_(decoding, options),
      sink_(makeFileSink(decoding, options)) {}

FileOutcome FileConverter::convert(const std::filesystem::path& input,
                                   const std::filesystem::path& output) {
    OpenedInput opened = openInput(input, input_);
    if (opened.source == nullptr) return opened.failure;
    if (sink_->wantsFirstLook()) {
        // The columns follow the file: a first walk (not counted as progress) finds on which
        // channels each message came, then the file is read again from its start.
        tables::MessageChannels seen(converter_.messagesOfEveryChannel());
        const platform::Status looked =
            converter_.survey(*opened.source, {control_.stop, nullptr}, seen);
        if (looked.code() == platform::kCancelled) {
            return {FileStatus::kStopped, platform::kCancelled};
        }
        opened = openInput(input, input_);
        if (opened.source == nullptr) return opened.failure;
        sink_->plan(seen);
    }
    std::shared_ptr<FileStats> stats;
    if (options_.collectStats) stats = std::make_shared<FileStats>();
    FileOutcome outcome;
    if (!sink_->writesParts() || partWorkers_ < 2 ||
        !convertedInParts(input, *opened.source, output, stats.get(), outcome)) {
        outcome = convertSource(*opened.source, converter_, *sink_, output, control_, stats.get());
    }
    outcome.stats = std::move(stats);
    return outcome;
}

bool FileConverter::convertedInParts(const std::filesystem::path& input,
                                     sources::FrameSource& source,
                                     const std::filesystem::path& output, FileStats* stats,
                                     FileOutcome& outcome) {
    if (const auto* capture = dynamic_cast<const sources::CaptureSource*>(&source)) {
        if (!worthParts(capture->capture().count, partWorkers_)) return false;
        CaptureParts parts(input, capture->capture());
        outcome = convertInParts(parts, source, decoding_, options_, *sink_, output, control_,
                                 partWorkers_, stats);
        return true;
    }
    if (const auto* log = dynamic_cast<const sources::BlfSource*>(&source)) {
        BlfParts parts(input, *log);
        if (!parts.open().ok() || !parts.worthParts(partWorkers_)) return false;
        outcome = convertInParts(parts, source, decoding_, options_, *sink_, output, control_,
                                 partWorkers_, stats, BlfParts::kSizes);
        return true;
    }
    if (!SequentialParts::worthParts(input, partWorkers_)) return false;
    SequentialParts parts(source);
    outcome = convertInParts(parts, source, decoding_, options_, *sink_, output, control_,
                             partWorkers_, stats, SequentialParts::kSizes);
    return true;
}

FileOutcome outcomeOf(const platform::Status& walked, int32_t closed,
                      const sources::FrameSource& source) {
    if (closed == platform::kCancelled) return {FileStatus::kStopped, closed};
    if (!walked.ok() && closed == walked.code()) return FileOutcome::loadFailed(closed);
    if (closed != 0) return FileOutcome::outputFailed(closed);
    return writtenOutcome(source);
}

FileOutcome convertSource(sources::FrameSource& source, Converter& converter,
                          tables::FileSink& sink, const std::filesystem::path& output,
                          const sources::WalkControl& control, FileStats* stats) {
    const int32_t opened = sink.open(output);
    if (opened != 0) return FileOutcome::outputFailed(opened);
    return readSource(source, converter, sink, control, stats);
}

FileOutcome readSource(sources::FrameSource& source, Converter& converter, tables::RowSink& sink,
                       const sources::WalkControl& control, FileStats* stats) {
    const platform::Status walked = converter.convert(source, sink, control, stats);
    // Data the walk cannot read, or a stop, gives the output up: the old one stays.
    if (!walked.ok()) sink.fail(walked.code());
    const int32_t closed = sink.close();
    // Lines, and the rows a resampled table left out, count only in an output that was kept.
    const tables::ResampleCounts resample =
        closed == 0 ? sink.resampleCounts() : tables::ResampleCounts{};
    if (stats != nullptr) {
        stats->lines = closed == 0 ? sink.linesWritten() : 0;
        stats->rowsSkipped = resample.rowsSkipped;
        stats->timeBackwards = resample.timeBackwards;
    }
    FileOutcome outcome = outcomeOf(walked, closed, source);
    outcome.resample = resample;
    return outcome;
}

}  // namespace run
