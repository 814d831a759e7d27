// The DBC tokenizer: reads the next token of the parser's pending text from its cursor.
#pragma once

#include <cstdint>
#include <string_view>

#include "dbc/database.h"

namespace dbc {

// Token results. Keyword, object-kind, value-type and relation words carry their id in the
// low bits (0x100 + keyword id, 0x200 + object kind, 0x400 + value type, 0x800 + relation).
constexpr int32_t kTokenWord = 1;
constexpr int32_t kTokenEnd = 2;
constexpr int32_t kTokenOpenQuote = 4;
constexpr int32_t kTokenComma = 5;
constexpr int32_t kTokenSemicolon = 6;
constexpr int32_t kTokenColon = 7;
constexpr int32_t kTokenKeyword = 0x100;
constexpr int32_t kTokenObjectKind = 0x200;
constexpr int32_t kTokenValueType = 0x400;
constexpr int32_t kTokenRelation = 0x800;
constexpr int32_t kTokenClassMask = 0xF00;

// Keyword ids. 23 marks the keywords that are recognised and skipped.
enum KeywordId : int32_t {
    kKwVersion = 1,
    kKwNs = 2,
    kKwBs = 3,
    kKwBu = 4,
    kKwBo = 7,
    kKwSg = 8,
    kKwEv = 9,
    kKwCm = 10,
    kKwBa = 11,
    kKwBaDef = 12,
    kKwBaDefDef = 13,
    kKwBaRel = 14,
    kKwBaDefRel = 15,
    kKwBaDefDefRel = 16,
    kKwValTable = 17,
    kKwVal = 18,
    kKwBoTxBu = 19,
    kKwSigValType = 20,
    kKwSgMulVal = 21,
    kKwSigGroup = 22,
    kKwSkipped = 23,
};

// How a plain word is classified: keyword mode knows only keywords; value mode tries
// object-kind, value-type and relation words before keywords; list mode (BU_ node names,
// SG_ receivers) tries value-type, relation, keyword, object-kind.
enum class TokenMode { kKeyword, kValue, kList };

int32_t keywordIdOf(std::string_view word);  // 0 when the word is no keyword

struct ParserCore;

// Reads one token. Words (quoted strings included) become core.currentToken and move the cursor
// past them; ';' and ':' stay in place; ',' is consumed. An open quote at the end of the text
// returns kTokenOpenQuote without moving the cursor.
int32_t readToken(ParserCore& core, TokenMode mode);

}  // namespace dbc
