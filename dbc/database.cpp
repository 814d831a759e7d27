#include "dbc/database.h"

#include "dbc/parser_work.h"

namespace dbc {

void ParserWork::startStatement(int32_t keywordId) {
    *this = ParserWork{};
    keyword = keywordId;
}

CanDatabase::CanDatabase() : work_(std::make_unique<ParserWork>()) { resetDatabase(*this); }

CanDatabase::~CanDatabase() = default;

ParserWork& CanDatabase::work() { return *work_; }

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
    db.parserState = 0;
    db.lineNumber = 0;
    db.cursor = 0;
    db.pendingText.clear();
    db.work() = ParserWork{};
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
