// EV_, VAL_TABLE_, VAL_, BO_TX_BU_, SIG_VALTYPE_, SG_MUL_VAL_ and SIG_GROUP_.
#include "dbc/line_parser.h"
#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

Step bad() { return fail(kLineUnexpectedToken); }

Step advance(Context& ctx) {
    ++ctx.work.step;
    return next();
}

Step awaitSemicolon(Context& ctx) {
    ctx.db.parserState = kExpectSemicolon;
    return next();
}

// EV_ name ':' type [min|max] "unit" initial id accessType accessNode ';'
// for example: EV_ Speed: 0 [0|250] "km/h" 0 7 DUMMY_NODE_VECTOR0 Vector__XXX;
Step environmentVariable(Context& ctx, const Token& token) {
    EnvironmentVariable& ev = ctx.work.envVar;
    switch (ctx.work.step) {
        case 0:
            if (!token.isIdentifier()) return bad();
            ev.name = Text(token.text);
            return advance(ctx);
        case 1:
            return expectColonOrAbandon(ctx, token, 2);
        case 2:
            if (!token.isNumber()) return bad();
            ev.varType = toInt32(token.text);
            return advance(ctx);
        case 3:
            if (!token.isWord() || !parseRangeWord(token.text, ev.minimum, ev.maximum))
                return bad();
            return advance(ctx);
        case 4:
            if (!token.isQuoted()) return bad();
            ev.unit = unquote(token.text);
            return advance(ctx);
        case 5:
            if (!token.isUnquoted()) return bad();
            ev.initialValue = toReal(token.text);
            return advance(ctx);
        case 6:
            if (!token.isNumber()) return bad();
            ev.envId = toInt32(token.text);
            return advance(ctx);
        case 7:
            if (!token.isIdentifier()) return bad();
            ev.accessType = Text(token.text);
            return advance(ctx);
        default:
            if (!token.isIdentifier()) return bad();
            ev.accessNode = Text(token.text);
            return awaitSemicolon(ctx);
    }
}

// Value/text pairs of VAL_ and VAL_TABLE_ up to ';', for example: 0 "Off" 1 "On" ;
Step valuePairs(Context& ctx, const Token& token) {
    ParserWork& work = ctx.work;
    if (token.kind == kTokenSemicolon) return work.pairHasValue ? bad() : finishStatement(ctx);
    if (!work.pairHasValue) {
        if (!token.isUnquoted()) return bad();
        work.pair.value = toInt64(token.text);
        work.pairHasValue = true;
        return next();
    }
    if (!token.isQuoted()) return bad();
    work.pair.text = unquote(token.text);
    work.valueSet.entries.push_back(std::move(work.pair));
    work.pair = ValueDescription{};
    work.pairHasValue = false;
    return next();
}

// VAL_TABLE_ name pairs ';'  and  VAL_ identifier signal pairs ';'
Step valueDescriptions(Context& ctx, const Token& token) {
    const bool withMessage = ctx.work.keyword == kKwVal;
    const int32_t pairsStep = withMessage ? 2 : 1;
    if (ctx.work.step == pairsStep) return valuePairs(ctx, token);
    if (withMessage && ctx.work.step == 0) {
        if (!token.isNumber()) return bad();
        ctx.work.valueSet.messageId = toIdentifier(token.text);
        return advance(ctx);
    }
    if (!token.isIdentifier()) return bad();
    ctx.work.valueSet.name = Text(token.text);
    return advance(ctx);
}

// BO_TX_BU_ identifier ':' node {[','] node} ';'
Step messageTransmitters(Context& ctx, const Token& token) {
    switch (ctx.work.step) {
        case 0:
            if (!token.isNumber()) return bad();
            ctx.work.transmitterMessageId = toIdentifier(token.text);
            return advance(ctx);
        case 1:
            return expectColonOrAbandon(ctx, token, 2);
        default:
            if (token.kind == kTokenSemicolon) return finishStatement(ctx);
            if (token.kind == kTokenComma) return next();
            if (!token.isIdentifier()) return bad();
            ctx.work.transmitterNames.emplace_back(token.text);
            return next();
    }
}

