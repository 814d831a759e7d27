// BO_ and SG_: the statements that build messages and signals, and the dispatch of keywords.
#include "dbc/line_parser.h"
#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

constexpr std::string_view kIndependentMessage = "VECTOR__INDEPENDENT_SIG_MSG";

void closeMessage(Context& ctx) {
    DbcMessage& message = ctx.work.message;
    if (message.name == kIndependentMessage) return;
    if (ctx.db.storeMask == 0xFF) message.transmitters.clear();
    ctx.db.messages.push_back(std::move(message));
    message = DbcMessage{};
}

void storeSignal(Context& ctx) {
    DbcSignal& signal = ctx.work.signal;
    if (ctx.db.storeMask == 0xFF) signal.receivers.clear();
    ctx.work.message.signals.push_back(std::move(signal));
    signal = DbcSignal{};
}

Step startSignal(Context& ctx) {
    ctx.work.signal = DbcSignal{};
    ctx.work.step = 0;
    ctx.db.parserState = kSignalNames;
    return next();
}

// Digits up to `stop` (at least one) converted to int32; false on any other character.
bool readDigits(std::string_view word, size_t& pos, char stop, int32_t& value) {
    const size_t begin = pos;
    while (pos < word.size() && word[pos] >= '0' && word[pos] <= '9') ++pos;
    if (pos == begin || pos >= word.size() || word[pos] != stop) return false;
    value = toInt32(word.substr(begin, pos - begin));
    ++pos;
    return true;
}

// Bit field word: start|length@order sign, for example 7|8@1+ or 39|16@0-.
bool parseBitField(std::string_view word, DbcSignal& signal) {
    size_t pos = 0;
    if (!readDigits(word, pos, '|', signal.startBit)) return false;
    if (!readDigits(word, pos, '@', signal.bitLength)) return false;
    if (word.size() - pos != 2 || word[pos] < '0' || word[pos] > '9') return false;
    signal.isLittleEndian = word[pos] != '0';
    if (word[pos + 1] != '+' && word[pos + 1] != '-') return false;
    signal.isSigned = word[pos + 1] == '-';
    return true;
}

Step signalNames(Context& ctx, const Token& token) {
    if (token.kind == kTokenColon) {
        if (ctx.work.step == 0) return fail(kLineUnexpectedToken, kMessageOpen);
        ++ctx.db.cursor;
        ctx.db.parserState = kSignalBitField;
        return next();
    }
    if (!token.isIdentifier() || ctx.work.step >= 2)
        return fail(kLineUnexpectedToken, kMessageOpen);
    (ctx.work.step == 0 ? ctx.work.signal.name : ctx.work.signal.muxIndicator) = Text(token.text);
    ++ctx.work.step;
    return next();
}

// "(factor,offset)" arrives as up to three tokens: "(factor" ',' "offset)".
Step signalScaling(Context& ctx, const Token& token) {
    int32_t& step = ctx.work.step;
    if (token.kind == kTokenComma) {
        if (step != 1) return fail(kLineBadScaling, kMessageOpen);
        step = 2;
        return next();
    }
    if (!token.isWord()) return fail(kLineUnexpectedToken, kMessageOpen);
    if (step == 0 && token.text.front() == '(') {
        ctx.work.signal.factor = toReal(token.text.substr(1));
        step = 1;
        return next();
    }
    if (step == 2 && token.text.back() == ')') {
        ctx.work.signal.offset = toReal(token.text.substr(0, token.text.size() - 1));
        ctx.db.parserState = kSignalRange;
        return next();
    }
    return fail(kLineBadScaling, kMessageOpen);
}

Step signalReceivers(Context& ctx, const Token& token) {
    if (token.tokenClass() == kTokenKeyword) {
        storeSignal(ctx);
        ctx.db.parserState = kSignalEnded;
        return messageKeyword(ctx, token.classId());
    }
    if (token.kind == kTokenComma) return next();
    if (!token.isIdentifier()) return fail(kLineUnexpectedToken, kMessageOpen);
    if (token.text != "Vector__XXX") ctx.work.signal.receivers.emplace_back(token.text);
    return next();
}

}  // namespace

