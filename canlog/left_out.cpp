#include "canlog/left_out.h"

namespace canlog {

const char* leftOutName(LeftOut kind) {
    switch (kind) {
        case LeftOut::kFrameOnChannel:
            return "frames on channels the format cannot number";
        case LeftOut::kOtherKind:
            return "frames the source could not read";
        case LeftOut::kEvent:
            return "bus events";
        case LeftOut::kErrorDirection:
            return "directions of error frames";
        case LeftOut::kErrorContent:
            return "identifiers and data of error frames";
        case LeftOut::kErrorFdFlags:
            return "CAN FD flags of error frames";
        case LeftOut::kRemoteFdFlags:
            return "CAN FD flags of remote frames";
        default:
            return "other";
    }
}

const char* leftOutKey(LeftOut kind) {
    switch (kind) {
        case LeftOut::kFrameOnChannel:
            return "framesOnChannel";
        case LeftOut::kOtherKind:
            return "framesNotRead";
        case LeftOut::kEvent:
            return "events";
        case LeftOut::kErrorDirection:
            return "errorDirections";
        case LeftOut::kErrorContent:
            return "errorContents";
        case LeftOut::kErrorFdFlags:
            return "errorFdFlags";
        case LeftOut::kRemoteFdFlags:
            return "remoteFdFlags";
        default:
            return "other";
    }
}

uint64_t LeftOutCounts::total() const {
    uint64_t sum = 0;
    for (const uint64_t count : counts_) sum += count;
    return sum;
}

}  // namespace canlog
