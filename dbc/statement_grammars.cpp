// The grammar of every statement read field by field: one table row per field, saying what the
// token must be and where it goes. BU_, NS_ and the signal lines (SG_) have their own states.
#include <algorithm>
#include <array>

#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

template <size_t... N>
constexpr auto join(const std::array<Field, N>&... parts) {
    std::array<Field, (N + ...)> out{};
    size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), out.begin() + static_cast<ptrdiff_t>(at)), at += N),
     ...);
    return out;
}

bool isNamedObject(const ParserWork& w) {
    return w.objectRef.kind == kObjectNode || w.objectRef.kind == kObjectEnvVar;
}
bool isMessageOrSignal(const ParserWork& w) {
    return w.objectRef.kind == kObjectMessage || w.objectRef.kind == kObjectSignal;
}
bool isSignalObject(const ParserWork& w) { return w.objectRef.kind == kObjectSignal; }
bool isNodeSignalRelation(const ParserWork& w) { return w.objectRef.kind == kRelationNodeSignal; }
bool hasLimits(const ParserWork& w) {
    const int32_t type = w.definition.valueType;
    return type == kAttrInt || type == kAttrHex || type == kAttrFloat;
}
bool isEnum(const ParserWork& w) { return w.definition.valueType == kAttrEnum; }

void setObjectKind(ParserWork& w, const Token& t) { w.objectRef.kind = t.classId(); }
void setObjectName(ParserWork& w, const Token& t) {
    ObjectRef& ref = w.objectRef;
    (ref.kind == kObjectEnvVar ? ref.envVarName : ref.nodeOrMessageName) = t.text;
}
void setObjectMessage(ParserWork& w, const Token& t) {
    w.objectRef.messageId = toIdentifier(t.text);
}
void setObjectSignal(ParserWork& w, const Token& t) { w.objectRef.signalName = t.text; }
void setRelationNode(ParserWork& w, const Token& t) { w.objectRef.nodeOrMessageName = t.text; }

void setAttributeName(ParserWork& w, const Token& t) { w.attributeName = unquote(t.text); }
// A quoted value is unquoted; any other word is kept as written.
void setAttributeValue(ParserWork& w, const Token& t) {
    w.valueIsString = t.isQuoted();
    w.valueText = w.valueIsString ? unquote(t.text) : Text(t.text);
}
void setDefinitionKind(ParserWork& w, const Token& t) { w.definition.objectKind = t.classId(); }
void setLimit(ParserWork& w, const Token& t, bool maximum) {
    AttributeDefinition& def = w.definition;
    if (def.valueType == kAttrFloat) {
        (maximum ? def.realMaximum : def.realMinimum) = toReal(t.text);
    } else {
        (maximum ? def.intMaximum : def.intMinimum) = toInt64(t.text);
    }
    if (maximum) def.hasRange = true;
}

// [BU_ name | EV_ name | BO_ id | SG_ id signal], or nothing: the network. CM_ and BA_ use it.
constexpr std::array<Field, 4> kObjectReference = {{
    {Word::kObjectKind, setObjectKind, nullptr, kOptional},
    {Word::kIdentifier, setObjectName, isNamedObject},
    {Word::kNumber, setObjectMessage, isMessageOrSignal},
    {Word::kIdentifier, setObjectSignal, isSignalObject},
}};

// BU_SG_REL_ node SG_ id signal | BU_BO_REL_ node id | BU_EV_REL_ (the rest is passed over)
constexpr std::array<Field, 5> kRelationReference = {{
    {Word::kRelationTarget, setObjectKind},
    {Word::kIdentifier, setRelationNode},
    {Word::kSignalKeyword, nullptr, isNodeSignalRelation},
    {Word::kNumber, setObjectMessage},
    {Word::kIdentifier, setObjectSignal, isNodeSignalRelation},
}};

