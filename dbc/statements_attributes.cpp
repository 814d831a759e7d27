// CM_ and the attribute statements BA_DEF_, BA_DEF_REL_, BA_DEF_DEF_(REL_), BA_, BA_REL_.
#include "dbc/line_parser.h"
#include "dbc/parser_internal.h"
#include "dbc/text_rules.h"

namespace dbc::parser {

namespace {

Step bad() { return fail(kLineUnexpectedToken); }

Step goTo(Context& ctx, int32_t step) {
    ctx.work.step = step;
    return next();
}

Step awaitSemicolon(Context& ctx) {
    ctx.db.parserState = kExpectSemicolon;
    return next();
}

bool isObjectKind(const Token& token) { return token.tokenClass() == kTokenObjectKind; }

// The step after an object-kind word: a name for BU_ and EV_, an identifier for BO_ and SG_.
Step afterObjectKind(Context& ctx, const Token& token, int32_t nameStep, int32_t idStep) {
    ctx.work.objectRef.kind = token.classId();
    const bool named =
        ctx.work.objectRef.kind == kObjectNode || ctx.work.objectRef.kind == kObjectEnvVar;
    return goTo(ctx, named ? nameStep : idStep);
}

void setObjectName(ObjectRef& ref, std::string_view name) {
    (ref.kind == kObjectEnvVar ? ref.envVarName : ref.nodeOrMessageName) = Text(name);
}

// The value of BA_, BA_REL_ and BA_DEF_DEF_: a quoted string or any other word as written.
Step attributeValue(Context& ctx, const Token& token) {
    if (!token.isWord()) return bad();
    ctx.work.valueIsString = token.isQuoted();
    ctx.work.valueText = ctx.work.valueIsString ? unquote(token.text) : Text(token.text);
    return awaitSemicolon(ctx);
}

// CM_ ["text" | BU_ name "text" | EV_ name "text" | BO_ id "text" | SG_ id signal "text"] ';'
// for example: CM_ SG_ 100 Speed "Vehicle speed";
Step comment(Context& ctx, const Token& token) {
    ObjectRef& ref = ctx.work.objectRef;
    switch (ctx.work.step) {
        case 0:
            if (isObjectKind(token)) return afterObjectKind(ctx, token, 1, 2);
            if (!token.isQuoted()) return bad();
            ctx.work.commentText = unquote(token.text);
            return awaitSemicolon(ctx);
        case 1:
            if (!token.isIdentifier()) return bad();
            setObjectName(ref, token.text);
            return goTo(ctx, 4);
        case 2:
            if (!token.isNumber()) return bad();
            ref.messageId = toIdentifier(token.text);
            return goTo(ctx, ref.kind == kObjectSignal ? 3 : 4);
        case 3:
            if (!token.isIdentifier()) return bad();
            ref.signalName = Text(token.text);
            return goTo(ctx, 4);
        default:
            if (!token.isQuoted()) return bad();
            ctx.work.commentText = unquote(token.text);
            return awaitSemicolon(ctx);
    }
}

// Up to two limits for INT, HEX and FLOAT: BA_DEF_ BO_ "GenMsgCycleTime" INT 0 65535;
Step attributeLimits(Context& ctx, const Token& token) {
    AttributeDefinition& def = ctx.work.definition;
    if (token.kind == kTokenSemicolon) return finishStatement(ctx);
    if (!token.isUnquoted() || ctx.work.limitCount >= 2) return bad();
    const bool first = ctx.work.limitCount++ == 0;
    if (def.valueType == kAttrFloat) {
        (first ? def.realMinimum : def.realMaximum) = toReal(token.text);
    } else {
        (first ? def.intMinimum : def.intMaximum) = toInt64(token.text);
    }
    if (!first) def.hasRange = true;
    return next();
}

// BA_DEF_ [object-kind] "name" type ...;   BA_DEF_REL_ [relation] "name" type ...;
// for example: BA_DEF_ BO_ "VFrameFormat" ENUM "StandardCAN","ExtendedCAN";
Step attributeDefinition(Context& ctx, const Token& token) {
    AttributeDefinition& def = ctx.work.definition;
    const bool relation = ctx.work.keyword == kKwBaDefRel;
    switch (ctx.work.step) {
        case 0:
            if (token.isQuoted()) {
                def.name = unquote(token.text);
                def.objectKind = relation ? kObjectRelation : kObjectNetwork;
                return goTo(ctx, 2);
            }
            if (token.tokenClass() != (relation ? kTokenRelation : kTokenObjectKind)) return bad();
            def.objectKind = token.classId();
            return goTo(ctx, 1);
        case 1:
            if (!token.isQuoted()) return bad();
            def.name = unquote(token.text);
            return goTo(ctx, 2);
        case 2:
            if (token.tokenClass() != kTokenValueType) return bad();
            def.valueType = token.classId();
            if (def.valueType == kAttrString) return awaitSemicolon(ctx);
            return goTo(ctx, def.valueType == kAttrEnum ? 4 : 3);
        case 3:
            return attributeLimits(ctx, token);
        default:
            if (token.kind == kTokenSemicolon) return finishStatement(ctx);
            if (token.kind == kTokenComma) return next();
            if (!token.isQuoted()) return bad();
            def.enumTexts.push_back(unquote(token.text));
            return next();
    }
}

// BA_DEF_DEF_ "name" value;   for example: BA_DEF_DEF_ "BusType" "CAN";
Step attributeDefault(Context& ctx, const Token& token) {
    if (ctx.work.step == 0) {
        if (!token.isQuoted()) return bad();
        ctx.work.attributeName = unquote(token.text);
        return goTo(ctx, 1);
    }
    return attributeValue(ctx, token);
}

// BA_ "name" [BU_ node | EV_ name | BO_ id | SG_ id signal] value;
// for example: BA_ "GenMsgCycleTime" BO_ 100 20;
Step attributeAssignment(Context& ctx, const Token& token) {
    ObjectRef& ref = ctx.work.objectRef;
    switch (ctx.work.step) {
        case 0:
            if (!token.isQuoted()) return bad();
            ctx.work.attributeName = unquote(token.text);
            return goTo(ctx, 1);
        case 1:
            if (isObjectKind(token)) return afterObjectKind(ctx, token, 2, 3);
            return attributeValue(ctx, token);
        case 2:
            if (!token.isIdentifier()) return bad();
            setObjectName(ref, token.text);
            return goTo(ctx, 5);
        case 3:
            if (!token.isNumber()) return bad();
            ref.messageId = toIdentifier(token.text);
            return goTo(ctx, ref.kind == kObjectSignal ? 4 : 5);
        case 4:
            if (!token.isIdentifier()) return bad();
            ref.signalName = Text(token.text);
            return goTo(ctx, 5);
        default:
            return attributeValue(ctx, token);
    }
}

// BA_REL_ "name" BU_SG_REL_ node SG_ id signal value;  BA_REL_ "name" BU_BO_REL_ node id value;
Step relationAssignment(Context& ctx, const Token& token) {
    ObjectRef& ref = ctx.work.objectRef;
    switch (ctx.work.step) {
        case 0:
            if (!token.isQuoted()) return bad();
            ctx.work.attributeName = unquote(token.text);
            return goTo(ctx, 1);
        case 1:
            if (token.tokenClass() != kTokenRelation) return bad();
            ref.kind = token.classId();
            if (ref.kind == kRelationNodeEnvVar) {
                ctx.db.parserState = kBetween;  // not supported: the rest is passed over
                return next();
            }
            return goTo(ctx, 2);
        case 2:
            if (!token.isIdentifier()) return bad();
            ref.nodeOrMessageName = Text(token.text);
            return goTo(ctx, ref.kind == kRelationNodeSignal ? 3 : 4);
        case 3:
            if (token.kind != kTokenObjectKind + kObjectSignal) return bad();
            return goTo(ctx, 4);
        case 4:
            if (!token.isNumber()) return bad();
            ref.messageId = toIdentifier(token.text);
            return goTo(ctx, ref.kind == kRelationNodeSignal ? 5 : 6);
        case 5:
            if (!token.isIdentifier()) return bad();
            ref.signalName = Text(token.text);
            return goTo(ctx, 6);
        default:
            return attributeValue(ctx, token);
    }
}

}  // namespace

Step attributeArguments(Context& ctx, const Token& token) {
    switch (ctx.work.keyword) {
        case kKwCm:
            return comment(ctx, token);
        case kKwBaDef:
        case kKwBaDefRel:
            return attributeDefinition(ctx, token);
        case kKwBaDefDef:
        case kKwBaDefDefRel:
            return attributeDefault(ctx, token);
        case kKwBa:
            return attributeAssignment(ctx, token);
        default:
            return relationAssignment(ctx, token);
    }
}

}  // namespace dbc::parser
