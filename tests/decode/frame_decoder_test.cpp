#include "decode/frame_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tables/text_format.h"

namespace {

using decode::extractBits;
using decode::FrameDecoder;
using decode::SignalValue;

// The texts and lists of the records made here, kept for the whole run.
dbc::TextStore& testStore() {
    static dbc::TextStore store;
    return store;
}
dbc::TextRef text(std::string_view s) { return testStore().add(s); }
// "L3" and the like, appended: MinGW's -Wrestrict misfires on "L" + std::to_string(3).
std::string numbered(const char* prefix, int64_t number) {
    std::string made(prefix);
    made += std::to_string(number);
    return made;
}
template <class T>
dbc::CompactList<T> list(const std::vector<T>& items) {
    return testStore().copy<T>(items);
}
dbc::CompactList<dbc::ValueDescription> descriptions(
    const std::vector<std::pair<int64_t, std::string>>& entries) {
    std::vector<dbc::ValueDescription> stored;
    for (const auto& [value, description] : entries) stored.push_back({value, text(description)});
    return list(stored);
}

dbc::DbcSignal makeSignal(std::string name, int32_t start, int32_t length, bool intel,
                          bool isSigned = false) {
    dbc::DbcSignal s;
    s.name = text(name);
    s.startBit = start;
    s.bitLength = length;
    s.isLittleEndian = intel;
    s.isSigned = isSigned;
    return s;
}

// A finalised database holding the given messages, sorted as finalisation sorts them.
void finalise(dbc::CanDatabase& db, std::vector<dbc::DbcMessage> messages) {
    for (auto& m : messages) {
        m.canId = m.rawId & 0x7FFFFFFF;
        m.isExtended = (m.rawId & 0x80000000u) != 0;
    }
    std::sort(messages.begin(), messages.end(),
              [](const auto& a, const auto& b) { return a.rawId < b.rawId; });
    db.messages = std::move(messages);
    db.loadState = dbc::kFinalised;
}

dbc::DbcMessage makeMessage(uint32_t rawId, int32_t dlc, std::vector<dbc::DbcSignal> signals) {
    dbc::DbcMessage m;
    m.name = text(numbered("M", rawId));
    m.rawId = rawId;
    m.dlc = dlc;
    m.signals = list(signals);
    return m;
}

can::Frame makeFrame(uint32_t id, bool extended, std::vector<uint8_t> data) {
    can::Frame f;
    f.canId = id;
    f.isExtended = extended;
    f.dataLength = static_cast<int>(data.size());
    std::copy(data.begin(), data.end(), f.data);
    return f;
}

std::vector<SignalValue> decode(const dbc::CanDatabase& db, const can::Frame& f) {
    FrameDecoder decoder(db);
    std::vector<SignalValue> values;
    decoder.decodeFrame(f, values);
    return values;
}

std::vector<std::string> names(const std::vector<SignalValue>& values) {
    std::vector<std::string> out;
    for (const auto& v : values) out.emplace_back(v.signalName);
    return out;
}

// The 64 data bytes of a frame, starting with the given ones.
std::array<uint8_t, 64> bytes64(std::initializer_list<uint8_t> first) {
    std::array<uint8_t, 64> data{};
    std::copy(first.begin(), first.end(), data.begin());
    return data;
}

TEST(ExtractBits, IntelAndMotorolaExamples) {
    EXPECT_EQ(extractBits(bytes64({0x34, 0x12}).data(), 2, 0, 16, true), 0x1234u);
    EXPECT_EQ(extractBits(bytes64({0x12, 0x34}).data(), 2, 7, 16, false), 0x1234u);
    EXPECT_EQ(extractBits(bytes64({0xAB, 0xCD}).data(), 2, 3, 8, false), 0xBCu);
    // Bits 60-63 come from byte 7; byte 8 is past the readable bytes and reads as 0.
    const auto eight = bytes64({0, 0, 0, 0, 0, 0, 0, 0xA5, 0xFF});
    EXPECT_EQ(extractBits(eight.data(), 8, 60, 8, true), 0x0Au);
    // Motorola skips unreadable bits, so the readable ones are right-aligned.
    EXPECT_EQ(extractBits(eight.data(), 8, 59, 8, false), 0x05u);
    EXPECT_EQ(extractBits(eight.data(), 8, 0, 0, true), 0u);
    EXPECT_EQ(extractBits(eight.data(), 8, -3, 8, true), 0x00u);
    EXPECT_EQ(extractBits(eight.data(), 8, 2147483647, 64, true), 0u);
    // Fields at the end of a 64-byte frame, both orders, read through every path.
    const auto fd = bytes64({});
    auto tail = fd;
    tail[62] = 0x0E;
    tail[63] = 0x80;
    EXPECT_EQ(extractBits(tail.data(), 64, 496, 16, true), 0x800Eu);
    EXPECT_EQ(extractBits(tail.data(), 64, 503, 16, false), 0x0E80u);
    EXPECT_EQ(extractBits(tail.data(), 64, 448, 64, true), 0x800E000000000000u);
}

// An independent reading of the DBC bit numbering: Intel fields run upward from their least
// significant bit; Motorola fields start at their most significant bit and run down the
// sawtooth (bit 0 of a byte continues at bit 7 of the next).
uint64_t referenceBits(const uint8_t* data, int start, int length, bool intel) {
    auto bitAt = [&](int position) { return (data[position / 8] >> (position % 8)) & 1u; };
    uint64_t value = 0;
    if (intel) {
        for (int i = 0; i < length; ++i) value |= uint64_t{bitAt(start + i)} << i;
    } else {
        int position = start;
        for (int i = 0; i < length; ++i) {
            value = (value << 1) | bitAt(position);
            position = position % 8 == 0 ? position + 15 : position - 1;
        }
    }
    return value;
}

TEST(ExtractBits, AgreesWithAReferenceDecoderOnRandomSignals) {
    std::mt19937_64 random(20261208);
    uint8_t data[64];
    for (int round = 0; round < 20000; ++round) {
        for (auto& b : data) b = static_cast<uint8_t>(random());
        const int bytes = 1 + static_cast<int>(random() % 64);
        const bool intel = (random() & 1) != 0;
        const int length = 1 + static_cast<int>(random() % 64);
        int start = 0;
        if (intel) {
            if (length > bytes * 8) continue;
            start = static_cast<int>(random() % static_cast<uint64_t>(bytes * 8 - length + 1));
        } else {
            // The most significant bit, chosen so that the field ends inside the frame.
            const int msbLinear = static_cast<int>(random() % static_cast<uint64_t>(bytes * 8));
            if (msbLinear + length > bytes * 8) continue;
            start = (msbLinear / 8) * 8 + 7 - msbLinear % 8;
        }
        ASSERT_EQ(extractBits(data, bytes, start, length, intel),
                  referenceBits(data, start, length, intel))
            << "start " << start << " length " << length << " intel " << intel;
    }
}

TEST(DecodeFrame, SignsScalingAndIntegerRanges) {
    auto s8 = makeSignal("S8", 0, 8, true, true);
    s8.factor = 0.5;
    s8.offset = 10;
    auto u8 = s8;
    u8.name = text("U8");
    u8.isSigned = false;
    auto s12 = makeSignal("S12", 8, 12, true, true);
    auto u64 = makeSignal("U64", 0, 64, true);
    auto s0 = makeSignal("S0", 0, 0, true, true);
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x10, 8, {s8, u8, s12, s0}), makeMessage(0x11, 8, {u64})});

    const auto values = decode(db, makeFrame(0x10, false, {0xFF, 0x00, 0x08, 0, 0, 0, 0, 0}));
    ASSERT_EQ(values.size(), 4u);
    EXPECT_DOUBLE_EQ(values[0].value, 9.5);
    EXPECT_DOUBLE_EQ(values[1].value, 137.5);
    EXPECT_DOUBLE_EQ(values[2].value, -2048.0);
    EXPECT_DOUBLE_EQ(values[3].value, 0.0);
    const auto big = decode(db, makeFrame(0x11, false, std::vector<uint8_t>(8, 0xFF)));
    ASSERT_EQ(big.size(), 1u);
    EXPECT_DOUBLE_EQ(big[0].value, 18446744073709551615.0);
}

