#include "sources/blf/blf_objects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/sources/blf/blf_test_files.h"

namespace {

using namespace blf_test;
namespace blf = sources::blf;

const std::string k64(
    "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F\x10"
    "\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x20"
    "\x21\x22\x23\x24\x25\x26\x27\x28\x29\x2A\x2B\x2C\x2D\x2E\x2F\x30"
    "\x31\x32\x33\x34\x35\x36\x37\x38\x39\x3A\x3B\x3C\x3D\x3E\x3F\x40");
constexpr uint32_t kExt = 0x80000000;

// The frame of one object, described; "unreadable" when decodeFrameObject refuses it. The
// frame starts full of 0xFF bytes: whatever the object leaves out must come out zero.
std::string decoded(const std::string& object) {
    const blf::ObjectHeader header =
        blf::readObjectHeader(reinterpret_cast<const uint8_t*>(object.data()));
    EXPECT_EQ(header.objectSize, object.size());
    can::Frame frame;
    std::memset(static_cast<void*>(&frame), 0xFF, sizeof frame);
    if (!blf::decodeFrameObject(reinterpret_cast<const uint8_t*>(object.data()), header, frame)) {
        return "unreadable";
    }
    return describe(frame) + (frame.place == 0 ? "" : " PLACE-SET");
}

struct Case {
    const char* what;
    std::string object;
    std::string expected;
};

TEST(BlfObjects, EachFrameObjectTypeReadsAsVectorDescribesIt) {
    const HeaderForm tenMicroseconds{1, 32, kTenMicroseconds};
    const HeaderForm laterVersion{3, 48, kOneNanosecond};  // a header grown by 8 more bytes
    const Case cases[] = {
        {"CAN_MESSAGE received", object(1, canMessage(2, 0, 3, 0x123, "\x01\x02\xAA"), 1500),
         "data ch1 123 len3 0102AA t1500"},
        {"CAN_MESSAGE sent, extended", object(1, canMessage(1, 1, 8, kExt | 0x1ABCDEF, k64), 7),
         "data ch0 1ABCDEFx tx len8 "
         "0102030405060708 t7"},
        {"CAN_MESSAGE remote: the length asked for, no data",
         object(1, canMessage(4, 0x80, 4, 0x7FF, "\xFF\xFF\xFF\xFF"), 0), "remote ch3 7FF len4 t0"},
        {"CAN_MESSAGE with a DLC above 8", object(1, canMessage(1, 0, 12, 0x10, k64), 0),
         "data ch0 10 len8 0102030405060708 t0"},
        {"CAN_MESSAGE2, version 2 header, 10-us stamps",
         object(86, canMessage2(1, 0, 2, 0x55, "\x0A\x0B"), 7, HeaderForm{2, 40, kTenMicroseconds}),
         "data ch0 55 len2 0A0B t70000"},
        {"CAN_MESSAGE2 sent, 10-us stamps",
         object(86, canMessage2(16, 1, 0, 0x1, ""), 123456, tenMicroseconds),
         "data ch15 1 tx len0 t1234560000"},
        {"CAN_FD_MESSAGE with BRS and ESI, sent",
         object(100, canFdMessage(2, 1, 9, 0x321, 7, k64.substr(0, 12)), 99),
         "data ch1 321 fd brs esi tx len12 0102030405060708090A0B0C t99"},
        {"CAN_FD_MESSAGE holding a classic frame",
         object(100, canFdMessage(1, 0, 8, kExt | 0x100, 0, k64.substr(0, 8)), 5),
         "data ch0 100x len8 0102030405060708 t5"},
        {"CAN_FD_MESSAGE remote", object(100, canFdMessage(3, 0x80, 3, 0x42, 0, ""), 5),
         "remote ch2 42 len3 t5"},
        {"CAN_FD_MESSAGE_64 of 64 bytes with BRS, sent",
         object(101, canFdMessage64(1, 15, 0x7E0, 0x3000, 1, k64), 1000000000),
         "data ch0 7E0 fd brs tx len64 " + std::string("0102030405060708090A0B0C0D0E0F10") +
             "1112131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F30" +
             "3132333435363738393A3B3C3D3E3F40 t1000000000"},
        {"CAN_FD_MESSAGE_64 with ESI, extended, 20 bytes",
         object(101, canFdMessage64(3, 11, kExt | 0x18FF1234, 0x5000, 0, k64.substr(0, 20)), 1),
         "data ch2 18FF1234x fd esi len20 0102030405060708090A0B0C0D0E0F1011121314 t1"},
        {"CAN_FD_MESSAGE_64 remote", object(101, canFdMessage64(1, 2, 0x12, 0x10, 0, ""), 1),
         "remote ch0 12 len2 t1"},
        {"CAN_FD_MESSAGE_64 classic, Tx request",
         object(101, canFdMessage64(2, 5, 0x12, 0, 2, k64.substr(0, 5)), 1),
         "data ch1 12 tx len5 0102030405 t1"},
        {"CAN_FD_MESSAGE_64 under a header of a later version",
         object(101, canFdMessage64(1, 1, 0x5, 0x1000, 0, "\x77"), 42, laterVersion),
         "data ch0 5 fd len1 77 t42"},
        {"CAN_ERROR", object(2, canError(3), 10), "error ch2 0 len0 t10"},
        {"CAN_ERROR_EXT: the low four DLC bits, the damaged frame's data",
         object(73, canErrorExt(1, 0x92, kExt | 0x1234, "\xDE\xAD\xBE"), 10),
         "error ch0 1234x len2 DEAD t10"},
        {"CAN_FD_ERROR_64 in an FD frame with BRS",
         object(104, canFdError64(2, 10, 0x333, 0xC0, k64.substr(0, 16)), 10),
         "error ch1 333 fd brs len16 0102030405060708090A0B0C0D0E0F10 t10"},
        {"CAN_FD_ERROR_64 in a classic frame, ESI",
         object(104, canFdError64(1, 3, 0x1, 0x20, "\x01\x02\x03"), 10),
         "error ch0 1 esi len3 010203 t10"},
        {"time unit flags neither: ns", object(1, canMessage(1, 0, 0, 1, ""), 5, {1, 32, 0}),
         "data ch0 1 len0 t5"},
        {"time unit flags both: ns", object(1, canMessage(1, 0, 0, 1, ""), 5, {1, 32, 3}),
         "data ch0 1 len0 t5"},
    };
    for (const Case& c : cases) EXPECT_EQ(decoded(c.object), c.expected) << c.what;
}

TEST(BlfObjects, ObjectsThatCannotBeFramesAreRefused) {
    std::string cutFields = object(1, canMessage(1, 0, 8, 1, k64).substr(0, 12), 0);
    std::string fdPastItsEnd = object(101, canFdMessage64(1, 15, 1, 0x1000, 0, k64), 0);
    fdPastItsEnd.resize(fdPastItsEnd.size() - 1);
    fdPastItsEnd[8] = static_cast<char>(fdPastItsEnd.size());  // the size field, below 256
    std::string fdCan65 = object(100, canFdMessage(1, 0, 15, 1, 1, k64), 0);
    fdCan65[32 + 14] = 65;  // valid data bytes
    const Case cases[] = {
        {"fields cut short", cutFields, "unreadable"},
        {"channel 0", object(86, canMessage2(0, 0, 1, 1, "\x01"), 0), "unreadable"},
        {"CAN_FD_MESSAGE_64 on channel 0", object(101, canFdMessage64(0, 0, 1, 0, 0, ""), 0),
         "unreadable"},
        {"data past the object's end", fdPastItsEnd, "unreadable"},
        {"65 valid bytes", fdCan65, "unreadable"},
        {"a classic frame of 12 bytes",
         object(100, canFdMessage(1, 0, 9, 1, 0, k64.substr(0, 12)), 0), "unreadable"},
        {"a classic CAN_FD_MESSAGE_64 of 9 bytes",
         object(101, canFdMessage64(1, 9, 1, 0, 0, k64.substr(0, 9)), 0), "unreadable"},
        {"a 10-us time past 2^64 ns",
         object(1, canMessage(1, 0, 0, 1, ""), uint64_t{1} << 62, {1, 32, kTenMicroseconds}),
         "unreadable"},
        {"a header without a time", object(1, canMessage(1, 0, 0, 1, ""), 0, {1, 16, 2}),
         "unreadable"},
        {"CAN_ERROR_EXT cut short", object(73, canErrorExt(1, 8, 1, "").substr(0, 20), 0),
         "unreadable"},
        {"CAN_FD_ERROR_64 without its data",
         object(104, canFdError64(1, 9, 1, 0x80, k64.substr(0, 12)).substr(0, 50), 0),
         "unreadable"},
    };
    for (const Case& c : cases) EXPECT_EQ(decoded(c.object), c.expected) << c.what;
    // The largest time stamps that fit.
    EXPECT_EQ(decoded(object(1, canMessage(1, 0, 0, 1, ""), UINT64_MAX, kVersion1)),
              "data ch0 1 len0 t18446744073709551615");
    EXPECT_EQ(decoded(object(1, canMessage(1, 0, 0, 1, ""), UINT64_MAX / 10000,
                             {1, 32, kTenMicroseconds})),
              "data ch0 1 len0 t18446744073709550000");
}

TEST(BlfObjects, HeadersAndTypeNames) {
    const std::string bytes = object(65, "text", 0, kVersion2);
    const blf::ObjectHeader header =
        blf::readObjectHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
    EXPECT_EQ(header.headerSize, 40);
    EXPECT_EQ(header.headerVersion, 2);
    EXPECT_EQ(header.objectSize, 44u);
    EXPECT_EQ(header.type, 65u);
    EXPECT_TRUE(blf::plausible(header));
    EXPECT_FALSE(blf::plausible({15, 1, 32, 1}));  // a header below the base header
    EXPECT_FALSE(blf::plausible({32, 1, 31, 1}));  // an object below its header
    EXPECT_FALSE(blf::plausible({32, 1, 0x80000000, 1}));
    EXPECT_TRUE(blf::plausible({16, 1, 16, 1}));

    EXPECT_EQ(blf::objectTypeName(4), "CAN_STATISTIC");
    EXPECT_EQ(blf::objectTypeName(11), "LIN_MESSAGE");
    EXPECT_EQ(blf::objectTypeName(65), "APP_TEXT");
    EXPECT_EQ(blf::objectTypeName(71), "ETHERNET_FRAME");
    EXPECT_EQ(blf::objectTypeName(96), "GLOBAL_MARKER");
    EXPECT_EQ(blf::objectTypeName(120), "ETHERNET_FRAME_EX");
    EXPECT_EQ(blf::objectTypeName(128), "TRIGGER_CONDITION");
    EXPECT_EQ(blf::objectTypeName(133), "ETHERNET_PHY_STATE");
    EXPECT_EQ(blf::objectTypeName(27), "");  // reserved
    EXPECT_EQ(blf::objectTypeName(134), "");
    EXPECT_EQ(blf::objectTypeName(0xFFFFFFFF), "");
    for (const uint32_t type : {1u, 2u, 73u, 86u, 100u, 101u, 104u}) {
        EXPECT_TRUE(blf::isFrameObject(type)) << type;
    }
    for (const uint32_t type : {0u, 3u, 10u, 65u, 102u, 105u}) {
        EXPECT_FALSE(blf::isFrameObject(type)) << type;
    }
}

}  // namespace

