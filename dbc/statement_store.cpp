// The end of a statement: its ';' stores the record, or drops it where storeMask says so.
#include <algorithm>
#include <new>
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

void SignalBuffer::grow() {
    const size_t capacity = capacity_ == 0 ? 64 : capacity_ * 2;
    void* grown = std::realloc(block_, TextStore::adoptedBytes<DbcSignal>(capacity));
    if (grown == nullptr) throw std::bad_alloc();
    block_ = grown;
    capacity_ = capacity;
}

CompactList<DbcSignal> SignalBuffer::release(TextStore& store) {
    // Few signals are copied into the store, and the buffer serves the next message.
    constexpr size_t kCopiedSignals = 1024;
    if (count_ == 0) return {};  // the block may not exist yet
    const DbcSignal* signals = TextStore::adoptedElements<DbcSignal>(block_);
    if (count_ <= kCopiedSignals) {
        CompactList<DbcSignal> list = store.listToFill<DbcSignal>(count_);
        std::copy(signals, signals + count_, list.begin());
        count_ = 0;
        return list;
    }
    void* exact = std::realloc(block_, TextStore::adoptedBytes<DbcSignal>(count_));
    CompactList<DbcSignal> list = store.adopt<DbcSignal>(exact != nullptr ? exact : block_, count_);
    block_ = nullptr;
    capacity_ = count_ = 0;
    return list;
}

void ParserWork::startStatement(int32_t keywordId) {
    keyword = keywordId;
    step = 0;
    switch (keywordId) {
        case kKwBo:
            message = MessageDraft{};
            signals.clear();
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
            valueSet = ValueSetDraft{};
            pair = ValueDescriptionText{};
            pairHasValue = false;
            break;
        case kKwBoTxBu:
            transmitterMessageId = 0;
            transmitterNames.clear();
            break;
        case kKwSigValType:
            valueType = SignalValueTypeDraft{};
            break;
        case kKwSgMulVal:
            extendedMux = ExtendedMultiplexingDraft{};
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

void storeValueDescriptions(CanDatabase& db, ValueSetDraft& set) {
    // Stable, so that equal values keep their file order; most sets come sorted already.
    const auto byValue = [](const ValueDescriptionText& a, const ValueDescriptionText& b) {
        return a.value < b.value;
    };
    if (!std::is_sorted(set.entries.begin(), set.entries.end(), byValue)) {
        std::stable_sort(set.entries.begin(), set.entries.end(), byValue);
    }
    ValueDescriptionSet stored{db.store.add(set.name),
                               db.store.list<ValueDescription>(set.entries.size()), set.messageId};
    for (size_t i = 0; i < set.entries.size(); ++i) {
        stored.entries[i] = {set.entries[i].value, db.store.add(set.entries[i].text)};
    }
    db.valueDescriptionSets.push_back(stored);
}

void storeExtendedMultiplexing(CanDatabase& db, const ExtendedMultiplexingDraft& draft) {
    db.extendedMultiplexing.push_back({draft.messageId, db.store.add(draft.signalName),
                                       db.store.add(draft.switchName),
                                       db.store.copy<MuxRange>(draft.ranges)});
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
            storeValueDescriptions(db, work.valueSet);
            break;
        case kKwSigValType:
            db.signalValueTypes.push_back({work.valueType.messageId,
                                           db.store.add(work.valueType.signalName),
                                           work.valueType.valueType});
            break;
        case kKwSgMulVal:
            storeExtendedMultiplexing(db, work.extendedMux);
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
