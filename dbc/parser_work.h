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
    DbcMessage message;
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

    // Clears the records of one statement when its keyword is read.
    void startStatement(int32_t keywordId);
};

struct ParserCore {
    int32_t state = 0;       // the statement machine's state, 0 between statements
    int32_t lineNumber = 0;  // lines given since the last reset, empty ones included
    uint32_t cursor = 0;     // read position in pendingText
    std::string pendingText;
    std::string_view currentToken;  // the word last read, a view into pendingText
    ParserWork work;
};

}  // namespace dbc
