// DBC statements line by line through the parser, then finalisation and the decoding of one
// frame per message. The first byte chooses which statement groups are stored; the rest is the
// text, cut at line feeds. Every line answers one of the parser's result codes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "decode/frame_decoder.h"

namespace {

bool isParserResult(int32_t result) {
    return result == dbc::kLineEmpty || result == dbc::kLineAccepted ||
           (result >= dbc::kLineBadScaling && result <= dbc::kLineUnexpectedToken);
}

void parseLines(dbc::DbcParser& parser, std::string_view text) {
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        if (!isParserResult(dbc::parseDbcLine(parser, text.substr(0, end)))) std::abort();
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

// Decodes a frame of every length for each message, with data bytes taken from the input.
void decodeEveryMessage(const dbc::CanDatabase& database, const uint8_t* data, size_t size) {
    decode::FrameDecoder decoder(database);
    std::vector<decode::SignalValue> values;
    can::Frame frame;
    std::memcpy(frame.data, data, std::min(size, sizeof frame.data));
    for (const dbc::DbcMessage& message : database.messages) {
        frame.canId = message.canId;
        frame.isExtended = message.isExtended;
        for (const int length : {1, 8, 64}) {
            frame.dataLength = length;
            if (decoder.decodeFrame(frame, values) && decoder.message() == nullptr) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    dbc::CanDatabase database;
    database.storeMask = data[0] & 0x1F;
    dbc::DbcParser parser(database);
    parseLines(parser, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (dbc::finaliseDatabase(parser) == 0) decodeEveryMessage(database, data, size);
    return 0;
}
