// The end of a statement: its ';' stores the record, or drops it where storeMask says so.
#include <algorithm>
#include <type_traits>

#include "dbc/parser_internal.h"

namespace dbc {

void ParserCore::clearPending() {
    pendingText.clear();
    cursor = 0;
    commentScanned = 0;
    commentInString = false;
    openQuote = std::string::npos;
    openQuoteScanned = 0;
}

void ParserWork::startStatement(int32_t keywordId) {
    keyword = keywordId;
    step = 0;
    switch (keywordId) {
        case kKwBo:
            message = DbcMessage{};
            signals.clear();  // keeps its capacity for the next message
            break;
        case kKwEv:
            envVar = EnvironmentVariable{};
            break;
        case kKwCm:
            objectRef = ObjectRef{};
            commentText.clear();
            break;
        case kKwBaDef:
        case kKwBaDefRel:
            definition = AttributeDefinition{};
            break;
        case kKwBa:
        case kKwBaRel:
        case kKwBaDefDef:
        case kKwBaDefDefRel:
            objectRef = ObjectRef{};
            attributeName.clear();
            valueText.clear();
            valueIsString = false;
            break;
        case kKwValTable:
        case kKwVal:
            valueSet = ValueDescriptionSet{};
            pair = ValueDescription{};
            pairHasValue = false;
            break;
        case kKwBoTxBu:
            transmitterMessageId = 0;
            transmitterNames.clear();
            break;
        case kKwSigValType:
            valueType = SignalValueType{};
            break;
        case kKwSgMulVal:
            extendedMux = ExtendedMultiplexing{};
            break;
        case kKwSigGroup:
            group = SignalGroup{};
            break;
        default:
            break;
    }
}

}  // namespace dbc

namespace dbc::parser {

namespace {

template <typename Record>
void keep(const CanDatabase& db, int32_t maskBit, std::vector<Record>& list,
          std::type_identity_t<Record>&& record) {
    if ((db.storeMask & maskBit) == 0) list.push_back(std::move(record));
}

void storeValueDescriptions(CanDatabase& db, ValueDescriptionSet&& set) {
    // Stable, so that equal values keep their file order.
    std::stable_sort(
        set.entries.begin(), set.entries.end(),
        [](const ValueDescription& a, const ValueDescription& b) { return a.value < b.value; });
    db.valueDescriptionSets.push_back(std::move(set));
}

void storeStatement(CanDatabase& db, ParserWork& work) {
    switch (work.keyword) {
        case kKwCm:
            keep(db, kStoreMaskComments, db.comments,
                 DbcComment{work.objectRef, std::move(work.commentText)});
            break;
        case kKwBaDef:
            keep(db, kStoreMaskAttributes, db.attributeDefinitions, std::move(work.definition));
            break;
        case kKwBaDefRel:
            keep(db, kStoreMaskAttributes, db.relationAttributeDefinitions,
                 std::move(work.definition));
            break;
        case kKwBa:
        case kKwBaRel:
            keep(db, kStoreMaskAttributes, db.attributeValues,
                 AttributeValue{std::move(work.attributeName), work.objectRef, work.valueIsString,
                                std::move(work.valueText)});
            break;
        case kKwBaDefDef:
        case kKwBaDefDefRel:
            keep(db, kStoreMaskAttributes,
                 work.keyword == kKwBaDefDef ? db.attributeDefaults : db.relationAttributeDefaults,
                 AttributeDefault{std::move(work.attributeName), work.valueIsString,
                                  std::move(work.valueText)});
            break;
        case kKwValTable:
            keep(db, kStoreMaskValueTables, db.valueTables,
                 ValueTable{std::move(work.valueSet.name), std::move(work.valueSet.entries)});
            break;
        case kKwEv:
            keep(db, kStoreMaskEnvVars, db.environmentVariables, std::move(work.envVar));
            break;
        case kKwBoTxBu:
            keep(db, kStoreMaskTransmittersAndGroups, db.messageTransmitterLists,
                 MessageTransmitters{work.transmitterMessageId, std::move(work.transmitterNames)});
            break;
        case kKwSigGroup:
            keep(db, kStoreMaskTransmittersAndGroups, db.signalGroups, std::move(work.group));
            break;
        case kKwVal:
            storeValueDescriptions(db, std::move(work.valueSet));
            break;
        case kKwSigValType:
            db.signalValueTypes.push_back(std::move(work.valueType));
            break;
        case kKwSgMulVal:
            db.extendedMultiplexing.push_back(std::move(work.extendedMux));
            break;
        default:
            break;
    }
}

}  // namespace

Step finishStatement(Context& ctx) {
    ++ctx.core.cursor;
    storeStatement(ctx.db, ctx.work);
    ctx.work.startStatement(0);
    ctx.core.state = kBetween;
    return next();
}

// A statement that meets anything but ';' is dropped silently; the token starts the next one.
Step expectSemicolon(Context& ctx, const Token& token) {
    if (token.kind == kTokenSemicolon) return finishStatement(ctx);
    ctx.core.state = kBetween;
    return reread();
}

}  // namespace dbc::parser
