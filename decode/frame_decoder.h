// Decoding of one captured frame through the CAN database into signal values: bit extraction in
// Intel or Motorola order, sign extension, IEEE reals, value descriptions, scaling, and the
// signals that multiplexer switches select.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "monitor/records.h"

namespace decode {

// One decoded value. The texts point into the database, which outlives every conversion.
struct SignalValue {
    double value = 0.0;
    std::string_view signalName;
    std::string_view unit;
    std::string_view enumText;
    const dbc::DbcSignal* signal = nullptr;  // the signal it is the value of
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

    // How one signal's bits are read, worked out once per message: a field that lies within an
    // 8-byte window of the frame is one load, a shift and a mask.
    struct SignalPlan {
        uint64_t mask = 0;
        uint8_t byte = 0;       // first byte of the window
        uint8_t shift = 0;      // right shift of the window's bits in the field's order
        uint8_t bytesRead = 0;  // bytes that must be readable for the one load; 0: never
        bool littleEndian = false;
    };

private:
    const dbc::DbcMessage* lookUp(const can::Frame& frame);
    const dbc::DbcMessage* standardMessage(uint32_t canId);
    // The plans of the message's signals, in its order; nullptr for a message of no database.
    const SignalPlan* plansOf(const dbc::DbcMessage& message);
    uint64_t rawBits(const dbc::DbcSignal& signal) const;
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
    // Where each message's plans start in planStore_, by the message's place in the database;
    // kNotPlanned until the message is first met.
    static constexpr uint32_t kNotPlanned = UINT32_MAX;
    std::vector<uint32_t> planStart_;
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
