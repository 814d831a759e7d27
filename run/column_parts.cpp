#include "run/column_parts.h"

#include <memory>
#include <mutex>
#include <vector>

#include "run/converter.h"
#include "run/row_parts.h"

namespace run {

namespace {

class LongRows final : public PartRows {
public:
    explicit LongRows(std::unique_ptr<columns::LongColumnSink> gathered)
        : sink(std::move(gathered)) {}
    std::unique_ptr<columns::LongColumnSink> sink;
};

// Sinks whose rows were added, emptied with their room kept, for the parts to come: each part's
// columns then fill memory already in use instead of faulting in new pages.
class SpareSinks {
public:
    std::unique_ptr<columns::LongColumnSink> take(const decode::Decoding& decoding) {
        {
            const std::lock_guard lock(mutex_);
            if (!spare_.empty()) {
                std::unique_ptr<columns::LongColumnSink> sink = std::move(spare_.back());
                spare_.pop_back();
                return sink;
            }
        }
        return std::make_unique<columns::LongColumnSink>(decoding);
    }
    void giveBack(std::unique_ptr<columns::LongColumnSink> sink) {
        sink->clearRows();
        const std::lock_guard lock(mutex_);
        spare_.push_back(std::move(sink));
    }

private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<columns::LongColumnSink>> spare_;
};

// The file's texts so far, taken by each part before it starts: nearly every part then meets
// only texts the file has codes for already, and its codes are the file's.
class KnownCategories {
public:
    columns::LongColumnSink::Categories get() {
        const std::lock_guard lock(mutex_);
        return known_;
    }
    void set(columns::LongColumnSink::Categories known) {
        const std::lock_guard lock(mutex_);
        known_ = std::move(known);
    }

private:
    std::mutex mutex_;
    columns::LongColumnSink::Categories known_;
};

class LongReader final : public RowReader {
public:
    LongReader(const decode::Decoding& decoding, const tables::ConversionOptions& options,
               SpareSinks& spare, KnownCategories& known, bool anyChannel)
        : decoding_(decoding),
          converter_(decoding, options),
          spare_(spare),
          known_(known),
          anyChannel_(anyChannel) {}

    platform::Status read(sources::FrameSource& source, const sources::WalkControl& control,
                          FileStats* stats) override {
        // A sink for each part, its columns those of the file's: its codes are the part's own
        // until they are added.
        sink_ = spare_.take(decoding_);
        if (anyChannel_) sink_->keepAnyChannel();
        sink_->startCodes(known_.get());
        return converter_.convert(source, *sink_, control, stats);
    }
    std::unique_ptr<PartRows> take() override {
        return std::make_unique<LongRows>(std::move(sink_));
    }
    uint64_t rows() const override { return sink_ != nullptr ? sink_->linesWritten() : 0; }

private:
    const decode::Decoding& decoding_;
    Converter converter_;
    SpareSinks& spare_;
    KnownCategories& known_;
    bool anyChannel_;
    std::unique_ptr<columns::LongColumnSink> sink_;
};

class LongParts final : public RowParts {
public:
    LongParts(const decode::Decoding& decoding, const tables::ConversionOptions& options,
              columns::LongColumnSink& sink)
        : decoding_(decoding), options_(options), sink_(sink) {}

    std::unique_ptr<RowReader> makeReader() override {
        return std::make_unique<LongReader>(decoding_, options_, spare_, known_,
                                            sink_.columns().wideChannels);
    }
    void collect(PartRows& rows) override {
        auto& later = static_cast<LongRows&>(rows);
        if (later.sink == nullptr) return;
        sink_.append(*later.sink);
        spare_.giveBack(std::move(later.sink));
        known_.set(sink_.categories());
    }

private:
    const decode::Decoding& decoding_;
    const tables::ConversionOptions& options_;
    columns::LongColumnSink& sink_;
    SpareSinks spare_;
    KnownCategories known_;
};

class FrameRows final : public PartRows {
public:
    columns::FrameTable table;
};

class FrameReader final : public RowReader {
public:
    platform::Status read(sources::FrameSource& source, const sources::WalkControl& control,
                          FileStats* /*stats*/) override {
        rows_ = std::make_unique<FrameRows>();
        return columns::readFrameTable(source, rows_->table, control);
    }
    std::unique_ptr<PartRows> take() override { return std::move(rows_); }
    uint64_t rows() const override { return rows_ != nullptr ? rows_->table.rows() : 0; }

private:
    std::unique_ptr<FrameRows> rows_;
};

class FrameParts final : public RowParts {
public:
    explicit FrameParts(columns::FrameTable& table) : table_(table) {}
    std::unique_ptr<RowReader> makeReader() override { return std::make_unique<FrameReader>(); }
    void collect(PartRows& rows) override { table_.append(static_cast<FrameRows&>(rows).table); }

private:
    columns::FrameTable& table_;
};

}  // namespace

FileOutcome readLongColumnsInParts(PartFile& file, const sources::FrameSource& head,
                                   const decode::Decoding& decoding,
                                   const tables::ConversionOptions& options,
                                   columns::LongColumnSink& sink,
                                   const sources::WalkControl& control, unsigned workers,
                                   FileStats* stats, const PartSizes& sizes,
                                   sources::SourceCounts* logCounts) {
    sink.begin(tables::timeBaseFor(head.timeOrigin(), options));
    LongParts parts(decoding, options, sink);
    return readInParts(file, head, parts, control, workers, stats, sizes, logCounts);
}

FileOutcome readFrameTableInParts(PartFile& file, const sources::FrameSource& head,
                                  columns::FrameTable& table, const sources::WalkControl& control,
                                  unsigned workers, const PartSizes& sizes,
                                  sources::SourceCounts* logCounts) {
    table = columns::FrameTable{};
    table.time = tables::timeBaseFor(head.timeOrigin(), settings::TimeStamps::kTimeOfDay);
    FrameParts parts(table);
    return readInParts(file, head, parts, control, workers, nullptr, sizes, logCounts);
}

}  // namespace run
