// A CAN frame as every frame source hands it on, whatever file it came from: the analyzer's
// captures, Vector's BLF and ASC logs, candump logs, PEAK's trace files. Sources fill it, the
// decoding and the sinks read it; nothing here knows a file format.
#pragma once

#include <cstdint>

namespace can {

// Data bytes of the longest CAN FD frame.
inline constexpr int kMaxDataLength = 64;
// The highest channel number a source hands on (0 for the first channel): a log's 16-bit
// channel numbers fit, a damaged line's absurd one does not.
inline constexpr int32_t kMaxChannel = 65535;

enum class FrameKind : uint8_t {
    kData,     // a data frame, classic or CAN FD
    kRemote,   // a remote request: an identifier and the length asked for, no data
    kError,    // an error frame: a channel and a time; canId and data as the log gives them
    kDamaged,  // a frame the source found but could not read whole (counted, never decoded)
    kEvent,    // a bus event of the source's own, on no channel (a capture's other head records)
};

struct Frame {
    uint64_t time = 0;       // nanoseconds since the source's time origin
    uint64_t place = 0;      // where in its file: a record, object or line number (see the source)
    uint32_t canId = 0;      // 11 or 29 bits
    int32_t channel = 0;     // 0 for the first channel (CH1), 1 for the second, and so on
    int32_t dataLength = 0;  // bytes in `data` (0..64); a remote frame's requested length
    FrameKind kind = FrameKind::kData;
    bool isExtended = false;     // a 29-bit identifier
    bool isFd = false;           // a CAN FD frame (EDL)
    bool bitRateSwitch = false;  // CAN FD: BRS
    bool errorState = false;     // CAN FD: ESI, the sender is error passive
    bool transmitted = false;    // sent by the logging node (Tx), not received
    uint16_t event = 0;          // kEvent: the source's own code for it
    // `dataLength` bytes; what lies beyond them is no data of the frame (a source may leave
    // anything there, so a writer that pads a CAN FD frame pads with zeros of its own).
    uint8_t data[kMaxDataLength] = {};
};

}  // namespace can
