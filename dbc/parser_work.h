// The line parser's working records: the statement being read, kept between lines because a
// statement may run over several of them.
#pragma once

#include <cstdint>
#include <string>
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
    int32_t limitCount = 0;
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

}  // namespace dbc
