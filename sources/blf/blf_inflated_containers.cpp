#include "sources/blf/blf_inflated_containers.h"

#include <algorithm>
#include <new>

#include "monitor/byte_order.h"
#include "sources/blf/blf_objects.h"
#include "sources/blf/blf_source.h"

namespace sources::blf {

void InflatedContainers::inflate(std::span<const uint8_t> bytes, uint64_t from,
                                 Inflater& inflater) {
    containers_.clear();
    size_t total = 0;
    size_t pos = 0;
    while (bytes.size() - pos >= kContainerPadding + kBaseHeaderSize) {
        size_t skip = pos;
        while (skip < pos + kContainerPadding && bytes[skip] == 0) ++skip;
        if (monitor::readLe32(bytes.data() + skip) != kObjectSignature) break;
        const ObjectHeader header = readObjectHeader(bytes.data() + skip);
        const size_t fieldsEnd = size_t{header.headerSize} + kContainerFieldsSize;
        if (header.type != kLogContainer || !plausible(header) || header.objectSize < fieldsEnd ||
            header.objectSize > bytes.size() - skip) {
            break;
        }
        const uint8_t* fields = bytes.data() + skip + header.headerSize;
        Container container;
        container.at = from + skip;
        container.payload = skip + fieldsEnd;
        container.payloadSize = static_cast<uint32_t>(header.objectSize - fieldsEnd);
        container.claimed = monitor::readLe32(fields + kContainerClaimOffset);
        pos = skip + header.objectSize;
        if (monitor::readLe16(fields) != kZlibMethod) continue;  // stored: nothing to inflate
        if (container.claimed > BlfSource::kMaxContainerSize ||
            container.claimed > container.payloadSize * kMaxDeflateRatio ||
            container.claimed > kMaxBytes - total) {
            break;
        }
        container.offset = total;
        total += container.claimed;
        containers_.push_back(container);
    }
    if (total > capacity_) {
        output_.reset(new (std::nothrow) uint8_t[total]);
        capacity_ = output_ != nullptr ? total : 0;
        if (output_ == nullptr) {
            containers_.clear();  // the reader inflates them itself, or says why it cannot
            return;
        }
    }
    for (Container& container : containers_) {
        container.result = inflater.inflate(bytes.subspan(container.payload, container.payloadSize),
                                            {output_.get() + container.offset, container.claimed},
                                            container.produced);
    }
}

bool InflatedContainers::find(uint64_t at, InflateResult& result,
                              std::span<const uint8_t>& output) const {
    const auto found = std::lower_bound(
        containers_.begin(), containers_.end(), at,
        [](const Container& container, uint64_t place) { return container.at < place; });
    if (found == containers_.end() || found->at != at) return false;
    result = found->result;
    output = {output_.get() + found->offset, found->produced};
    return true;
}

}  // namespace sources::blf
