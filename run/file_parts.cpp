#include "run/file_parts.h"

#include <memory>
#include <thread>
#include <vector>

#include "run/block_parts.h"
#include "run/converter.h"
#include "run/file_converter.h"
#include "run/sink_choice.h"

namespace run {

FileOutcome convertInParts(PartFile& file, const sources::FrameSource& head,
                           const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, tables::FileSink& sink,
                           const std::filesystem::path& output, const sources::WalkControl& control,
                           unsigned workers, FileStats* stats, const PartSizes& sizes) {
    if (const int32_t opened = sink.open(output); opened != 0) {
        return FileOutcome::outputFailed(opened);
    }
    if (stats != nullptr) {
        *stats = FileStats{};
        stats->startFile(head);
    }
    sink.begin(tables::timeBaseFor(head.timeOrigin(), options));

    // Each worker: a converter and a sink of its own, the sink writing each part it takes.
    const bool counting = stats != nullptr;
    const auto makeWork = [&decoding, &options, &control, counting] {
        return [converter = std::make_shared<Converter>(decoding, options),
                partSink = std::shared_ptr<tables::FileSink>(makeFileSink(decoding, options)),
                &control, counting](sources::FrameSource& source, output::BlockHandOff& handOff,
                                    FileStats& partStats) {
            PartWritten written;
            written.closed = partSink->openPart(handOff);
            if (written.closed != 0) return written;
            written.walked =
                converter->convert(source, *partSink, control, counting ? &partStats : nullptr);
            if (!written.walked.ok()) partSink->fail(written.walked.code());
            written.closed = partSink->close();
            written.lines = partSink->linesWritten();
            return written;
        };
    };
    BlockParts<FileStats> parts(file, workers, sizes, [&sink](const char* bytes, size_t count) {
        sink.writePartBlock(bytes, count);
    });
    std::vector<std::thread> threads = startBlockWorkers(parts, workers, control, makeWork);
    uint64_t lines = 0;
    PartsMet met(file, head);
    platform::Status walked = parts.writeInOrder(control, [&](BlockParts<FileStats>::Part& part) {
        if (part.walked.ok() && part.closed != 0) sink.fail(part.closed);
        lines += part.lines;
        met.add(part.counts);
        if (stats != nullptr) addPartStats(*stats, part.stats, met.wholeFile());
        return sink.result() == 0;
    });
    for (std::thread& thread : threads) thread.join();

    if (!walked.ok()) sink.fail(walked.code());
    const int32_t closed = sink.close();
    if (stats != nullptr) stats->lines = closed == 0 ? lines : 0;
    return outcomeOf(walked, closed, met.source());
}

}  // namespace run
