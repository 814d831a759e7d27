// The typed columns of one capture read in parts (row_parts.h): the long table of decoded values
// and the table of frames, each part's rows added to the file's in file order.
#pragma once

#include <filesystem>

#include "columns/frame_columns.h"
#include "columns/signal_columns.h"
#include "decode/decoding_setup.h"
#include "run/file_outcome.h"
#include "run/file_stats.h"
#include "run/part_queue.h"
#include "sources/capture_source.h"
#include "tables/table_options.h"

namespace run {

// Parts of a few megabytes of columns each.
inline constexpr PartSizes kColumnPartSizes{.firstRecords = 32768,
                                            .outputBytes = uint64_t{8} << 20};

// Decodes the capture into `sink` (begun here with the options' time columns) on `workers`
// threads: the same rows and codes as Converter::convert into it.
FileOutcome readLongColumnsInParts(
    const std::filesystem::path& input, sources::CaptureSource& capture,
    const decode::Decoding& decoding, const tables::ConversionOptions& options,
    columns::LongColumnSink& sink, const sources::WalkControl& control, unsigned workers,
    FileStats* stats = nullptr, const PartSizes& sizes = kColumnPartSizes);

// Every frame of the capture into `table` (emptied first) on `workers` threads: the table
// columns::readFrameTable makes.
FileOutcome readFrameTableInParts(const std::filesystem::path& input,
                                  sources::CaptureSource& capture, columns::FrameTable& table,
                                  const sources::WalkControl& control, unsigned workers,
                                  const PartSizes& sizes = kColumnPartSizes);

}  // namespace run