// BO_ identifier name ':' dlc transmitter, then the message is open for its SG_ lines.
// for example: BO_ 2364540158 EEC1: 8 Engine
constexpr std::array<Field, 5> kMessage = {{
    {Word::kNumber, [](auto& w, auto& t) { w.message.rawId = toIdentifier(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.message.name = t.text; }},
    {Word::kColon},
    {Word::kNumber, [](auto& w, auto& t) { w.message.dlc = toInt32(t.text); }},
    {Word::kIdentifier,
     [](auto& w, auto& t) {
         if (w.keepNodeNames && t.text != "VECTOR__XXX")
             w.message.transmitters.emplace_back(t.text);
     }},
}};

// EV_ name ':' type [min|max] "unit" initial id accessType accessNode ';'
// for example: EV_ Speed: 0 [0|250] "km/h" 0 7 DUMMY_NODE_VECTOR0 Vector__XXX;
constexpr std::array<Field, 9> kEnvironmentVariable = {{
    {Word::kIdentifier, [](auto& w, auto& t) { w.envVar.name = t.text; }},
    {Word::kColon},
    {Word::kNumber, [](auto& w, auto& t) { w.envVar.varType = toInt32(t.text); }},
    {Word::kRange,
     [](auto& w, auto& t) { parseRangeWord(t.text, w.envVar.minimum, w.envVar.maximum); }},
    {Word::kQuoted, [](auto& w, auto& t) { w.envVar.unit = unquote(t.text); }},
    {Word::kUnquoted, [](auto& w, auto& t) { w.envVar.initialValue = toReal(t.text); }},
    {Word::kNumber, [](auto& w, auto& t) { w.envVar.envId = toInt32(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.envVar.accessType = t.text; }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.envVar.accessNode = t.text; }},
}};

// CM_ [object reference] "text" ';'   for example: CM_ SG_ 100 Speed "Vehicle speed";
constexpr auto kComment =
    join(kObjectReference,
         std::array<Field, 1>{{
             {Word::kQuoted, [](auto& w, auto& t) { w.commentText = unquote(t.text); }},
         }});

// The definition after its object kind or relation: "name" type, then for INT, HEX and FLOAT
// up to two limits and ';', for ENUM quoted texts separated by commas and ';', for STRING ';'.
constexpr std::array<Field, 7> kDefinitionBody = {{
    {Word::kQuoted, [](auto& w, auto& t) { w.definition.name = unquote(t.text); }},
    {Word::kValueType, [](auto& w, auto& t) { w.definition.valueType = t.classId(); }},
    {Word::kUnquoted, [](auto& w, auto& t) { setLimit(w, t, false); }, hasLimits, kOptional},
    {Word::kUnquoted, [](auto& w, auto& t) { setLimit(w, t, true); }, hasLimits, kOptional},
    {Word::kSemicolon, nullptr, hasLimits},
    {Word::kQuoted, [](auto& w, auto& t) { w.definition.enumTexts.push_back(unquote(t.text)); },
     isEnum, kRepeated | kCommas},
    {Word::kSemicolon, nullptr, isEnum},
}};

// BA_DEF_ [object kind] "name" type ...;   for example: BA_DEF_ BO_ "GenMsgCycleTime" INT 0 65535;
constexpr auto kDefinition = join(std::array<Field, 1>{{
                                      {Word::kObjectKind, setDefinitionKind, nullptr, kOptional},
                                  }},
                                  kDefinitionBody);

// BA_DEF_REL_ [relation] "name" type ...;   without a relation word the kind is 100.
constexpr auto kRelationDefinition =
    join(std::array<Field, 1>{{
             {Word::kRelation, setDefinitionKind, nullptr, kOptional},
         }},
         kDefinitionBody);

// BA_DEF_DEF_ "name" value ';'   for example: BA_DEF_DEF_ "BusType" "CAN";
constexpr std::array<Field, 2> kDefault = {{
    {Word::kQuoted, setAttributeName},
    {Word::kAnyWord, setAttributeValue},
}};

// BA_ "name" [object reference] value ';'   for example: BA_ "GenMsgCycleTime" BO_ 100 20;
constexpr auto kAttribute =
    join(std::array<Field, 1>{{{Word::kQuoted, setAttributeName}}}, kObjectReference,
         std::array<Field, 1>{{{Word::kAnyWord, setAttributeValue}}});

// BA_REL_ "name" relation reference value ';'
// for example: BA_REL_ "GenSigTimeout" BU_SG_REL_ Gateway SG_ 100 Speed 50;
constexpr auto kRelationAttribute =
    join(std::array<Field, 1>{{{Word::kQuoted, setAttributeName}}}, kRelationReference,
         std::array<Field, 1>{{{Word::kAnyWord, setAttributeValue}}});

// VAL_TABLE_ name {value "text"} ';'   for example: VAL_TABLE_ Gears 0 "P" 1 "R" ;
constexpr std::array<Field, 2> kValueTable = {{
    {Word::kIdentifier, [](auto& w, auto& t) { w.valueSet.name = t.text; }},
    {Word::kValueTextPairs},
}};

// VAL_ identifier signal {value "text"} ';'   for example: VAL_ 100 Gear 0 "P" 1 "R" ;
// (a VAL_ for an environment variable has a name where the identifier is due: an error)
constexpr std::array<Field, 3> kValueDescriptions = {{
    {Word::kNumber, [](auto& w, auto& t) { w.valueSet.messageId = toIdentifier(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.valueSet.name = t.text; }},
    {Word::kValueTextPairs},
}};

// BO_TX_BU_ identifier ':' node {[','] node} ';'   for example: BO_TX_BU_ 100 : Engine,Gateway;
constexpr std::array<Field, 4> kTransmitters = {{
    {Word::kNumber, [](auto& w, auto& t) { w.transmitterMessageId = toIdentifier(t.text); }},
    {Word::kColon},
    {Word::kIdentifier, [](auto& w, auto& t) { w.transmitterNames.emplace_back(t.text); }, nullptr,
     kRepeated | kCommas},
    {Word::kSemicolon},
}};

// SIG_VALTYPE_ identifier signal ':' type ';'   for example: SIG_VALTYPE_ 512 Torque : 1;
constexpr std::array<Field, 4> kSignalValueType = {{
    {Word::kNumber, [](auto& w, auto& t) { w.valueType.messageId = toIdentifier(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.valueType.signalName = t.text; }},
    {Word::kColon},
    {Word::kNumber, [](auto& w, auto& t) { w.valueType.valueType = toInt32(t.text); }},
}};

// SG_MUL_VAL_ identifier signal switch low-high {[','] low-high} ';'
// for example: SG_MUL_VAL_ 100 Temp Mux 1-3, 5-5;
constexpr std::array<Field, 5> kExtendedMultiplexing = {{
    {Word::kNumber, [](auto& w, auto& t) { w.extendedMux.messageId = toIdentifier(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.extendedMux.signalName = t.text; }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.extendedMux.switchName = t.text; }},
    {Word::kMuxRange,
     [](auto& w, auto& t) {
         MuxRange range;
         parseMuxRange(t.text, range);
         w.extendedMux.ranges.push_back(range);
     },
     nullptr, kRepeated | kCommas},
    {Word::kSemicolon},
}};

// SIG_GROUP_ identifier name repetitions ':' signal {signal} ';'
// for example: SIG_GROUP_ 100 Pedals 1 : Throttle Brake;
constexpr std::array<Field, 6> kSignalGroup = {{
    {Word::kNumber, [](auto& w, auto& t) { w.group.messageId = toIdentifier(t.text); }},
    {Word::kIdentifier, [](auto& w, auto& t) { w.group.name = t.text; }},
    {Word::kNumber, [](auto& w, auto& t) { w.group.repetitions = toInt32(t.text); }},
    {Word::kColon},
    {Word::kIdentifier, [](auto& w, auto& t) { w.group.signalNames.emplace_back(t.text); }, nullptr,
     kRepeated},
    {Word::kSemicolon},
}};

const Grammar kMessageGrammar{kMessage, kMessageOpen};
const Grammar kEnvironmentVariableGrammar{kEnvironmentVariable};
const Grammar kCommentGrammar{kComment};
const Grammar kDefinitionGrammar{kDefinition};
const Grammar kRelationDefinitionGrammar{kRelationDefinition, kExpectSemicolon, [](ParserWork& w) {
                                             w.definition.objectKind = kObjectRelation;
                                         }};
const Grammar kDefaultGrammar{kDefault};
const Grammar kAttributeGrammar{kAttribute};
const Grammar kRelationAttributeGrammar{kRelationAttribute};
const Grammar kValueTableGrammar{kValueTable};
const Grammar kValueDescriptionsGrammar{kValueDescriptions};
const Grammar kTransmittersGrammar{kTransmitters};
const Grammar kSignalValueTypeGrammar{kSignalValueType};
const Grammar kExtendedMultiplexingGrammar{kExtendedMultiplexing};
const Grammar kSignalGroupGrammar{kSignalGroup};

}  // namespace

const Grammar* grammarFor(int32_t keywordId) {
    switch (keywordId) {
        case kKwBo:
            return &kMessageGrammar;
        case kKwEv:
            return &kEnvironmentVariableGrammar;
        case kKwCm:
            return &kCommentGrammar;
        case kKwBaDef:
            return &kDefinitionGrammar;
        case kKwBaDefRel:
            return &kRelationDefinitionGrammar;
        case kKwBaDefDef:
        case kKwBaDefDefRel:
            return &kDefaultGrammar;
        case kKwBa:
            return &kAttributeGrammar;
        case kKwBaRel:
            return &kRelationAttributeGrammar;
        case kKwValTable:
            return &kValueTableGrammar;
        case kKwVal:
            return &kValueDescriptionsGrammar;
        case kKwBoTxBu:
            return &kTransmittersGrammar;
        case kKwSigValType:
            return &kSignalValueTypeGrammar;
        case kKwSgMulVal:
            return &kExtendedMultiplexingGrammar;
        case kKwSigGroup:
            return &kSignalGroupGrammar;
        default:
            return nullptr;
    }
}

}  // namespace dbc::parser
