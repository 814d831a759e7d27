#include "decode/j1939.h"

#include <gtest/gtest.h>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

TEST(J1939, ParameterGroupsLeaveOutPriorityAndAddressesAsTheFormatSays) {
    EXPECT_EQ(decode::parameterGroupOf(0x0CF00400), 0xF004u);  // PDU2: PS belongs to it
    EXPECT_EQ(decode::parameterGroupOf(0x18F004FE), 0xF004u);  // another priority and sender
    EXPECT_EQ(decode::parameterGroupOf(0x18FEF100), 0xFEF1u);
    EXPECT_EQ(decode::parameterGroupOf(0x0C0017F1), 0x0000u);  // PDU1: no destination
    EXPECT_EQ(decode::parameterGroupOf(0x18EAFF00), 0xEA00u);
    EXPECT_EQ(decode::parameterGroupOf(0x1BEF0000), 0x3EF00u);  // data page set
}

}  // namespace
