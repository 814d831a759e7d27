// The record walk of one capture: every head record of a CAN frame on an admitted channel is
// assembled, decoded through the database, and handed to a sink. Written once for both record
// layouts.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "convert/capture_stats.h"
#include "convert/decode.h"
#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/outcome.h"
#include "convert/row_sink.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"
#include "monitor/records.h"

namespace convert {

class Converter {
public:
    // One database for both channels, every signal.
    explicit Converter(const dbc::CanDatabase& database) : Converter(Decoding::of(database)) {}
    explicit Converter(const Decoding& decoding);

    // Converts the loaded file into `output` through the sink (configured by the caller). A file
    // of an unknown record layout gets no output and fails with 0x8007000D; one cut short
    // inside its records is converted as far as it goes and reported as kCutShort; one whose
    // records cannot be read fails as kLoadFailed with the system's error and gets no output.
    // `stats`, when given, counts what the conversion meets.
    FileOutcome convert(const monitor::MonitorFile& file, const ConversionOptions& options,
                        RowSink& sink, const std::filesystem::path& output,
                        CaptureStats* stats = nullptr);

    // Adds the bytes of the records walked, a block at a time, for a progress display.
    void setProgress(std::atomic<uint64_t>* bytesWalked) { bytesWalked_ = bytesWalked; }

private:
    // 0, or why the records could not be read.
    template <class Layout>
    // 0, or the error that ended the reading of the records.
    int32_t walkRecords(const monitor::MonitorFile& file, const ConversionOptions& options,
                        const TimeBase& time, RowSink& sink, CaptureStats* stats);

    std::optional<FrameDecoder> decoders_[2];  // none for a channel without a database
    std::vector<IdRange> ids_;
    std::atomic<uint64_t>* bytesWalked_ = nullptr;
    std::vector<SignalValue> values_;
    monitor::CapturedFrame frame_;
};

}  // namespace convert