// SIG_VALTYPE_ identifier signal ':' type ';'   for example: SIG_VALTYPE_ 512 Torque : 1;
Step signalValueType(Context& ctx, const Token& token) {
    SignalValueType& record = ctx.work.valueType;
    switch (ctx.work.step) {
        case 0:
            if (!token.isNumber()) return bad();
            record.messageId = toIdentifier(token.text);
            return advance(ctx);
        case 1:
            if (!token.isIdentifier()) return bad();
            record.signalName = Text(token.text);
            return advance(ctx);
        case 2:
            return expectColonOrAbandon(ctx, token, 3);
        default:
            if (!token.isNumber()) return bad();
            record.valueType = toInt32(token.text);
            return awaitSemicolon(ctx);
    }
}

// A switch value range "low-high"; either side may be empty (it converts to 0).
bool parseMuxRange(std::string_view word, MuxRange& range) {
    const size_t dash = word.find('-');
    if (dash == std::string_view::npos || dash + 1 == word.size()) return false;
    const std::string_view low = word.substr(0, dash);
    const std::string_view high = word.substr(dash + 1);
    if (!isNumberWord(low) || !isNumberWord(high)) return false;
    range.low = toInt32(low);
    range.high = toInt32(high);
    return true;
}

// SG_MUL_VAL_ identifier signal switch range {[','] range} ';'
// for example: SG_MUL_VAL_ 100 Temp Mux 1-3, 5-5;
Step extendedMultiplexing(Context& ctx, const Token& token) {
    ExtendedMultiplexing& record = ctx.work.extendedMux;
    switch (ctx.work.step) {
        case 0:
            if (!token.isNumber()) return bad();
            record.messageId = toIdentifier(token.text);
            return advance(ctx);
        case 1:
        case 2:
            if (!token.isIdentifier()) return bad();
            (ctx.work.step == 1 ? record.signalName : record.switchName) = Text(token.text);
            return advance(ctx);
        default: {
            if (token.kind == kTokenSemicolon) return finishStatement(ctx);
            if (token.kind == kTokenComma) return next();
            MuxRange range;
            if (!token.isWord() || !parseMuxRange(token.text, range)) return bad();
            record.ranges.push_back(range);
            return next();
        }
    }
}

// SIG_GROUP_ identifier name repetitions ':' signal {signal} ';'
Step signalGroup(Context& ctx, const Token& token) {
    SignalGroup& group = ctx.work.group;
    switch (ctx.work.step) {
        case 0:
        case 2:
            if (!token.isNumber()) return bad();
            if (ctx.work.step == 0) group.messageId = toIdentifier(token.text);
            if (ctx.work.step == 2) group.repetitions = toInt32(token.text);
            return advance(ctx);
        case 1:
            if (!token.isIdentifier()) return bad();
            group.name = Text(token.text);
            return advance(ctx);
        case 3:
            return expectColonOrAbandon(ctx, token, 4);
        default:
            if (token.kind == kTokenSemicolon) return finishStatement(ctx);
            if (!token.isIdentifier()) return bad();
            group.signalNames.emplace_back(token.text);
            return next();
    }
}

}  // namespace

Step statementArguments(Context& ctx, const Token& token) {
    switch (ctx.work.keyword) {
        case kKwEv:
            return environmentVariable(ctx, token);
        case kKwValTable:
        case kKwVal:
            return valueDescriptions(ctx, token);
        case kKwBoTxBu:
            return messageTransmitters(ctx, token);
        case kKwSigValType:
            return signalValueType(ctx, token);
        case kKwSgMulVal:
            return extendedMultiplexing(ctx, token);
        case kKwSigGroup:
            return signalGroup(ctx, token);
        default:
            return attributeArguments(ctx, token);
    }
}

}  // namespace dbc::parser
