// The data lengths of CAN FD: 0-8, 12, 16, 20, 24, 32, 48 and 64 bytes, with the data length
// codes 0-15 that stand for them.
#pragma once

namespace can {

// A frame with more data bytes than classic CAN carries is a CAN FD frame.
inline constexpr int kClassicMaxLength = 8;

// The length a frame is written with: classic lengths as they are, longer ones as the next
// length CAN FD can carry (9 -> 12, 36 -> 48), the bytes added being zero.
inline int canFdLength(int dataLength) {
    if (dataLength <= 8) return dataLength < 0 ? 0 : dataLength;
    if (dataLength <= 24) return (dataLength + 3) / 4 * 4;
    if (dataLength <= 32) return 32;
    if (dataLength <= 48) return 48;
    return 64;
}

// The data length code of a length canFdLength gives: 0-8, then 9 (12 bytes) .. 15 (64 bytes).
inline int canFdDlc(int length) {
    if (length <= 8) return length;
    if (length <= 24) return 6 + length / 4;  // 12 -> 9, 16 -> 10, 20 -> 11, 24 -> 12
    if (length <= 32) return 13;
    if (length <= 48) return 14;
    return 15;
}

// The length a data length code stands for in a CAN FD frame (codes above 15 as 15).
inline int canFdLengthOfDlc(int dlc) {
    static constexpr int kLengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
    return kLengths[dlc < 0 ? 0 : dlc > 15 ? 15 : dlc];
}

}  // namespace can
