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
#include "sources/frame_source.h"
#include "tables/table_options.h"

namespace run {

// Parts of a few megabytes of columns each.
// A text log's, in frames.
inline constexpr PartSizes kColumnLogPartSizes{
    .firstUnits = 32768, .maxUnits = 131072, .outputBytes = uint64_t{8} << 20};
// A BLF log's, in bytes of the file.
inline constexpr PartSizes kColumnBlfPartSizes{.firstUnits = uint64_t{256} << 10,
                                               .minUnits = uint64_t{16} << 10,
                                               .maxUnits = uint64_t{16} << 20,
                                               .outputBytes = uint64_t{8} << 20};
inline constexpr PartSizes kColumnPartSizes{.firstUnits = 32768, .outputBytes = uint64_t{8} << 20};

// Decodes the parts of `file` (opened already as `head`) into `sink` (begun here with the
// options' time columns) on `workers` threads: the same rows and codes as Converter::convert
// into it.
FileOutcome readLongColumnsInParts(
    PartFile& file, const sources::FrameSource& head, const decode::Decoding& decoding,
    const tables::ConversionOptions& options, columns::LongColumnSink& sink,
    const sources::WalkControl& control, unsigned workers, FileStats* stats = nullptr,
    const PartSizes& sizes = kColumnPartSizes, sources::SourceCounts* logCounts = nullptr);

// Every frame of the parts of `file` into `table` (emptied first) on `workers` threads: the
// table columns::readFrameTable makes.
FileOutcome readFrameTableInParts(PartFile& file, const sources::FrameSource& head,
                                  columns::FrameTable& table, const sources::WalkControl& control,
                                  unsigned workers, const PartSizes& sizes = kColumnPartSizes,
                                  sources::SourceCounts* logCounts = nullptr);

}  // namespace run