namespace {

// CAN_MESSAGE and CAN_MESSAGE2 store eight data bytes whatever their DLC: the frame takes its
// length of them and none past it, nor any for a remote frame.
TEST(BlfObjects, ClassicMessagesTakeTheirLengthOfTheEightBytesStored) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const uint32_t type : {1u, 86u}) {
        for (uint8_t dlc = 0; dlc < 16; ++dlc) {
            for (const bool remote : {false, true}) {
                const auto fields = (type == 1 ? canMessage : canMessage2)(
                    1, remote ? 0x80 : 0, dlc, 0x123, k64.substr(0, 8));
                const int length = dlc < 8 ? dlc : 8;
                std::string expected = std::string(remote ? "remote" : "data") + " ch0 123 len" +
                                       std::to_string(length) + " ";
                for (int i = 0; i < length && !remote; ++i) {
                    expected += kHex[k64[static_cast<size_t>(i)] >> 4];
                    expected += kHex[k64[static_cast<size_t>(i)] & 0x0F];
                }
                expected += std::string(length == 0 || remote ? "" : " ") + "t10";
                EXPECT_EQ(decoded(object(type, fields, 10)), expected)
                    << type << " dlc " << int{dlc} << (remote ? " remote" : "");
            }
        }
    }
}

}  // namespace
