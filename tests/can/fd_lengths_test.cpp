#include "can/fd_lengths.h"

#include <gtest/gtest.h>

namespace {

TEST(CanFdLength, RoundsUpToTheLengthsCanFdCarries) {
    for (int length = 0; length <= 64; ++length) {
        const int rounded = can::canFdLength(length);
        int expected = 64;
        for (const int carried : {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64}) {
            if (carried >= length) {
                expected = carried;
                break;
            }
        }
        EXPECT_EQ(rounded, expected) << length;
        // The code of each length: its index among the lengths CAN FD carries.
        static constexpr int kLengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
        EXPECT_EQ(kLengths[can::canFdDlc(rounded)], rounded) << length;
    }
    EXPECT_EQ(can::canFdLength(36), 48);
    for (int dlc = 0; dlc <= 15; ++dlc) EXPECT_EQ(can::canFdDlc(can::canFdLengthOfDlc(dlc)), dlc);
    EXPECT_EQ(can::canFdLengthOfDlc(99), 64);
}

}  // namespace
