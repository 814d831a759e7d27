// One capture or log converted by several workers: it is taken in parts (part_file.h), in file
// order, by whichever worker is free; each worker decodes its part into a table sink of its own,
// whose full blocks go into the one output in the order of the parts (block_parts.h). The output,
// the outcome and the report's figures are those of the conversion on one thread, and memory stays
// bounded: a worker has a few blocks at most waiting for the writer.
#pragma once

#include <cstdint>
#include <filesystem>

#include "decode/decoding_setup.h"
#include "run/file_outcome.h"
#include "run/file_stats.h"
#include "run/part_queue.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace run {

// Converts the parts of `file` (opened already as `head`, which gives the times) into `output`
// through `sink`, which writes the file's head and every part's blocks, on
// `workers` threads, each with a converter and a sink of its own for `decoding` and `options`.
// The sink must write parts (FileSink::writesParts). The outcome, bytes and `stats` are those of
// convertSource with one converter.
FileOutcome convertInParts(PartFile& file, const sources::FrameSource& head,
                           const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, tables::FileSink& sink,
                           const std::filesystem::path& output, const sources::WalkControl& control,
                           unsigned workers, FileStats* stats = nullptr,
                           const PartSizes& sizes = {});

}  // namespace run
