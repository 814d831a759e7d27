#include "dbc/database.h"

namespace dbc {

void resetDatabase(CanDatabase& db) {
    db.comments.clear();
    db.nodes.clear();
    db.attributeDefinitions.clear();
    db.relationAttributeDefinitions.clear();
    db.attributeValues.clear();
    db.valueTables.clear();
    db.valueDescriptionSets.clear();
    db.signalGroups.clear();
    db.messages.clear();
    db.messages.shrink_to_fit();
    db.attributeDefaults.clear();
    db.relationAttributeDefaults.clear();
    db.environmentVariables.clear();
    db.messageTransmitterLists.clear();
    db.signalValueTypes.clear();
    db.extendedMultiplexing.clear();
    db.store.clear();
    db.loadState = kEmpty;
}

// The shortest message statement, "BO_ 1 M:8 X" and its line end.
constexpr uint64_t kShortestMessageBytes = 12;
// Below this a growing list stays within the memory a load may take anyway.
constexpr uint64_t kReservedFromBytes = 4u << 20;

void reserveForText(CanDatabase& db, uint64_t textBytes) {
    if (textBytes < kReservedFromBytes) return;
    db.messages.reserve(static_cast<size_t>(textBytes / kShortestMessageBytes));
}

int32_t messageCount(const CanDatabase& db) {
    if (db.loadState != kFinalised) return -1;
    return static_cast<int32_t>(db.messages.size());
}

int32_t signalCount(const CanDatabase& db) {
    if (db.loadState != kFinalised) return -1;
    int64_t total = 0;
    for (const DbcMessage& message : db.messages)
        total += static_cast<int64_t>(message.signals.size());
    return total > INT32_MAX ? INT32_MAX : static_cast<int32_t>(total);
}

}  // namespace dbc
