#include "decode/frame_decoder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "decode/decode_stats.h"
#include "decode/exact_scaling.h"
#include "decode/j1939.h"
#include "decode/selection.h"

namespace decode {

namespace {

// The bits one byte at a time, as the analyzer's database numbering defines them; used for
// fields that reach past the readable bytes.
uint64_t extractBitsOneByOne(const uint8_t* data, int readableBytes, int32_t startBit,
                             int32_t bitLength, bool littleEndian) {
    // Floor division, so that a negative start bit still names a bit 0-7 of some byte.
    int64_t byte = startBit >= 0 ? startBit / 8 : (static_cast<int64_t>(startBit) - 7) / 8;
    int bit = static_cast<int>(startBit - byte * 8);
    uint64_t result = 0;
    for (int32_t i = 0; i < bitLength; ++i) {
        const bool readable = byte >= 0 && byte < readableBytes;
        if (littleEndian) {
            if (readable) result |= static_cast<uint64_t>((data[byte] >> bit) & 1u) << i;
            if (++bit == 8) {
                bit = 0;
                ++byte;
            }
        } else {
            // Motorola bits in unreadable bytes are skipped, so the readable ones end up
            // right-aligned.
            if (readable) result = (result << 1) | ((data[byte] >> bit) & 1u);
            if (--bit < 0) {
                bit = 7;
                ++byte;
            }
        }
    }
    return result;
}

uint64_t byteSwap(uint64_t value) { return __builtin_bswap64(value); }

}  // namespace

uint64_t extractBits(const uint8_t* data, int readableBytes, int32_t startBit, int32_t bitLength,
                     bool littleEndian) {
    if (bitLength <= 0) return 0;
    // Callers pass the 64 data bytes of a frame, of which the first readableBytes count.
    constexpr int kFrameBytes = 64;
    if (startBit >= 0 && bitLength <= 64) {
        // A field that lies wholly in the readable bytes is read as one number.
        using Wide = unsigned __int128;
        const int byte = startBit / 8;
        const int bit = startBit % 8;
        const int bitsFromFirstByte = littleEndian ? bit + bitLength : (7 - bit) + bitLength;
        const int bytes = (bitsFromFirstByte + 7) / 8;
        if (byte + bytes <= readableBytes) {
            const uint64_t mask = bitLength == 64 ? ~uint64_t{0} : (uint64_t{1} << bitLength) - 1;
            if (bitsFromFirstByte <= 64 && byte + 8 <= kFrameBytes) {
                // Eight bytes in one load; bits of bytes past the field are masked away.
                uint64_t word;
                std::memcpy(&word, data + byte, sizeof word);
                if constexpr (std::endian::native == std::endian::big) word = byteSwap(word);
                if (littleEndian) return (word >> bit) & mask;
                return (byteSwap(word) >> (64 - bitsFromFirstByte)) & mask;
            }
            Wide gathered = 0;
            if (littleEndian) {
                for (int i = bytes - 1; i >= 0; --i) gathered = (gathered << 8) | data[byte + i];
                return static_cast<uint64_t>(gathered >> bit) & mask;
            }
            for (int i = 0; i < bytes; ++i) gathered = (gathered << 8) | data[byte + i];
            return static_cast<uint64_t>(gathered >> (8 * bytes - bitsFromFirstByte)) & mask;
        }
    }
    return extractBitsOneByOne(data, readableBytes, startBit, bitLength, littleEndian);
}

namespace {

// The switch value of an IEEE signal: truncated toward zero, not-a-number as 0 and saturated
// at the 32-bit limits, so that no value makes the conversion undefined.
int32_t switchValueOfReal(double value) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

std::string_view enumTextOf(const dbc::ValueDescriptions& set, uint64_t raw) {
    const auto key = static_cast<int64_t>(raw);
    const auto& entries = set.entries;
    const auto found = std::lower_bound(
        entries.begin(), entries.end(), key,
        [](const dbc::ValueDescription& entry, int64_t value) { return entry.value < value; });
    if (found != entries.end() && found->value == key) return found->text;
    return kUndefinedEnumText;
}

}  // namespace

ByteSpan bytesOf(const dbc::DbcSignal& signal) {
    if (signal.bitLength <= 0) return {};
    const int64_t start = signal.startBit;
    const int64_t first = start >= 0 ? start / 8 : (start - 7) / 8;  // floor
    const int64_t bit = start - first * 8;
    // Intel bits run upwards from the start bit, Motorola bits downwards and on into the next
    // byte's bit 7: either way the bytes follow each other upwards.
    const int64_t bitsBeforeField = signal.isLittleEndian ? bit : 7 - bit;
    return {first, first + (bitsBeforeField + signal.bitLength + 7) / 8};
}

namespace {

FrameDecoder::SignalPlan planOf(const dbc::DbcSignal& signal) {
    using ValueKind = FrameDecoder::ValueKind;
    FrameDecoder::SignalPlan plan;
    plan.name = signal.name;
    plan.unit = signal.unit;
    if (signal.bitLength < 0 || signal.bitLength > 64) {
        plan.kind = ValueKind::kNone;
    } else if (signal.isFloat) {
        plan.kind = signal.bitLength == 32   ? ValueKind::kFloat32
                    : signal.bitLength == 64 ? ValueKind::kFloat64
                                             : ValueKind::kNone;
    } else {
        // A signed field of length 0 has no sign bit: its value stays 0.
        const bool extends = signal.isSigned && signal.bitLength > 0;
        plan.kind = extends ? ValueKind::kSigned : ValueKind::kUnsigned;
        plan.signShift = static_cast<uint8_t>(extends ? 64 - signal.bitLength : 0);
        plan.exact = exactScalingOf(signal.factor, signal.offset);
    }
    constexpr int kFrameBytes = 64;
    if (signal.startBit < 0 || signal.bitLength <= 0 || signal.bitLength > 64) return plan;
    const int byte = signal.startBit / 8;
    const int bit = signal.startBit % 8;
    const int bitsFromFirstByte =
        signal.isLittleEndian ? bit + signal.bitLength : (7 - bit) + signal.bitLength;
    if (bitsFromFirstByte > 64 || byte + 8 > kFrameBytes) return plan;
    plan.mask = signal.bitLength == 64 ? ~uint64_t{0} : (uint64_t{1} << signal.bitLength) - 1;
    plan.byte = static_cast<uint8_t>(byte);
    plan.shift = static_cast<uint8_t>(signal.isLittleEndian ? bit : 64 - bitsFromFirstByte);
    plan.bytesRead = static_cast<uint8_t>(byte + (bitsFromFirstByte + 7) / 8);
    plan.littleEndian = signal.isLittleEndian;
    return plan;
}

// The one expression of a scaled value, so that every path computes the same double.
[[gnu::always_inline]] inline double scaled(const dbc::DbcSignal& signal, double value) {
    return signal.factor * value + signal.offset;
}

}  // namespace

const FrameDecoder::MessagePlan* FrameDecoder::planOf(const dbc::DbcMessage& message) {
    const std::vector<dbc::DbcMessage>& messages = database_.messages;
    if (&message < messages.data() || &message >= messages.data() + messages.size()) {
        return nullptr;
    }
    if (messagePlans_.size() != messages.size()) messagePlans_.assign(messages.size(), {});
    MessagePlan& plan = messagePlans_[static_cast<size_t>(&message - messages.data())];
    if (plan.start == kNotPlanned) {
        plan.start = static_cast<uint32_t>(planStore_.size());
        plan.flat = true;
        for (const dbc::DbcSignal& signal : message.signals) {
            const SignalPlan& added = planStore_.emplace_back(decode::planOf(signal));
            plan.bytesNeeded = std::max(plan.bytesNeeded, added.bytesRead);
            if (added.bytesRead == 0 || signal.isMuxSwitch || !signal.muxSwitchName.empty()) {
                plan.flat = false;
            }
        }
    }
    return &plan;
}

// The bits of a field within the readable bytes in one load; any other field bit by bit.
[[gnu::always_inline]] inline uint64_t FrameDecoder::rawBits(const dbc::DbcSignal& signal) const {
    if (plans_ != nullptr) {
        const SignalPlan& plan = plans_[&signal - message_->signals.data()];
        if (plan.bytesRead != 0 && plan.bytesRead <= readableBytes_) {
            uint64_t word;
            std::memcpy(&word, frame_->data + plan.byte, sizeof word);
            if constexpr (std::endian::native == std::endian::big) word = byteSwap(word);
            if (!plan.littleEndian) word = byteSwap(word);
            return (word >> plan.shift) & plan.mask;
        }
    }
    return extractBits(frame_->data, readableBytes_, signal.startBit, signal.bitLength,
                       signal.isLittleEndian);
}

const dbc::DbcMessage* FrameDecoder::standardMessage(uint32_t canId) {
    constexpr uint32_t kStandardIds = 0x800;
    if (canId >= kStandardIds) return dbc::findMessage(database_, canId);
    if (standardMessages_.empty()) {
        standardMessages_.assign(kStandardIds, nullptr);
        // The first of messages with one identifier, as the search finds it.
        for (const dbc::DbcMessage& message : database_.messages) {
            if (message.rawId < kStandardIds && standardMessages_[message.rawId] == nullptr) {
                standardMessages_[message.rawId] = &message;
            }
        }
    }
    return standardMessages_[canId];
}

const dbc::DbcMessage* FrameDecoder::lookUp(const can::Frame& frame) {
    const dbc::DbcMessage* message = frame.isExtended
                                         ? dbc::findMessage(database_, frame.canId | 0x80000000u)
                                         : standardMessage(frame.canId);
    if (message == nullptr && j1939_ != nullptr && frame.isExtended) {
        const J1939Match match = j1939_->find(frame.canId);
        message = match.message;
        if (message != nullptr && stats_ != nullptr) {
            ++stats_->framesJ1939;
            if (match.ambiguous) ++stats_->framesJ1939Ambiguous;
        }
    }
    if (message == nullptr && stats_ != nullptr) {
        stats_->unknownFrame(frame.canId, frame.isExtended, frame.channel);
    }
    return message;
}

bool FrameDecoder::decodeFrame(const can::Frame& frame, std::vector<SignalValue>& values) {
    values.clear();
    message_ = nullptr;
    if (frame.dataLength <= 0) return false;
    if (database_.loadState != dbc::kFinalised || database_.messages.empty()) return false;
    message_ = lookUp(frame);
    if (message_ == nullptr || message_->signals.empty()) return false;
    if (selection_ != nullptr && !selection_->messageSelected(*message_)) return false;

    frame_ = &frame;
    values_ = &values;
    const MessagePlan* plan = planOf(*message_);
    plans_ = plan != nullptr ? planStore_.data() + plan->start : nullptr;
    readableBytes_ = std::clamp(std::min(message_->dlc, frame.dataLength), 0, 64);
    if (stats_ != nullptr) {
        if (frame.dataLength < message_->dlc) stats_->shortFrame(*message_);
        countBytesNotCarried();
    }
    if (plan != nullptr && plan->flat && selection_ == nullptr &&
        plan->bytesNeeded <= readableBytes_) {
        decodeFlat();
    } else {
        for (const dbc::DbcSignal& signal : message_->signals) decodeSignal(signal, 0);
    }
    if (stats_ != nullptr && !values.empty()) ++stats_->framesDecoded;
    return !values.empty();
}

// Values whose bits lie partly or wholly past the bytes read from the frame: they are read as
// if those bytes were zero (or skipped, in Motorola order), which a user should know about.
void FrameDecoder::countBytesNotCarried() {
    for (const dbc::DbcSignal& signal : message_->signals) {
        if (signal.muxSwitchName.empty()) countDependent(signal);  // others through their switch
    }
}

void FrameDecoder::decodeFlat() {
    const dbc::DbcSignal* signals = message_->signals.data();
    const size_t count = message_->signals.size();
    std::vector<SignalValue>& values = *values_;
    for (size_t i = 0; i < count; ++i) {
        const SignalPlan& plan = plans_[i];
        const dbc::DbcSignal& signal = signals[i];
        uint64_t word;
        std::memcpy(&word, frame_->data + plan.byte, sizeof word);
        if constexpr (std::endian::native == std::endian::big) word = byteSwap(word);
        if (!plan.littleEndian) word = byteSwap(word);
        uint64_t raw = (word >> plan.shift) & plan.mask;
        double value;
        int64_t millionths = kNoMillionths;
        switch (plan.kind) {
            case ValueKind::kUnsigned:
                value = static_cast<double>(raw);
                if (!scaleUnsigned(plan.exact, raw, millionths)) millionths = kNoMillionths;
                break;
            case ValueKind::kSigned: {
                const int64_t extended =
                    static_cast<int64_t>(raw << plan.signShift) >> plan.signShift;
                raw = static_cast<uint64_t>(extended);
                value = static_cast<double>(extended);
                if (!scaleSigned(plan.exact, extended, millionths)) millionths = kNoMillionths;
                break;
            }
            case ValueKind::kFloat32: {
                const auto bits = static_cast<uint32_t>(raw);
                float single;
                std::memcpy(&single, &bits, sizeof single);
                value = static_cast<double>(single);
                break;
            }
            case ValueKind::kFloat64:
                std::memcpy(&value, &raw, sizeof value);
                break;
            default:
                continue;
        }
        SignalValue& out = values.emplace_back();
        out.value = scaled(signal, value);
        out.signalName = plan.name;
        out.unit = plan.unit;
        if (plan.kind <= ValueKind::kSigned && !signal.valueDescriptions.entries.empty()) {
            out.enumText = enumTextOf(signal.valueDescriptions, raw);
        }
        out.signal = &signal;
        out.millionths = millionths == 0 ? kNoMillionths : millionths;
    }
}

void FrameDecoder::decodeSignal(const dbc::DbcSignal& signal, int depth) {
    // A multiplexed signal is decoded only through its switch.
    if (depth == 0 && !signal.muxSwitchName.empty()) return;
    if (signal.bitLength < 0 || signal.bitLength > 64) return;
    uint64_t raw = rawBits(signal);
    SignalValue out;
    out.signalName = signal.name;
    out.unit = signal.unit;
    double value = 0.0;
    int32_t switchValue = 0;
    if (signal.isFloat) {
        if (signal.bitLength == 32) {
            const auto bits = static_cast<uint32_t>(raw);
            float single = 0.0f;
            std::memcpy(&single, &bits, sizeof single);
            value = static_cast<double>(single);
        } else if (signal.bitLength == 64) {
            std::memcpy(&value, &raw, sizeof value);
        } else {
            return;
        }
        switchValue = switchValueOfReal(value);
    } else {
        // A signed field of length 0 has no sign bit: its value stays 0.
        if (signal.isSigned && signal.bitLength > 0 && signal.bitLength < 64) {
            const uint64_t signBit = uint64_t{1} << (signal.bitLength - 1);
            const uint64_t fieldMask = (signBit << 1) - 1;
            raw = (raw & signBit) != 0 ? (raw | ~fieldMask) : (raw & fieldMask);
        }
        value = signal.isSigned ? static_cast<double>(static_cast<int64_t>(raw))
                                : static_cast<double>(raw);
        switchValue = static_cast<int32_t>(static_cast<uint32_t>(raw));
        if (!signal.valueDescriptions.entries.empty()) {
            out.enumText = enumTextOf(signal.valueDescriptions, raw);
        }
    }
    out.value = scaled(signal, value);
    out.signal = &signal;
    if (plans_ != nullptr && !signal.isFloat) {
        const ExactScaling& exact = plans_[&signal - message_->signals.data()].exact;
        int64_t millionths = 0;
        const bool done = signal.isSigned
                              ? scaleSigned(exact, static_cast<int64_t>(raw), millionths)
                              : scaleUnsigned(exact, raw, millionths);
        if (done && millionths != 0) out.millionths = millionths;
    }
    if (selection_ == nullptr || selection_->signalSelected(*message_, signal)) {
        values_->push_back(out);
    }
    if (signal.isMuxSwitch && depth < kMaxMuxDepth)
        decodeDependents(signal, switchValue, depth + 1);
}

void FrameDecoder::decodeDependents(const dbc::DbcSignal& switchSignal, int32_t switchValue,
                                    int depth) {
    bool selectedAny = false;
    bool hasDependents = false;
    for (const dbc::DbcSignal& signal : message_->signals) {
        if (signal.muxSwitchName != switchSignal.name) continue;
        hasDependents = true;
        // Every range that holds the value decodes the signal once: overlaps repeat it.
        for (const dbc::MuxRange& range : signal.muxRanges) {
            if (range.low <= switchValue && switchValue <= range.high) {
                selectedAny = true;
                if (stats_ != nullptr) countDependent(signal);
                decodeSignal(signal, depth);
            }
        }
    }
    if (stats_ != nullptr && hasDependents && !selectedAny) {
        stats_->unmatchedSwitch(*message_, switchSignal, switchValue);
    }
}

void FrameDecoder::countDependent(const dbc::DbcSignal& signal) {
    const ByteSpan span = bytesOf(signal);
    if (span.end > span.first && (span.first < 0 || span.end > readableBytes_)) {
        ++stats_->valuesBeyondData;
    }
}

}  // namespace decode
