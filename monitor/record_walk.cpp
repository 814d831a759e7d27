#include "monitor/record_walk.h"

#include <algorithm>
#include <new>

#include "monitor/capture_bytes.h"
#include "platform/platform.h"

namespace monitor {

RecordBlocks::RecordBlocks(const MonitorFile& file) : file_(file), limit_(file.count) {
    const uint64_t block = file.blockRecords != 0 ? file.blockRecords : kBlockRecords;
    const bool inPlace = file.records != nullptr && file.blockRecords == 0;
    capacity_ =
        inPlace ? 0
                : static_cast<uint32_t>(std::min<uint64_t>(block + kRecordsAfterHead, file.count));
}

bool RecordBlocks::load(uint32_t first) {
    base_ = std::min(first, file_.count);
    loaded_ = 0;
    const uint32_t rest = std::max(limit_, base_) - base_;
    if (rest == 0) return true;
    if (capacity_ == 0 && file_.records != nullptr) {
        data_ = file_.records + static_cast<size_t>(base_) * kRecordSize;
        loaded_ = rest;
        return true;
    }
    if (file_.bytes == nullptr) {
        error_ = platform::kFail;  // records announced, but nothing to read them from
        return false;
    }
    if (!buffer_) {
        buffer_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(capacity_) * kRecordSize]);
        if (!buffer_) {
            error_ = platform::kOutOfMemory;
            return false;
        }
    }
    const uint32_t wanted = std::min(capacity_, rest);
    if (!file_.bytes->read(file_.recordsOffset + uint64_t{base_} * kRecordSize, buffer_.get(),
                           size_t{wanted} * kRecordSize)) {
        error_ = file_.bytes->error();
        return false;
    }
    data_ = buffer_.get();
    loaded_ = wanted;
    return true;
}

}  // namespace monitor
