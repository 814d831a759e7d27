// The in-memory CAN database built from one DBC file: the records that decoding reads and the
// records of the optional statements. The line parser (DbcParser) fills it; once finalised it is
// only read.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "dbc/text_store.h"

namespace dbc {

// Texts are the DBC file's bytes exactly as read: no code-page conversion anywhere.
using Text = std::string;

// The records decoding reads keep their texts and lists in the database's TextStore (TextRef,
// CompactList): a signal is about a hundred bytes however many of them a file holds.

struct ValueDescription {
    int64_t value = 0;
    TextRef text;
};

// VAL_: the value descriptions of one signal, entries sorted ascending by value.
struct ValueDescriptionSet {
    TextRef name;
    CompactList<ValueDescription> entries;
    uint32_t messageId = 0;
};

// A signal's value descriptions: the entries of its VAL_ set, shared by every signal the set
// applies to.
struct ValueDescriptions {
    CompactList<ValueDescription> entries;
};

struct MuxRange {
    int32_t low = 0;
    int32_t high = 0;
};

struct SignalValueType {
    uint32_t messageId = 0;
    TextRef signalName;
    int32_t valueType = 0;  // 0 integer, 1 IEEE single, 2 IEEE double
};

struct ExtendedMultiplexing {
    uint32_t messageId = 0;
    TextRef signalName;  // the multiplexed signal
    TextRef switchName;  // its multiplexer switch
    CompactList<MuxRange> ranges;
};

// The long name, comment, attributes, start value and the like that the DBC format gives a
// signal are not kept: nothing is derived from them (comments and attributes are not stored).
struct DbcSignal {
    TextRef name;
    TextRef unit;
    TextRef muxIndicator;  // "M", "m3", "m3M" as written; empty when absent
    // Set by finalisation: the switch that selects this signal; empty when not multiplexed.
    TextRef muxSwitchName;
    double factor = 1.0;
    double offset = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    int32_t startBit = 0;
    int32_t bitLength = 0;
    CompactList<MuxRange> muxRanges;
    ValueDescriptions valueDescriptions;  // set by finalisation
    CompactList<TextRef> receivers;
    bool isSigned = false;
    bool isLittleEndian = false;
    // Set by finalisation.
    bool isFloat = false;
    bool isMuxSwitch = false;
};

// Like a signal, a message keeps only what decoding, lookup and the JSON form read (its long
// name, send type, cycle time and frame format come from attributes, which are not stored).
struct DbcMessage {
    TextRef name;
    uint32_t rawId = 0;  // as written; bit 31 marks an extended identifier
    uint32_t canId = 0;  // rawId without bit 31, set by finalisation
    int32_t dlc = 0;     // used as a byte count by decoding
    bool isExtended = false;
    CompactList<TextRef> transmitters;
    CompactList<DbcSignal> signals;
};

struct DbcNode {
    TextRef name;
};

// Object kinds used by object references and attribute definitions.
enum ObjectKind : int32_t {
    kObjectNetwork = 0,
    kObjectSignal = 1,
    kObjectMessage = 2,
    kObjectNode = 3,
    kObjectEnvVar = 4,
    kObjectRelation = 100,
    kRelationNodeSignal = 101,
    kRelationNodeMessage = 102,
    kRelationNodeEnvVar = 103,
};

enum AttributeValueType : int32_t {
    kAttrInt = 1,
    kAttrHex = 2,
    kAttrFloat = 3,
    kAttrEnum = 4,
    kAttrString = 5,
};

// Records of the optional statements. The database parses and validates them; which of them
// it keeps is governed by storeMask.
struct ObjectRef {
    int32_t kind = 0;
    uint32_t messageId = 0;
    Text signalName;
    Text nodeOrMessageName;
    Text envVarName;
};

struct DbcComment {
    ObjectRef target;
    Text text;
};

struct AttributeDefinition {
    Text name;
    int32_t objectKind = 0;
    int32_t valueType = 0;
    bool hasRange = false;
    int64_t intMinimum = 0;
    int64_t intMaximum = 0;
    double realMinimum = 0.0;
    double realMaximum = 0.0;
    std::vector<Text> enumTexts;
};

struct AttributeDefault {
    Text name;
    bool isString = false;
    Text valueText;
};

struct AttributeValue {
    Text name;
    ObjectRef target;
    bool isString = false;
    Text valueText;
};

// A value description as the parser reads it, before it is stored.
struct ValueDescriptionText {
    int64_t value = 0;
    Text text;
};

struct ValueTable {
    Text name;
    std::vector<ValueDescriptionText> entries;
};

struct EnvironmentVariable {
    Text name;
    Text longName;
    int32_t varType = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double initialValue = 0.0;
    int32_t envId = 0;
    Text unit;
    Text accessType;
    Text accessNode;
};

struct MessageTransmitters {
    uint32_t messageId = 0;
    std::vector<Text> nodes;
};

struct SignalGroup {
    uint32_t messageId = 0;
    Text name;
    int32_t repetitions = 0;
    std::vector<Text> signalNames;
};

// Bits of storeMask: a set bit means the statement group is parsed and validated, not stored.
constexpr int32_t kStoreMaskComments = 0x01;
constexpr int32_t kStoreMaskAttributes = 0x02;
constexpr int32_t kStoreMaskValueTables = 0x04;
constexpr int32_t kStoreMaskEnvVars = 0x08;
constexpr int32_t kStoreMaskTransmittersAndGroups = 0x10;

enum LoadState : int32_t { kEmpty = 0, kLoading = 1, kFinalised = 2 };

class CanDatabase {
public:
    CanDatabase() = default;
    CanDatabase(const CanDatabase&) = delete;
    CanDatabase& operator=(const CanDatabase&) = delete;

    int32_t loadState = kEmpty;
    // Holds the texts and lists of the records below; emptied with them.
    TextStore store;
    Text databaseName;
    Text databaseComment;
    std::vector<DbcComment> comments;
    std::deque<DbcNode> nodes;
    std::vector<AttributeDefinition> attributeDefinitions;
    std::vector<AttributeDefinition> relationAttributeDefinitions;
    std::vector<AttributeValue> attributeValues;
    std::vector<ValueTable> valueTables;
    std::deque<ValueDescriptionSet> valueDescriptionSets;
    std::vector<SignalGroup> signalGroups;
    // File order; sorted by rawId once finalised. The lists that a file can fill with millions
    // of short statements are deques: they grow without moving what they hold.
    std::vector<DbcMessage> messages;
    std::vector<AttributeDefault> attributeDefaults;
    std::vector<AttributeDefault> relationAttributeDefaults;
    std::vector<EnvironmentVariable> environmentVariables;
    std::vector<MessageTransmitters> messageTransmitterLists;
    std::deque<SignalValueType> signalValueTypes;
    std::deque<ExtendedMultiplexing> extendedMultiplexing;
    int32_t storeMask = 0xFF;
};

// Empties every list and returns to loadState 0; storeMask stays.
void resetDatabase(CanDatabase& db);

// Room for as many messages as a text of that many bytes can hold, reserved but not yet used:
// the message list then never moves, which would hold it twice for a moment.
void reserveForText(CanDatabase& db, uint64_t textBytes);

// Counts of a finalised database; -1 in any other state.
int32_t messageCount(const CanDatabase& db);
int32_t signalCount(const CanDatabase& db);

// The message whose rawId equals key (the identifier, with bit 31 set for an extended one), or
// nullptr. Requires a finalised database; messages sharing a rawId give the first of them.
const DbcMessage* findMessage(const CanDatabase& db, uint32_t key);

}  // namespace dbc
