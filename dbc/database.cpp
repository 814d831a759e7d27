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
    db.attributeDefaults.clear();
    db.relationAttributeDefaults.clear();
    db.environmentVariables.clear();
    db.messageTransmitterLists.clear();
    db.signalValueTypes.clear();
    db.extendedMultiplexing.clear();
    db.loadState = kEmpty;
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
