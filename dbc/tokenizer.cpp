#include "dbc/tokenizer.h"

#include <array>
#include <cstring>

#include "dbc/char_classes.h"
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

// What one word is in each of the four tables above (0 where it is not in a table).
struct WordClasses {
    int32_t keyword = 0;
    int32_t objectKind = 0;
    int32_t valueType = 0;
    int32_t relation = 0;
};

// The words of the four tables in one small hash table, so that a token is classified with one
// look-up instead of up to 42 comparisons.
class WordIndex {
public:
    WordIndex() {
        for (const WordId& row : kKeywords) slotFor(row.word).classes.keyword = row.id;
        for (const WordId& row : kObjectKinds) slotFor(row.word).classes.objectKind = row.id;
        for (const WordId& row : kValueTypes) slotFor(row.word).classes.valueType = row.id;
        for (const WordId& row : kRelations) slotFor(row.word).classes.relation = row.id;
    }

    const WordClasses* find(std::string_view word) const {
        if (word.size() < kShortest || word.size() > kLongest) return nullptr;
        for (size_t i = hash(word);; i = (i + 1) % kSlots) {
            const Slot& slot = slots_[i];
            if (slot.word.empty()) return nullptr;
            if (slot.word == word) return &slot.classes;
        }
    }

private:
    static constexpr size_t kSlots = 128;  // more than twice the words: short probe runs
    static constexpr size_t kShortest = 3;
    static constexpr size_t kLongest = 16;

    struct Slot {
        std::string_view word;
        WordClasses classes;
    };

    static size_t hash(std::string_view word) {
        uint32_t h = 2166136261u;
        for (const char c : word) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h % kSlots;
    }

    Slot& slotFor(std::string_view word) {
        size_t i = hash(word);
        while (!slots_[i].word.empty() && slots_[i].word != word) i = (i + 1) % kSlots;
        slots_[i].word = word;
        return slots_[i];
    }

    std::array<Slot, kSlots> slots_{};
};

const WordClasses* classesOf(std::string_view word) {
    static const WordIndex index;
    return index.find(word);
}

int32_t classify(std::string_view word, TokenMode mode) {
    const WordClasses* classes = classesOf(word);
    if (classes == nullptr) return kTokenWord;
    const WordClasses& c = *classes;
    switch (mode) {
        case TokenMode::kKeyword:
            if (c.keyword != 0) return kTokenKeyword + c.keyword;
            return kTokenWord;
        case TokenMode::kValue:
            if (c.objectKind != 0) return kTokenObjectKind + c.objectKind;
            if (c.valueType != 0) return kTokenValueType + c.valueType;
            if (c.relation != 0) return kTokenRelation + c.relation;
            if (c.keyword != 0) return kTokenKeyword + c.keyword;
            return kTokenWord;
        case TokenMode::kList:
            if (c.valueType != 0) return kTokenValueType + c.valueType;
            if (c.relation != 0) return kTokenRelation + c.relation;
            if (c.keyword != 0) return kTokenKeyword + c.keyword;
            if (c.objectKind != 0) return kTokenObjectKind + c.objectKind;
            return kTokenWord;
    }
    return kTokenWord;
}

// The end of a quoted string starting at `open`, one past its closing quote; npos when the
// text ends first. A string still open when a line ends is scanned on from where it was left
// when the next line has been appended, not again from its quote: a quote left open over many
// short lines would otherwise cost the square of its length.
size_t quotedStringEnd(ParserCore& core, size_t open) {
    const std::string& text = core.pendingText;
    size_t i = open + 1;
    if (core.openQuote == open && core.openQuoteScanned > i) i = core.openQuoteScanned;
    chars::TwoByteFinder finder(text, i, '"', '\\');
    while (i < text.size()) {
        i = finder.next(i);
        if (i >= text.size()) break;
        if (text[i] == '"') return i + 1;
        i += 2;  // a backslash escapes the next character
    }
    core.openQuote = open;
    core.openQuoteScanned = i;  // one more than the size when the text ends in a backslash
    return std::string::npos;
}

constexpr const char* kWhiteSpace = " \t\n\v\f\r";

// The end of a plain word from `from`: white space, ',', ';' or ':', or the end of the text.
size_t wordEnd(const std::string& text, size_t from) {
    size_t end = from;
    for (;;) {
        end += std::strcspn(text.c_str() + end, " \t\n\v\f\r,;:");
        if (end >= text.size()) return text.size();
        if (text[end] != '\0') return end;
        ++end;  // a zero byte inside the text belongs to the word
    }
}

}  // namespace

int32_t keywordIdOf(std::string_view word) {
    const WordClasses* classes = classesOf(word);
    return classes != nullptr ? classes->keyword : 0;
}

int32_t readToken(ParserCore& core, TokenMode mode) {
    const std::string& text = core.pendingText;
    size_t pos = core.cursor < text.size() ? core.cursor : text.size();
    // strspn stops at the terminating zero, and at a zero byte inside, which is no white space.
    pos += std::strspn(text.c_str() + pos, kWhiteSpace);
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
        end = quotedStringEnd(core, pos);
        if (end == std::string::npos) return kTokenOpenQuote;
    } else {
        end = pos + 1;
    }
    end = wordEnd(text, end);
    core.currentToken = std::string_view(text).substr(pos, end - pos);
    core.cursor = static_cast<uint32_t>(end);
    return classify(core.currentToken, mode);
}

}  // namespace dbc
