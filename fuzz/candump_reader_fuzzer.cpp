// The candump reader over any bytes: it must never read past its input, and every frame it hands
// on must be one a CAN bus carries (an identifier within its bits, a length up to 64 with zeros
// beyond it, a channel it numbered, lines in order). Read a frame at a time and in large spans,
// the same file must give the same frames and counts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sources/byte_input.h"
#include "sources/candump/candump_source.h"

namespace {

[[noreturn]] void fail(const char* what, uint64_t place) {
    std::fprintf(stderr, "%s (line %llu)\n", what, static_cast<unsigned long long>(place));
    std::abort();
}

void check(const can::Frame& frame, uint64_t previousPlace) {
    if (frame.place <= previousPlace) fail("lines out of order", frame.place);
    if (frame.dataLength < 0 || frame.dataLength > can::kMaxDataLength) {
        fail("a length past 64", frame.place);
    }
    if (frame.channel < 0 || frame.channel >= sources::candump::ChannelMap::kMaxChannels) {
        fail("a channel out of range", frame.place);
    }
    const bool error = frame.kind == can::FrameKind::kError;
    if (frame.canId > (frame.isExtended || error ? 0x1FFFFFFFu : 0x7FFu)) {
        fail("an identifier past its bits", frame.place);
    }
    if (frame.kind != can::FrameKind::kData && !error && frame.kind != can::FrameKind::kRemote) {
        fail("a kind no candump line gives", frame.place);
    }
    if (!frame.isFd && frame.dataLength > 8) fail("a classic frame of over 8 bytes", frame.place);
    const int zeroFrom = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
    for (int i = zeroFrom; i < can::kMaxDataLength; ++i) {
        if (frame.data[i] != 0) fail("bytes beyond the data not zero", frame.place);
    }
}

struct Reading {
    bool opened = false;
    std::vector<can::Frame> frames;
    sources::SourceCounts counts;
};

Reading readAll(const uint8_t* data, size_t size, size_t span) {
    sources::CandumpSource source(
        std::make_unique<sources::MemoryInput>(std::span<const uint8_t>(data, size)));
    Reading reading;
    reading.opened = source.open().ok();
    std::vector<can::Frame> frames(span);
    while (const size_t got = source.read(frames)) {
        if (!reading.opened) fail("frames from a source that did not open", 0);
        for (size_t i = 0; i < got; ++i) {
            check(frames[i], reading.frames.empty() ? 0 : reading.frames.back().place);
            reading.frames.push_back(frames[i]);
        }
    }
    if (reading.opened && !source.status().ok()) fail("a memory input failed", 0);
    reading.counts = source.counts();
    return reading;
}

bool sameFrames(const std::vector<can::Frame>& a, const std::vector<can::Frame>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].place != b[i].place || a[i].time != b[i].time || a[i].canId != b[i].canId ||
            a[i].channel != b[i].channel || a[i].dataLength != b[i].dataLength ||
            a[i].kind != b[i].kind || std::memcmp(a[i].data, b[i].data, sizeof a[i].data) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Reading one = readAll(data, size, 1);
    const Reading many = readAll(data, size, 97);
    if (one.opened != many.opened || !sameFrames(one.frames, many.frames) ||
        one.counts.skipped != many.counts.skipped ||
        one.counts.unreadable != many.counts.unreadable ||
        one.counts.cutShort != many.counts.cutShort) {
        fail("the frames differ with the span read into", 0);
    }
    return 0;
}
