// Every frame of an input, without a database, in one of the open CAN log formats: Vector's
// ASCII and binary logs (.asc, .blf) and candump's log (.log). The walk is the conversion's,
// the selection by channel and identifier is the conversion's, and a batch runs through the same
// runBatch, with the same output naming, replacement and outcomes.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "can/id_range.h"
#include "canlog/log_clock.h"
#include "output/block_output.h"
#include "run/batch.h"
#include "run/file_outcome.h"
#include "run/file_stats.h"
#include "run/input_open.h"
#include "run/part_file.h"
#include "settings/conversion_settings.h"
#include "sources/capture_source.h"
#include "sources/frame_filter.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"

namespace run {

enum class FrameFormat { kAsc, kBlf, kCandump };

// ".asc", ".blf", ".log".
const char* frameFormatExtension(FrameFormat format);

struct ExportOptions {
    FrameFormat format = FrameFormat::kAsc;
    settings::Channels channels = settings::Channels::kAll;
    std::vector<can::IdRange> ids;                   // empty: every identifier
    std::string channelNames[2] = {"can0", "can1"};  // candump's interfaces of CH1 and CH2
    InputChoice input;                               // how the inputs are read
    // The clock of the ASC date and the BLF header times (candump times are seconds since 1970).
    canlog::HeaderClock clock = canlog::HeaderClock::kLocal;
    bool collectStats = false;  // count what each export meets, for the report
};

// What one export worker owns: the output with its buffer.
class FrameExporter {
public:
    // `partWorkers`: the threads that may export one capture in parts (a text log only).
    explicit FrameExporter(const ExportOptions& options, const sources::WalkControl& control = {},
                           unsigned partWorkers = 1);

    // Opens the input and writes its frames to `output`. An input that cannot be read gets no
    // output; one cut short is exported as far as it goes (kCutShort); one that fails while it
    // is read, or that is stopped, leaves the old output.
    FileOutcome exportFile(const std::filesystem::path& input, const std::filesystem::path& output);

    // The export of an opened input (tests build captures in memory).
    FileOutcome exportSource(sources::FrameSource& source, const std::filesystem::path& output);

private:
    template <class Writer>
    platform::Status writeFrames(sources::FrameSource& source, Writer& writer, ExportStats* stats);
    // The walk of the frames into a writer begun with `clock`, without the log's end.
    template <class Writer>
    platform::Status walkInto(sources::FrameSource& source, Writer& writer,
                              const canlog::LogClock& clock, output::BlockOutput& output,
                              ExportStats* stats) const;
    // The export in parts on several workers (file_parts.h): the same bytes.
    template <class Writer, class MakeWriter>
    FileOutcome exportInParts(PartFile& file, const sources::FrameSource& head,
                              const std::filesystem::path& output, const MakeWriter& makeWriter);
    // The export into a text log of a capture worth several workers: false, nothing done, for
    // any other.
    bool exportedInParts(const std::filesystem::path& input, sources::FrameSource& source,
                         const std::filesystem::path& output, FileOutcome& outcome);
    platform::Status writeInFormat(sources::FrameSource& source, ExportStats* stats);
    FileOutcome writtenOutcomeOf(const platform::Status& walked,
                                 const sources::FrameSource& source);

    ExportOptions options_;
    sources::FrameFilter filter_;
    sources::WalkControl control_;
    unsigned partWorkers_;
    // A log's lines go out in blocks that stay in the core's cache beside the input's block and
    // the frames (in the tables' blocks of 1 MiB, the lines written miss it: 2 % of the time of
    // a candump log's export).
    static constexpr size_t kLogBlockBytes = 128 * 1024;
    output::BlockOutput output_{kLogBlockBytes};
};

// Exports the inputs on `workers` threads into the naming's outputs (its extension is set from
// the format). `stop` ends the batch between files; the control's stop request also gives up the
// files in hand.
std::vector<FileResult> exportBatch(const std::vector<std::filesystem::path>& inputs,
                                    const ExportOptions& options, OutputNaming naming,
                                    unsigned workers, const std::atomic<bool>& stop,
                                    const BatchCallbacks& callbacks,
                                    const sources::WalkControl& control = {},
                                    unsigned partWorkers = 1);

}  // namespace run
