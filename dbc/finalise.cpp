#include "dbc/finalise.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "dbc/line_parser.h"
#include "dbc/text_rules.h"

namespace dbc {

namespace {

// The closing line ends the last open BO_/SG_; its own CM_ is dropped.
constexpr std::string_view kClosingLine = "CM_ \"loaded by TALVERO dbc parser\"\n";

// The first SIG_VALTYPE_, VAL_ and SG_MUL_VAL_ record (in file order) of a signal.
struct SignalRecords {
    const SignalValueType* valueType = nullptr;
    const ValueDescriptionSet* valueDescriptions = nullptr;
    const ExtendedMultiplexing* multiplexing = nullptr;
};

// The records of the three lists, sorted by (message identifier, signal name). Finalisation
// goes through the messages in identifier order too, so each message finds its records where
// the previous one's end, and each signal by a binary search among its message's few records.
class Indexes {
public:
    struct Entry {
        uint32_t messageId;
        std::string_view name;
        SignalRecords records;  // one of the three
    };

    explicit Indexes(const CanDatabase& db) {
        entries_.reserve(db.signalValueTypes.size() + db.valueDescriptionSets.size() +
                         db.extendedMultiplexing.size());
        for (const SignalValueType& r : db.signalValueTypes) {
            entries_.push_back({r.messageId, r.signalName, {&r, nullptr, nullptr}});
        }
        for (const ValueDescriptionSet& r : db.valueDescriptionSets) {
            entries_.push_back({r.messageId, r.name, {nullptr, &r, nullptr}});
        }
        for (const ExtendedMultiplexing& r : db.extendedMultiplexing) {
            entries_.push_back({r.messageId, r.signalName, {nullptr, nullptr, &r}});
        }
        // Stable: among equal keys the file order of each list decides which record is first.
        std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
            return a.messageId != b.messageId ? a.messageId < b.messageId : a.name < b.name;
        });
    }

    // The records of one message; messages must come in ascending identifier order.
    std::span<const Entry> nextMessage(uint32_t messageId) {
        while (next_ < entries_.size() && entries_[next_].messageId < messageId) ++next_;
        size_t end = next_;
        while (end < entries_.size() && entries_[end].messageId == messageId) ++end;
        return std::span<const Entry>(entries_).subspan(next_, end - next_);
    }

    static SignalRecords find(std::span<const Entry> records, std::string_view name) {
        SignalRecords found;
        auto it = std::lower_bound(records.begin(), records.end(), name,
                                   [](const Entry& e, std::string_view n) { return e.name < n; });
        for (; it != records.end() && it->name == name; ++it) {
            if (found.valueType == nullptr) found.valueType = it->records.valueType;
            if (found.valueDescriptions == nullptr) {
                found.valueDescriptions = it->records.valueDescriptions;
            }
            if (found.multiplexing == nullptr) found.multiplexing = it->records.multiplexing;
        }
        return found;
    }

private:
    std::vector<Entry> entries_;
    size_t next_ = 0;
};

bool endsWithSwitchMark(const Text& indicator) {
    return !indicator.empty() && indicator.back() == 'M';
}

void finaliseMultiplexing(DbcSignal& signal, const Text& messageSwitch,
                          const ExtendedMultiplexing* record) {
    signal.isMuxSwitch = endsWithSwitchMark(signal.muxIndicator);
    signal.muxSwitchName.clear();
    signal.muxRanges.clear();
    const ExtendedMultiplexing* extended = nullptr;
    if (!signal.muxIndicator.empty()) {
        extended = record;
        if (extended != nullptr) {
            signal.muxSwitchName = extended->switchName;
        } else if (!signal.isMuxSwitch && messageSwitch != signal.name) {
            signal.muxSwitchName = messageSwitch;
        }
    }
    const Text& indicator = signal.muxIndicator;
    if (!signal.isMuxSwitch && extended == nullptr && indicator.size() >= 2 &&
        indicator.front() == 'm') {
        const int32_t value = toInt32(std::string_view(indicator).substr(1));
        signal.muxRanges.push_back(MuxRange{value, value});
    }
    if (extended != nullptr && extended->switchName == signal.muxSwitchName) {
        signal.muxRanges.insert(signal.muxRanges.end(), extended->ranges.begin(),
                                extended->ranges.end());
    }
}

void finaliseSignal(DbcSignal& signal, const Text& messageSwitch,
                    std::span<const Indexes::Entry> messageRecords) {
    const SignalRecords records = Indexes::find(messageRecords, signal.name);
    const SignalValueType* valueType = records.valueType;
    signal.isFloat =
        valueType != nullptr && (valueType->valueType == 1 || valueType->valueType == 2);
    const ValueDescriptionSet* descriptions = records.valueDescriptions;
    signal.valueDescriptions = descriptions != nullptr ? *descriptions : ValueDescriptionSet{};
    finaliseMultiplexing(signal, messageSwitch, records.multiplexing);
}

void finaliseMessage(DbcMessage& message, Indexes& indexes) {
    message.canId = message.rawId & 0x7FFFFFFFu;
    message.isExtended = (message.rawId & 0x80000000u) != 0;
    Text messageSwitch;
    for (const DbcSignal& signal : message.signals) {
        if (endsWithSwitchMark(signal.muxIndicator)) {
            messageSwitch = signal.name;
            break;
        }
    }
    const std::span<const Indexes::Entry> records = indexes.nextMessage(message.rawId);
    for (DbcSignal& signal : message.signals) finaliseSignal(signal, messageSwitch, records);
}

}  // namespace

int32_t finaliseDatabase(DbcParser& parser) {
    CanDatabase& db = parser.database();
    if (db.loadState == kEmpty) return kFinaliseNothingLoaded;
    if (db.loadState == kFinalised) return kFinaliseAlreadyDone;
    if (db.loadState != kLoading) return kFinaliseBadState;
    parser.parseLine(kClosingLine);
    // Stable, so that messages sharing an identifier keep their file order.
    std::stable_sort(db.messages.begin(), db.messages.end(),
                     [](const DbcMessage& a, const DbcMessage& b) { return a.rawId < b.rawId; });
    Indexes indexes(db);
    for (DbcMessage& message : db.messages) finaliseMessage(message, indexes);
    db.databaseName.clear();
    db.databaseComment.clear();
    db.loadState = kFinalised;
    return 0;
}

}  // namespace dbc
