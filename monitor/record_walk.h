// The walk over the frame records of a loaded capture, block by block: a worker holds one block
// of records, never the whole capture. The walk stops on the same head records, in the same
// order, as the walk over all records in place (firstRecordKind / nextRecordKind).
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "monitor/monitor_file.h"
#include "monitor/records.h"

namespace monitor {

// Records per block: 1 MiB, small enough to stay in the processor's cache while it is walked.
constexpr uint32_t kBlockRecords = 32768;
// A head record's extension record and its two continuation records.
constexpr uint32_t kRecordsAfterHead = 3;

// The records of a capture in memory a block at a time: the window [base, base + loaded).
class RecordBlocks {
public:
    explicit RecordBlocks(const MonitorFile& file);

    // Makes records from `first` on the window: up to the block size plus kRecordsAfterHead,
    // fewer at the end. false when the read or the buffer failed (error() tells).
    bool load(uint32_t first);
    // Ends the windows at the records after a head record before `end`: a part of the capture
    // walked on its own reads no further than its last frame needs.
    void limitTo(uint32_t end) {
        limit_ = end >= file_.count - std::min(file_.count, kRecordsAfterHead)
                     ? file_.count
                     : end + kRecordsAfterHead;
    }
    const uint8_t* data() const { return data_; }
    uint32_t base() const { return base_; }
    uint32_t loaded() const { return loaded_; }
    // The window reaches the last record (of the part walked).
    bool atEnd() const { return base_ + loaded_ >= limit_; }
    int32_t error() const { return error_; }

private:
    const MonitorFile& file_;
    uint32_t capacity_;  // records the buffer holds; 0 when the records are used in place
    std::unique_ptr<uint8_t[]> buffer_;
    const uint8_t* data_ = nullptr;
    uint32_t base_ = 0;
    uint32_t loaded_ = 0;
    uint32_t limit_;  // the records past the last one read
    int32_t error_ = 0;
};

// The walk of one record layout (RecordLayout27 or RecordLayout29). A head record near the end
// of a block is moved to the front of the next one, so that the records after it, which
// assembly reads, are always in the window with it.
template <class Layout>
class RecordWalk {
public:
    explicit RecordWalk(const MonitorFile& file) : blocks_(file) {}

    // The first head record at or after `from`; a head record is known by its own bits, so a
    // walk may start at any record and meets the head records a walk from 0 meets there.
    RecordKind first(uint32_t from = 0) {
        if (!reload(from)) return kKindEnd;
        return settle(Layout::first(cursor_));
    }
    // Walks no head records from `end` on (see RecordBlocks::limitTo).
    void limitTo(uint32_t end) { blocks_.limitTo(end); }
    RecordKind next() { return settle(Layout::next(cursor_)); }

    // The head record the walk stopped on, inside the window: for Layout::assemble and
    // Layout::timeCount. Valid until the walk moves on.
    const RecordCursor& cursor() const { return cursor_; }
    // Its index among all records of the capture.
    uint32_t index() const { return blocks_.base() + cursor_.index; }
    // 0, or why the walk ended early (a read failure, or no memory for the block).
    int32_t error() const { return blocks_.error(); }

private:
    bool reload(uint32_t first) {
        const bool loaded = blocks_.load(first);
        cursor_ = RecordCursor{0, blocks_.loaded(), blocks_.data()};
        return loaded;
    }

    RecordKind settle(RecordKind kind) {
        while (kind == kKindEnd) {
            if (blocks_.atEnd() || !reload(blocks_.base() + blocks_.loaded())) return kKindEnd;
            kind = Layout::first(cursor_);
        }
        if (cursor_.index > 0 && cursor_.index + kRecordsAfterHead >= cursor_.count &&
            !blocks_.atEnd() && !reload(blocks_.base() + cursor_.index)) {
            return kKindEnd;
        }
        return kind;
    }

    RecordBlocks blocks_;
    RecordCursor cursor_;
};

}  // namespace monitor
