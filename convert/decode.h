// Decoding of one captured frame through the CAN database into signal values: bit extraction in
// Intel or Motorola order, sign extension, IEEE reals, value descriptions, scaling, and the
// signals that multiplexer switches select.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "monitor/records.h"

namespace convert {

// One decoded value. The texts point into the database, which outlives every conversion.
struct SignalValue {
    double value = 0.0;
    std::string_view signalName;
    std::string_view unit;
    std::string_view enumText;
};

inline constexpr std::string_view kUndefinedEnumText = "<undefined>";

// Multiplexed dependents are followed to this depth at most.
inline constexpr int kMaxMuxDepth = 4;

// The raw bits of a signal from the 64 data bytes of a frame. Only the first `readableBytes`
// bytes count: a bit in a byte past them is 0 in Intel order and skipped in Motorola order.
uint64_t extractBits(const uint8_t* data, int readableBytes, int32_t startBit, int32_t bitLength,
                     bool littleEndian);

class FrameDecoder {
public:
    explicit FrameDecoder(const dbc::CanDatabase& database) : database_(database) {}

    // Fills `values` (emptied first) from the frame; true when at least one value was decoded.
    // `message()` then names the database message of the frame.
    bool decodeFrame(const monitor::CapturedFrame& frame, std::vector<SignalValue>& values);
    const dbc::DbcMessage* message() const { return message_; }

private:
    void decodeSignal(const dbc::DbcSignal& signal, int depth);
    void decodeDependents(const dbc::DbcSignal& switchSignal, int32_t switchValue, int depth);

    const dbc::CanDatabase& database_;
    const dbc::DbcMessage* message_ = nullptr;
    const monitor::CapturedFrame* frame_ = nullptr;
    std::vector<SignalValue>* values_ = nullptr;
    int readableBytes_ = 0;
};

}  // namespace convert