TEST(DecodeFrame, IeeeRealsAndUnusableLengths) {
    auto single = makeSignal("F32", 0, 32, true);
    single.isFloat = true;
    auto half = makeSignal("F16", 32, 16, true);
    half.isFloat = true;
    auto tooLong = makeSignal("Long", 0, 65, true);
    auto doubleSig = makeSignal("F64", 0, 64, true);
    doubleSig.isFloat = true;
    doubleSig.factor = 2;
    dbc::CanDatabase db;
    finalise(db,
             {makeMessage(0x20, 8, {single, half, tooLong}), makeMessage(0x21, 8, {doubleSig})});

    const auto values = decode(db, makeFrame(0x20, false, {0x00, 0x00, 0x80, 0x3F, 1, 2, 3, 4}));
    ASSERT_EQ(names(values), std::vector<std::string>{"F32"});
    EXPECT_DOUBLE_EQ(values[0].value, 1.0);
    EXPECT_TRUE(values[0].enumText.empty());

    uint8_t bytes[8];
    const double pi = 3.25;
    std::memcpy(bytes, &pi, 8);
    const auto d = decode(db, makeFrame(0x21, false, std::vector<uint8_t>(bytes, bytes + 8)));
    ASSERT_EQ(d.size(), 1u);
    EXPECT_DOUBLE_EQ(d[0].value, 6.5);
}

