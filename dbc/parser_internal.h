// The parts of the DBC statement state machine shared by its source files.
#pragma once

#include <cstdint>
#include <string_view>

#include "dbc/database.h"
#include "dbc/parser_work.h"
#include "dbc/tokenizer.h"

namespace dbc::parser {

enum State : int32_t {
    kBetween = 0,           // read a keyword
    kNsColon = 1,           // after NS_: expect ':'
    kNsEntry = 2,           // NS_ list: an entry keyword
    kNsAfterEntry = 3,      // NS_ list: ':' ends the list
    kBuColon = 5,           // after BU_: expect ':'
    kBuNodes = 6,           // BU_ node names
    kMessageHead = 7,       // BO_ identifier, name, ':', dlc, transmitter
    kArguments = 9,         // the arguments of the other statements
    kMessageOpen = 10,      // SG_ or the statement that closes the message
    kExpectSemicolon = 19,  // ';' stores the statement
    kSignalNames = 20,
    kSignalBitField = 21,
    kSignalScaling = 22,
    kSignalRange = 23,
    kSignalUnit = 24,
    kSignalReceivers = 25,
    kSignalEnded = 26,  // a keyword ended a signal: process it as in kMessageOpen
};

struct Token {
    int32_t kind = 0;
    std::string_view text;

    bool isWord() const { return kind == kTokenWord; }
    bool isIdentifier() const;
    bool isNumber() const;
    bool isQuoted() const;
    bool isUnquoted() const;  // a word that is not a quoted word
    int32_t tokenClass() const { return kind & kTokenClassMask; }
    int32_t classId() const { return kind & 0xFF; }
};

enum class Action {
    kNext,     // the token was used; go on from db.parserState
    kReread,   // give the same token to db.parserState
    kDiscard,  // drop the rest of the pending text
    kError,    // drop the statement, go to errorState, return code
};

struct Step {
    Action action = Action::kNext;
    int32_t code = 0;
    int32_t errorState = kBetween;
};

inline Step next() { return {}; }
inline Step reread() { return {Action::kReread, 0, kBetween}; }
inline Step discard() { return {Action::kDiscard, 0, kBetween}; }
inline Step fail(int32_t code, int32_t state = kBetween) { return {Action::kError, code, state}; }

struct Context {
    CanDatabase& db;
    ParserWork& work;
};

// Keyword read between statements (or as the closing entry of an NS_ list).
Step startStatement(Context& ctx, int32_t keywordId, bool colonConsumed);
// Keyword read while a message is open: SG_ starts a signal, any other closes the message.
Step messageKeyword(Context& ctx, int32_t keywordId);

Step messageHead(Context& ctx, const Token& token);
Step signalState(Context& ctx, const Token& token);
Step statementArguments(Context& ctx, const Token& token);
Step attributeArguments(Context& ctx, const Token& token);  // CM_ and the BA_ family
Step expectSemicolon(Context& ctx, const Token& token);

// Consumes the ';' under the cursor, stores or drops the statement, back to kBetween.
Step finishStatement(Context& ctx);
// Common endings of an argument list.
Step expectColonOrAbandon(Context& ctx, const Token& token, int32_t nextStep);

bool parseRangeWord(std::string_view word, double& minimum, double& maximum);

}  // namespace dbc::parser
