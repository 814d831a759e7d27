// Decoding of one captured frame through the CAN database into signal values: bit extraction in
// Intel or Motorola order, sign extension, IEEE reals, value descriptions, scaling, and the
// signals that multiplexer switches select.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "decode/exact_scaling.h"
#include "monitor/records.h"

namespace decode {

inline constexpr int64_t kNoMillionths = INT64_MIN;

// One decoded value. The texts point into the database, which outlives every conversion.
struct SignalValue {
    double value = 0.0;
    std::string_view signalName;
    std::string_view unit;
    std::string_view enumText;
    const dbc::DbcSignal* signal = nullptr;  // the signal it is the value of
    // The value exactly in millionths when its six-decimal text is that of `value` (never 0,
    // whose sign only the double knows); kNoMillionths otherwise.
    int64_t millionths = kNoMillionths;
};

inline constexpr std::string_view kUndefinedEnumText = "<undefined>";

// Multiplexed dependents are followed to this depth at most.
inline constexpr int kMaxMuxDepth = 4;

// The raw bits of a signal from the 64 data bytes of a frame. Only the first `readableBytes`
// bytes count: a bit in a byte past them is 0 in Intel order and skipped in Motorola order.
uint64_t extractBits(const uint8_t* data, int readableBytes, int32_t startBit, int32_t bitLength,
                     bool littleEndian);

class DecodeStats;
class J1939Index;
class SignalSelection;

class FrameDecoder {
public:
    explicit FrameDecoder(const dbc::CanDatabase& database) : database_(database) {}

    // Only the selected signals give values (a switch that is not selected still selects its
    // dependents); nullptr keeps every signal.
    void setSelection(const SignalSelection* selection) { selection_ = selection; }
    // Frames without an exact match are matched by their J1939 parameter group.
    void setJ1939(const J1939Index* index) { j1939_ = index; }
    // Where to count what the decoding meets (unknown and short frames, and the like).
    void setStats(DecodeStats* stats) { stats_ = stats; }

    // Fills `values` (emptied first) from the frame; true when at least one value was decoded.
    // `message()` then names the database message of the frame.
    bool decodeFrame(const can::Frame& frame, std::vector<SignalValue>& values);
    const dbc::DbcMessage* message() const { return message_; }
    const dbc::CanDatabase& database() const { return database_; }

    // How one signal's bits are read and become a value, worked out once per message: a field
    // that lies within an 8-byte window of the frame is one load, a shift and a mask.
    enum class ValueKind : uint8_t { kUnsigned, kSigned, kFloat32, kFloat64, kNone };
    struct SignalPlan {
        uint64_t mask = 0;
        uint8_t byte = 0;       // first byte of the window
        uint8_t shift = 0;      // right shift of the window's bits in the field's order
        uint8_t bytesRead = 0;  // bytes that must be readable for the one load; 0: never
        bool littleEndian = false;
        ValueKind kind = ValueKind::kNone;
        uint8_t signShift = 0;  // 64 - length of a signed field, shifted up and back to extend
        ExactScaling exact;
        std::string_view name;
        std::string_view unit;
    };

private:
    const dbc::DbcMessage* lookUp(const can::Frame& frame);
    const dbc::DbcMessage* standardMessage(uint32_t canId);
    static constexpr uint32_t kNotPlanned = UINT32_MAX;
    // Worked out at a message's first frame: where its signals' plans start in planStore_, the
    // bytes the one-load reads need, and whether every signal is read that way, outside any
    // multiplexing.
    struct MessagePlan {
        uint32_t start = kNotPlanned;
        uint8_t bytesNeeded = 0;
        bool flat = false;
    };
    // The plan of the message, or nullptr for a message of no database.
    const MessagePlan* planOf(const dbc::DbcMessage& message);
    uint64_t rawBits(const dbc::DbcSignal& signal) const;
    // Every signal of a flat message whose bytes are all there, in one pass over the plans.
    void decodeFlat();
    void decodeSignal(const dbc::DbcSignal& signal, int depth);
    void decodeDependents(const dbc::DbcSignal& switchSignal, int32_t switchValue, int depth);
    // Values read partly or wholly past the bytes taken from the frame (read as zero there).
    void countBytesNotCarried();
    void countDependent(const dbc::DbcSignal& signal);

    const dbc::CanDatabase& database_;
    const SignalSelection* selection_ = nullptr;
    const J1939Index* j1939_ = nullptr;
    DecodeStats* stats_ = nullptr;
    const dbc::DbcMessage* message_ = nullptr;
    const SignalPlan* plans_ = nullptr;  // of message_
    // The plan of each message, by its place in the database.
    std::vector<MessagePlan> messagePlans_;
    std::vector<SignalPlan> planStore_;
    // The message of each standard identifier, filled at the first standard frame: most frames
    // of a bus are standard, and one load finds theirs instead of a search of all messages.
    std::vector<const dbc::DbcMessage*> standardMessages_;
    const can::Frame* frame_ = nullptr;
    std::vector<SignalValue>* values_ = nullptr;
    int readableBytes_ = 0;
};

// The data bytes a signal's bits touch, as a half-open range of byte indices (both orders
// number bytes upwards from the start bit's byte). Empty for a field of no bits.
struct ByteSpan {
    int64_t first = 0;
    int64_t end = 0;
};
ByteSpan bytesOf(const dbc::DbcSignal& signal);

}  // namespace decode
