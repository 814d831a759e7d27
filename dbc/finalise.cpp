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
    enum Kind : uint32_t { kValueType, kValueDescriptions, kMultiplexing };
    struct Entry {
        uint32_t messageId;
        Kind kind;
        TextRef name;
        const void* record;
    };

    explicit Indexes(const CanDatabase& db) {
        entries_.reserve(db.signalValueTypes.size() + db.valueDescriptionSets.size() +
                         db.extendedMultiplexing.size());
        for (const SignalValueType& r : db.signalValueTypes) {
            entries_.push_back({r.messageId, kValueType, r.signalName, &r});
        }
        for (const ValueDescriptionSet& r : db.valueDescriptionSets) {
            entries_.push_back({r.messageId, kValueDescriptions, r.name, &r});
        }
        for (const ExtendedMultiplexing& r : db.extendedMultiplexing) {
            entries_.push_back({r.messageId, kMultiplexing, r.signalName, &r});
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
            switch (it->kind) {
                case kValueType:
                    if (found.valueType == nullptr) {
                        found.valueType = static_cast<const SignalValueType*>(it->record);
                    }
                    break;
                case kValueDescriptions:
                    if (found.valueDescriptions == nullptr) {
                        found.valueDescriptions =
                            static_cast<const ValueDescriptionSet*>(it->record);
                    }
                    break;
                case kMultiplexing:
                    if (found.multiplexing == nullptr) {
                        found.multiplexing = static_cast<const ExtendedMultiplexing*>(it->record);
                    }
                    break;
            }
        }
        return found;
    }

private:
    std::vector<Entry> entries_;
    size_t next_ = 0;
};

bool endsWithSwitchMark(std::string_view indicator) {
    return !indicator.empty() && indicator.back() == 'M';
}

void finaliseMultiplexing(TextStore& store, DbcSignal& signal, TextRef messageSwitch,
                          const ExtendedMultiplexing* record) {
    signal.isMuxSwitch = endsWithSwitchMark(signal.muxIndicator);
    signal.muxSwitchName = TextRef{};
    const ExtendedMultiplexing* extended = nullptr;
    if (!signal.muxIndicator.empty()) {
        extended = record;
        if (extended != nullptr) {
            signal.muxSwitchName = extended->switchName;
        } else if (!signal.isMuxSwitch && messageSwitch != signal.name) {
            signal.muxSwitchName = messageSwitch;
        }
    }
    const std::string_view indicator = signal.muxIndicator;
    const bool fromIndicator = !signal.isMuxSwitch && extended == nullptr &&
                               indicator.size() >= 2 && indicator.front() == 'm';
    const bool fromRecord = extended != nullptr && extended->switchName == signal.muxSwitchName;
    if (fromIndicator) {
        const int32_t value = toInt32(indicator.substr(1));
        signal.muxRanges = store.list<MuxRange>(1);
        signal.muxRanges[0] = MuxRange{value, value};
    } else if (fromRecord) {
        signal.muxRanges = extended->ranges;  // shared with the record
    } else {
        signal.muxRanges = CompactList<MuxRange>{};
    }
}

void finaliseSignal(TextStore& store, DbcSignal& signal, TextRef messageSwitch,
                    std::span<const Indexes::Entry> messageRecords) {
    const SignalRecords records = Indexes::find(messageRecords, signal.name);
    const SignalValueType* valueType = records.valueType;
    signal.isFloat =
        valueType != nullptr && (valueType->valueType == 1 || valueType->valueType == 2);
    // Shared, not copied: a set that many signals use is held once.
    const ValueDescriptionSet* descriptions = records.valueDescriptions;
    signal.valueDescriptions.entries =
        descriptions != nullptr ? descriptions->entries : CompactList<ValueDescription>{};
    finaliseMultiplexing(store, signal, messageSwitch, records.multiplexing);
}

void finaliseMessage(TextStore& store, DbcMessage& message, Indexes& indexes) {
    message.canId = message.rawId & 0x7FFFFFFFu;
    message.isExtended = (message.rawId & 0x80000000u) != 0;
    TextRef messageSwitch;
    for (const DbcSignal& signal : message.signals) {
        if (endsWithSwitchMark(signal.muxIndicator)) {
            messageSwitch = signal.name;
            break;
        }
    }
    const std::span<const Indexes::Entry> records = indexes.nextMessage(message.rawId);
    for (DbcSignal& signal : message.signals) finaliseSignal(store, signal, messageSwitch, records);
}

// Sorts the messages by rawId, those sharing one in file order. The order is worked out on
// their indexes (four bytes a message), then the messages are moved along its cycles in place:
// no second list of messages is ever held.
void sortMessages(std::vector<DbcMessage>& messages) {
    const auto byId = [](const DbcMessage& a, const DbcMessage& b) { return a.rawId < b.rawId; };
    if (std::is_sorted(messages.begin(), messages.end(), byId)) return;
    std::vector<uint32_t> order(messages.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const uint32_t idA = messages[a].rawId;
        const uint32_t idB = messages[b].rawId;
        return idA != idB ? idA < idB : a < b;
    });
    // Position i takes the message at order[i]; a done position is marked with its own index.
    for (uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        const DbcMessage first = messages[start];
        uint32_t at = start;
        while (order[at] != start) {
            const uint32_t from = order[at];
            messages[at] = messages[from];
            order[at] = at;
            at = from;
        }
        messages[at] = first;
        order[at] = at;
    }
}

}  // namespace

int32_t finaliseDatabase(DbcParser& parser) {
    CanDatabase& db = parser.database();
    if (db.loadState == kEmpty) return kFinaliseNothingLoaded;
    if (db.loadState == kFinalised) return kFinaliseAlreadyDone;
    if (db.loadState != kLoading) return kFinaliseBadState;
    parser.parseLine(kClosingLine);
    sortMessages(db.messages);
    Indexes indexes(db);
    for (DbcMessage& message : db.messages) finaliseMessage(db.store, message, indexes);
    db.databaseName.clear();
    db.databaseComment.clear();
    db.loadState = kFinalised;
    return 0;
}

}  // namespace dbc