TEST(DecodeFrame, ValueDescriptionsMatchTheSignExtendedRawValue) {
    auto gear = makeSignal("Gear", 0, 8, true);
    gear.valueDescriptions.entries = descriptions({{0, "Park"}, {1, "Drive"}});
    auto plain = makeSignal("Plain", 8, 8, true);
    auto signedState = makeSignal("SState", 16, 4, true, true);
    signedState.valueDescriptions.entries = descriptions({{-1, "Invalid"}, {0, "Ok"}});
    auto unsignedState = makeSignal("UState", 16, 4, true, false);
    unsignedState.valueDescriptions.entries = descriptions({{-1, "Invalid"}, {0, "Ok"}});
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x30, 8, {gear, plain, signedState, unsignedState})});

    auto values = decode(db, makeFrame(0x30, false, {1, 7, 0x0F}));
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].enumText, "Drive");
    EXPECT_EQ(values[1].enumText, "");
    EXPECT_EQ(values[2].enumText, "Invalid");
    EXPECT_DOUBLE_EQ(values[2].value, -1.0);
    EXPECT_EQ(values[3].enumText, "<undefined>");
    values = decode(db, makeFrame(0x30, false, {2, 7, 0}));
    EXPECT_EQ(values[0].enumText, "<undefined>");
    EXPECT_EQ(values[2].enumText, "Ok");
}

TEST(DecodeFrame, MultiplexedSignalsFollowTheirSwitchDepthFirst) {
    auto sw = makeSignal("S", 0, 8, true);
    sw.isMuxSwitch = true;
    auto a = makeSignal("A", 8, 8, true);
    a.muxSwitchName = text("S");
    a.muxRanges = list<dbc::MuxRange>({{1, 3}});
    auto b = makeSignal("B", 8, 8, true);
    b.muxSwitchName = text("S");
    b.muxRanges = list<dbc::MuxRange>({{4, 4}});
    auto plain = makeSignal("P", 16, 8, true);
    auto twice = a;
    twice.name = text("Twice");
    twice.muxRanges = list<dbc::MuxRange>({{1, 3}, {2, 5}});
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x40, 8, {sw, plain, a, b, twice})});

    EXPECT_EQ(names(decode(db, makeFrame(0x40, false, {3, 0, 0}))),
              (std::vector<std::string>{"S", "A", "Twice", "Twice", "P"}));
    EXPECT_EQ(names(decode(db, makeFrame(0x40, false, {4, 0, 0}))),
              (std::vector<std::string>{"S", "B", "Twice", "P"}));
    EXPECT_EQ(names(decode(db, makeFrame(0x40, false, {9, 0, 0}))),
              (std::vector<std::string>{"S", "P"}));
}

TEST(DecodeFrame, SwitchChainsStopAtDepthFour) {
    std::vector<dbc::DbcSignal> chain;
    for (int i = 0; i < 7; ++i) {
        auto s = makeSignal(numbered("L", i), 0, 8, true);
        s.isMuxSwitch = true;
        if (i > 0) {
            s.muxSwitchName = text(numbered("L", i - 1));
            s.muxRanges = list<dbc::MuxRange>({{0, 255}});
        }
        chain.push_back(s);
    }
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x50, 8, chain)});
    EXPECT_EQ(names(decode(db, makeFrame(0x50, false, {1}))),
              (std::vector<std::string>{"L0", "L1", "L2", "L3", "L4"}));
}

