#include "convert/frame_export.h"

#include <memory>

#include "convert/asc_writer.h"
#include "convert/blf_writer.h"
#include "convert/candump_writer.h"
#include "convert/capture_outcome.h"
#include "convert/export_clock.h"
#include "monitor/record_walk.h"
#include "monitor/records.h"
#include "platform/platform.h"

namespace convert {

namespace {

// Records between two looks at the progress count and the abort flag: a megabyte of capture.
constexpr uint32_t kProgressRecords = 32768;

}  // namespace

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

FrameExporter::FrameExporter(const ExportOptions& options, const RunControl& control)
    : options_(options), control_(control) {}

template <class Layout, class Writer>
int32_t FrameExporter::walkRecords(const monitor::MonitorFile& capture, Writer& writer) {
    const ExportClock clock = exportClockFor(capture);
    writer.begin(clock);
    monitor::RecordWalk<Layout> walk(capture);
    monitor::CapturedFrame frame;
    const bool admitted[2] = {options_.admits(0), options_.admits(1)};
    const bool events = options_.keepsEvents();
    uint32_t reported = 0;  // records counted into the progress so far
    for (monitor::RecordKind kind = walk.first(); kind != monitor::kKindEnd; kind = walk.next()) {
        if (walk.index() - reported >= kProgressRecords) {
            if (control_.bytesWalked != nullptr) {
                control_.bytesWalked->fetch_add(
                    uint64_t{walk.index() - reported} * monitor::kRecordSize,
                    std::memory_order_relaxed);
            }
            reported = walk.index();
            if (control_.abort != nullptr && control_.abort->load(std::memory_order_relaxed)) {
                return platform::kCancelled;
            }
            if (output_.result() != 0) break;
        }
        const int channel = monitor::frameChannelOf(kind);
        const uint64_t sinceOrigin = clock.sinceOrigin(Layout::timeCount(walk.cursor()));
        if (channel < 0) {
            if (events) writer.event(kind, walk.index(), sinceOrigin);
            continue;
        }
        if (!admitted[channel] || !Layout::assemble(walk.cursor(), channel, frame)) continue;
        if (!options_.ids.empty() && !idSelected(options_.ids, frame.canId)) continue;
        writer.frame(frame, sinceOrigin);
    }
    if (control_.bytesWalked != nullptr && capture.count > reported) {
        control_.bytesWalked->fetch_add(uint64_t{capture.count - reported} * monitor::kRecordSize,
                                        std::memory_order_relaxed);
    }
    if (control_.abort != nullptr && control_.abort->load(std::memory_order_relaxed)) {
        return platform::kCancelled;
    }
    writer.end();
    return walk.error();
}

template <class Writer>
int32_t FrameExporter::writeCapture(const monitor::MonitorFile& capture, Writer& writer) {
    int32_t result = platform::kOk;
    const bool known = monitor::withRecordLayout(capture.variant, [&](auto layout) {
        result = walkRecords<decltype(layout)>(capture, writer);
    });
    return known ? result : platform::kInvalidData;
}

int32_t FrameExporter::writeInFormat(const monitor::MonitorFile& capture) {
    switch (options_.format) {
        case FrameFormat::kBlf: {
            BlfWriter writer(output_);
            return writeCapture(capture, writer);
        }
        case FrameFormat::kCandump: {
            CandumpWriter writer(output_, options_.channelNames);
            return writeCapture(capture, writer);
        }
        default: {
            AscWriter writer(output_);
            return writeCapture(capture, writer);
        }
    }
}

FileOutcome FrameExporter::exportCapture(const monitor::MonitorFile& capture,
                                         const std::filesystem::path& output) {
    if (const int32_t opened = output_.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    const int32_t walked = writeInFormat(capture);
    // Data the walk cannot read or convert, or a stop, gives the output up: the old one stays.
    if (walked != platform::kOk) {
        output_.abandon();
        if (walked == platform::kCancelled) return {FileStatus::kStopped, walked};
        return FileOutcome::loadFailed(walked);
    }
    if (const int32_t closed = output_.close(); closed != 0) {
        return FileOutcome::outputFailed(closed);
    }
    return writtenOutcome(capture);
}

FileOutcome FrameExporter::exportFile(const std::filesystem::path& input,
                                      const std::filesystem::path& output) {
    if (FileOutcome failure; !loadCapture(capture_, input, failure)) return failure;
    FileOutcome outcome = exportCapture(capture_, output);
    monitor::releaseMonitorFile(capture_);
    return outcome;
}

std::vector<FileResult> exportBatch(const std::vector<std::filesystem::path>& inputs,
                                    const ExportOptions& options, OutputNaming naming,
                                    unsigned workers, const std::atomic<bool>& stop,
                                    const BatchCallbacks& callbacks, const RunControl& control) {
    naming.extension = frameFormatExtension(options.format);
    return runBatch(inputs, naming, workers, stop, callbacks, [&]() -> FileConversion {
        auto exporter = std::make_shared<FrameExporter>(options, control);
        return [exporter](const std::filesystem::path& input, const std::filesystem::path& output) {
            return exporter->exportFile(input, output);
        };
    });
}

}  // namespace convert
