// PEAK trace files through the TRC source: any bytes open or fail with a status, and every
// frame handed on keeps the promises of can::Frame. Each line also goes through the line
// grammar of every version, whatever the file's head says.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string_view>

#include "sources/byte_input.h"
#include "sources/trc/trc_lines.h"
#include "sources/trc/trc_source.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void checkFrame(const can::Frame& frame) {
    check(frame.dataLength >= 0 && frame.dataLength <= can::kMaxDataLength);
    check(frame.channel >= 0 && frame.channel < 255);
    check(frame.canId <= 0x1FFFFFFF);
    check(frame.kind == can::FrameKind::kData || frame.kind == can::FrameKind::kRemote ||
          frame.kind == can::FrameKind::kError);
    const int filled = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
    for (int i = filled; i < can::kMaxDataLength; ++i) check(frame.data[i] == 0);
}

void readSource(const uint8_t* data, size_t size) {
    sources::TrcSource source(
        std::make_unique<sources::MemoryInput>(std::span<const uint8_t>(data, size)));
    if (!source.open().ok()) return;
    can::Frame frames[3];
    uint64_t lastPlace = 0;
    while (const size_t count = source.read(frames)) {
        check(count <= 3);
        for (size_t i = 0; i < count; ++i) {
            checkFrame(frames[i]);
            check(frames[i].place > lastPlace);
            lastPlace = frames[i].place;
        }
    }
    check(source.status().ok());
    check(source.bytesRead() == size);
    const sources::SourceCounts& counts = source.counts();
    check(counts.firstUnreadable.size() <= sources::SourceCounts::kKeptUnreadable);
    check(counts.firstUnreadable.size() <= counts.unreadable);
}

void readLines(std::string_view text) {
    using sources::trc::Version;
    sources::trc::Dialect dialects[8];
    const Version versions[] = {Version::k1_0, Version::k1_1, Version::k1_2, Version::k1_3,
                                Version::k2_0, Version::k2_1, Version::k2_1, Version::k2_1};
    for (int i = 0; i < 8; ++i) {
        dialects[i].version = versions[i];
        if (versions[i] >= Version::k2_0)
            dialects[i].columns = sources::trc::defaultColumns(versions[i]);
    }
    dialects[6].columns = sources::trc::columnsOf("OTIdlBD");
    dialects[7].columns = sources::trc::columnsOf("NOTBIdRlD");
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        for (const auto& dialect : dialects) {
            can::Frame frame;
            int64_t offset = 0;
            if (sources::trc::readLine(line, dialect, frame, offset) ==
                sources::trc::LineKind::kFrame)
                checkFrame(frame);
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    readSource(data, size);
    readLines(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
