#include "dbc/json.h"

#include <cmath>
#include <cstdio>

namespace dbc {

namespace {

void appendText(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(byte));
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendReal(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "\"nan\"";
    } else if (std::isinf(value)) {
        out += value > 0 ? "\"inf\"" : "\"-inf\"";
    } else {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        out += buffer;
    }
}

void appendBool(std::string& out, bool value) { out += value ? "true" : "false"; }

template <typename Integer>
void appendInteger(std::string& out, Integer value) {
    out += std::to_string(value);
}

void appendField(std::string& out, const char* name) {
    if (out.back() != '{') out += ',';
    out += '"';
    out += name;
    out += "\":";
}

void appendSignal(std::string& out, const DbcSignal& s) {
    out += '{';
    appendField(out, "name");
    appendText(out, s.name);
    appendField(out, "startBit");
    appendInteger(out, s.startBit);
    appendField(out, "bitLength");
    appendInteger(out, s.bitLength);
    appendField(out, "isLittleEndian");
    appendBool(out, s.isLittleEndian);
    appendField(out, "isSigned");
    appendBool(out, s.isSigned);
    appendField(out, "isFloat");
    appendBool(out, s.isFloat);
    appendField(out, "factor");
    appendReal(out, s.factor);
    appendField(out, "offset");
    appendReal(out, s.offset);
    appendField(out, "minimum");
    appendReal(out, s.minimum);
    appendField(out, "maximum");
    appendReal(out, s.maximum);
    appendField(out, "unit");
    appendText(out, s.unit);
    appendField(out, "muxIndicator");
    appendText(out, s.muxIndicator);
    appendField(out, "isMuxSwitch");
    appendBool(out, s.isMuxSwitch);
    appendField(out, "muxSwitchName");
    appendText(out, s.muxSwitchName);
    appendField(out, "muxRanges");
    out += '[';
    for (size_t i = 0; i < s.muxRanges.size(); ++i) {
        if (i > 0) out += ',';
        out += '[' + std::to_string(s.muxRanges[i].low) + ',' +
               std::to_string(s.muxRanges[i].high) + ']';
    }
    out += ']';
    appendField(out, "valueDescriptions");
    out += '[';
    for (size_t i = 0; i < s.valueDescriptions.entries.size(); ++i) {
        if (i > 0) out += ',';
        out += '[' + std::to_string(s.valueDescriptions.entries[i].value) + ',';
        appendText(out, s.valueDescriptions.entries[i].text);
        out += ']';
    }
    out += "]}";
}

void appendMessage(std::string& out, const DbcMessage& m) {
    out += '{';
    appendField(out, "name");
    appendText(out, m.name);
    appendField(out, "rawId");
    appendInteger(out, m.rawId);
    appendField(out, "canId");
    appendInteger(out, m.canId);
    appendField(out, "isExtended");
    appendBool(out, m.isExtended);
    appendField(out, "dlc");
    appendInteger(out, m.dlc);
    appendField(out, "signals");
    out += '[';
    for (size_t i = 0; i < m.signals.size(); ++i) {
        if (i > 0) out += ',';
        appendSignal(out, m.signals[i]);
    }
    out += "]}";
}

}  // namespace

std::string databaseToJson(const CanDatabase& db, int32_t errorCount) {
    std::string out = "{\"messages\":[";
    for (size_t i = 0; i < db.messages.size(); ++i) {
        if (i > 0) out += ',';
        appendMessage(out, db.messages[i]);
    }
    out += "],\"errors\":" + std::to_string(errorCount) + '}';
    return out;
}

}  // namespace dbc
