// The open message and its SG_ lines, and the dispatch of keywords.
#include <iterator>

#include "dbc/line_parser.h"
#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

constexpr std::string_view kIndependentMessage = "VECTOR__INDEPENDENT_SIG_MSG";

CompactList<TextRef> storeTexts(TextStore& store, const std::vector<Text>& texts) {
    CompactList<TextRef> stored = store.list<TextRef>(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) stored[i] = store.add(texts[i]);
    return stored;
}

void closeMessage(Context& ctx) {
    MessageDraft& draft = ctx.work.message;
    SignalBuffer& signals = ctx.work.signals;
    if (draft.name == kIndependentMessage) {
        signals.clear();
        return;
    }
    TextStore& store = ctx.db.store;
    DbcMessage message;
    message.name = store.add(draft.name);
    message.rawId = draft.rawId;
    message.dlc = draft.dlc;
    if (ctx.db.storeMask != 0xFF) message.transmitters = storeTexts(store, draft.transmitters);
    message.signals = signals.release(store);
    ctx.db.messages.push_back(message);
    draft = MessageDraft{};
}

void storeSignal(Context& ctx) {
    const SignalDraft& draft = ctx.work.signal;
    TextStore& store = ctx.db.store;
    DbcSignal signal;
    signal.name = store.add(draft.name);
    signal.unit = store.add(draft.unit);
    signal.muxIndicator = store.add(draft.muxIndicator);
    signal.factor = draft.factor;
    signal.offset = draft.offset;
    signal.minimum = draft.minimum;
    signal.maximum = draft.maximum;
    signal.startBit = draft.startBit;
    signal.bitLength = draft.bitLength;
    signal.isSigned = draft.isSigned;
    signal.isLittleEndian = draft.isLittleEndian;
    if (ctx.db.storeMask != 0xFF) signal.receivers = storeTexts(store, draft.receivers);
    ctx.work.signals.push(signal);
}

Step startSignal(Context& ctx) {
    ctx.work.signal = SignalDraft{};
    ctx.work.step = 0;
    ctx.core.state = kSignalNames;
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
bool parseBitField(std::string_view word, SignalDraft& signal) {
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
        ++ctx.core.cursor;
        ctx.core.state = kSignalBitField;
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
        ctx.core.state = kSignalRange;
        return next();
    }
    return fail(kLineBadScaling, kMessageOpen);
}

Step signalReceivers(Context& ctx, const Token& token) {
    if (token.tokenClass() == kTokenKeyword) {
        storeSignal(ctx);
        ctx.core.state = kSignalEnded;
        return messageKeyword(ctx, token.classId());
    }
    if (token.kind == kTokenComma) return next();
    if (!token.isIdentifier()) return fail(kLineUnexpectedToken, kMessageOpen);
    if (ctx.work.keepNodeNames && token.text != "Vector__XXX") {
        ctx.work.signal.receivers.emplace_back(token.text);
    }
    return next();
}

}  // namespace

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
    int32_t& state = ctx.core.state;
    switch (keywordId) {
        case kKwVersion:
        case kKwBs:
        case kKwSkipped:
            state = kBetween;
            return next();
        case kKwNs:
            state = colonConsumed ? kNsEntry : kNsColon;
            return next();
        case kKwBu:
            state = colonConsumed ? kBuNodes : kBuColon;
            return next();
        case kKwSg:
            return fail(kLineUnexpectedToken);
        default:
            return startFields(ctx, keywordId);
    }
}

Step messageKeyword(Context& ctx, int32_t keywordId) {
    if (keywordId == kKwSg) return startSignal(ctx);
    closeMessage(ctx);
    return startStatement(ctx, keywordId, false);
}

// SG_ name [indicator] ':' bitfield (factor,offset) [min|max] "unit" receivers...
Step signalState(Context& ctx, const Token& token) {
    SignalDraft& signal = ctx.work.signal;
    switch (ctx.core.state) {
        case kSignalNames:
            return signalNames(ctx, token);
        case kSignalBitField:
            if (!token.isWord() || !parseBitField(token.text, signal)) {
                return fail(kLineUnexpectedToken, kMessageOpen);
            }
            ctx.work.step = 0;
            ctx.core.state = kSignalScaling;
            return next();
        case kSignalScaling:
            return signalScaling(ctx, token);
        case kSignalRange:
            if (!token.isWord() || !parseRangeWord(token.text, signal.minimum, signal.maximum)) {
                return fail(kLineUnexpectedToken, kMessageOpen);
            }
            ctx.core.state = kSignalUnit;
            return next();
        case kSignalUnit:
            if (!token.isQuoted()) return fail(kLineUnexpectedToken, kMessageOpen);
            signal.unit = unquote(token.text);
            ctx.core.state = kSignalReceivers;
            return next();
        default:
            return signalReceivers(ctx, token);
    }
}

}  // namespace dbc::parser
