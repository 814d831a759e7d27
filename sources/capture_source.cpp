#include "sources/capture_source.h"

#include <algorithm>
#include <string>

#include "monitor/record_walk.h"
#include "monitor/records.h"

namespace sources {

class CaptureSource::Reader {
public:
    virtual ~Reader() = default;
    // Fills frames from the next head records; how many (0 at the end).
    virtual size_t read(std::span<can::Frame> frames, uint64_t nanosecondsPerCount) = 0;
    // The records walked so far.
    virtual uint32_t walked() const = 0;
    virtual int32_t error() const = 0;
};

namespace {

template <class Layout>
class LayoutReader final : public CaptureSource::Reader {
public:
    LayoutReader(const monitor::MonitorFile& file, uint32_t first, uint32_t end)
        : walk_(file), first_(first), end_(end) {
        walk_.limitTo(end);
    }

    size_t read(std::span<can::Frame> frames, uint64_t nanosecondsPerCount) override {
        size_t filled = 0;
        while (filled < frames.size() && !ended_) {
            const monitor::RecordKind kind = started_ ? walk_.next() : walk_.first(first_);
            started_ = true;
            if (kind == monitor::kKindEnd || walk_.index() >= end_) {
                ended_ = true;
                break;
            }
            can::Frame& frame = frames[filled++];
            const int channel = monitor::frameChannelOf(kind);
            if (channel < 0) {
                frame = can::Frame{};
                frame.kind = can::FrameKind::kEvent;
                frame.channel = -1;
                frame.event = static_cast<uint16_t>(kind);
            } else if (!Layout::assemble(walk_.cursor(), channel, frame)) {
                frame.kind = can::FrameKind::kDamaged;
                frame.channel = channel;
            }
            frame.place = walk_.index();
            frame.time = Layout::timeCount(walk_.cursor()) * nanosecondsPerCount;
        }
        return filled;
    }
    uint32_t walked() const override {
        return ended_ ? end_ - first_ : started_ ? walk_.index() - first_ : 0;
    }
    int32_t error() const override { return walk_.error(); }

private:
    monitor::RecordWalk<Layout> walk_;
    uint32_t first_;
    uint32_t end_;
    bool started_ = false;
    bool ended_ = false;
};

// The layout-27 time-stamp modes: 1-3 a clock, 4-6 elapsed time, each mode its unit.
uint64_t modeNanoseconds(int mode) {
    if (mode >= 1 && mode <= 4) return 100000;
    if (mode == 5) return 10000;
    if (mode == 6) return 1000;
    return 0;
}

}  // namespace

CaptureSource::CaptureSource() : file_(&owned_) {}

CaptureSource::CaptureSource(const monitor::MonitorFile& loaded) : file_(&loaded) { start(); }

CaptureSource::~CaptureSource() { monitor::releaseMonitorFile(owned_); }

platform::Status CaptureSource::open(const std::filesystem::path& path,
                                     monitor::LoadReport* report) {
    reader_.reset();
    file_ = &owned_;
    const int32_t loaded = monitor::loadMonitorFile(owned_, path, report);
    if (loaded != platform::kOk) {
        status_ = platform::Status::failure(loaded);
        return status_;
    }
    start();
    return {};
}

void CaptureSource::start() {
    const monitor::MonitorFile& file = *file_;
    status_ = {};
    counts_ = SourceCounts{};
    counts_.records = file.count;
    counts_.cutShort = file.cutShort;
    counts_.recordsClaimed = file.recordsClaimed;
    origin_ = TimeOrigin{};
    nanosecondsPerCount_ = 1000;
    if (file.variant == monitor::RecordLayout29::kVariant) {
        origin_.kind = TimeOrigin::Kind::kDated;
        origin_.startSeconds = file.info29.startSeconds;
        origin_.startNanoseconds = file.info29.startNanoseconds;
        origin_.note =
            "times from the recording start, whose date the capture does not give in a form "
            "this program writes";
    } else if (const uint64_t unit = modeNanoseconds(file.timeStampMode);
               file.variant == monitor::RecordLayout27::kVariant && unit != 0) {
        const bool clock = file.timeStampMode <= 3;
        origin_.kind = clock ? TimeOrigin::Kind::kClock : TimeOrigin::Kind::kElapsed;
        origin_.note = "times from the zero of the capture's own count, in units of " +
                       std::to_string(unit / 1000) + " us (time-stamp mode " +
                       std::to_string(file.timeStampMode) + "); the capture records no date";
        nanosecondsPerCount_ = unit;
    } else {
        origin_.kind = TimeOrigin::Kind::kNoUnit;
        origin_.note = "the capture's time-stamp mode " + std::to_string(file.timeStampMode) +
                       " gives its time counts no unit: every time is 0";
    }
    monitor::withRecordLayout(file.variant, [&](auto layout) {
        reader_ = std::make_unique<LayoutReader<decltype(layout)>>(file, 0, file.count);
    });
}

void CaptureSource::walkPart(uint32_t first, uint32_t end) {
    const monitor::MonitorFile& file = *file_;
    status_ = {};
    end = std::min(end, file.count);
    first = std::min(first, end);
    monitor::withRecordLayout(file.variant, [&](auto layout) {
        reader_ = std::make_unique<LayoutReader<decltype(layout)>>(file, first, end);
    });
}

size_t CaptureSource::read(std::span<can::Frame> frames) {
    if (!status_.ok()) return 0;
    if (reader_ == nullptr) {
        // Loaded, but of no record layout this program reads.
        status_ = platform::Status::failure(platform::kInvalidData);
        return 0;
    }
    const size_t filled = reader_->read(frames, nanosecondsPerCount_);
    if (filled == 0 && reader_->error() != platform::kOk) {
        status_ = platform::Status::failure(reader_->error());
    }
    return filled;
}

uint64_t CaptureSource::bytesRead() const {
    return reader_ == nullptr ? 0 : uint64_t{reader_->walked()} * monitor::kRecordSize;
}

}  // namespace sources
