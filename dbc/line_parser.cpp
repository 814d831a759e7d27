#include "dbc/line_parser.h"

#include "dbc/parser_internal.h"
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
        ctx.db.parserState = kBetween;
        return reread();
    }
    ++ctx.db.cursor;
    ctx.db.parserState = kNsEntry;
    return next();
}

Step nsEntry(Context& ctx, const Token& token) {
    if (!isKeyword(token)) return discard();
    ctx.work.keyword = token.classId();
    ctx.db.parserState = kNsAfterEntry;
    return next();
}

// An entry followed by ':' ends the NS_ list and starts that statement.
Step nsAfterEntry(Context& ctx, const Token& token) {
    if (token.kind != kTokenColon) {
        ctx.db.parserState = kNsEntry;
        return reread();
    }
    ++ctx.db.cursor;
    return startStatement(ctx, ctx.work.keyword, true);
}

Step buColon(Context& ctx, const Token& token) {
    if (token.kind != kTokenColon) {
        ctx.db.parserState = kBetween;
        return reread();
    }
    ++ctx.db.cursor;
    ctx.db.parserState = kBuNodes;
    return next();
}

Step buNodes(Context& ctx, const Token& token) {
    if (isKeyword(token)) return startStatement(ctx, token.classId(), false);
    if (!token.isIdentifier()) return fail(kLineUnexpectedToken);
    DbcNode node;
    node.name = Text(token.text);
    ctx.db.nodes.push_back(std::move(node));
    return next();
}

Step messageOpen(Context& ctx, const Token& token) {
    if (!isKeyword(token)) return discard();
    return messageKeyword(ctx, token.classId());
}

Step runState(Context& ctx, const Token& token) {
    switch (ctx.db.parserState) {
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
        case kMessageHead:
            return messageHead(ctx, token);
        case kArguments:
            return statementArguments(ctx, token);
        case kMessageOpen:
        case kSignalEnded:
            return messageOpen(ctx, token);
        case kExpectSemicolon:
            return expectSemicolon(ctx, token);
        default:
            return signalState(ctx, token);
    }
}

void clearPending(CanDatabase& db) {
    db.pendingText.clear();
    db.cursor = 0;
}

// Runs the machine until the text is used up, the rest is dropped, or an error occurs.
int32_t runMachine(CanDatabase& db) {
    Context ctx{db, db.work()};
    for (;;) {
        const uint32_t tokenStart = db.cursor;
        const int32_t kind = readToken(db, modeFor(db.parserState));
        if (kind == kTokenEnd) {
            if (discardsAtEnd(db.parserState)) clearPending(db);
            return kLineAccepted;
        }
        if (kind == kTokenOpenQuote) return kLineAccepted;
        const Token token{kind, db.currentToken};
        const Step step = runState(ctx, token);
        switch (step.action) {
            case Action::kNext:
                break;
            case Action::kReread:
                db.cursor = tokenStart;
                break;
            case Action::kDiscard:
                clearPending(db);
                return kLineAccepted;
            case Action::kError:
                db.parserState = step.errorState;
                clearPending(db);
                return step.code;
        }
    }
}

// Cuts a "//" comment, leaving any "//" inside a quoted string alone.
void stripLineComment(CanDatabase& db) {
    std::string& text = db.pendingText;
    const size_t slashes = text.find("//");
    if (slashes == std::string::npos) return;
    size_t cut = slashes;
    if (text.find('"') != std::string::npos) {
        cut = std::string::npos;
        bool inString = false;
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '"' && (i == 0 || text[i - 1] != '\\')) inString = !inString;
            if (!inString && text[i] == '/' && text[i + 1] == '/') {
                cut = i;
                break;
            }
        }
    }
    if (cut == std::string::npos) return;
    text.resize(cut);
    if (db.cursor > text.size()) db.cursor = static_cast<uint32_t>(text.size());
}

int32_t tooLong(CanDatabase& db) {
    clearPending(db);
    db.parserState = kBetween;
    return kLineTooLong;
}

}  // namespace

}  // namespace parser

int32_t parseDbcLine(CanDatabase& db, std::string_view line) {
    if (db.lineNumber < INT32_MAX) ++db.lineNumber;
    if (line.empty()) return kLineEmpty;
    if (line.size() > kMaxLineBytes) return parser::tooLong(db);
    if (db.loadState == kFinalised) {
        parser::clearPending(db);
        db.parserState = parser::kBetween;
        return kLineAfterFinalise;
    }
    if (db.loadState == kEmpty) db.loadState = kLoading;
    db.pendingText.append(line);
    if (db.pendingText.size() > kMaxPendingBytes) return parser::tooLong(db);
    parser::stripLineComment(db);
    return parser::runMachine(db);
}

}  // namespace dbc
