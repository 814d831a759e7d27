// A file cut into parts for several workers: where the parts lie, and each worker's own
// reading of them. A capture is cut between records; a BLF log between containers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "monitor/monitor_file.h"
#include "platform/status.h"
#include "sources/capture_source.h"
#include "sources/frame_source.h"

namespace run {

// How the parts are sized. After the first part, parts are sized from the output per unit of
// the parts done (records of a capture, bytes of a log), so that a part's output is about
// `outputBytes`.
struct PartSizes {
    uint64_t firstUnits = 8192;
    uint64_t minUnits = 1024;
    uint64_t maxUnits = 262144;
    uint64_t outputBytes = uint64_t{2} << 20;
};

// One worker's reading of the parts.
class PartReader {
public:
    virtual ~PartReader() = default;
    // The frames of part `index` (the parts counted from 0 in file order), from position
    // `first` to before `end`: a source of the reader's own, walked until the next call.
    virtual sources::FrameSource& readPart(size_t index, uint64_t first, uint64_t end) = 0;
    // The part read last has been walked (or given up): called after every readPart().
    virtual void endPart() {}
};

class PartFile {
public:
    virtual ~PartFile() = default;
    // The positions the parts cover: from begin() to before end() (which may come nearer as
    // the parts are read, when it is known only then).
    virtual uint64_t begin() const = 0;
    virtual uint64_t end() const = 0;
    // The end of the part from `first` of about `units` units: past `first`, at most end().
    // Called by one thread at a time.
    virtual uint64_t cutAfter(uint64_t first, uint64_t units) = 0;
    // A worker's own reader, or null with why not.
    virtual std::unique_ptr<PartReader> openReader(platform::Status& failure) = 0;
    // Whether each part's source counts the whole file (a capture's records, known from its
    // head), rather than what its own part met (a log's objects, skipped and unreadable ones).
    virtual bool countsWholeFile() const { return false; }
};

// A capture's head records, from 0 to its record count.
class CaptureParts final : public PartFile {
public:
    CaptureParts(const std::filesystem::path& input, const monitor::MonitorFile& head)
        : input_(input), head_(head) {}
    uint64_t begin() const override { return 0; }
    uint64_t end() const override { return head_.count; }
    uint64_t cutAfter(uint64_t first, uint64_t units) override {
        return std::min<uint64_t>(head_.count, first + units);
    }
    std::unique_ptr<PartReader> openReader(platform::Status& failure) override;
    bool countsWholeFile() const override { return true; }

private:
    const std::filesystem::path input_;
    const monitor::MonitorFile& head_;
};

// Whether a capture of `records` records is worth several workers: less than two parts is not.
inline bool worthParts(uint64_t records, unsigned workers, const PartSizes& sizes = {}) {
    return workers > 1 && records > sizes.firstUnits * 2;
}

}  // namespace run