TEST(DecodeFrame, IdentifierKindAndFrameLengthDecideWhatIsRead) {
    auto whole = makeSignal("Whole", 0, 64, true);
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x100, 8, {whole}), makeMessage(0x80000200, 8, {whole})});

    EXPECT_TRUE(decode(db, makeFrame(0x100, true, {1})).empty());
    EXPECT_TRUE(decode(db, makeFrame(0x200, false, {1})).empty());
    EXPECT_EQ(decode(db, makeFrame(0x200, true, {1})).size(), 1u);
    // Bytes past the frame's own length are never read, whatever the buffer holds.
    auto f = makeFrame(0x100, false, {1, 2, 3, 4});
    std::fill(f.data + 4, f.data + 64, 0xEE);
    const auto values = decode(db, f);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_DOUBLE_EQ(values[0].value, 0x04030201);
    EXPECT_TRUE(decode(db, makeFrame(0x100, false, {})).empty());
}

// One decoder over frames of every identifier finds the message the database search finds:
// standard frames through its table (the first of messages sharing an identifier), extended
// frames and identifiers past 11 bits through the search.
TEST(DecodeFrame, OneDecoderFindsEachFramesMessageAsTheSearchDoes) {
    const auto whole = makeSignal("Whole", 0, 8, true);
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x000, 8, {whole}), makeMessage(0x123, 8, {whole}),
                  makeMessage(0x123, 8, {whole}), makeMessage(0x7FF, 8, {whole}),
                  makeMessage(0x800, 8, {whole}), makeMessage(0x80000123, 8, {whole}),
                  makeMessage(0x9FFFFFFF, 8, {whole})});
    FrameDecoder decoder(db);
    std::vector<SignalValue> values;
    for (const bool extended : {false, true}) {
        for (const uint32_t id : {0x000u, 0x001u, 0x123u, 0x7FEu, 0x7FFu, 0x800u, 0x1FFFFFFFu}) {
            const uint32_t key = id | (extended ? 0x80000000u : 0u);
            const dbc::DbcMessage* expected = dbc::findMessage(db, key);
            EXPECT_EQ(decoder.decodeFrame(makeFrame(id, extended, {7}), values),
                      expected != nullptr)
                << std::hex << key;
            EXPECT_EQ(decoder.message(), expected) << std::hex << key;
        }
    }
    EXPECT_EQ(dbc::findMessage(db, 0x123), &db.messages[1]);
}

TEST(DecodeFrame, NothingDecodesBeforeFinalisationOrWithoutSignals) {
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x60, 8, {})});
    EXPECT_TRUE(decode(db, makeFrame(0x60, false, {1})).empty());
    db.messages.push_back(makeMessage(0x61, 8, {makeSignal("X", 0, 8, true)}));
    db.loadState = dbc::kLoading;
    EXPECT_TRUE(decode(db, makeFrame(0x61, false, {1})).empty());
}

}  // namespace

namespace {

// A signal of random layout and kind: Intel or Motorola, any length, signed or not, an IEEE
// real now and then, a factor and offset that are short decimals or any doubles.
dbc::DbcSignal randomSignal(std::mt19937_64& random, int index) {
    const bool intel = (random() & 1) != 0;
    const int length = 1 + static_cast<int>(random() % 64);
    const int msb = static_cast<int>(random() % static_cast<uint64_t>(64 - length + 1));
    const int start = intel ? msb : (msb / 8) * 8 + 7 - msb % 8;
    dbc::DbcSignal s = makeSignal(numbered("S", index), start, length, intel, random() % 2 == 0);
    s.unit = text(numbered("u", index));
    if (random() % 8 == 0 && (length == 32 || length == 64 || random() % 2 == 0)) {
        s.isFloat = true;
        s.bitLength = random() % 2 == 0 ? 32 : 64;
        s.startBit = intel ? 0 : 7;
    }
    const double decimals[] = {1, 0.1, 0.25, 0.01, 0.5, -0.001, 0.000001, 40, 0.3};
    const double offsets[] = {0, -40, -100, 0.5, 0.7, -0.000001, 1e6};
    s.factor = random() % 5 == 0 ? std::ldexp(static_cast<double>(random() % 1000), -12)
                                 : decimals[random() % std::size(decimals)];
    s.offset = random() % 5 == 0 ? static_cast<double>(random() % 1000) / 3
                                 : offsets[random() % std::size(offsets)];
    if (random() % 6 == 0) s.valueDescriptions.entries = descriptions({{-1, "Neg"}, {0, "Off"}});
    return s;
}

}  // namespace

