// Any bytes through format detection and through a gzip read: no crash, no hang, no read past
// the head, and what is told agrees with the bytes (gzip when they start with its magic; an
// inflated stream that ends well is never called cut short).
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "sources/byte_input.h"
#include "sources/format_detection.h"
#include "sources/gzip_input.h"

namespace {

void detect(std::span<const uint8_t> bytes) {
    sources::MemoryInput input(bytes);
    sources::DetectedInput detected;
    const platform::Status status = sources::detectInputFormat(input, "fuzz.log", detected);
    if (status.ok() && detected.gzip != sources::startsWithGzipMagic(bytes)) std::abort();
    if (!detected.gzip && input.consumed() > sources::kDetectionHeadSize) std::abort();
    for (const bool whole : {true, false}) {
        (void)sources::formatOfHead(bytes, whole, sources::InputFormat::kAsc);
    }
}

void inflate(std::span<const uint8_t> bytes) {
    sources::GzipInput input(std::make_unique<sources::MemoryInput>(bytes));
    std::vector<uint8_t> buffer(bytes.empty() ? 1 : 1 + bytes[0] % 97);
    uint64_t total = 0;
    while (const size_t got = input.read(buffer)) {
        if (got > buffer.size()) std::abort();
        total += got;
        // Deflate inflates at most about a thousandfold.
        if (total > 1100 * (bytes.size() + 64)) std::abort();
    }
    if (input.read(buffer) != 0 || input.consumed() > bytes.size()) std::abort();
    if (!input.status().ok() && input.cutShort()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    detect(bytes);
    inflate(bytes);
    return 0;
}
