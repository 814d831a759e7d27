// The parts of the DBC statement state machine shared by its source files.
#pragma once

#include <cstdint>
#include <span>
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
    kArguments = 9,         // the fields of a statement, read by its grammar table
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
    kNext,     // the token was used; go on from the parser's state
    kReread,   // give the same token to the parser's state
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
    ParserCore& core;
    ParserWork& work;
};

// What a statement field must be. Every kind but the last four is one word checked by its class.
enum class Word : uint8_t {
    kNumber,          // digits only
    kIdentifier,      // ASCII letters, digits, '_'
    kQuoted,          // "..."
    kUnquoted,        // any other word
    kAnyWord,         // quoted or not
    kRange,           // [minimum|maximum]
    kMuxRange,        // low-high
    kObjectKind,      // SG_, BO_, BU_, EV_
    kSignalKeyword,   // the object-kind word SG_ alone
    kRelation,        // BU_SG_REL_, BU_BO_REL_, BU_EV_REL_
    kRelationTarget,  // a relation word; BU_EV_REL_ passes the rest of the statement over
    kValueType,       // INT, HEX, FLOAT, ENUM, STRING
    kColon,           // ':', or the statement is abandoned and the token starts the next one
    kSemicolon,       // ';' stores the statement; anything else is an error
    kValueTextPairs,  // value "text" value "text" ... ';'
};

enum FieldFlags : uint8_t {
    kOnce = 0,
    kOptional = 1,  // a token of another kind skips the field and goes to the next one
    kRepeated = 2,  // zero or more, until a token of another kind
    kCommas = 4,    // commas between repetitions are skipped
};

using Store = void (*)(ParserWork& work, const Token& token);
using When = bool (*)(const ParserWork& work);

struct Field {
    Word word = Word::kAnyWord;
    Store store = nullptr;
    When when = nullptr;  // the field is present only when this answers true
    uint8_t flags = kOnce;
};

struct Grammar {
    std::span<const Field> fields;
    int32_t endState = kExpectSemicolon;  // after the last field
    void (*start)(ParserWork& work) = nullptr;
};

// The grammar of a statement keyword read by the table engine; nullptr for the others.
const Grammar* grammarFor(int32_t keywordId);
// Starts the fields of a grammar statement (its keyword just read).
Step startFields(Context& ctx, int32_t keywordId);
// Gives one token to the fields of the statement being read.
Step statementFields(Context& ctx, const Token& token);

// Keyword read between statements (or as the closing entry of an NS_ list).
Step startStatement(Context& ctx, int32_t keywordId, bool colonConsumed);
// Keyword read while a message is open: SG_ starts a signal, any other closes the message.
Step messageKeyword(Context& ctx, int32_t keywordId);

Step signalState(Context& ctx, const Token& token);
Step expectSemicolon(Context& ctx, const Token& token);

// Consumes the ';' under the cursor, stores or drops the statement, back to kBetween.
Step finishStatement(Context& ctx);

bool parseRangeWord(std::string_view word, double& minimum, double& maximum);
bool parseMuxRange(std::string_view word, MuxRange& range);

}  // namespace dbc::parser
