// The container: a 16-byte signature, then tagged chunks of an 8-byte header (tag, payload
// length) and their payload. Unknown chunks are skipped; a chunk running past the end of the
// file ends the walk without failing the load. A record chunk cut off that way still gives the
// whole records present: a capture whose last bytes are lost keeps its frames. One cut after its
// information but before its record chunk's length is cut short with no records.
#include "monitor/monitor_file.h"

#include <algorithm>
#include <cstring>

#include "monitor/byte_order.h"
#include "platform/platform.h"

namespace monitor {

const uint8_t kSignature[kSignatureSize] = {'T', 'A', 'L', 'V', 'E', 'R', 'O', ' ',
                                            'D', 'A', 'T', 'A', ' ', ' ', ' ', 0};

namespace {

constexpr uint32_t kChunkHeaderSize = 8;

// Clears everything a previous load left, so a file without an accepted information chunk
// never borrows the variant or time-stamp mode of the file before it.
void resetFile(MonitorFile& file, LoadReport* report) {
    releaseMonitorFile(file);
    file.subKind = 0;
    file.variant = 0;
    file.timeStampMode = 0;
    file.info27 = Information27{};
    file.info29 = defaultInformation29();
    if (report != nullptr) *report = LoadReport{};
}

bool sizeAcceptable(uint64_t size, LoadReport* report) {
    if (size > kMaxMonitorFileSize && report != nullptr) report->tooLarge = true;
    return size >= kSignatureSize && size <= kMaxMonitorFileSize;
}

bool isRecordTag(uint32_t tag) { return tag == kTagMonitorData || tag == kTagMonitorDataAlt; }

void useRecords(MonitorFile& file, uint64_t offset, uint32_t claimed, uint64_t present) {
    file.recordsOffset = offset;
    file.recordsClaimed = claimed / static_cast<uint32_t>(kRecordSize);
    file.count = static_cast<uint32_t>(std::min<uint64_t>(claimed, present) / kRecordSize);
    file.cutShort = present < claimed;
}

int32_t acceptInformation(MonitorFile& file, uint64_t offset, uint32_t length) {
    const CaptureBytes& bytes = *file.bytes;
    Identification id;
    if (readIdentification(bytes, offset, length, id) != platform::kOk) {
        return platform::kInvalidData;
    }
    if (id.markA != 0x21 && id.markA != 0x2B) return platform::kInvalidData;
    if (id.variantCode == 27) {
        if (parseInformation27(bytes, offset, length, file.info27) != platform::kOk) {
            return platform::kInvalidData;
        }
        file.timeStampMode = file.info27.timeStampMode;
        file.subKind = file.info27.id.subKind;
    } else if (id.variantCode == 29) {
        if (parseInformation29(bytes, offset, length, file.info29) != platform::kOk) {
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
    uint64_t position = kSignatureSize;
    uint64_t remaining = file.size - kSignatureSize;
    bool informationSeen = false;
    bool recordsSeen = false;
    bool cut = false;  // the file ends inside a chunk or a chunk's header
    while (remaining > 0) {
        if (remaining < kChunkHeaderSize) {
            cut = true;
            break;
        }
        uint8_t header[kChunkHeaderSize];
        if (!file.bytes->read(position, header, sizeof header)) return file.bytes->error();
        const uint32_t tag = readLe32(header);
        const uint32_t length = readLe32(header + 4);
        position += kChunkHeaderSize;
        remaining -= kChunkHeaderSize;
        // A record chunk is taken even when cut off; any cut chunk ends the walk.
        if (isRecordTag(tag) && informationSeen) {
            useRecords(file, position, length, remaining);
            recordsSeen = true;
        }
        if (length > remaining) {
            cut = true;
            break;
        }
        if (tag == kTagInformation && !informationSeen) {
            const int32_t accepted = acceptInformation(file, position, length);
            // A read failure inside the block is the file's fault, not the data's.
            if (file.bytes->error() != platform::kOk) return file.bytes->error();
            if (accepted != platform::kOk) return platform::kInvalidData;
            informationSeen = true;
        }
        position += length;
        remaining -= length;
    }
    // Cut after the information but before the record chunk's length: every record is lost.
    if (cut && informationSeen && !recordsSeen) file.cutShort = true;
    return platform::kOk;
}

int32_t parseCapture(MonitorFile& file) {
    uint8_t signature[kSignatureSize];
    if (!file.bytes->read(0, signature, kSignatureSize)) return file.bytes->error();
    if (std::memcmp(signature, kSignature, kSignatureSize) != 0) return platform::kInvalidData;
    return walkChunks(file);
}

// Keeps the bytes on success; a failure leaves the file empty.
int32_t finishLoad(MonitorFile& file, std::unique_ptr<CaptureBytes> bytes) {
    file.size = bytes->size();
    file.bytes = std::move(bytes);
    const int32_t result = parseCapture(file);
    if (result != platform::kOk) {
        resetFile(file, nullptr);
        return result;
    }
    if (const uint8_t* data = file.bytes->data(); data != nullptr && file.count > 0) {
        file.records = data + file.recordsOffset;
    }
    return platform::kOk;
}

}  // namespace

int32_t loadMonitorFile(MonitorFile& file, const std::filesystem::path& path, LoadReport* report) {
    resetFile(file, report);
    auto bytes = std::make_unique<FileBytes>();
    if (const int32_t result = bytes->open(path); result != platform::kOk) return result;
    if (!sizeAcceptable(bytes->size(), report)) return platform::kInvalidData;
    return finishLoad(file, std::move(bytes));
}

int32_t loadMonitorBytes(MonitorFile& file, const uint8_t* bytes, uint64_t size,
                         LoadReport* report) {
    resetFile(file, report);
    if (!sizeAcceptable(size, report) || bytes == nullptr) return platform::kInvalidData;
    std::unique_ptr<MemoryBytes> copy = MemoryBytes::copyOf(bytes, size);
    if (!copy) return platform::kOutOfMemory;
    return finishLoad(file, std::move(copy));
}

void releaseMonitorFile(MonitorFile& file) {
    file.bytes.reset();
    file.size = 0;
    file.count = 0;
    file.records = nullptr;
    file.recordsOffset = 0;
    file.cutShort = false;
    file.recordsClaimed = 0;
}

}  // namespace monitor
