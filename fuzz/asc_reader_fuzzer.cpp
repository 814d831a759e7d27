// Any bytes as an ASC log: opened, then every frame read in batches of a size the input's
// length chooses. Each frame handed on must be one a CAN bus can carry and each count must
// agree with the others; a break of either stops the fuzzer.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "sources/asc/asc_source.h"

namespace {

bool isSound(const can::Frame& frame) {
    const int largest = frame.isFd ? can::kMaxDataLength : 8;
    if (frame.dataLength < 0 || frame.dataLength > largest || frame.channel < 0 ||
        frame.place == 0) {
        return false;
    }
    if (frame.canId > (frame.isExtended ? 0x1FFFFFFFu : 0x7FFu)) return false;
    if (frame.kind != can::FrameKind::kData && frame.kind != can::FrameKind::kRemote &&
        frame.kind != can::FrameKind::kError) {
        return false;
    }
    if (!frame.isFd && (frame.bitRateSwitch || frame.errorState)) return false;
    for (int i = frame.dataLength; i < can::kMaxDataLength; ++i) {
        if (frame.data[i] != 0) return false;
    }
    return frame.kind == can::FrameKind::kData || frame.dataLength <= 8;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sources::AscSource source(
        std::make_unique<sources::MemoryInput>(std::span<const uint8_t>(data, size)));
    if (!source.open().ok()) return 0;
    std::vector<can::Frame> frames(1 + size % 13);
    uint64_t lastPlace = 0;
    for (size_t count; (count = source.read(frames)) != 0;) {
        for (size_t i = 0; i < count; ++i) {
            if (!isSound(frames[i]) || frames[i].place <= lastPlace) std::abort();
            lastPlace = frames[i].place;
        }
    }
    const sources::SourceCounts& counts = source.counts();
    if (!source.status().ok() || counts.firstUnreadable.size() > counts.unreadable ||
        counts.firstUnreadable.size() > sources::SourceCounts::kKeptUnreadable ||
        source.bytesRead() != size) {
        std::abort();
    }
    return 0;
}
