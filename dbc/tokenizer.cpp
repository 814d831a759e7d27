#include "dbc/tokenizer.h"

#include <array>

#include "dbc/parser_work.h"

namespace dbc {

namespace {

struct WordId {
    std::string_view word;
    int32_t id;
};

constexpr std::array<WordId, 30> kKeywords = {{
    {"VERSION", kKwVersion},
    {"NS_", kKwNs},
    {"BS_", kKwBs},
    {"BU_", kKwBu},
    {"BO_TX_BU_", kKwBoTxBu},
    {"BO_", kKwBo},
    {"SG_", kKwSg},
    {"EV_", kKwEv},
    {"CM_", kKwCm},
    {"BA_DEF_DEF_REL_", kKwBaDefDefRel},
    {"BA_DEF_DEF_", kKwBaDefDef},
    {"BA_DEF_REL_", kKwBaDefRel},
    {"BA_DEF_", kKwBaDef},
    {"BA_REL_", kKwBaRel},
    {"BA_", kKwBa},
    {"VAL_TABLE_", kKwValTable},
    {"VAL_", kKwVal},
    {"SIG_VALTYPE_", kKwSigValType},
    {"SG_MUL_VAL_", kKwSgMulVal},
    {"SIG_GROUP_", kKwSigGroup},
    {"BA_DEF_SGTYPE_", kKwSkipped},
    {"CAT_DEF_", kKwSkipped},
    {"CAT_", kKwSkipped},
    {"ENVVAR_DATA_", kKwSkipped},
    {"FILTER", kKwSkipped},
    {"NS_DESC_", kKwSkipped},
    {"SGTYPE_VAL_", kKwSkipped},
    {"SGTYPE_", kKwSkipped},
    {"SIG_TYPE_REF_", kKwSkipped},
    {"SIGTYPE_VALTYPE_", kKwSkipped},
}};

constexpr std::array<WordId, 4> kObjectKinds = {{
    {"SG_", kObjectSignal},
    {"BO_", kObjectMessage},
    {"BU_", kObjectNode},
    {"EV_", kObjectEnvVar},
}};

constexpr std::array<WordId, 5> kValueTypes = {{
    {"INT", kAttrInt},
    {"HEX", kAttrHex},
    {"FLOAT", kAttrFloat},
    {"ENUM", kAttrEnum},
    {"STRING", kAttrString},
}};

constexpr std::array<WordId, 3> kRelations = {{
    {"BU_SG_REL_", kRelationNodeSignal},
    {"BU_BO_REL_", kRelationNodeMessage},
    {"BU_EV_REL_", kRelationNodeEnvVar},
}};

template <size_t N>
int32_t lookup(const std::array<WordId, N>& table, std::string_view word) {
    for (const WordId& row : table) {
        if (row.word == word) return row.id;
    }
    return 0;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t classify(std::string_view word, TokenMode mode) {
    int32_t id = 0;
    switch (mode) {
        case TokenMode::kKeyword:
            if ((id = keywordIdOf(word)) != 0) return kTokenKeyword + id;
            return kTokenWord;
        case TokenMode::kValue:
            if ((id = lookup(kObjectKinds, word)) != 0) return kTokenObjectKind + id;
            if ((id = lookup(kValueTypes, word)) != 0) return kTokenValueType + id;
            if ((id = lookup(kRelations, word)) != 0) return kTokenRelation + id;
            if ((id = keywordIdOf(word)) != 0) return kTokenKeyword + id;
            return kTokenWord;
        case TokenMode::kList:
            if ((id = lookup(kValueTypes, word)) != 0) return kTokenValueType + id;
            if ((id = lookup(kRelations, word)) != 0) return kTokenRelation + id;
            if ((id = keywordIdOf(word)) != 0) return kTokenKeyword + id;
            if ((id = lookup(kObjectKinds, word)) != 0) return kTokenObjectKind + id;
            return kTokenWord;
    }
    return kTokenWord;
}

// The end of a quoted string starting at `open`, one past its closing quote; npos when the
// text ends first.
size_t quotedStringEnd(const std::string& text, size_t open) {
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == '"') {
            return i + 1;
        }
    }
    return std::string::npos;
}

}  // namespace

int32_t keywordIdOf(std::string_view word) { return lookup(kKeywords, word); }

int32_t readToken(ParserCore& core, TokenMode mode) {
    const std::string& text = core.pendingText;
    size_t pos = core.cursor < text.size() ? core.cursor : text.size();
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    core.cursor = static_cast<uint32_t>(pos);
    if (pos >= text.size()) return kTokenEnd;
    const char first = text[pos];
    if (first == ';') return kTokenSemicolon;
    if (first == ':') return kTokenColon;
    if (first == ',') {
        core.cursor = static_cast<uint32_t>(pos + 1);
        return kTokenComma;
    }
    size_t end = pos;
    if (first == '"') {
        end = quotedStringEnd(text, pos);
        if (end == std::string::npos) return kTokenOpenQuote;
    } else {
        end = pos + 1;
    }
    while (end < text.size() && !isSpace(text[end]) && text[end] != ',' && text[end] != ';' &&
           text[end] != ':') {
        ++end;
    }
    core.currentToken = std::string_view(text).substr(pos, end - pos);
    core.cursor = static_cast<uint32_t>(end);
    return classify(core.currentToken, mode);
}

}  // namespace dbc
