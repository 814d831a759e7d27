// The engine that reads a statement's fields by its grammar table, one token at a time.
#include "dbc/line_parser.h"
#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

bool matches(Word word, const Token& token) {
    switch (word) {
        case Word::kNumber:
            return token.isNumber();
        case Word::kIdentifier:
            return token.isIdentifier();
        case Word::kQuoted:
            return token.isQuoted();
        case Word::kUnquoted:
            return token.isUnquoted();
        case Word::kAnyWord:
            return token.isWord();
        case Word::kRange: {
            double minimum = 0.0;
            double maximum = 0.0;
            return token.isWord() && parseRangeWord(token.text, minimum, maximum);
        }
        case Word::kMuxRange: {
            MuxRange range;
            return token.isWord() && parseMuxRange(token.text, range);
        }
        case Word::kObjectKind:
            return token.tokenClass() == kTokenObjectKind;
        case Word::kSignalKeyword:
            return token.kind == kTokenObjectKind + kObjectSignal;
        case Word::kRelation:
        case Word::kRelationTarget:
            return token.tokenClass() == kTokenRelation;
        case Word::kValueType:
            return token.tokenClass() == kTokenValueType;
        default:
            return false;
    }
}

// Moves to the next field that is present; after the last one, to the grammar's end state.
void advance(Context& ctx, const Grammar& grammar) {
    ParserWork& work = ctx.work;
    const auto count = static_cast<int32_t>(grammar.fields.size());
    do {
        ++work.step;
    } while (work.step < count && grammar.fields[static_cast<size_t>(work.step)].when != nullptr &&
             !grammar.fields[static_cast<size_t>(work.step)].when(work));
    if (work.step >= count) ctx.core.state = grammar.endState;
}

// Value/text pairs of VAL_ and VAL_TABLE_ up to ';', for example: 0 "Off" 1 "On" ;
Step valueTextPair(Context& ctx, const Token& token) {
    ParserWork& work = ctx.work;
    if (token.kind == kTokenSemicolon) {
        return work.pairHasValue ? fail(kLineUnexpectedToken) : finishStatement(ctx);
    }
    if (!work.pairHasValue) {
        if (!token.isUnquoted()) return fail(kLineUnexpectedToken);
        work.pair.value = toInt64(token.text);
        work.pairHasValue = true;
        return next();
    }
    if (!token.isQuoted()) return fail(kLineUnexpectedToken);
    work.pair.text = unquote(token.text);
    work.valueSet.entries.push_back(std::move(work.pair));
    work.pair = ValueDescriptionText{};
    work.pairHasValue = false;
    return next();
}

}  // namespace

Step startFields(Context& ctx, int32_t keywordId) {
    const Grammar* grammar = grammarFor(keywordId);
    ctx.work.startStatement(keywordId);
    if (grammar->start != nullptr) grammar->start(ctx.work);
    ctx.core.state = kArguments;
    ctx.work.step = -1;
    advance(ctx, *grammar);
    return next();
}

Step statementFields(Context& ctx, const Token& token) {
    const Grammar& grammar = *grammarFor(ctx.work.keyword);
    for (;;) {
        const Field& field = grammar.fields[static_cast<size_t>(ctx.work.step)];
        switch (field.word) {
            case Word::kColon:
                if (token.kind != kTokenColon) {
                    ctx.core.state = kBetween;
                    return reread();
                }
                ++ctx.core.cursor;
                advance(ctx, grammar);
                return next();
            case Word::kSemicolon:
                if (token.kind != kTokenSemicolon) return fail(kLineUnexpectedToken);
                return finishStatement(ctx);
            case Word::kValueTextPairs:
                return valueTextPair(ctx, token);
            default:
                break;
        }
        if ((field.flags & kCommas) != 0 && token.kind == kTokenComma) return next();
        if (matches(field.word, token)) {
            if (field.store != nullptr) field.store(ctx.work, token);
            if (field.word == Word::kRelationTarget && token.classId() == kRelationNodeEnvVar) {
                ctx.core.state = kBetween;  // not supported: the rest is passed over
                return next();
            }
            if ((field.flags & kRepeated) == 0) advance(ctx, grammar);
            return next();
        }
        if ((field.flags & (kOptional | kRepeated)) == 0) return fail(kLineUnexpectedToken);
        advance(ctx, grammar);
        if (ctx.core.state != kArguments) return reread();
    }
}

}  // namespace dbc::parser