// Every path of the decoding (the one pass over a message's plans, the signal by signal way of
// short frames) gives what a reference decoder gives, and the millionths, where given, the
// same text as the value.
TEST(DecodeFrame, ValuesAndTheirTextsMatchAReferenceOnRandomLayouts) {
    std::mt19937_64 random(20261211);
    int exact = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<dbc::DbcSignal> signals;
        const int count = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < count; ++i) signals.push_back(randomSignal(random, i));
        dbc::CanDatabase db;
        finalise(db, {makeMessage(0x100, 8, signals)});
        FrameDecoder decoder(db);
        for (int frameRound = 0; frameRound < 200; ++frameRound) {
            std::vector<uint8_t> data(random() % 4 == 0 ? random() % 9 : 8);
            for (auto& b : data) b = static_cast<uint8_t>(random() >> (random() % 2 == 0 ? 0 : 60));
            if (data.empty()) data.push_back(0);
            const can::Frame frame = makeFrame(0x100, false, data);
            std::vector<SignalValue> values;
            decoder.decodeFrame(frame, values);
            ASSERT_EQ(values.size(), signals.size());
            for (size_t i = 0; i < values.size(); ++i) {
                const dbc::DbcSignal& s = db.messages[0].signals[i];
                uint64_t raw = extractBits(frame.data, frame.dataLength, s.startBit, s.bitLength,
                                           s.isLittleEndian);
                double value = 0;
                if (s.isFloat && s.bitLength == 32) {
                    const auto bits = static_cast<uint32_t>(raw);
                    float single;
                    std::memcpy(&single, &bits, sizeof single);
                    value = single;
                } else if (s.isFloat) {
                    std::memcpy(&value, &raw, sizeof value);
                } else if (s.isSigned) {
                    if (s.bitLength < 64 && (raw >> (s.bitLength - 1)) != 0) {
                        raw |= ~uint64_t{0} << s.bitLength;
                    }
                    value = static_cast<double>(static_cast<int64_t>(raw));
                } else {
                    value = static_cast<double>(raw);
                }
                const double expected = s.factor * value + s.offset;
                const SignalValue& got = values[i];
                EXPECT_EQ(std::memcmp(&got.value, &expected, sizeof expected), 0)
                    << s.name.view() << " " << got.value << " " << expected;
                EXPECT_EQ(got.signalName, s.name.view());
                EXPECT_EQ(got.unit, s.unit.view());
                EXPECT_EQ(got.signal, &s);
                const std::string_view description =
                    s.valueDescriptions.entries.empty() || s.isFloat
                        ? std::string_view{}
                        : (static_cast<int64_t>(raw) == 0    ? "Off"
                           : static_cast<int64_t>(raw) == -1 ? "Neg"
                                                             : ::decode::kUndefinedEnumText);
                EXPECT_EQ(got.enumText, description);
                char fromValue[tables::kValueTextCapacity];
                const std::string_view valueText(fromValue,
                                                 tables::formatValue(fromValue, got.value));
                if (got.millionths != ::decode::kNoMillionths) {
                    EXPECT_FALSE(s.isFloat);
                    char fromMillionths[tables::kValueTextCapacity];
                    ASSERT_EQ(std::string_view(fromMillionths, tables::formatMillionths(
                                                                   fromMillionths, got.millionths)),
                              valueText)
                        << s.factor << " " << s.offset << " " << raw;
                    ++exact;
                }
            }
        }
    }
    EXPECT_GT(exact, 100000);
}

// A value of zero is given only as a double: "-0.000000" when rounding made it negative.
TEST(DecodeFrame, ZeroValuesKeepTheSignOfTheDouble) {
    auto s = makeSignal("S", 0, 8, true);
    s.factor = 0.3;
    s.offset = -0.9;
    dbc::CanDatabase db;
    finalise(db, {makeMessage(0x10, 8, {s})});
    FrameDecoder decoder(db);
    std::vector<SignalValue> values;
    std::vector<SignalValue> eight;
    decoder.decodeFrame(makeFrame(0x10, false, {3, 0, 0, 0, 0, 0, 0, 0}), values);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].millionths, ::decode::kNoMillionths);
    std::string text;
    tables::appendValue(text, values[0].value);
    EXPECT_EQ(text, "-0.000000");
    decoder.decodeFrame(makeFrame(0x10, false, {4, 0, 0, 0, 0, 0, 0, 0}), eight);
    ASSERT_EQ(eight.size(), 1u);
    EXPECT_EQ(eight[0].millionths, 300000);
}
