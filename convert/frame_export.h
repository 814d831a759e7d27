// Every frame of a capture, without a database, in one of the open CAN log formats: Vector's
// ASCII and binary logs (.asc, .blf) and candump's log (.log). The walk is the conversion's
// (both layouts, block by block), the selection by channel and identifier is the conversion's,
// and a batch runs through the same runBatch, with the same output naming, replacement and
// outcomes.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/batch.h"
#include "convert/export_output.h"
#include "convert/outcome.h"
#include "convert/run_control.h"
#include "convert/selection.h"
#include "monitor/monitor_file.h"
#include "settings/conversion_settings.h"

namespace convert {

enum class FrameFormat { kAsc, kBlf, kCandump };

// ".asc", ".blf", ".log".
const char* frameFormatExtension(FrameFormat format);

struct ExportOptions {
    FrameFormat format = FrameFormat::kAsc;
    settings::Channels channels = settings::Channels::kAll;
    std::vector<IdRange> ids;                        // empty: every identifier
    std::string channelNames[2] = {"can0", "can1"};  // candump's interfaces of CH1 and CH2

    bool admits(int channel) const {  // 0 CH1, 1 CH2
        return channels == settings::Channels::kAll || static_cast<int>(channels) == channel + 1;
    }
    // Bus events belong to no channel and no identifier: only an export of everything has them.
    bool keepsEvents() const { return channels == settings::Channels::kAll && ids.empty(); }
};

// What one export worker owns: the loaded capture and the output with its buffer.
class FrameExporter {
public:
    explicit FrameExporter(const ExportOptions& options, const RunControl& control = {});

    // Loads the capture and writes its frames to `output`. A capture that does not load gets
    // no output; one cut short inside its records is exported as far as its whole records go
    // (kCutShort); one whose records cannot be read, or that is stopped, leaves the old output.
    FileOutcome exportFile(const std::filesystem::path& input, const std::filesystem::path& output);

    // The export of a loaded capture (for tests that build captures in memory).
    FileOutcome exportCapture(const monitor::MonitorFile& capture,
                              const std::filesystem::path& output);

private:
    template <class Layout, class Writer>
    int32_t walkRecords(const monitor::MonitorFile& capture, Writer& writer);
    template <class Writer>
    int32_t writeCapture(const monitor::MonitorFile& capture, Writer& writer);
    int32_t writeInFormat(const monitor::MonitorFile& capture);

    ExportOptions options_;
    RunControl control_;
    ExportOutput output_;
    monitor::MonitorFile capture_;
};

// Exports the inputs on `workers` threads into the naming's outputs (its extension is set from
// the format). `stop` ends the batch between files; the control's abort flag also gives up the
// files in hand.
std::vector<FileResult> exportBatch(const std::vector<std::filesystem::path>& inputs,
                                    const ExportOptions& options, OutputNaming naming,
                                    unsigned workers, const std::atomic<bool>& stop,
                                    const BatchCallbacks& callbacks,
                                    const RunControl& control = {});

}  // namespace convert
