// A frame of a trace file as one line of text, so that the tests compare what was read with
// what the line says at a glance:
//   "1059900000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00"
//   "1334416000 ch0 Tx 500 data fd brs 12: 01 02 ..."   "... 18EFC034x ..." (extended)
#pragma once

#include <cstdio>
#include <string>

#include "can/frame.h"
#include "sources/trc/trc_lines.h"

namespace trc_test {

inline std::string kindName(sources::trc::LineKind kind) {
    using sources::trc::LineKind;
    switch (kind) {
        case LineKind::kFrame:
            return "frame";
        case LineKind::kEmpty:
            return "empty";
        case LineKind::kComment:
            return "comment";
        case LineKind::kBusWarning:
            return "bus warning";
        case LineKind::kHardwareStatus:
            return "hardware status";
        case LineKind::kErrorCounter:
            return "error counter";
        case LineKind::kUserEvent:
            return "user event";
        case LineKind::kOtherType:
            return "other type";
        case LineKind::kUnreadable:
            return "unreadable";
    }
    return "?";
}

inline std::string describe(const can::Frame& frame, int64_t time) {
    static const char* const kKinds[] = {"data", "remote", "error", "damaged", "event"};
    char head[96];
    std::snprintf(head, sizeof head, "%lld ch%d %s %X%s %s%s%s%s %d", static_cast<long long>(time),
                  static_cast<int>(frame.channel), frame.transmitted ? "Tx" : "Rx",
                  static_cast<unsigned>(frame.canId), frame.isExtended ? "x" : "",
                  kKinds[static_cast<int>(frame.kind)], frame.isFd ? " fd" : "",
                  frame.bitRateSwitch ? " brs" : "", frame.errorState ? " esi" : "",
                  static_cast<int>(frame.dataLength));
    std::string text = head;
    const bool bytes = frame.kind != can::FrameKind::kRemote;
    for (int i = 0; i < can::kMaxDataLength; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02X", frame.data[i]);
        if (i < frame.dataLength && bytes) text += (i == 0 ? ": " : " ") + std::string(byte);
        // A byte past the length that is not zero breaks the frame's promise.
        if ((i >= frame.dataLength || !bytes) && frame.data[i] != 0) return text + " (DIRTY)";
    }
    return text;
}

}  // namespace trc_test
