#include "dbc/line_parser.h"

#include "dbc/char_classes.h"
#include "dbc/parser_internal.h"
#include "dbc/parser_work.h"
#include "dbc/text_rules.h"

namespace dbc {

namespace parser {

bool Token::isIdentifier() const { return isWord() && isIdentifierWord(text); }
bool Token::isNumber() const { return isWord() && isNumberWord(text); }
bool Token::isQuoted() const { return isWord() && isQuotedWord(text); }
bool Token::isUnquoted() const { return isWord() && !isQuotedWord(text); }

namespace {

TokenMode modeFor(int32_t state) {
    switch (state) {
        case kBetween:
        case kNsEntry:
        case kMessageOpen:
        case kSignalEnded:
            return TokenMode::kKeyword;
        case kBuNodes:
        case kSignalReceivers:
            return TokenMode::kList;
        default:
            return TokenMode::kValue;
    }
}

// States that drop the rest of the text when it runs out instead of waiting for more.
bool discardsAtEnd(int32_t state) {
    switch (state) {
        case kBetween:
        case kNsColon:
        case kNsEntry:
        case kNsAfterEntry:
        case kMessageOpen:
        case kSignalReceivers:
        case kSignalEnded:
            return true;
        default:
            return false;
    }
}

bool isKeyword(const Token& token) { return token.tokenClass() == kTokenKeyword; }

Step betweenStatements(Context& ctx, const Token& token) {
    if (!isKeyword(token)) return discard();
    return startStatement(ctx, token.classId(), false);
}

Step nsColon(Context& ctx, const Token& token) {
    if (token.kind != kTokenColon) {
        ctx.core.state = kBetween;
        return reread();
    }
    ++ctx.core.cursor;
    ctx.core.state = kNsEntry;
    return next();
}

Step nsEntry(Context& ctx, const Token& token) {
    if (!isKeyword(token)) return discard();
    ctx.work.keyword = token.classId();
    ctx.core.state = kNsAfterEntry;
    return next();
}

// An entry followed by ':' ends the NS_ list and starts that statement.
Step nsAfterEntry(Context& ctx, const Token& token) {
    if (token.kind != kTokenColon) {
        ctx.core.state = kNsEntry;
        return reread();
    }
    ++ctx.core.cursor;
    return startStatement(ctx, ctx.work.keyword, true);
}

Step buColon(Context& ctx, const Token& token) {
    if (token.kind != kTokenColon) {
        ctx.core.state = kBetween;
        return reread();
    }
    ++ctx.core.cursor;
    ctx.core.state = kBuNodes;
    return next();
}

Step buNodes(Context& ctx, const Token& token) {
    if (isKeyword(token)) return startStatement(ctx, token.classId(), false);
    if (!token.isIdentifier()) return fail(kLineUnexpectedToken);
    ctx.db.nodes.push_back(DbcNode{ctx.db.store.add(token.text)});
    return next();
}

Step messageOpen(Context& ctx, const Token& token) {
    if (!isKeyword(token)) return discard();
    return messageKeyword(ctx, token.classId());
}

Step runState(Context& ctx, const Token& token) {
    switch (ctx.core.state) {
        case kBetween:
            return betweenStatements(ctx, token);
        case kNsColon:
            return nsColon(ctx, token);
        case kNsEntry:
            return nsEntry(ctx, token);
        case kNsAfterEntry:
            return nsAfterEntry(ctx, token);
        case kBuColon:
            return buColon(ctx, token);
        case kBuNodes:
            return buNodes(ctx, token);
        case kArguments:
            return statementFields(ctx, token);
        case kMessageOpen:
        case kSignalEnded:
            return messageOpen(ctx, token);
        case kExpectSemicolon:
            return expectSemicolon(ctx, token);
        default:
            return signalState(ctx, token);
    }
}

void clearPending(ParserCore& core) { core.clearPending(); }

// Runs the machine until the text is used up, the rest is dropped, or an error occurs.
int32_t runMachine(CanDatabase& db, ParserCore& core) {
    Context ctx{db, core, core.work};
    core.work.keepNodeNames = db.storeMask != 0xFF;
    for (;;) {
        const uint32_t tokenStart = core.cursor;
        const int32_t kind = readToken(core, modeFor(core.state));
        if (kind == kTokenEnd) {
            if (discardsAtEnd(core.state)) clearPending(core);
            return kLineAccepted;
        }
        if (kind == kTokenOpenQuote) return kLineAccepted;
        const Token token{kind, core.currentToken};
        const Step step = runState(ctx, token);
        switch (step.action) {
            case Action::kNext:
                break;
            case Action::kReread:
                core.cursor = tokenStart;
                break;
            case Action::kDiscard:
                clearPending(core);
                return kLineAccepted;
            case Action::kError:
                core.state = step.errorState;
                clearPending(core);
                return step.code;
        }
    }
}

// Cuts a "//" comment, leaving any "//" inside a quoted string alone: a double quote not
// preceded by a backslash opens or closes a string. The text before the new line has been
// scanned already (and cut where it had a comment), so the scan goes on where it stopped.
void stripLineComment(ParserCore& core) {
    std::string& text = core.pendingText;
    size_t i = core.commentScanned;
    bool inString = core.commentInString;
    // The last character is looked at with the next line, when it is known whether a '/' follows.
    const size_t last = text.empty() ? 0 : text.size() - 1;
    chars::TwoByteFinder finder(std::string_view(text).substr(0, last), i, '"', '/');
    while (i < last) {
        const size_t at = finder.next(i);
        if (at >= last) {
            i = last;
            break;
        }
        i = at;
        if (text[i] == '"' && (i == 0 || text[i - 1] != '\\')) inString = !inString;
        if (!inString && text[i] == '/' && text[i + 1] == '/') break;
        ++i;
    }
    core.commentInString = inString;
    core.commentScanned = i;
    if (i + 1 >= text.size()) return;
    text.resize(i);
    if (core.cursor > text.size()) core.cursor = static_cast<uint32_t>(text.size());
    // A quoted string scanned past the cut is scanned again.
    if (core.openQuote != std::string::npos && core.openQuoteScanned > i) {
        core.openQuote = std::string::npos;
    }
}

int32_t tooLong(ParserCore& core) {
    clearPending(core);
    core.state = kBetween;
    return kLineTooLong;
}

}  // namespace

}  // namespace parser

DbcParser::DbcParser(CanDatabase& database)
    : db_(database), core_(std::make_unique<ParserCore>()) {}

DbcParser::~DbcParser() = default;

void DbcParser::reset() {
    resetDatabase(db_);
    std::string pending = std::move(core_->pendingText);
    pending.clear();
    *core_ = ParserCore{};
    core_->pendingText = std::move(pending);
}

int32_t DbcParser::lineNumber() const { return core_->lineNumber; }
int32_t DbcParser::state() const { return core_->state; }
std::string_view DbcParser::pendingText() const { return core_->pendingText; }

int32_t DbcParser::parseLine(std::string_view line) {
    ParserCore& core = *core_;
    if (core.lineNumber < INT32_MAX) ++core.lineNumber;
    if (line.empty()) return kLineEmpty;
    if (line.size() > kMaxLineBytes) return parser::tooLong(core);
    if (db_.loadState == kFinalised) {
        parser::clearPending(core);
        core.state = parser::kBetween;
        return kLineAfterFinalise;
    }
    if (db_.loadState == kEmpty) db_.loadState = kLoading;
    core.pendingText.append(line);
    if (core.pendingText.size() > kMaxPendingBytes) return parser::tooLong(core);
    parser::stripLineComment(core);
    return parser::runMachine(db_, core);
}

}  // namespace dbc
