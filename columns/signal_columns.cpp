#include "columns/signal_columns.h"

#include <algorithm>
#include <limits>

#include "columns/column_append.h"

namespace columns {

int32_t CategoryCodes::codeOf(std::string_view text) {
    const auto [found, added] =
        byText_.try_emplace(text, static_cast<int32_t>(column_.categories.size()));
    if (added) column_.categories.push_back(text);
    return found->second;
}

SignalNumbering::SignalNumbering(const decode::Decoding& decoding) {
    databases_.resize(decoding.own.size() + 1);
    number(databases_[0], decoding.every.database);
    for (size_t i = 0; i < decoding.own.size(); ++i) {
        channelOf_.push_back(decoding.own[i].first);
        number(databases_[i + 1], decoding.own[i].second.database);
    }
}

void SignalNumbering::number(Database& target, const dbc::CanDatabase* database) {
    target.database = database;
    target.firstMessage = messageCount_;
    if (database == nullptr) return;
    for (const dbc::DbcMessage& message : database->messages) {
        target.signalBase.push_back(signalCount_);
        signalCount_ += message.signals.size();
    }
    messageCount_ += database->messages.size();
}

size_t SignalNumbering::messageNumber(int channel, const dbc::DbcMessage& message) const {
    const Database& target = of(channel);
    return target.firstMessage + static_cast<size_t>(&message - target.database->messages.data());
}

size_t SignalNumbering::signalNumber(int channel, const dbc::DbcMessage& message,
                                     const dbc::DbcSignal& signal) const {
    const Database& target = of(channel);
    const auto messageIndex = static_cast<size_t>(&message - target.database->messages.data());
    return target.signalBase[messageIndex] + static_cast<size_t>(&signal - message.signals.data());
}

LongColumnSink::LongColumnSink(const decode::Decoding& decoding)
    : numbering_(decoding),
      messageCode_(numbering_.messageCount(), -2),
      signalCode_(numbering_.signalCount()) {}

namespace {

// Reserved at most up front: past it the columns grow as they fill.
constexpr uint64_t kMostRowsReserved = uint64_t{1} << 24;

}  // namespace

void LongColumnSink::expectFrames(uint64_t frames) {
    const size_t messages = std::max<size_t>(numbering_.messageCount(), 1);
    const uint64_t perFrame = (numbering_.signalCount() + messages - 1) / messages;
    const auto rows = static_cast<size_t>(std::min(frames * perFrame, kMostRowsReserved));
    columns_.time.reserve(rows);
    columns_.wideChannels ? columns_.wideChannel.reserve(rows) : columns_.channel.reserve(rows);
    columns_.extended.reserve(rows);
    columns_.id.reserve(rows);
    columns_.value.reserve(rows);
    for (auto* column :
         {&columns_.message, &columns_.signal, &columns_.unit, &columns_.description}) {
        column->codes.reserve(rows);
    }
}

void LongColumnSink::write(const tables::DecodedFrame& decoded) {
    const can::Frame& frame = decoded.frame;
    const int channel = frame.channel;
    int32_t& messageCode = messageCode_[numbering_.messageNumber(channel, decoded.message)];
    if (messageCode == -2) messageCode = messageCodes_.codeOf(decoded.message.name);
    const size_t count = decoded.values.size();
    const size_t first = columns_.rows();
    columns_.time.append(rowTimeOf(time_, decoded.microseconds), count);
    if (columns_.wideChannels) {
        columns_.wideChannel.resize(first + count, static_cast<uint32_t>(channel) + 1);
    } else {
        columns_.channel.resize(first + count, static_cast<uint8_t>(channel + 1));
    }
    columns_.id.resize(first + count, frame.canId);
    columns_.extended.resize(first + count, frame.isExtended ? 1 : 0);
    columns_.message.codes.resize(first + count, messageCode);
    for (const decode::SignalValue& value : decoded.values) {
        SignalCodes& codes =
            signalCode_[numbering_.signalNumber(channel, decoded.message, *value.signal)];
        if (codes.signal == -2) {
            codes.signal = signalCodes_.codeOf(value.signalName);
            codes.unit = unitCodes_.codeOf(value.unit);
        }
        columns_.signal.codes.push_back(codes.signal);
        columns_.unit.codes.push_back(codes.unit);
        columns_.value.push_back(value.value);
        int32_t description = -1;
        if (!value.enumText.empty()) {
            const auto [found, added] = descriptionCode_.try_emplace(value.enumText.data(), 0);
            if (added) found->second = descriptionCodes_.codeOf(value.enumText);
            description = found->second;
        }
        columns_.description.codes.push_back(description);
    }
}

namespace {

// `later`'s codes as codes of `codes`, whose column is `into`; -1 stays no text. Codes that
// are the same in both (a part whose codes were started from the file's) are copied as they are.
void appendCodes(CategoryColumn& into, CategoryCodes& codes, const CategoryColumn& later) {
    std::vector<int32_t> turned(later.categories.size());
    bool same = true;
    for (size_t i = 0; i < later.categories.size(); ++i) {
        turned[i] = codes.codeOf(later.categories[i]);
        same = same && turned[i] == static_cast<int32_t>(i);
    }
    if (same) {
        appendColumn(into.codes, later.codes);
        return;
    }
    into.codes.reserve(into.codes.size() + later.codes.size());
    for (const int32_t code : later.codes) {
        into.codes.push_back(code < 0 ? code : turned[static_cast<size_t>(code)]);
    }
}

}  // namespace

LongColumnSink::Categories LongColumnSink::categories() const {
    return {columns_.message.categories, columns_.signal.categories, columns_.unit.categories,
            columns_.description.categories};
}

void LongColumnSink::startCodes(const Categories& known) {
    for (const std::string_view text : known.message) messageCodes_.codeOf(text);
    for (const std::string_view text : known.signal) signalCodes_.codeOf(text);
    for (const std::string_view text : known.unit) unitCodes_.codeOf(text);
    for (const std::string_view text : known.description) descriptionCodes_.codeOf(text);
}

void LongColumnSink::clearRows() {
    columns_.time.instant.clear();
    columns_.time.elapsed.clear();
    columns_.channel.clear();
    columns_.wideChannel.clear();
    columns_.id.clear();
    columns_.extended.clear();
    columns_.value.clear();
    for (CategoryCodes* codes : {&messageCodes_, &signalCodes_, &unitCodes_, &descriptionCodes_}) {
        codes->clear();
    }
    std::fill(messageCode_.begin(), messageCode_.end(), -2);
    std::fill(signalCode_.begin(), signalCode_.end(), SignalCodes{});
    descriptionCode_.clear();
}

void LongColumnSink::append(LongColumnSink& later) {
    const LongColumns& rows = later.columns_;
    appendColumn(columns_.time.instant, rows.time.instant);
    appendColumn(columns_.time.elapsed, rows.time.elapsed);
    appendColumn(columns_.channel, rows.channel);
    appendColumn(columns_.wideChannel, rows.wideChannel);
    appendColumn(columns_.id, rows.id);
    appendColumn(columns_.extended, rows.extended);
    appendColumn(columns_.value, rows.value);
    appendCodes(columns_.message, messageCodes_, rows.message);
    appendCodes(columns_.signal, signalCodes_, rows.signal);
    appendCodes(columns_.unit, unitCodes_, rows.unit);
    appendCodes(columns_.description, descriptionCodes_, rows.description);
}

WideColumnSink::WideColumnSink(const decode::Decoding& decoding,
                               const tables::ConversionOptions& options)
    : columns_(decoding),
      rows_(columns_, tables::WideOptions{options.hold, options.resampleMicroseconds}) {
    values_.columnCount = columns_.columns().size();
}

void WideColumnSink::expectFrames(uint64_t frames) {
    const auto rows = static_cast<size_t>(std::min(frames, kMostRowsReserved));
    values_.time.reserve(rows);
    values_.cells.reserve(std::min<size_t>(rows * values_.columnCount, kMostRowsReserved));
}

void WideColumnSink::begin(const tables::TimeBase& time) {
    result_ = 0;
    time_ = time;
    rows_.begin();
    begun_ = true;
}

void WideColumnSink::write(const tables::DecodedFrame& decoded) { rows_.frame(decoded, *this); }

int32_t WideColumnSink::close() {
    if (begun_ && result_ == 0) rows_.finish(*this);
    begun_ = false;
    return result_;
}

void WideColumnSink::row(uint64_t microseconds, std::span<const tables::WideCell> cells,
                         int32_t first, int32_t end) {
    constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();
    values_.time.append(rowTimeOf(time_, microseconds), 1);
    const size_t base = values_.cells.size();
    values_.cells.resize(base + cells.size(), kEmpty);
    for (int32_t i = first; i < end; ++i) {
        const tables::WideCell& cell = cells[static_cast<size_t>(i)];
        if (cell.present) values_.cells[base + static_cast<size_t>(i)] = cell.value;
    }
}

}  // namespace columns
