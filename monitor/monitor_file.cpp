// The container: a 16-byte signature, then tagged chunks of an 8-byte header (tag, payload
// length) and their payload. Unknown chunks are skipped; a chunk running past the end of the
// file ends the walk without failing the load. A record chunk cut off that way still gives the
// whole records present: a capture whose last bytes are lost keeps its frames.
#include "monitor/monitor_file.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "monitor/byte_order.h"
#include "platform/platform.h"

namespace monitor {

const uint8_t kSignature[kSignatureSize] = {'T', 'A', 'L', 'V', 'E', 'R', 'O', ' ',
                                            'D', 'A', 'T', 'A', ' ', ' ', ' ', 0};

namespace {

constexpr uint32_t kChunkHeaderSize = 8;

// Clears everything a previous load left, so a file without an accepted information chunk
// never borrows the variant or time-stamp mode of the file before it.
void resetFile(MonitorFile& file) {
    releaseMonitorFile(file);
    file.subKind = 0;
    file.variant = 0;
    file.timeStampMode = 0;
    file.info27 = Information27{};
    file.info29 = defaultInformation29();
}

bool sizeAcceptable(uint64_t size, LoadReport* report) {
    if (size > kMaxMonitorFileSize && report != nullptr) report->tooLarge = true;
    return size >= kSignatureSize && size <= kMaxMonitorFileSize;
}

bool isRecordTag(uint32_t tag) { return tag == kTagMonitorData || tag == kTagMonitorDataAlt; }

void useRecords(MonitorFile& file, const uint8_t* payload, uint32_t claimed, uint64_t present) {
    file.records = payload;
    file.recordsClaimed = claimed / static_cast<uint32_t>(kRecordSize);
    file.count = static_cast<uint32_t>(std::min<uint64_t>(claimed, present) / kRecordSize);
    file.cutShort = present < claimed;
}

std::unique_ptr<uint8_t[]> allocateBuffer(uint64_t size) {
    // No zero fill: the read overwrites every byte.
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
}

int32_t acceptInformation(MonitorFile& file, const uint8_t* payload, uint32_t length) {
    Identification id;
    if (readIdentification(payload, length, id) != platform::kOk) return platform::kInvalidData;
    if (id.markA != 0x21 && id.markA != 0x2B) return platform::kInvalidData;
    if (id.variantCode == 27) {
        if (parseInformation27(payload, length, file.info27) != platform::kOk) {
            return platform::kInvalidData;
        }
        file.timeStampMode = file.info27.timeStampMode;
        file.subKind = file.info27.id.subKind;
    } else if (id.variantCode == 29) {
        if (parseInformation29(payload, length, file.info29) != platform::kOk) {
            return platform::kInvalidData;
        }
        file.timeStampMode = file.info29.timeStampMode;
        file.subKind = file.info29.id.subKind;
    } else {
        return platform::kInvalidData;
    }
    file.variant = id.variantCode;
    return platform::kOk;
}

// Walks the chunks after the signature. The last frame-record chunk after the information
// chunk wins; one before it is ignored.
int32_t walkChunks(MonitorFile& file) {
    const uint8_t* position = file.buffer.get() + kSignatureSize;
    uint64_t remaining = file.size - kSignatureSize;
    bool informationSeen = false;
    while (remaining >= kChunkHeaderSize) {
        const uint32_t tag = readLe32(position);
        const uint32_t length = readLe32(position + 4);
        position += kChunkHeaderSize;
        remaining -= kChunkHeaderSize;
        // A record chunk is taken even when cut off; any cut chunk ends the walk.
        if (isRecordTag(tag) && informationSeen) useRecords(file, position, length, remaining);
        if (length > remaining) break;
        if (tag == kTagInformation && !informationSeen) {
            if (acceptInformation(file, position, length) != platform::kOk) {
                return platform::kInvalidData;
            }
            informationSeen = true;
        }
        position += length;
        remaining -= length;
    }
    return platform::kOk;
}

int32_t parseLoadedBuffer(MonitorFile& file) {
    if (std::memcmp(file.buffer.get(), kSignature, kSignatureSize) != 0 ||
        walkChunks(file) != platform::kOk) {
        resetFile(file);
        return platform::kInvalidData;
    }
    return platform::kOk;
}

int32_t readWholeFile(const std::filesystem::path& path, std::unique_ptr<uint8_t[]>& buffer,
                      uint64_t& size, LoadReport* report) {
    platform::InputFile input;
    if (const int32_t result = input.open(path); result != platform::kOk) return result;
    if (const int32_t result = input.size(size); result != platform::kOk) return result;
    if (!sizeAcceptable(size, report)) return platform::kInvalidData;
    buffer = allocateBuffer(size);
    if (!buffer) return platform::kOutOfMemory;
    if (const int32_t result = input.readAll(buffer.get(), size); result != platform::kOk) {
        buffer.reset();
        return result;
    }
    return platform::kOk;
}

}  // namespace

int32_t loadMonitorFile(MonitorFile& file, const std::filesystem::path& path, LoadReport* report) {
    resetFile(file);
    if (report != nullptr) *report = LoadReport{};
    std::unique_ptr<uint8_t[]> buffer;
    uint64_t size = 0;
    if (const int32_t result = readWholeFile(path, buffer, size, report); result != platform::kOk) {
        return result;
    }
    file.buffer = std::move(buffer);
    file.size = size;
    return parseLoadedBuffer(file);
}

int32_t loadMonitorBytes(MonitorFile& file, const uint8_t* bytes, uint64_t size,
                         LoadReport* report) {
    resetFile(file);
    if (report != nullptr) *report = LoadReport{};
    if (!sizeAcceptable(size, report) || bytes == nullptr) return platform::kInvalidData;
    file.buffer = allocateBuffer(size);
    if (!file.buffer) return platform::kOutOfMemory;
    std::memcpy(file.buffer.get(), bytes, static_cast<size_t>(size));
    file.size = size;
    return parseLoadedBuffer(file);
}

void releaseMonitorFile(MonitorFile& file) {
    file.buffer.reset();
    file.size = 0;
    file.count = 0;
    file.records = nullptr;
    file.cutShort = false;
    file.recordsClaimed = 0;
}

}  // namespace monitor
