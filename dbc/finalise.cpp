#include "dbc/finalise.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "dbc/line_parser.h"
#include "dbc/text_rules.h"

namespace dbc {

namespace {

// The closing line ends the last open BO_/SG_; its own CM_ is dropped.
constexpr std::string_view kClosingLine = "CM_ \"loaded by TALVERO dbc parser\"\n";

struct SignalKey {
    uint32_t messageId;
    std::string_view signalName;
    bool operator==(const SignalKey&) const = default;
};

struct SignalKeyHash {
    size_t operator()(const SignalKey& key) const {
        return std::hash<std::string_view>{}(key.signalName) ^
               (size_t{key.messageId} * 0x9E3779B1u);
    }
};

// The first record (in file order) of each (message identifier, signal name), so that every
// signal finds its record in constant time instead of a scan of the whole list.
template <typename Record>
class FirstRecordIndex {
public:
    template <typename KeyOf>
    FirstRecordIndex(const std::vector<Record>& records, KeyOf keyOf) {
        index_.reserve(records.size());
        for (const Record& record : records) index_.try_emplace(keyOf(record), &record);
    }
    const Record* find(uint32_t messageId, std::string_view signalName) const {
        const auto it = index_.find(SignalKey{messageId, signalName});
        return it == index_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<SignalKey, const Record*, SignalKeyHash> index_;
};

struct Indexes {
    FirstRecordIndex<SignalValueType> valueTypes;
    FirstRecordIndex<ValueDescriptionSet> valueDescriptions;
    FirstRecordIndex<ExtendedMultiplexing> multiplexing;
};

bool endsWithSwitchMark(const Text& indicator) {
    return !indicator.empty() && indicator.back() == 'M';
}

void finaliseMultiplexing(DbcSignal& signal, uint32_t rawId, const Text& messageSwitch,
                          const Indexes& indexes) {
    signal.isMuxSwitch = endsWithSwitchMark(signal.muxIndicator);
    signal.muxSwitchName.clear();
    signal.muxRanges.clear();
    const ExtendedMultiplexing* extended = nullptr;
    if (!signal.muxIndicator.empty()) {
        extended = indexes.multiplexing.find(rawId, signal.name);
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

void finaliseSignal(DbcSignal& signal, uint32_t rawId, const Text& messageSwitch,
                    const Indexes& indexes) {
    const SignalValueType* valueType = indexes.valueTypes.find(rawId, signal.name);
    signal.isFloat =
        valueType != nullptr && (valueType->valueType == 1 || valueType->valueType == 2);
    const ValueDescriptionSet* descriptions = indexes.valueDescriptions.find(rawId, signal.name);
    signal.valueDescriptions = descriptions != nullptr ? *descriptions : ValueDescriptionSet{};
    finaliseMultiplexing(signal, rawId, messageSwitch, indexes);
}

void finaliseMessage(DbcMessage& message, const Indexes& indexes) {
    message.canId = message.rawId & 0x7FFFFFFFu;
    message.isExtended = (message.rawId & 0x80000000u) != 0;
    Text messageSwitch;
    for (const DbcSignal& signal : message.signals) {
        if (endsWithSwitchMark(signal.muxIndicator)) {
            messageSwitch = signal.name;
            break;
        }
    }
    for (DbcSignal& signal : message.signals) {
        finaliseSignal(signal, message.rawId, messageSwitch, indexes);
    }
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
    const Indexes indexes{
        {db.signalValueTypes,
         [](const SignalValueType& r) {
             return SignalKey{r.messageId, r.signalName};
         }},
        {db.valueDescriptionSets,
         [](const ValueDescriptionSet& r) {
             return SignalKey{r.messageId, r.name};
         }},
        {db.extendedMultiplexing,
         [](const ExtendedMultiplexing& r) {
             return SignalKey{r.messageId, r.signalName};
         }},
    };
    for (DbcMessage& message : db.messages) finaliseMessage(message, indexes);
    db.databaseName.clear();
    db.databaseComment.clear();
    db.loadState = kFinalised;
    return 0;
}

}  // namespace dbc
