// One capture read by several workers into rows kept in memory (typed columns for the Python
// module): each worker reads the parts it takes into rows of its own, and the calling thread
// adds each part's rows to the file's in file order, so that the rows are those one reader
// makes. A worker keeps at most a few parts waiting to be added.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "run/file_outcome.h"
#include "run/file_stats.h"
#include "run/part_queue.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"

namespace run {

// The rows of one part, taken out of its worker's reader.
class PartRows {
public:
    virtual ~PartRows() = default;
};

// What one worker does with its parts; made on the worker's thread.
class RowReader {
public:
    virtual ~RowReader() = default;
    // Reads the part `source` walks into rows: success, or why the walk ended (as
    // Converter::convert). `stats`, when given, counts what the part met.
    virtual platform::Status read(sources::FrameSource& source, const sources::WalkControl& control,
                                  FileStats* stats) = 0;
    // The rows of the part read last, leaving the reader empty for the next.
    virtual std::unique_ptr<PartRows> take() = 0;
    // The rows of the part read last (lines of the report).
    virtual uint64_t rows() const = 0;
};

class RowParts {
public:
    virtual ~RowParts() = default;
    virtual std::unique_ptr<RowReader> makeReader() = 0;
    // Adds a part's rows to the file's: called for each part in file order, on the calling
    // thread, while the workers read on.
    virtual void collect(PartRows& rows) = 0;
};

// Reads the parts of `file` (opened already as `head`) on `workers` threads. The outcome
// is that of one reader: converted or cut short when every part was read, else the first
// failure in file order (a stop: kStopped); `stats` adds up the parts'.
// `logCounts`, when given, receives what the parts of a log counted, added up.
FileOutcome readInParts(PartFile& file, const sources::FrameSource& head, RowParts& rows,
                        const sources::WalkControl& control, unsigned workers,
                        FileStats* stats = nullptr, const PartSizes& sizes = {},
                        sources::SourceCounts* logCounts = nullptr);

}  // namespace run
