// One capture converted by several workers: its records are taken in parts, in file order, by
// whichever worker is free; each worker decodes its part into a table sink of its own, whose full
// blocks it hands on; the calling thread writes the blocks of the parts in order into the one
// output. The output, the outcome and the report's figures are those of the conversion on one
// thread, and memory stays bounded: a worker has a few blocks at most waiting for the writer.
#pragma once

#include <cstdint>
#include <filesystem>

#include "decode/decoding_setup.h"
#include "run/file_outcome.h"
#include "run/file_stats.h"
#include "sources/capture_source.h"
#include "sources/frame_walk.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace run {

// How the records are cut into parts. A part's lines should fit in the blocks a worker may have
// waiting, so that the worker of the next part need not wait for the writer: after the first
// part, parts are sized from the bytes per record the parts before gave.
struct PartSizes {
    uint32_t firstRecords = 8192;
    uint32_t minRecords = 1024;
    uint32_t maxRecords = 262144;
    uint64_t outputBytes = uint64_t{2} << 20;  // the output a part aims at
};

// Whether a capture of `records` records is worth the workers: less than two parts is not.
inline bool worthParts(uint32_t records, unsigned workers, const PartSizes& sizes = {}) {
    return workers > 1 && records > uint64_t{sizes.firstRecords} * 2;
}

// Converts the capture at `input` (opened as `capture`, which gives the outcome its cut-short
// state) into `output` through `sink`, which writes the file's head and every part's blocks, on
// `workers` threads, each with a converter and a sink of its own for `decoding` and `options`.
// The sink must write parts (FileSink::writesParts). The outcome, bytes and `stats` are those of
// convertSource with one converter.
FileOutcome convertInParts(const std::filesystem::path& input, sources::CaptureSource& capture,
                           const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, tables::FileSink& sink,
                           const std::filesystem::path& output, const sources::WalkControl& control,
                           unsigned workers, FileStats* stats = nullptr,
                           const PartSizes& sizes = {});

}  // namespace run