// Range word: "[" minimum "|" maximum "]", for example [0|255] or [-40|6513.5].
bool parseRangeWord(std::string_view word, double& minimum, double& maximum) {
    minimum = 0.0;
    maximum = 0.0;
    if (word.empty() || word.front() != '[') return false;
    const size_t bar = word.find('|', 1);
    if (bar == std::string_view::npos || bar == 1) return false;
    const size_t close = word.find(']', bar + 1);
    if (close == std::string_view::npos || close == bar + 1 || close + 1 != word.size()) {
        return false;
    }
    minimum = toReal(word.substr(1, bar - 1));
    maximum = toReal(word.substr(bar + 1, close - bar - 1));
    if (minimum > maximum) std::swap(minimum, maximum);
    return true;
}

Step startStatement(Context& ctx, int32_t keywordId, bool colonConsumed) {
    CanDatabase& db = ctx.db;
    switch (keywordId) {
        case kKwVersion:
        case kKwBs:
        case kKwSkipped:
            db.parserState = kBetween;
            return next();
        case kKwNs:
            db.parserState = colonConsumed ? kNsEntry : kNsColon;
            return next();
        case kKwBu:
            db.parserState = colonConsumed ? kBuNodes : kBuColon;
            return next();
        case kKwSg:
            return fail(kLineUnexpectedToken);
        case kKwBo:
            ctx.work.startStatement(keywordId);
            db.parserState = kMessageHead;
            return next();
        default:
            ctx.work.startStatement(keywordId);
            db.parserState = kArguments;
            return next();
    }
}

Step messageKeyword(Context& ctx, int32_t keywordId) {
    if (keywordId == kKwSg) return startSignal(ctx);
    closeMessage(ctx);
    return startStatement(ctx, keywordId, false);
}

// BO_ identifier name ':' dlc transmitter, for example "BO_ 2364540158 EEC1: 8 Engine".
Step messageHead(Context& ctx, const Token& token) {
    DbcMessage& message = ctx.work.message;
    switch (ctx.work.step) {
        case 0:
            if (!token.isNumber()) return fail(kLineUnexpectedToken);
            message.rawId = toIdentifier(token.text);
            break;
        case 1:
            if (!token.isIdentifier()) return fail(kLineUnexpectedToken);
            message.name = Text(token.text);
            break;
        case 2:
            return expectColonOrAbandon(ctx, token, 3);
        case 3:
            if (!token.isNumber()) return fail(kLineUnexpectedToken);
            message.dlc = toInt32(token.text);
            break;
        default:
            if (!token.isIdentifier()) return fail(kLineUnexpectedToken);
            if (token.text != "VECTOR__XXX") message.transmitters.emplace_back(token.text);
            ctx.db.parserState = kMessageOpen;
            return next();
    }
    ++ctx.work.step;
    return next();
}

// SG_ name [indicator] ':' bitfield (factor,offset) [min|max] "unit" receivers...
Step signalState(Context& ctx, const Token& token) {
    DbcSignal& signal = ctx.work.signal;
    switch (ctx.db.parserState) {
        case kSignalNames:
            return signalNames(ctx, token);
        case kSignalBitField:
            if (!token.isWord() || !parseBitField(token.text, signal)) {
                return fail(kLineUnexpectedToken, kMessageOpen);
            }
            ctx.work.step = 0;
            ctx.db.parserState = kSignalScaling;
            return next();
        case kSignalScaling:
            return signalScaling(ctx, token);
        case kSignalRange:
            if (!token.isWord() || !parseRangeWord(token.text, signal.minimum, signal.maximum)) {
                return fail(kLineUnexpectedToken, kMessageOpen);
            }
            ctx.db.parserState = kSignalUnit;
            return next();
        case kSignalUnit:
            if (!token.isQuoted()) return fail(kLineUnexpectedToken, kMessageOpen);
            signal.unit = unquote(token.text);
            ctx.db.parserState = kSignalReceivers;
            return next();
        default:
            return signalReceivers(ctx, token);
    }
}

Step expectColonOrAbandon(Context& ctx, const Token& token, int32_t nextStep) {
    if (token.kind != kTokenColon) {
        ctx.db.parserState = kBetween;
        return reread();
    }
    ++ctx.db.cursor;
    ctx.work.step = nextStep;
    return next();
}

}  // namespace dbc::parser
