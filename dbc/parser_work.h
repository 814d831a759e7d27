// The line parser's own state: where the statement machine stands, the text it has not consumed
// yet, and the working records of the statement being read. All of it is kept between lines,
// because a statement may run over several of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dbc/database.h"

namespace dbc {

struct ParserWork {
    int32_t keyword = 0;  // the statement being read
    int32_t step = 0;     // position inside it
    // A message's transmitters and a signal's receivers are collected only when they are kept
    // (storeMask is not 255); otherwise they would be emptied before the record is stored.
    bool keepNodeNames = false;
    DbcMessage message;
    std::vector<DbcSignal> signals;  // of the open message, moved into it when it closes
    DbcSignal signal;
    ObjectRef objectRef;
    ValueDescription pair;
    bool pairHasValue = false;
    ValueDescriptionSet valueSet;  // VAL_ and VAL_TABLE_ entries
    AttributeDefinition definition;
    Text attributeName;
    Text valueText;
    bool valueIsString = false;
    Text commentText;
    EnvironmentVariable envVar;
    ExtendedMultiplexing extendedMux;
    SignalGroup group;
    std::vector<Text> transmitterNames;
    uint32_t transmitterMessageId = 0;
    SignalValueType valueType;

    // Clears the records that the statement of this keyword fills, when its keyword is read.
    void startStatement(int32_t keywordId);
};

struct ParserCore {
    int32_t state = 0;       // the statement machine's state, 0 between statements
    int32_t lineNumber = 0;  // lines given since the last reset, empty ones included
    uint32_t cursor = 0;     // read position in pendingText
    std::string pendingText;
    std::string_view currentToken;  // the word last read, a view into pendingText
    // How far the text has been looked at already, so that each line is scanned once: the
    // comment scan (and whether it stands inside a quoted string there), and a quoted string
    // still open at the end of the text (its quote's position and where its scan goes on).
    size_t commentScanned = 0;
    bool commentInString = false;
    size_t openQuote = std::string::npos;
    size_t openQuoteScanned = 0;

    // Empties the pending text and forgets how far it was scanned.
    void clearPending();
    ParserWork work;
};

}  // namespace dbc
